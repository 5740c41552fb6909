// The pen tool through the draw manager's touch entry: which line and save
// actions a press, moves and a release queue (read from what the live data
// source received for sending once the queue was applied), and the results
// of the tool's own touch handling on a fixed clock.
#include "DrawManagerFixture.h"
#include "TestClock.h"

#include "actions/drawing/TQDrawActionDrawImage.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/draws/TQBlackboardView.h"
#include "modules/live/draws/TQShapeFreeDraw.h"
#include "utils/TextMetrics.h"

#include <QtTest>

namespace {

struct Sample
{
    float x;
    float y;
    int phase;
};

// The board the hit tests run on: a small blackboard 300 x 200 at x 400
// hanging from the top edge, and cover board 77 on the page at x 200..399,
// y 300..399 (buttons 15 px); the view scrolled down by `top` page pixels.
void setUpHitBoard(DrawManagerFixture &f, int top)
{
    f.addCoverBoard(77, QRect(200, 300, 200, 100));
    // The scroll redraws the cover boards.
    f.manager.queueMoveUpDown(501, 0, 4000, 2560, top * 4, top * 4, 0, 0, false, DrawManagerFixture::kTeacher);
    f.drain();
    f.temporalLayout.showBlackboard("http://127.0.0.1/board/copy.png", 300, 200, 1000, 400);
}

// The visible point of the small blackboard's pull-down handle.
QPoint eraseHandle(const DrawManagerFixture &f)
{
    const TQBlackboardView *board = f.manager.getBlackboardView();
    return QPoint(board->x() + board->handleX() + 2, 2);
}

QString lineText(const TQDrawingActionLine *line)
{
    QStringList points;
    for (const TQPointW &p : line->points)
        points << QStringLiteral("%1,%2").arg(p.x).arg(p.y);
    return points.join(' ');
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Sample>)
Q_DECLARE_METATYPE(TQBrushStyle)

class TestDrawManagerPen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void strokeBecomesLineActions_data();
    void strokeBecomesLineActions();
    void touchWithoutPageIsDropped();
    void freeDrawResults();
    void pressHitsBoardsFirst_data();
    void pressHitsBoardsFirst();
    void hitGesturesReachTheBoard();
};

void TestDrawManagerPen::strokeBecomesLineActions_data()
{
    QTest::addColumn<std::vector<Sample>>("samples");
    QTest::addColumn<TQBrushStyle>("brush");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("saves");

    const TQBrushStyle pen(1, 101, 3, 0);
    QTest::newRow("press, moves, release")
        << std::vector<Sample>{{10, 20, 0}, {15, 25, 1}, {20.5f, 30.25f, 1}, {25, 35, 2}} << pen
        << QStringList{"40,80 60,100", "60,100 82,121", "82,121 100,140"} << 1;
    QTest::newRow("a move within 0.1 px is dropped")
        << std::vector<Sample>{{10, 20, 0}, {10.09f, 20.09f, 1}, {15, 20, 1}, {15, 20, 2}} << pen
        << QStringList{"40,80 60,80", "60,80 60,80"} << 1;
    QTest::newRow("0.2 px apart is kept")
        << std::vector<Sample>{{10, 20, 0}, {10.2f, 20, 1}, {10.2f, 20, 2}} << pen
        << QStringList{"40,80 40,80", "40,80 40,80"} << 1;
    QTest::newRow("press and release only") << std::vector<Sample>{{10, 20, 0}, {10, 20, 2}} << pen
                                            << QStringList{"40,80 40,80"} << 1;
    // The pointer's moves travel (the students see it move); its release
    // neither draws the last segment nor saves.
    QTest::newRow("pointer") << std::vector<Sample>{{10, 20, 0}, {15, 25, 1}, {25, 35, 2}}
                             << TQBrushStyle(7, 101, 3, 0) << QStringList{"40,80 60,100"} << 0;
}

void TestDrawManagerPen::strokeBecomesLineActions()
{
    QFETCH(std::vector<Sample>, samples);
    QFETCH(TQBrushStyle, brush);
    QFETCH(QStringList, lines);
    QFETCH(int, saves);
    DrawManagerFixture f;
    f.manager.setBrush(brush);
    const int stroke = f.manager.updateStrokeMark(false);
    QVERIFY(stroke != 0);
    for (const Sample &s : samples)
        f.manager.drawLineAddPoint(s.x, s.y, s.phase, 0);
    f.drain();

    QStringList sent;
    for (const TQDrawingActionLine *line : f.sent<TQDrawingActionLine>(0)) {
        sent << lineText(line);
        QCOMPARE(line->strokeId, stroke);
        QCOMPARE(line->canvasWidth, 4000);
        QCOMPARE(line->canvasHeight, 2560);
        QCOMPARE(line->materialId, 501);
        QCOMPARE(line->brush, brush);
        QCOMPARE(line->senderId, 0);
        QVERIFY(!line->straight);
    }
    QCOMPARE(sent, lines);
    const auto saveActions = f.sent<TQDrawingActionSave>(2);
    QCOMPARE(int(saveActions.size()), saves);
    if (saves) {
        QCOMPARE(saveActions.front()->strokeId, stroke);
        QCOMPARE(saveActions.front()->senderId, DrawManagerFixture::kTeacher);
        // The save committed the stroke to the page.
        QVERIFY(f.manager.pendingPaths().empty());
        QCOMPARE(f.source.getPagePaths()->size(), 1);
    }
}

void TestDrawManagerPen::touchWithoutPageIsDropped()
{
    DrawManagerFixture f;
    f.course.material()->m_pOngoingPage = nullptr;
    f.manager.drawLineAddPoint(10, 20, 0, 0);
    f.manager.drawLineAddPoint(20, 20, 1, 0);
    f.manager.drawLineAddPoint(30, 20, 2, 0);
    QCOMPARE(f.manager.queuedActionCount(), 0);
}

void TestDrawManagerPen::freeDrawResults()
{
    TestClock clock(1700000000000);
    DrawManagerFixture f;
    TQShapeFreeDraw pen;
    TQPointWF press(10, 20);
    press.pressure = 0.2f;
    TQPointWF first(12, 20);
    first.pressure = 0.7f;
    TQPointWF second(14, 20);

    QCOMPARE(pen.onTouch(press, 0, &f.manager).code, 0);
    QCOMPARE(pen.mode, int(TQShapeFreeDraw::Drawing));
    QCOMPARE(pen.pressTime, clock.now());
    QCOMPARE(pen.onTouch(first, 1, &f.manager).code, 0);
    // With two samples held, the press takes the first move's pressure.
    QCOMPARE(pen.onTouch(second, 1, &f.manager).code, 0);
    QCOMPARE(pen.points.front().pressure, 0.7f);
    QCOMPARE(int(pen.points.size()), 3);

    // A move before any press does nothing.
    TQShapeFreeDraw fresh;
    const TQShapeTouchResult none = fresh.onTouch(first, 1, &f.manager);
    QCOMPARE(none.code, 0);
    QCOMPARE(none.index, -1);
    QVERIFY(fresh.points.empty());
    QCOMPARE(f.manager.queuedActionCount(), 2);
}

void TestDrawManagerPen::pressHitsBoardsFirst_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<QPoint>("press"); // (-1, -1): the blackboard's erase handle
    QTest::addColumn<int>("heldMs");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("moveCode");
    QTest::addColumn<int>("releaseCode");
    QTest::addColumn<int>("index");

    const QPoint handle(-1, -1);
    using F = TQShapeFreeDraw;
    QTest::newRow("open board draws") << 0 << QPoint(50, 500) << 100 << int(F::Drawing) << 0 << 0 << -1;
    QTest::newRow("blackboard body") << 0 << QPoint(500, 100) << 100 << int(F::BlackboardBody) << 1 << 0 << -1;
    QTest::newRow("blackboard margin below") << 0 << QPoint(500, 225) << 100 << int(F::BlackboardBody) << 1 << 0
                                             << -1;
    QTest::newRow("erase handle tapped") << 0 << handle << 150 << int(F::BlackboardEraseButton) << 1 << 2 << -1;
    QTest::newRow("erase handle held") << 0 << handle << 250 << int(F::BlackboardEraseButton) << 1 << 0 << -1;
    QTest::newRow("cover body") << 0 << QPoint(250, 350) << 100 << int(F::CoverBoardBody) << 8 << 0 << 77;
    QTest::newRow("cover close tapped") << 0 << QPoint(395, 302) << 150 << int(F::CoverBoardCloseButton) << 8 << 10
                                        << 77;
    QTest::newRow("cover close held") << 0 << QPoint(395, 302) << 250 << int(F::CoverBoardCloseButton) << 8 << 0
                                      << 77;
    QTest::newRow("cover resize") << 0 << QPoint(395, 395) << 100 << int(F::CoverBoardResizeHandle) << 9 << 0 << 77;
    // Scrolled down 200 page pixels, the board is hit where it is shown.
    QTest::newRow("cover body scrolled") << 200 << QPoint(250, 180) << 100 << int(F::CoverBoardBody) << 8 << 0
                                         << 77;
    QTest::newRow("cover scrolled away") << 200 << QPoint(250, 350) << 100 << int(F::Drawing) << 0 << 0 << -1;
    // Where both lie, the small blackboard wins.
    QTest::newRow("blackboard over cover") << 200 << QPoint(380, 150) << 100 << int(F::BlackboardBody) << 1 << 0
                                           << -1;
}

void TestDrawManagerPen::pressHitsBoardsFirst()
{
    QFETCH(int, top);
    QFETCH(QPoint, press);
    QFETCH(int, heldMs);
    QFETCH(int, mode);
    QFETCH(int, moveCode);
    QFETCH(int, releaseCode);
    QFETCH(int, index);
    TestClock clock(1700000000000);
    DrawManagerFixture f;
    setUpHitBoard(f, top);
    if (press == QPoint(-1, -1))
        press = eraseHandle(f);
    const int queuedBefore = f.manager.queuedActionCount();

    TQShapeFreeDraw pen;
    pen.onTouch(TQPointWF(press.x(), press.y()), 0, &f.manager);
    QCOMPARE(pen.mode, mode);
    QCOMPARE(pen.hitIndex, mode == TQShapeFreeDraw::Drawing ? -1 : index);
    const TQShapeTouchResult moved = pen.onTouch(TQPointWF(press.x() + 5.7f, press.y() - 3.2f), 1, &f.manager);
    QCOMPARE(moved.code, moveCode);
    QCOMPARE(moved.index, moveCode == 8 || moveCode == 9 ? index : -1);
    if (moveCode != 0)
        QCOMPARE(QPoint(moved.dx, moved.dy), QPoint(5, -3));
    clock.advance(heldMs);
    const TQShapeTouchResult released = pen.onTouch(TQPointWF(press.x() + 5.7f, press.y() - 3.2f), 2, &f.manager);
    QCOMPARE(released.code, releaseCode);
    QCOMPARE(released.index, releaseCode == 10 ? index : -1);
    // Only a stroke on the open board queues lines (and its save).
    QCOMPARE(f.manager.queuedActionCount() - queuedBefore, mode == TQShapeFreeDraw::Drawing ? 3 : 0);
}

void TestDrawManagerPen::hitGesturesReachTheBoard()
{
    TestClock clock(1700000000000);
    DrawManagerFixture f;
    setUpHitBoard(f, 0);
    const int sentBefore = int(f.services.sentActions.size());

    // Dragging the small blackboard moves it and records where it went.
    f.manager.drawLineAddPoint(500, 100, 0, 0);
    f.manager.drawLineAddPoint(550, 110, 1, 0);
    f.manager.drawLineAddPoint(520, 110, 1, 0);
    f.manager.drawLineAddPoint(520, 110, 2, 0);
    f.drain();
    QCOMPARE(f.manager.getBlackboardView()->x(), 420);
    QCOMPARE(f.course.course->mSmallBlackBoardValue, 420);
    QCOMPARE(f.course.course->mClassroomChangeCount, 2);
    QCOMPARE(int(f.services.sentActions.size()), sentBefore);

    // A tap on the cover board's close button sends it off the page.
    f.manager.drawLineAddPoint(395, 302, 0, 0);
    clock.advance(150);
    f.manager.drawLineAddPoint(395, 302, 2, 0);
    f.drain();
    const auto images = f.sent<TQDrawActionDrawImage>(10);
    QCOMPARE(int(images.size()), 1);
    QCOMPARE(images.front()->elementId, 77);
    QCOMPARE(images.front()->x, 3000);

    // A tap on the erase handle removes the small blackboard.
    const QPoint handle = eraseHandle(f);
    f.manager.drawLineAddPoint(handle.x(), handle.y(), 0, 0);
    clock.advance(150);
    f.manager.drawLineAddPoint(handle.x(), handle.y(), 2, 0);
    f.drain();
    QCOMPARE(f.sentCodes().back(), 12);
    QVERIFY(!f.manager.getBlackboardView());
    QVERIFY(!f.temporalLayout.findView(TQDrawTemporalLayout::BlackboardTag));
    // With no blackboard left, a press there draws.
    f.manager.drawLineAddPoint(500, 100, 0, 0);
    QCOMPARE(static_cast<TQShapeFreeDraw *>(f.manager.currentTool())->mode, int(TQShapeFreeDraw::Drawing));
}

QTEST_MAIN(TestDrawManagerPen)
#include "tst_drawmanagerpen.moc"
