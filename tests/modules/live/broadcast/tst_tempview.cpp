// The class page's view driven with real tablet events sent through Qt's
// event path, on a fixed clock: what it forwards to the board's touch layer
// (recorded on the way, then handed to a real touch view), whether Qt may
// still turn the event into mouse input, and the timing lines it logs.
#include "modules/live/broadcast/tempView.h"
#include "modules/live/draws/TQDrawTouchView.h"

#include "TestClock.h"
#include "TestLogCapture.h"

#include <QTabletEvent>
#include <QtTest>

namespace {

constexpr qint64 kStart = 1700000000000;
// Global positions differ from the view's own: only the global one travels.
const QPoint kScreenOffset(1000, 2000);
const QString kLogTag = QStringLiteral("tempView::tabletEvent ");

// Records every forward, then lets the real touch layer have it.
class RecordingView : public tempView
{
public:
    QStringList forwarded;

protected:
    void forwardToTarget(QPoint globalPos, int type) override
    {
        const char *kind = type == QEvent::TabletPress ? "P" : type == QEvent::TabletMove ? "M" : "R";
        forwarded << QStringLiteral("%1 %2,%3").arg(kind).arg(globalPos.x()).arg(globalPos.y());
        tempView::forwardToTarget(globalPos, type);
    }
};

// Sends one tablet event at `at` (view coordinates); true when accepted.
bool sendTablet(tempView &view, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::TabletMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::TabletRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QTabletEvent event(type, QPointF(at), QPointF(at + kScreenOffset), QTabletEvent::Stylus, QTabletEvent::Pen, 0.5,
                       0, 0, 0, 0, 0, Qt::NoModifier, 1, button, buttons);
    event.setAccepted(false);
    QCoreApplication::sendEvent(&view, &event);
    return event.isAccepted();
}

// "P 10,10 @0; M 20,20 @10; R 20,20 @30": tablet press, move, release at a
// view position and a time in ms after kStart. Returns how many events were
// accepted.
int play(tempView &view, TestClock &clock, const QString &script)
{
    int accepted = 0;
    for (const QString &step : script.split(';', Qt::SkipEmptyParts)) {
        const QStringList parts = step.simplified().split(' ');
        const QStringList xy = parts.at(1).split(',');
        clock.set(kStart + parts.at(2).mid(1).toLongLong());
        const QEvent::Type type = parts.at(0) == "P"   ? QEvent::TabletPress
                                  : parts.at(0) == "M" ? QEvent::TabletMove
                                                       : QEvent::TabletRelease;
        accepted += sendTablet(view, type, QPoint(xy.at(0).toInt(), xy.at(1).toInt())) ? 1 : 0;
    }
    return accepted;
}

// The view's log lines, message part only.
QStringList viewLogLines(const TestLogCapture &log)
{
    QStringList out;
    for (const QString &line : log.messages()) {
        const int at = line.indexOf(kLogTag);
        if (at >= 0)
            out << line.mid(at + kLogTag.size());
    }
    return out;
}

} // namespace

class TestTempView : public QObject
{
    Q_OBJECT

private slots:
    void tabletSequences_data();
    void tabletSequences();
    void pressesFromTheTwentiethAreNeitherTimedNorLogged();
};

void TestTempView::tabletSequences_data()
{
    QTest::addColumn<bool>("withTarget");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("forwarded");
    QTest::addColumn<QStringList>("logged");

    QTest::newRow("press, moves, release") << true << "P 10,10 @0; M 20,20 @5; M 30,25 @10; R 30,25 @40"
                                           << QStringList{"P 1010,2010", "M 1020,2020", "M 1030,2025", "R 1030,2025"}
                                           << QStringList{"touch event 1700000000000-1700000000040 get point 2"};
    // A resting pen: the first repeat goes, later ones do not; a new
    // position is forwarded and starts counting again.
    QTest::newRow("repeated positions") << true
                                        << "P 5,5 @0; M 10,10 @1; M 40,40 @2; M 40,40 @3; M 40,40 @4; M 40,40 @5;"
                                           "M 41,40 @6; M 41,40 @7; M 41,40 @8; R 41,40 @9"
                                        << QStringList{"P 1005,2005", "M 1010,2010", "M 1040,2040", "M 1040,2040",
                                                       "M 1041,2040", "M 1041,2040", "R 1041,2040"}
                                        << QStringList{"touch event 1700000000000-1700000000009 get point 8"};
    // The press itself is no position to repeat: a move to the pressed point
    // goes through.
    QTest::newRow("move at the press position") << true << "P 7,7 @0; M 7,7 @1; M 7,7 @2; M 7,7 @3; R 7,7 @4"
                                                << QStringList{"P 1007,2007", "M 1007,2007", "M 1007,2007",
                                                               "R 1007,2007"}
                                                << QStringList{"touch event 1700000000000-1700000000004 get point 3"};
    QTest::newRow("release without press") << true << "M 3,3 @0; R 3,3 @20" << QStringList{}
                                           << QStringList{"touch event 0-1700000000020 get point 1"};
    // Hovering between strokes is not drawing, though a stray release's
    // timing line still counts those moves.
    QTest::newRow("moves between strokes") << true
                                           << "P 1,1 @0; R 1,1 @10; M 2,2 @20; M 3,3 @30; R 3,3 @40;"
                                              "P 4,4 @50; M 5,5 @60; R 5,5 @70"
                                           << QStringList{"P 1001,2001", "R 1001,2001", "P 1004,2004", "M 1005,2005",
                                                          "R 1005,2005"}
                                           << QStringList{"touch event 1700000000000-1700000000010 get point 0",
                                                          "touch event 1700000000000-1700000000040 get point 2",
                                                          "touch event 1700000000050-1700000000070 get point 1"};
    QTest::newRow("no target yet") << false << "P 10,10 @0; M 20,20 @5; R 20,20 @10" << QStringList{}
                                   << QStringList{};
}

void TestTempView::tabletSequences()
{
    QFETCH(bool, withTarget);
    QFETCH(QString, script);
    QFETCH(QStringList, forwarded);
    QFETCH(QStringList, logged);

    TestClock clock(kStart);
    TestLogCapture log;
    RecordingView view;
    TQDrawTouchView touchView;
    if (withTarget)
        view.setTouchTarget(&touchView);

    const int events = script.count(';') + 1;
    // Taken only when there is a board to take it; otherwise Qt may still
    // make mouse input out of the pen.
    QCOMPARE(play(view, clock, script), withTarget ? events : 0);
    QCOMPARE(view.forwarded, forwarded);
    QCOMPARE(viewLogLines(log), logged);
}

void TestTempView::pressesFromTheTwentiethAreNeitherTimedNorLogged()
{
    TestClock clock(kStart);
    TestLogCapture log;
    RecordingView view;
    TQDrawTouchView touchView;
    view.setTouchTarget(&touchView);

    for (int stroke = 0; stroke < 19; ++stroke)
        play(view, clock, QStringLiteral("P 1,1 @%1; R 1,1 @%2").arg(stroke * 100).arg(stroke * 100 + 10));
    QCOMPARE(viewLogLines(log).size(), 19);
    QCOMPARE(viewLogLines(log).last(), QStringLiteral("touch event 1700000001800-1700000001810 get point 0"));

    log.clear();
    play(view, clock, "P 1,1 @5000; M 2,2 @5010; R 2,2 @5020; R 2,2 @5030; P 3,3 @6000; R 3,3 @6010");
    QCOMPARE(viewLogLines(log), QStringList());
    // Drawing itself goes on as before.
    QCOMPARE(view.forwarded.mid(38), (QStringList{"P 1001,2001", "M 1002,2002", "R 1002,2002", "P 1003,2003",
                                                  "R 1003,2003"}));
}

QTEST_MAIN(TestTempView)
#include "tst_tempview.moc"
