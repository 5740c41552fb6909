// The stroke, circle, text, erase, clean-page and save handlers of the draw
// manager, applied through its queue against real board layers and the live
// data source: the pending and committed path lists after each action, and
// the clones the source received for sending.
#include "DrawManagerFixture.h"

#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawActionEraseBlackBoard.h"
#include "actions/drawing/TQDrawingActionCleanPage.h"
#include "actions/drawing/TQDrawingActionDrawText.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "modules/live/draws/TQInnerChalkContent.h"
#include "modules/live/draws/TQPathCircle.h"
#include "modules/live/draws/TQPathLine.h"
#include "modules/live/draws/TQPathLineChalkContent.h"
#include "modules/live/draws/TQPathText.h"

#include <QtTest>

#include <climits>
#include <cmath>

namespace {

// "x,y x,y ..." in quarter units.
std::vector<TQPointW> quarterPoints(const QString &text)
{
    std::vector<TQPointW> points;
    for (const QString &pair : text.split(' ', Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(',');
        points.emplace_back(xy.at(0).toInt(), xy.at(1).toInt());
    }
    return points;
}

QString pathPoints(const TQPath *path)
{
    QStringList out;
    for (const TQPointWF &p : path->points)
        out << QStringLiteral("%1,%2").arg(double(p.x)).arg(double(p.y));
    return out.join(' ');
}

// A line on a 4000 x 2560 quarter-unit canvas (scale 0.25 to our 1000 x 640).
TQDrawingActionLine *line(const QString &points, int strokeId, TQBrushStyle brush = TQBrushStyle(), int top = 0)
{
    auto *a = new TQDrawingActionLine;
    a->points = quarterPoints(points);
    a->canvasWidth = 4000;
    a->canvasHeight = 2560;
    a->topOffset = a->secondOffset = top;
    a->materialId = 501;
    a->brush = brush;
    a->strokeId = strokeId;
    a->senderId = 20002;
    return a;
}

TQDrawActionDrawCircle *circle(int elementId, int startAngle, int endAngle)
{
    auto *a = new TQDrawActionDrawCircle;
    a->centreX = 400;
    a->centreY = 400;
    a->radius = 100;
    a->startAngle = startAngle;
    a->endAngle = endAngle;
    a->canvasWidth = 4000;
    a->canvasHeight = 2560;
    a->materialId = 501;
    a->elementId = elementId;
    return a;
}

TQDrawingActionDrawText *text(int senderId, int canvasWidth = 4000)
{
    auto *a = new TQDrawingActionDrawText;
    a->x = 400;
    a->y = 200;
    a->width = 800;
    a->height = 120;
    a->canvasWidth = canvasWidth;
    a->canvasHeight = 2560;
    a->fontSize = 80;
    a->materialId = 501;
    a->elementId = 42;
    a->senderId = senderId;
    a->text = "你好";
    a->colour = "#FF000000";
    a->fontFamily = "SimSun";
    return a;
}

} // namespace

class TestDrawManagerHandlers : public QObject
{
    Q_OBJECT

private slots:
    void penStrokePiecesMakeOnePendingPath();
    void authorScrollIsFollowed_data();
    void authorScrollIsFollowed();
    void pointerAndEraserStrokes();
    void unusableCanvasIsRefused_data();
    void unusableCanvasIsRefused();
    void circleReplacesItsPendingPath();
    void textOfOthersOnly();
    void chalkStrokeHasOneOwner();
    void saveCommitsPendingPaths_data();
    void saveCommitsPendingPaths();
    void cleanPageKeepsThePageImage();
    void eraseBlackboardIsPublished();
};

void TestDrawManagerHandlers::penStrokePiecesMakeOnePendingPath()
{
    DrawManagerFixture f;
    f.manager.queueAction(line("40,40 80,40", 7));
    f.manager.queueAction(line("80,40 120,80 160,80", 7));
    f.drain();

    QCOMPARE(int(f.manager.pendingPaths().size()), 1);
    auto *path = dynamic_cast<TQPathLine *>(f.manager.pendingPaths().front());
    QVERIFY(path);
    QCOMPARE(path->strokeId, 7);
    QCOMPARE(pathPoints(path), QStringLiteral("10,10 20,10 30,20 40,20"));
    QCOMPARE(path->points.front().refWidth, 1000);

    // Each piece went out as it was received, as a clone.
    const auto lines = f.sent<TQDrawingActionLine>(0);
    QCOMPARE(int(lines.size()), 2);
    QCOMPARE(int(lines[1]->points.size()), 3);
    QCOMPARE(lines[1]->strokeId, 7);
    QVERIFY(f.source.getPagePaths()->isEmpty());
}

void TestDrawManagerHandlers::authorScrollIsFollowed_data()
{
    QTest::addColumn<int>("authorTop");
    QTest::addColumn<int>("ourTop");
    QTest::addColumn<std::vector<int>>("sentCodes");

    // Quarter units at scale 0.25: 6 -> 1.5 px, 4 -> exactly 1.0 px.
    QTest::newRow("1.5 px apart scrolls first") << 6 << 1 << std::vector<int>{5, 0};
    QTest::newRow("1.0 px apart does not") << 4 << 0 << std::vector<int>{0};
    QTest::newRow("same place") << 0 << 0 << std::vector<int>{0};
    QTest::newRow("far below") << 4000 << 1000 << std::vector<int>{5, 0};
}

void TestDrawManagerHandlers::authorScrollIsFollowed()
{
    QFETCH(int, authorTop);
    QFETCH(int, ourTop);
    QFETCH(std::vector<int>, sentCodes);
    DrawManagerFixture f;
    f.manager.queueAction(line("40,40 80,40", 7, TQBrushStyle(), authorTop));
    f.drain();

    QCOMPARE(f.sentCodes(), sentCodes);
    QCOMPARE(f.manager.topOffset(), ourTop);
    // The stroke is drawn at the author's place on the page.
    QCOMPARE(f.manager.pendingPaths().front()->points.front().y, (40 + authorTop) * 0.25f);
}

void TestDrawManagerHandlers::pointerAndEraserStrokes()
{
    DrawManagerFixture f;
    // The pointer draws nothing; it moves to the last point, negatives raised to 0.
    f.manager.queueAction(line("40,40 -80,400", 3, TQBrushStyle(7, 101, 3, 0)));
    f.drain();
    QVERIFY(f.manager.pendingPaths().empty());
    QVERIFY(f.manager.pendingErasePaths().empty());
    const TQVirtualView *pointer = f.temporalLayout.findView(TQDrawTemporalLayout::PointerTag);
    QVERIFY(pointer);
    // The pointer's picture for the brush colour, its top-left at the point.
    QCOMPARE(f.temporalLayout.pointerImageId(), 9008);
    QCOMPARE(QPoint(pointer->left, pointer->top), QPoint(0, 100));

    // An eraser stroke is pending on the sketch view, not the temporal view.
    f.manager.queueAction(line("40,40 80,40", 4, TQBrushStyle(1, kBrushColorEraser, 41, 0)));
    f.manager.queueAction(line("80,40 120,40", 4, TQBrushStyle(1, kBrushColorEraser, 41, 0)));
    f.drain();
    QVERIFY(f.manager.pendingPaths().empty());
    QCOMPARE(int(f.manager.pendingErasePaths().size()), 1);
    QCOMPARE(pathPoints(f.manager.pendingErasePaths().front()), QStringLiteral("10,10 20,10 30,10"));
    QCOMPARE(f.sketchView.paths().back(), f.manager.pendingErasePaths().front());

    f.manager.queueSave(501, 0, 0, DrawManagerFixture::kTeacher);
    f.drain();
    QVERIFY(f.manager.pendingErasePaths().empty());
    QCOMPARE(f.source.getPagePaths()->size(), 1);
    // The sketch view was handed the page without the freed eraser path.
    QCOMPARE(f.sketchView.paths(), (std::vector<TQPath *>{f.source.getPagePaths()->front()}));
}

void TestDrawManagerHandlers::unusableCanvasIsRefused_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("canvasWidth");
    QTest::addColumn<int>("topOffset");

    for (int code : {0, 1, 5, 14}) {
        for (int width : {1, 0, -4000}) {
            QTest::addRow("code %d width %d", code, width) << code << width << 0;
        }
    }
    // A usable width with an offset far out of range: no overflow, no crash.
    QTest::newRow("line at the largest offset") << 0 << 2 << INT_MAX;
    QTest::newRow("move to the largest offset") << 5 << 2 << INT_MAX;
    QTest::newRow("move to the smallest offset") << 5 << 2 << INT_MIN;
}

void TestDrawManagerHandlers::unusableCanvasIsRefused()
{
    QFETCH(int, code);
    QFETCH(int, canvasWidth);
    QFETCH(int, topOffset);
    DrawManagerFixture f;
    TQDrawingAction *action = nullptr;
    if (code == 0) {
        auto *a = line("40,40 80,40", 7, TQBrushStyle(), topOffset);
        a->canvasWidth = canvasWidth;
        action = a;
    } else if (code == 1) {
        auto *a = circle(9, 0, 62831);
        a->canvasWidth = canvasWidth;
        action = a;
    } else if (code == 5) {
        auto *a = new TQDrawingActionMoveUpDown;
        a->materialId = 501;
        a->canvasWidth = canvasWidth;
        a->topOffset = topOffset;
        action = a;
    } else {
        action = text(20002, canvasWidth);
    }
    f.manager.queueAction(action);
    f.drain();

    const bool usable = canvasWidth > 1;
    if (!usable) {
        QVERIFY(f.manager.pendingPaths().empty());
        // A text is passed on as it came; only drawing it needs the width.
        QCOMPARE(f.services.sentActions.size(), size_t(code == 14 ? 1 : 0));
        QCOMPARE(f.manager.topOffset(), 0);
    } else {
        // Within the page: 23 screens of 640 less the last screen.
        QVERIFY(f.manager.topOffset() >= 0);
        QVERIFY(f.manager.topOffset() <= 640 * 22);
    }
}

void TestDrawManagerHandlers::circleReplacesItsPendingPath()
{
    DrawManagerFixture f;
    f.manager.queueAction(circle(9, 0, 31415));
    f.manager.queueAction(circle(9, 0, 62831));
    f.drain();

    // The first piece's path was replaced (and freed).
    QCOMPARE(int(f.manager.pendingPaths().size()), 1);
    auto *path = dynamic_cast<TQPathCircle *>(f.manager.pendingPaths().front());
    QVERIFY(path);
    QCOMPARE(path->rect, QRectF(75, 75, 50, 50));
    QCOMPARE(path->startAngle, 0.0f);
    QCOMPARE(path->spanAngle, float(-62831 / 10000.0 * 180 / 3.141592653589793));
    QVERIFY(path->spanAngle > -360.0f);
    QCOMPARE(path->canvas, QSize(1000, 640));
    QCOMPARE(int(f.sent<TQDrawActionDrawCircle>(1).size()), 2);
}

void TestDrawManagerHandlers::textOfOthersOnly()
{
    DrawManagerFixture f;
    f.manager.queueAction(text(DrawManagerFixture::kTeacher));
    f.drain();
    QVERIFY(f.manager.pendingPaths().empty());
    QCOMPARE(f.sentCodes(), (std::vector<int>{14}));

    f.manager.queueAction(text(20002));
    f.manager.queueAction(text(20002));
    f.drain();
    QCOMPARE(int(f.manager.pendingPaths().size()), 1);
    auto *path = dynamic_cast<TQPathText *>(f.manager.pendingPaths().front());
    QVERIFY(path);
    QCOMPARE(path->rect, QRectF(100, 50, 200, 30));
    QCOMPARE(path->text, QStringLiteral("你好"));
    QCOMPARE(path->lineHeight, 20.0f);
    QVERIFY(path->dirty);

    // A text is not committed: it leaves with its pending path.
    f.manager.queueSave(501, 0, 0, DrawManagerFixture::kTeacher);
    f.drain();
    QVERIFY(f.manager.pendingPaths().empty());
    QVERIFY(f.source.getPagePaths()->isEmpty());
}

void TestDrawManagerHandlers::chalkStrokeHasOneOwner()
{
    DrawManagerFixture f;
    const TQBrushStyle chalk(5, 104, 3, 0);
    f.manager.queueAction(line("40,40 80,48 120,60 160,80", 7, chalk));
    f.manager.queueAction(line("160,80 200,110 240,150", 7, chalk));
    // An eraser-colour calligraphy stroke is ignored.
    f.manager.queueAction(line("40,40 80,48 120,60", 8, TQBrushStyle(3, kBrushColorEraser, 3, 0)));
    f.drain();

    // One stroke: the outline and the inner layer it owns, shown side by side.
    QCOMPARE(int(f.manager.pendingPaths().size()), 2);
    auto *outer = dynamic_cast<TQPathLineChalkContent *>(f.manager.pendingPaths()[0]);
    QVERIFY(outer);
    QCOMPARE(f.manager.pendingPaths()[1], static_cast<TQPath *>(outer->inner()));
    QCOMPARE(int(outer->rawPoints.size()), 6);

    // What went out is the outline, moved back by the author's top offset.
    const auto lines = f.sent<TQDrawingActionLine>(0);
    QVERIFY(!lines.empty());
    for (const TQDrawingActionLine *sent : lines) {
        QCOMPARE(sent->strokeId, 7);
        QVERIFY(sent->points.size() >= 2);
    }
    QCOMPARE(lines.back()->points.size(), outer->handoffPoints.size());

    f.manager.queueSave(501, 0, 7, DrawManagerFixture::kTeacher);
    f.drain();
    QVERIFY(f.manager.pendingPaths().empty());
    QCOMPARE(f.source.getPagePaths()->size(), 2);
    QVERIFY(dynamic_cast<TQPathLineChalkContent *>(f.source.getPagePaths()->at(0)));
    QVERIFY(dynamic_cast<TQInnerChalkContent *>(f.source.getPagePaths()->at(1)));
}

void TestDrawManagerHandlers::saveCommitsPendingPaths_data()
{
    QTest::addColumn<int>("strokeId");
    QTest::addColumn<int>("committed");
    QTest::addColumn<QList<int>>("stillPending");

    QTest::newRow("all") << 0 << 3 << QList<int>{};
    QTest::newRow("one stroke") << 12 << 1 << QList<int>{11, 9};
    QTest::newRow("no such stroke") << 99 << 0 << QList<int>{11, 12, 9};
}

void TestDrawManagerHandlers::saveCommitsPendingPaths()
{
    QFETCH(int, strokeId);
    QFETCH(int, committed);
    QFETCH(QList<int>, stillPending);
    DrawManagerFixture f;
    f.manager.queueAction(line("40,40 80,40", 11));
    f.manager.queueAction(line("40,80 80,80", 12));
    f.manager.queueAction(circle(9, 0, 62831));
    f.manager.queueSave(501, 0, 0, DrawManagerFixture::kTeacher);
    f.drain();
    const int firstSnapshot = f.sent<TQDrawingActionSave>(2).back()->valueA;
    const int before = f.source.getPagePaths()->size();
    QCOMPARE(before, 3);
    f.manager.queueAction(line("40,40 80,40", 11));
    f.manager.queueAction(line("40,80 80,80", 12));
    f.manager.queueAction(circle(9, 0, 62831));

    f.manager.queueSave(501, 0, strokeId, DrawManagerFixture::kTeacher);
    f.drain();

    QCOMPARE(f.source.getPagePaths()->size(), before + committed);
    QList<int> pending;
    for (const TQPath *p : f.manager.pendingPaths())
        pending << p->strokeId;
    QCOMPARE(pending, stillPending);
    // The sketch view now shows the page as it is (and painted what was dirty).
    const QList<TQPath *> &page = *f.source.getPagePaths();
    QCOMPARE(f.sketchView.paths(), std::vector<TQPath *>(page.begin(), page.end()));
    // Every save is published, matched or not, naming the snapshot before it.
    const auto saves = f.sent<TQDrawingActionSave>(2);
    QCOMPARE(int(saves.size()), 2);
    QCOMPARE(firstSnapshot, -1);
    QVERIFY(saves.back()->valueA >= 0);
}

void TestDrawManagerHandlers::cleanPageKeepsThePageImage()
{
    DrawManagerFixture f;
    auto *pasted = new TQDrawingElement(8001);
    pasted->kind = TQDrawingElement::PlacedImage;
    f.source.addToReservoirBackgroundElements(pasted);
    for (int kind : {100, 1, 100}) {
        auto *e = new TQDrawingElement(9000 + f.source.reservoirForegroundElements()->size());
        e->kind = kind;
        f.source.addToReservoirForegroundElements(e);
    }
    f.manager.queueAction(line("40,40 80,40", 11));
    f.manager.queueSave(501, 0, 0, DrawManagerFixture::kTeacher);
    f.manager.queueAction(line("40,80 80,80", 12));
    f.manager.queueCleanPage(501, 0);
    f.drain();

    QVERIFY(f.manager.pendingPaths().empty());
    QVERIFY(f.source.getPagePaths()->isEmpty());
    QCOMPARE(f.source.reservoirBackgroundElements()->size(), 1);
    QCOMPARE(f.source.reservoirBackgroundElements()->front()->tag, 7001);
    QCOMPARE(f.source.reservoirForegroundElements()->size(), 1);
    QCOMPARE(f.source.reservoirForegroundElements()->front()->kind, 1);
    // The clean page itself, then the save that makes it an undo point.
    const std::vector<int> codes = f.sentCodes();
    QCOMPARE(std::vector<int>(codes.end() - 2, codes.end()), (std::vector<int>{8, 2}));
    QCOMPARE(f.sent<TQDrawingActionSave>(2).back()->senderId, DrawManagerFixture::kTeacher);
}

void TestDrawManagerHandlers::eraseBlackboardIsPublished()
{
    DrawManagerFixture f;
    f.course.course->mBlackBoardErasedTime = 0;
    f.manager.queueAction(new TQDrawActionEraseBlackBoard);
    f.drain();
    QCOMPARE(f.sentCodes(), (std::vector<int>{12}));
    QVERIFY(f.course.course->mBlackBoardErasedTime > 0);
}

QTEST_MAIN(TestDrawManagerHandlers)
#include "tst_drawmanagerhandlers.moc"
