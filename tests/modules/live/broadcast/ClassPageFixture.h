#pragma once

#include "ClassHarness.h"
#include "TestLogCapture.h"

#include "QmlTypes.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/tempView.h"
#include "platform/http/ApiPaths.h"

#include <QPointer>
#include <QQuickItem>
#include <QtTest>

// The class harness's live class, shown offscreen at 1350 x 800 (or, when
// told so, started and never shown), with the console lines collected from
// before the start. Closed and gone at the end.
class ClassPageFixture
{
public:
    // courseDetailDelayMs holds the course detail back that long, so the
    // page stays in its waiting state (the detail starts the class).
    explicit ClassPageFixture(bool shown = true, int courseDetailDelayMs = 0)
    {
        registerQmlTypes();
        if (!harness.isReady())
            return;
        if (courseDetailDelayMs > 0) {
            StandInService::Reply reply = StandInService::Reply::ok(harness.fixtureCourseDetail());
            reply.delayMs = courseDetailDelayMs;
            harness.service().setReply(ApiPaths::kGetCourseScheduleDetailForLecturer, reply);
        }
        if (shown) {
            window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
            exposed = QTest::qWaitForWindowExposed(window);
            return;
        }
        window = new TQLiveBroadCastActivity(ClassHarness::kCourseID, ClassHarness::kCourseScheduleID);
        window->start(TQLiveBroadCastActivity::kLiveClass);
    }
    ~ClassPageFixture()
    {
        // The harness closes the window it opened.
        if (!window || window == harness.window())
            return;
        window->close();
        QTRY_VERIFY(!window);
    }
    ClassPageFixture(const ClassPageFixture &) = delete;
    ClassPageFixture &operator=(const ClassPageFixture &) = delete;

    QQuickItem *page() const { return window->quickView()->rootObject(); }
    QObject *item(const char *name) const { return page()->findChild<QObject *>(QLatin1String(name)); }
    QQuickItem *quickItem(const char *name) const { return qobject_cast<QQuickItem *>(item(name)); }

    // Emits one of the window's signals, as the window does.
    template <typename... Args>
    void emitSignal(const char *name, Args... args)
    {
        QVERIFY2(QMetaObject::invokeMethod(window, name, Qt::DirectConnection, args...), name);
    }

    // Presses the item's centre, moves by `by` in steps, releases.
    void drag(QQuickItem *item, QPoint by)
    {
        const QPoint from = item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
        QTest::mousePress(window->quickView(), Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 10; ++step)
            QTest::mouseMove(window->quickView(), from + by * step / 10, 5);
        QTest::mouseRelease(window->quickView(), Qt::LeftButton, Qt::NoModifier, from + by);
    }
    void click(QQuickItem *item)
    {
        QTest::mouseClick(window->quickView(), Qt::LeftButton, Qt::NoModifier,
                          item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint());
    }

    // The QML engine's warnings and errors among the console lines.
    QStringList qmlWarnings() const
    {
        QStringList out;
        const QStringList messages = log.messages();
        const QList<QtMsgType> types = log.types();
        for (int i = 0; i < messages.size(); ++i)
            if (types.at(i) != QtDebugMsg && types.at(i) != QtInfoMsg && messages.at(i).contains(QLatin1String(".qml")))
                out << messages.at(i);
        return out;
    }
    // Lets the window's first resize settle, so that it says nothing more of
    // its own.
    void settle() { QTest::qWait(TQLiveBroadCastActivity::kResizeSettleMs + 100); }

    // How many console lines contain `text`.
    int consoleCount(const QString &text) const { return log.messages().filter(text).size(); }

    TestLogCapture log;
    ClassHarness harness;
    QPointer<TQLiveBroadCastActivity> window;
    bool exposed = false;
};

// Names every warning when there is one.
#define QVERIFY_NO_QML_WARNINGS(fixture) \
    QVERIFY2((fixture).qmlWarnings().isEmpty(), qPrintable((fixture).qmlWarnings().join('\n')))
