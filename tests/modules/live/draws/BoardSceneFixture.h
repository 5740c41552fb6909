#pragma once

#include "DrawSourceFixture.h"

#include "actions/drawing/TQDrawingActionSelectMaterial.h"
#include "modules/live/draws/TQDrawBackgroundLayout.h"
#include "modules/live/draws/TQDrawForegroundLayout.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQDrawShadeView.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQDrawTemporalLayout.h"
#include "modules/live/draws/TQDrawTemporalView.h"
#include "modules/live/draws/TQDrawTouchView.h"
#include "modules/live/draws/TQQTActionEvent.h"
#include "modules/live/draws/TQShapeAbstract.h"
#include "modules/login/LoginManager.h"
#include "QmlTypes.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QMap>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

#include <memory>
#include <vector>

// What the board's QML asks of the live-class window, recorded.
class WindowProbe : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void onColorSelect(int index) { calls << QStringLiteral("colour %1").arg(index); }
    Q_INVOKABLE void onLineTypeSelect(bool dotted) { calls << QStringLiteral("line dotted %1").arg(dotted); }
    Q_INVOKABLE void onFillModeChange(bool fill) { calls << QStringLiteral("fill %1").arg(fill); }
    Q_INVOKABLE void testFromQml() { calls << QStringLiteral("test"); }

    QStringList calls;
};

// The settings object as the board's QML reads it.
class ConfigProbe : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE QString getValue(const QString &key) const { return values.value(key); }

    QMap<QString, QString> values;
};

// The live data source, with its toasts recorded instead of shown.
class ToastRecordingSource : public TQBroadCastDrawDataSourceInterface
{
public:
    void showToast(QString text, int type, int ms) override
    {
        toasts << QStringLiteral("%1 %2 %3").arg(text).arg(type).arg(ms);
    }

    QStringList toasts;
};

// One touch sample as the current tool received it.
struct ToolSample
{
    int x;
    int y;
    int phase;
    qint64 time;
    bool operator==(const ToolSample &o) const
    {
        return x == o.x && y == o.y && phase == o.phase && time == o.time;
    }
};

// A tool that only records what reaches it.
class RecordingTool : public TQShapeAbstract
{
public:
    explicit RecordingTool(std::vector<ToolSample> *out)
        : TQShapeAbstract(-1)
        , samples(out)
    {
    }
    TQShapeTouchResult onTouch(const TQPointWF &point, int phase, TQDrawManager *) override
    {
        samples->push_back({int(point.x), int(point.y), phase, point.time});
        return TQShapeTouchResult();
    }

    std::vector<ToolSample> *samples;
};

// The board's QML component ("qrc:/Qml/ViewLiveClassDrawLayout.qml") as the
// root of a shown QQuickView, its layers handed to a draw layout the way the
// live-class window does it: board 820 x 520 over the in-memory course
// (material 501 current), signed in as teacher 10001.
class BoardSceneFixture
{
public:
    static constexpr int kTeacher = 10001;
    static constexpr int kWidth = 820;
    static constexpr int kHeight = 520;

    explicit BoardSceneFixture(bool debug = false)
    {
        registerQmlTypes();
        LoginManager::saveLoginInfo(
            QJsonObject{{"accountDetails", QJsonObject{{"user_id", QString::number(kTeacher)}}}});
        services.attach(source);
        if (debug)
            config.values.insert(QStringLiteral("in_debug"), QStringLiteral("1"));
        view.rootContext()->setContextProperty(QStringLiteral("config"), &config);
        view.rootContext()->setContextProperty(QStringLiteral("videoWindow"), &window);
        view.rootContext()->setContextProperty(QStringLiteral("normalTextHeight"), 16);
        view.setResizeMode(QQuickView::SizeRootObjectToView);
        view.resize(kWidth, kHeight);
        view.setSource(QUrl(QStringLiteral("qrc:/Qml/ViewLiveClassDrawLayout.qml")));
        root = view.rootObject();
        if (!root)
            return;
        view.show();
        exposed = QTest::qWaitForWindowExposed(&view);
        layout.init(&source, item<TQDrawTemporalView>("tqdrawtemporalview0"), item<TQDrawSketchView>("tqdrawsketchview0"),
                    item<TQDrawShadeView>("mTemporalShade0"), item<TQDrawTemporalLayout>("mTemporalLayout0"), touchView(),
                    QSize(kWidth, kHeight), item<TQDrawBackgroundLayout>("tqdrawbackgroundLayout"),
                    item<TQDrawForegroundLayout>("tqdrawforgroundLayout"), item<QQuickItem>("containerItem0"),
                    item<QQuickItem>("draw_board_container"), root);
        // Bring the board to material 501 quietly.
        auto *select = new TQDrawingActionSelectMaterial;
        select->materialId = 501;
        select->publish = false;
        manager()->queueAction(select);
        drain();
    }

    bool ready() const { return root && exposed; }

    template <class T>
    T *item(const char *name) const
    {
        return root->findChild<T *>(QString::fromLatin1(name));
    }
    TQDrawTouchView *touchView() const { return item<TQDrawTouchView>("touchView0"); }
    TQDrawManager *manager() const { return layout.drawManager(); }

    // Replaces the pen with a tool that records every sample.
    void recordTool() { manager()->installShapeTool(new RecordingTool(&samples)); }

    // Delivers the manager's action events until its queue is empty.
    void drain()
    {
        while (manager()->queuedActionCount() > 0)
            QCoreApplication::sendPostedEvents(manager(), TQQTActionEvent::eventType());
    }

    // A mouse event through the window, as the system delivers it.
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        QMouseEvent event(type, at, view.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &event);
    }

    // The global position of a point of the touch view.
    QPoint global(QPoint at) const { return view.mapToGlobal(at); }

    CourseInMemory course;
    FakeClassServices services;
    ToastRecordingSource source;
    WindowProbe window;
    ConfigProbe config;
    QQuickView view;
    QQuickItem *root = nullptr;
    bool exposed = false;
    std::vector<ToolSample> samples;
    // Last, so that it goes first: it deletes two of the scene's items and
    // its manager points at the others.
    TQDrawLayout layout;
};
