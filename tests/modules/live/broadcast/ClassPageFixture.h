#pragma once

#include "TestLogCapture.h"

#include "QmlTypes.h"
#include "modules/live/broadcast/tempView.h"

#include <QJsonObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QtTest>

// Stand-in of the window while the page is checked alone.
class PageWindowProbe : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void drawAreaSizeChanged() { calls << QStringLiteral("drawAreaSizeChanged"); }
    Q_INVOKABLE void scrollTo(int y, int height) { calls << QStringLiteral("scrollTo %1 %2").arg(y).arg(height); }
    Q_INVOKABLE void contentSizeChange(int widthMore, int heightMore, int fontHeight)
    {
        calls << QStringLiteral("contentSizeChange %1 %2 %3").arg(widthMore).arg(heightMore).arg(fontHeight);
    }
    QStringList calls;

signals:
    void closed();
    void toast(QString text);
    void updateUserInfo_signal(QJsonObject joUser);
    void pageChange(int materialID, int pageNumber, int pageCount);
    void resize_signal(int width, int height, bool isDone);
    void recordVideoTimeUpdate_signal(int timeSec);
    void recordVideoRecordState_signal(bool recording);
    void courseDetailInitDonw_signal();
    void updateScrollBarPosition_signal(int yPos, int totalHeight);
    void updateTopOffset_signal(int yPos);
    void setCourseType_signal(bool isLowPrice_0, bool isOrgCourse_0, bool isWxClassCourse_0);
    void switchScreenShareUI(bool isScreenShare);
    void disableAssistant_signal(bool disable);
    void updateOfflineCourse_signal(bool isOffline);
};

// The class page in a shown tempView, its QML warnings and console lines
// collected from before the load.
class ClassPageFixture
{
public:
    ClassPageFixture()
    {
        registerQmlTypes();
        QObject::connect(view.engine(), &QQmlEngine::warnings, [this](const QList<QQmlError> &errors) {
            for (const QQmlError &e : errors)
                warnings << e.toString();
        });
        view.rootContext()->setContextProperty(QStringLiteral("videoWindow"), &window);
        view.rootContext()->setContextProperty(QStringLiteral("config"), nullptr);
        view.rootContext()->setContextProperty(QStringLiteral("mainUser"),
                                               QVariant(QJsonObject{{"userID", "10001"}}));
        view.setResizeMode(QQuickView::SizeRootObjectToView);
        view.resize(1350, 800);
        view.setSource(QUrl(QStringLiteral("qrc:///Qml/activity_live_class.qml")));
        view.show();
        exposed = QTest::qWaitForWindowExposed(&view);
    }

    QQuickItem *page() const { return view.rootObject(); }
    QObject *item(const char *name) const
    {
        return QString(name) == "root" ? page() : page()->findChild<QObject *>(QLatin1String(name));
    }
    QQuickItem *quickItem(const char *name) const { return qobject_cast<QQuickItem *>(item(name)); }

    // Emits one of the window's signals, as the window would.
    template <typename... Args>
    void emitSignal(const char *name, Args... args)
    {
        QVERIFY2(QMetaObject::invokeMethod(&window, name, Qt::DirectConnection, args...), name);
    }

    // Presses the item's centre, moves by `by` in steps, releases.
    void drag(QQuickItem *item, QPoint by)
    {
        const QPoint from = item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 10; ++step)
            QTest::mouseMove(&view, from + by * step / 10, 5);
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, from + by);
    }
    void click(QQuickItem *item)
    {
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier,
                          item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint());
    }

    QStringList qmlWarnings() const
    {
        QStringList out = warnings;
        for (const QQmlError &e : view.errors())
            out << e.toString();
        return out;
    }
    QStringList consoleLines() const { return log.messages(); }

    bool exposed = false;
    TestLogCapture log;
    QStringList warnings;
    PageWindowProbe window;
    tempView view;
};
