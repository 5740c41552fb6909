// The touch view on top of the board's real QML stack in a shown QQuickView:
// mouse, tablet and wheel events sent through the window, on a fixed clock,
// and what reached the draw manager's current tool (a recording tool, or the
// real pen for the queued actions), its scroll position and the toasts.
#include "BoardSceneFixture.h"
#include "TestClock.h"

#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "modules/live/draws/TQTouchInputProcessor.h"

#include <QtTest>

namespace {

constexpr qint64 kStart = 1000000;

// "p 10,10 @0; m 20,20 @10; r 20,20 @30": press, move, release (mouse) or
// P, M, R (tablet, in view coordinates) at a position and a time in ms
// after kStart.
void play(BoardSceneFixture &f, TestClock &clock, const QString &script)
{
    for (const QString &step : script.split(';', Qt::SkipEmptyParts)) {
        const QStringList parts = step.simplified().split(' ');
        const QStringList xy = parts.at(1).split(',');
        const QPoint at(xy.at(0).toInt(), xy.at(1).toInt());
        clock.set(kStart + parts.at(2).mid(1).toLongLong());
        const QString kind = parts.at(0);
        if (kind == "p")
            f.mouse(QEvent::MouseButtonPress, at);
        else if (kind == "m")
            f.mouse(QEvent::MouseMove, at);
        else if (kind == "r")
            f.mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
        else
            f.touchView()->globalTabletEvent_slot(f.global(at), kind == "P"   ? TQDrawTouchView::kTabletPress
                                                                 : kind == "M" ? TQDrawTouchView::kTabletMove
                                                                               : TQDrawTouchView::kTabletRelease);
    }
}

// The tool's samples as "phase x,y @t" joined by "; ".
QString samplesText(const std::vector<ToolSample> &samples)
{
    QStringList out;
    for (const ToolSample &s : samples)
        out << QStringLiteral("%1 %2,%3 @%4").arg(s.phase).arg(s.x).arg(s.y).arg(s.time - kStart);
    return out.join("; ");
}

void wheel(BoardSceneFixture &f, int delta)
{
    const QPoint at(400, 300);
    QWheelEvent event(at, f.global(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QCoreApplication::sendEvent(&f.view, &event);
}

void scrollTo(BoardSceneFixture &f, int top)
{
    f.manager()->queueMoveUpDown(501, 0, 4 * BoardSceneFixture::kWidth, 4 * BoardSceneFixture::kHeight, top * 4,
                                 top * 4, 0, 0, false, BoardSceneFixture::kTeacher);
    f.drain();
}

} // namespace

class TestDrawTouchView : public QObject
{
    Q_OBJECT

private slots:
    void mouseReachesTool_data();
    void mouseReachesTool();
    void tabletStroke_data();
    void tabletStroke();
    void disabledDropsInput_data();
    void disabledDropsInput();
    void wheelScrolls_data();
    void wheelScrolls();
    void contentYScrolls();
    void releaseHidesPointer();
    void penStrokeQueuesLine();
    void inputBeforeInitIsDropped();
};

void TestDrawTouchView::mouseReachesTool_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("delivered");

    QTest::newRow("stroke") << "p 10,10 @0; m 20,20 @10; m 30,25 @20; r 30,25 @30"
                            << "0 10,10 @0; 1 20,20 @10; 1 30,25 @20; 2 30,25 @30";
    // The move at 13 ms is dropped, yet its position counts as the last one:
    // the next move to it is a first repeat, the one after a second.
    QTest::newRow("moves 3 ms apart") << "p 10,10 @0; m 20,20 @10; m 30,30 @13; m 30,30 @20; m 30,30 @30"
                                      << "0 10,10 @0; 1 20,20 @10; 1 30,30 @20";
    QTest::newRow("4 ms dropped, 5 ms kept") << "p 0,0 @0; m 1,1 @10; m 2,2 @14; m 3,3 @19"
                                             << "0 0,0 @0; 1 1,1 @10; 1 3,3 @19";
    QTest::newRow("three repeats after a move elsewhere")
        << "p 0,0 @0; m 5,5 @10; m 9,9 @20; m 9,9 @30; m 9,9 @40"
        << "0 0,0 @0; 1 5,5 @10; 1 9,9 @20; 1 9,9 @30";
    QTest::newRow("move at the press position") << "p 10,10 @0; m 10,10 @10; m 11,10 @20"
                                                << "0 10,10 @0; 1 11,10 @20";
}

void TestDrawTouchView::mouseReachesTool()
{
    QFETCH(QString, script);
    QFETCH(QString, delivered);
    BoardSceneFixture f;
    QVERIFY(f.ready());
    f.recordTool();
    TestClock clock(kStart);

    play(f, clock, script);

    QCOMPARE(samplesText(f.samples), delivered);
}

void TestDrawTouchView::tabletStroke_data()
{
    QTest::addColumn<int>("brushType");
    QTest::addColumn<QString>("delivered");

    // Two tablet moves before the system's late mouse press, one after it;
    // the system's own positions (300,300 and on) are not the pen's.
    const QString pen = "0 100,100 @20; 1 110,100 @20; 1 120,100 @20; 1 130,100 @30; 2 140,100 @50";
    QTest::newRow("dotted hard pen") << 0 << pen;
    QTest::newRow("solid hard pen") << 1 << pen;
    QTest::newRow("calligraphy brush keeps the mouse")
        << 2 << "0 300,300 @20; 1 301,301 @35; 2 302,302 @50";
}

void TestDrawTouchView::tabletStroke()
{
    QFETCH(int, brushType);
    QFETCH(QString, delivered);
    BoardSceneFixture f;
    QVERIFY(f.ready());
    f.recordTool();
    f.manager()->setBrush(TQBrushStyle(brushType, kBrushColorDefault, 3, 0));
    TestClock clock(kStart);

    play(f, clock,
         "P 100,100 @0; M 110,100 @5; M 120,100 @10; p 300,300 @20; M 130,100 @30; m 301,301 @35; "
         "R 140,100 @40; r 302,302 @50");

    QCOMPARE(samplesText(f.samples), delivered);
    // The next stroke is a plain mouse stroke again.
    f.samples.clear();
    play(f, clock, "p 50,50 @100; r 60,60 @120");
    QCOMPARE(samplesText(f.samples), QStringLiteral("0 50,50 @100; 2 60,60 @120"));
}

void TestDrawTouchView::disabledDropsInput_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("toasts");

    QTest::newRow("no hint") << "" << 0;
    QTest::newRow("one byte hint") << "x" << 0;
    QTest::newRow("hint") << "老师已关闭书写" << 3;
}

void TestDrawTouchView::disabledDropsInput()
{
    QFETCH(QString, hint);
    QFETCH(int, toasts);
    BoardSceneFixture f;
    QVERIFY(f.ready());
    f.recordTool();
    TestClock clock(kStart);

    f.layout.setDrawingEnabled(false, hint.toStdString());
    play(f, clock, "p 10,10 @0; m 20,20 @10; r 20,20 @20");

    QVERIFY(f.samples.empty());
    QStringList expected;
    for (int i = 0; i < toasts; ++i)
        expected << hint + " 301 1000";
    QCOMPARE(f.source.toasts, expected);

    f.layout.setDrawingEnabled(true, std::string());
    play(f, clock, "p 10,10 @30");
    QCOMPARE(samplesText(f.samples), QStringLiteral("0 10,10 @30"));
}

void TestDrawTouchView::wheelScrolls_data()
{
    QTest::addColumn<bool>("wheelEnabled");
    QTest::addColumn<bool>("drawingEnabled");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("top");

    QTest::newRow("120 up 12") << true << true << 100 << 120 << 88;
    QTest::newRow("-15 down 15") << true << true << 100 << -15 << 115;
    QTest::newRow("19 up 19") << true << true << 100 << 19 << 81;
    QTest::newRow("20 up 2") << true << true << 100 << 20 << 98;
    QTest::newRow("-20 down 2") << true << true << 100 << -20 << 102;
    QTest::newRow("-200 down 20") << true << true << 100 << -200 << 120;
    // A step of 0 is a quarter of the 520-pixel board.
    QTest::newRow("0 up a quarter") << true << true << 200 << 0 << 70;
    QTest::newRow("live board: wheel off") << false << true << 100 << 120 << 100;
    QTest::newRow("drawing disabled") << true << false << 100 << 120 << 100;
}

void TestDrawTouchView::wheelScrolls()
{
    QFETCH(bool, wheelEnabled);
    QFETCH(bool, drawingEnabled);
    QFETCH(int, start);
    QFETCH(int, delta);
    QFETCH(int, top);
    BoardSceneFixture f;
    QVERIFY(f.ready());
    scrollTo(f, start);
    QCOMPARE(f.manager()->topOffset(), start);

    f.touchView()->setWheelScrollEnabled(wheelEnabled);
    f.layout.setDrawingEnabled(drawingEnabled, std::string());
    wheel(f, delta);
    f.drain();

    QCOMPARE(f.manager()->topOffset(), top);
}

void TestDrawTouchView::contentYScrolls()
{
    BoardSceneFixture f;
    QVERIFY(f.ready());

    QVERIFY(f.touchView()->setProperty("contentY", 260));
    f.drain();

    QCOMPARE(f.touchView()->contentY(), 260);
    QCOMPARE(f.manager()->topOffset(), 260);
    std::vector<int> tops;
    for (TQDrawingAction *a : f.services.sentActions) {
        if (auto *move = dynamic_cast<TQDrawingActionMoveUpDown *>(a))
            tops.push_back(move->topOffset);
    }
    // Published in quarter pixels.
    QCOMPARE(tops, std::vector<int>{1040});
}

void TestDrawTouchView::releaseHidesPointer()
{
    BoardSceneFixture f;
    QVERIFY(f.ready());
    f.recordTool();
    auto *overlay = f.item<TQDrawTemporalLayout>("mTemporalLayout0");
    f.manager()->showPointer(true, 0, 101, 0, 0, QPoint(50, 50));
    QVERIFY(overlay->findView(TQDrawTemporalLayout::PointerTag));

    f.mouse(QEvent::MouseButtonPress, QPoint(50, 50));
    f.mouse(QEvent::MouseButtonRelease, QPoint(50, 50), Qt::NoButton);

    QTest::qWait(150);
    QVERIFY(overlay->findView(TQDrawTemporalLayout::PointerTag));
    QTRY_VERIFY_WITH_TIMEOUT(!overlay->findView(TQDrawTemporalLayout::PointerTag), 2000);
}

void TestDrawTouchView::penStrokeQueuesLine()
{
    BoardSceneFixture f;
    QVERIFY(f.ready());
    TestClock clock(kStart);

    play(f, clock, "p 100,100 @0; m 120,110 @10; m 140,120 @20; m 140,120 @30; m 140,120 @40; r 160,130 @50");
    f.drain();

    std::vector<TQDrawingActionLine *> lines;
    for (TQDrawingAction *a : f.services.sentActions) {
        if (auto *line = dynamic_cast<TQDrawingActionLine *>(a))
            lines.push_back(line);
    }
    QVERIFY(!lines.empty());
    QStringList texts;
    for (const TQDrawingActionLine *line : lines) {
        QStringList points;
        for (const TQPointW &p : line->points)
            points << QStringLiteral("%1,%2").arg(p.x).arg(p.y);
        texts << points.join(' ');
    }
    // One line per segment, in quarter pixels.
    QCOMPARE(texts.join(" | "), QStringLiteral("400,400 480,440 | 480,440 560,480 | 560,480 640,520"));
}

void TestDrawTouchView::inputBeforeInitIsDropped()
{
    TQDrawTouchView view;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    view.onTouchEvent(&press);
    view.globalTabletEvent_slot(QPoint(1, 1), TQDrawTouchView::kTabletPress);
    view.setContentY(40);
    QCOMPARE(view.contentY(), 40);
    QVERIFY(!view.inputProcessor());

    view.init(nullptr, 820, 520, false);
    view.setViewSize(410, 260);
    QCOMPARE(view.inputProcessor()->width(), 410);
    QCOMPARE(view.inputProcessor()->height(), 260);
    view.onTouchEvent(&press);
}

QTEST_MAIN(TestDrawTouchView)
#include "tst_drawtouchview.moc"
