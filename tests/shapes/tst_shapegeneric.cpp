// The generic shape as the draw manager drives it: touches through
// drawLineAddPoint on a headless board with the product's clock fixed, a
// small test figure, and what the live data source received for sending
// (rendered as the students' board where a picture shows the result).
#include "ActionPicture.h"
#include "ShapeHarness.h"
#include "TestFigure.h"
#include "TestPictures.h"

#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "modules/live/draws/TQShapeFreeDraw.h"
#include "shapes/TQShapeFactory.h"

#include <QPolygonF>
#include <QtTest>

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

// The test figure's corners: bounds (240, 240) to (559, 509), centroid
// (400, 350), rotation handle (400, 210), expand icon (529, 479), copy
// buttons x 276-495 and 495-750 at y 170-240.
QPolygonF polygon(std::initializer_list<QPointF> points)
{
    return QPolygonF(QVector<QPointF>(points));
}

const QPolygonF kTriangle = polygon({QPointF(300, 300), QPointF(500, 300), QPointF(400, 450)});

std::vector<TQPointWF> corners(const QPolygonF &polygon)
{
    std::vector<TQPointWF> points;
    for (const QPointF &p : polygon)
        points.emplace_back(float(p.x()), float(p.y()));
    return points;
}

TQShapeGeneric *makeTriangle()
{
    return new TestFigure(corners(kTriangle));
}

// Anti-aliased lines: the pixel or one of its neighbours is painted.
bool paintedAt(const QImage &image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.pixel(x + dx, y + dy) != qRgb(255, 255, 255))
                return true;
        }
    }
    return false;
}

} // namespace

class TestShapeGeneric : public QObject
{
    Q_OBJECT

private slots:
    void pressGrabs_data();
    void pressGrabs();
    void rotation_data();
    void rotation();
    void controlPointDrag();
    void bounds_data();
    void bounds();
    void halfEllipse();
    void pacing_data();
    void pacing();
    void release_data();
    void release();
    void copyTap_data();
    void copyTap();
    void cancelReturnsToThePen();
    void secondInitKeepsTheFigure();
    void undefinedOutlineKeepsTheLastOne();
    void shapeDrawnThroughTheDrawManager();
};

void TestShapeGeneric::pressGrabs_data()
{
    QTest::addColumn<QPolygonF>("figure");
    QTest::addColumn<bool>("rotatable");
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<bool>("copyable");
    QTest::addColumn<QPointF>("touch");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPointF>("handle");

    const QPointF handle(400, 210);
    // The handle of a figure near the top stays at y 30 (not -40), 15 px
    // from the control point at (400, 50): the control point wins.
    QTest::newRow("control point within the rotation handle's reach")
        << polygon({QPointF(400, 50), QPointF(300, 300), QPointF(500, 300)}) << true << true << true
        << QPointF(400, 45) << 3 << QPointF(400, 30);
    QTest::newRow("rotation handle") << kTriangle << true << true << true << handle << 1 << handle;
    QTest::newRow("no rotation handle") << kTriangle << false << true << false << handle << 0 << handle;
    QTest::newRow("expand icon") << kTriangle << true << true << false << QPointF(540, 490) << 4 << handle;
    QTest::newRow("no expand icon") << kTriangle << true << false << false << QPointF(540, 490) << 2 << handle;
    QTest::newRow("copy to board") << kTriangle << true << true << true << QPointF(280, 200) << 5 << handle;
    // Truncated to (495, 240): on both buttons' edges and inside the bounds.
    QTest::newRow("copy buttons before the figure")
        << kTriangle << true << true << true << QPointF(495.9, 240.9) << 5 << handle;
    QTest::newRow("copy paste") << kTriangle << true << true << true << QPointF(700, 200) << 6 << handle;
    QTest::newRow("no copy buttons") << kTriangle << true << true << false << QPointF(280, 200) << 0 << handle;
    QTest::newRow("inside") << kTriangle << true << true << true << QPointF(450, 380) << 2 << handle;
    QTest::newRow("on the left edge of the bounds")
        << kTriangle << true << true << true << QPointF(240, 380) << 0 << handle;
    QTest::newRow("outside") << kTriangle << true << true << true << QPointF(800, 600) << 0 << handle;
    QTest::newRow("no control points, null bounds")
        << QPolygonF() << true << true << true << QPointF(0, 0) << 0 << QPointF(0, 30);
}

void TestShapeGeneric::pressGrabs()
{
    QFETCH(QPolygonF, figure);
    QFETCH(bool, rotatable);
    QFETCH(bool, resizable);
    QFETCH(bool, copyable);
    QFETCH(QPointF, touch);
    QFETCH(int, mode);
    QFETCH(QPointF, handle);
    ShapeHarness h;
    h.install(new TestFigure(corners(figure), rotatable, resizable, copyable));
    h.clearSent();
    h.shape()->mode = -1;

    h.touch(touch, 0);

    QCOMPARE(h.shape()->mode, mode);
    QCOMPARE(QPointF(h.shape()->rotationHandle.x, h.shape()->rotationHandle.y), handle);
    if (mode == 3)
        QCOMPARE(h.shape()->selectedVertex, 0);
    // A press draws nothing.
    QCOMPARE(h.sentCodes(), std::vector<int>{});
}

void TestShapeGeneric::rotation_data()
{
    QTest::addColumn<QPointF>("finger");
    QTest::addColumn<double>("angle");
    QTest::addColumn<QPointF>("firstCorner");

    QTest::newRow("at the press: no jump") << QPointF(400, 210) << 0.0 << QPointF(300, 300);
    QTest::newRow("quarter turn, finger right of the centre") << QPointF(540, 350) << kPi / 2 << QPointF(450, 250);
    QTest::newRow("half turn") << QPointF(400, 500) << kPi << QPointF(500, 400);
    // Measured clockwise from straight up: a quarter turn back is three quarters.
    QTest::newRow("finger left of the centre") << QPointF(300, 350) << 1.5 * kPi << QPointF(350, 450);
}

void TestShapeGeneric::rotation()
{
    QFETCH(QPointF, finger);
    QFETCH(double, angle);
    QFETCH(QPointF, firstCorner);
    ShapeHarness h;
    h.install(new TestFigure(corners(kTriangle)));
    TQShapeGeneric *shape = h.shape();

    h.touch(QPointF(400, 210), 0);
    h.touch(finger, 1);

    QVERIFY2(std::fabs(shape->angle - angle) < 1e-5, qPrintable(QString::number(shape->angle)));
    const QPointF corner = h.controlPoints().front();
    QVERIFY2(std::fabs(corner.x() - firstCorner.x()) < 1e-3 && std::fabs(corner.y() - firstCorner.y()) < 1e-3,
             qPrintable(QStringLiteral("%1, %2").arg(corner.x()).arg(corner.y())));
    // The handle follows the finger while it turns...
    QCOMPARE(QPointF(shape->rotationHandle.x, shape->rotationHandle.y), finger);

    // ... and goes above the turned figure when the finger leaves.
    h.touch(finger, 2);
    QCOMPARE(shape->rotationHandle.x, shape->anchor.x);
    QCOMPARE(shape->rotationHandle.y, float(std::max(shape->bounds.top() - 30, 30)));
    QCOMPARE(shape->rotationHandleAtPress.y, shape->rotationHandle.y);
    // A second turn starts from the angle reached.
    h.touch(QPointF(shape->rotationHandle.x, shape->rotationHandle.y), 0);
    QCOMPARE(shape->angleAtPress, shape->angle);
}

void TestShapeGeneric::controlPointDrag()
{
    ShapeHarness h;
    h.install(new TestFigure(corners(kTriangle)));
    TQShapeGeneric *shape = h.shape();

    h.drag({QPointF(505, 295), QPointF(525, 315)}, 50);

    QCOMPARE(h.controlPoints()[1], QPointF(520, 320));
    QCOMPARE(shape->bounds, QRect(240, 240, 340, 270));
    // A selected index outside the list moves nothing.
    for (int index : {3, -1}) {
        shape->selectedVertex = index;
        shape->adjustVertex(100, 100);
        QCOMPARE(h.controlPoints(), (std::vector<QPointF>{{300, 300}, {520, 320}, {400, 450}}));
    }
}

void TestShapeGeneric::bounds_data()
{
    QTest::addColumn<QPolygonF>("points");
    QTest::addColumn<QRect>("bounds");

    QTest::newRow("none") << QPolygonF() << QRect(0, 0, 0, 0);
    QTest::newRow("one point") << polygon({QPointF(500, 300)}) << QRect(440, 240, 120, 120);
    QTest::newRow("near the right edge") << polygon({QPointF(990, 300)}) << QRect(930, 240, 70, 120);
    QTest::newRow("past the right edge") << polygon({QPointF(1100, 300)}) << QRect(940, 240, 60, 120);
    QTest::newRow("past the bottom edge") << polygon({QPointF(500, 700)}) << QRect(440, 580, 120, 60);
    QTest::newRow("top left may go negative") << polygon({QPointF(10, 10)}) << QRect(-50, -50, 120, 120);
    QTest::newRow("truncated toward zero") << polygon({QPointF(10.7, 20.5), QPointF(100.9, 40.2)})
                                           << QRect(-49, -39, 209, 139);
}

void TestShapeGeneric::bounds()
{
    QFETCH(QPolygonF, points);
    QFETCH(QRect, bounds);
    TestFigure figure;

    QCOMPARE(figure.boundsOfPoints(corners(points)), bounds);
}

void TestShapeGeneric::halfEllipse()
{
    TestFigure figure;
    const std::vector<TQPointWF> upper = figure.halfEllipsePoints({0, 0}, {100, 50}, true);
    const std::vector<TQPointWF> lower = figure.halfEllipsePoints({0, 0}, {100, 50}, false);

    QVERIFY(upper.size() >= 150 && upper.size() <= 151);
    QCOMPARE(upper.size(), lower.size());
    QCOMPARE(upper.front().x, 0.f);
    QCOMPARE(upper.front().y, 25.f);
    QCOMPARE(upper[75].x, 50.f);
    QCOMPARE(upper[75].y, 0.f);
    QCOMPARE(lower[75].y, 50.f);
    for (size_t i = 1; i < upper.size(); ++i) {
        QVERIFY(upper[i].x > upper[i - 1].x);
        QVERIFY(upper[i].y <= 25.f && lower[i].y >= 25.f);
    }
}

void TestShapeGeneric::pacing_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<bool>("sent");

    QTest::newRow("100 ms after the last sent draw") << 100 << 100 << false;
    QTest::newRow("101 ms after the last sent draw") << 100 << 101 << true;
    QTest::newRow("a heavy figure at 300 ms") << 300 << 300 << false;
    QTest::newRow("a heavy figure at 301 ms") << 300 << 301 << true;
}

void TestShapeGeneric::pacing()
{
    QFETCH(int, interval);
    QFETCH(int, elapsed);
    QFETCH(bool, sent);
    ShapeHarness h;
    h.install(new TestFigure(corners(kTriangle), true, true, false, interval));
    QCOMPARE(h.sentCodes(), (std::vector<int>{0, 0}));
    QCOMPARE(h.shape()->lastSentMs, ShapeHarness::kStartMs);
    h.clearSent();

    h.touch(QPointF(450, 380), 0);
    h.clock.advance(elapsed);
    h.touch(QPointF(460, 380), 1);

    // Drawn locally at every move: the restore before the redraw takes the
    // first outline away, so only the moved one (outline and tick) is left.
    QCOMPARE(int(h.localPaths().size()), 2);
    QCOMPARE(h.sentCodes(), (sent ? std::vector<int>{3, 0, 0} : std::vector<int>{}));
    QCOMPARE(h.shape()->lastSentMs, ShapeHarness::kStartMs + (sent ? elapsed : 0));
}

void TestShapeGeneric::release_data()
{
    QTest::addColumn<QPointF>("pressAt");
    QTest::addColumn<QPointF>("releaseAt");
    QTest::addColumn<std::vector<int>>("sentCodes");
    QTest::addColumn<bool>("pen");

    QTest::newRow("press and release inside: still editing")
        << QPointF(450, 380) << QPointF(450, 380) << std::vector<int>{3, 0, 0} << false;
    // Drawn a last time, sent; then committed, and the board has the pen.
    QTest::newRow("press and release outside: done")
        << QPointF(800, 600) << QPointF(800, 600) << std::vector<int>{3, 0, 0, 2} << true;
    QTest::newRow("press outside, release inside: nothing")
        << QPointF(800, 600) << QPointF(450, 380) << std::vector<int>{} << false;
}

void TestShapeGeneric::release()
{
    QFETCH(QPointF, pressAt);
    QFETCH(QPointF, releaseAt);
    QFETCH(std::vector<int>, sentCodes);
    QFETCH(bool, pen);
    ShapeHarness h;
    h.install(new TestFigure(corners(kTriangle)));
    h.clearSent();

    h.touch(pressAt, 0);
    h.clock.advance(30);
    h.touch(releaseAt, 2);

    QCOMPARE(h.sentCodes(), sentCodes);
    QCOMPARE(bool(dynamic_cast<TQShapeFreeDraw *>(h.board.manager.currentTool())), pen);
    QCOMPARE(h.board.shadeView.isVisible(), !pen);
    if (pen) {
        const auto saves = h.board.sent<TQDrawingActionSave>(2);
        QCOMPARE(saves.front()->strokeId, 0);
        QCOMPARE(saves.front()->senderId, DrawManagerFixture::kTeacher);
        QCOMPARE(saves.front()->materialId, 501);
    }
}

void TestShapeGeneric::copyTap_data()
{
    QTest::addColumn<QPointF>("pressAt");
    QTest::addColumn<QPointF>("releaseAt");
    QTest::addColumn<int>("heldMs");
    QTest::addColumn<int>("type");

    QTest::newRow("copy to board tapped in 199 ms") << QPointF(280, 200) << QPointF(290, 210) << 199 << 100;
    QTest::newRow("copy to board held 200 ms") << QPointF(280, 200) << QPointF(280, 200) << 200 << 0;
    QTest::newRow("copy to board, released on the other button")
        << QPointF(280, 200) << QPointF(700, 200) << 50 << 0;
    QTest::newRow("copy paste tapped") << QPointF(700, 200) << QPointF(700, 200) << 10 << 101;
    QTest::newRow("copy paste, released off it") << QPointF(700, 200) << QPointF(700, 250) << 10 << 0;
}

void TestShapeGeneric::copyTap()
{
    QFETCH(QPointF, pressAt);
    QFETCH(QPointF, releaseAt);
    QFETCH(int, heldMs);
    QFETCH(int, type);
    ShapeHarness h;
    h.install(new TestFigure(corners(kTriangle), true, true, true));
    h.clearSent();

    h.touch(pressAt, 0);
    h.clock.advance(heldMs);
    h.touch(releaseAt, 2);

    QCOMPARE(h.shape()->type, type);
    // A tap draws the figure a last time, sent, and takes the handles away.
    QCOMPARE(h.sentCodes(), (type ? std::vector<int>{3, 0, 0} : std::vector<int>{}));
    QCOMPARE(h.board.shadeView.isVisible(), type == 0);
}

void TestShapeGeneric::cancelReturnsToThePen()
{
    ShapeHarness h;
    h.install(new TestFigure(corners(kTriangle)));
    h.clearSent();

    h.shape()->cancel(&h.board.manager);
    h.board.drain();

    QVERIFY(dynamic_cast<TQShapeFreeDraw *>(h.board.manager.currentTool()));
    QVERIFY(h.board.services.calls.contains("restore"));
    // The last draw on leaving is local; the commit is sent.
    QCOMPARE(h.sentCodes(), (std::vector<int>{2}));
    QVERIFY(!h.board.shadeView.isVisible());
}

void TestShapeGeneric::secondInitKeepsTheFigure()
{
    ShapeHarness h;
    h.install(new TestFigure(corners(kTriangle)));
    h.drag({QPointF(450, 380), QPointF(470, 380)}, 200);
    h.clearSent();

    h.board.manager.reinitCurrentTool();
    h.board.drain();

    // Drawn again where it is, over a restore, with its three control points.
    QCOMPARE(h.controlPoints(), (std::vector<QPointF>{{320, 300}, {520, 300}, {420, 450}}));
    QCOMPARE(h.sentCodes(), (std::vector<int>{3, 0, 0}));
}

void TestShapeGeneric::undefinedOutlineKeepsTheLastOne()
{
    ShapeHarness h;
    h.install(new TestFigure(corners(kTriangle)));
    h.clearSent();

    // The second corner is dragged half way, then onto the first: the
    // figure's direction (first to second corner) is then undefined.
    h.drag({QPointF(500, 300), QPointF(400, 300), QPointF(300, 300)}, 150);
    QCOMPARE(h.controlPoints()[1], QPointF(300, 300));
    QCOMPARE(h.sentCodes(), (std::vector<int>{3, 0, 0}));
    // Done: the last outline is what is committed.
    h.touch(QPointF(800, 600), 0);
    h.touch(QPointF(800, 600), 2);
    QCOMPARE(h.sentCodes(), (std::vector<int>{3, 0, 0, 2}));
    QVERIFY(dynamic_cast<TQShapeFreeDraw *>(h.board.manager.currentTool()));

    for (const auto *line : h.board.sent<TQDrawingActionLine>(0)) {
        for (const TQPointW &p : line->points)
            QVERIFY(p.x >= 0 && p.x <= 4000 && p.y >= 0 && p.y <= 2560);
    }
    const QImage students = renderActions(h.board.services.sentActions, QSize(1000, 640));
    QVERIFY(!saveTestPicture(students, "shape_undefined_outline_kept").isEmpty());
    QVERIFY(paintedAt(students, 400, 375)); // second corner at (400, 300)
    QVERIFY(paintedAt(students, 350, 300));
    QVERIFY(!paintedAt(students, 450, 300)); // the outline before the drag is gone
}

void TestShapeGeneric::shapeDrawnThroughTheDrawManager()
{
    ShapeHarness h;
    h.board.manager.setBrush(TQBrushStyle(1, 104, 3, 0));
    h.install(createShapeWith(&makeTriangle, 2306, TQShapeParams()));
    TQShapeGeneric *shape = h.shape();
    QVERIFY(shape);
    QCOMPARE(shape->type, 2306);
    QVERIFY(h.board.services.calls.contains("suspend 2"));
    // Shown at once, with its handles, and sent.
    QCOMPARE(h.sentCodes(), (std::vector<int>{0, 0}));
    QVERIFY(h.board.shadeView.isVisible());
    QVERIFY(h.board.temporalLayout.findView(0));
    QVERIFY(h.board.temporalLayout.findView(TQDrawTemporalLayout::RotationKnobTag));
    const auto first = h.board.sent<TQDrawingActionLine>(0);
    QCOMPARE(first[0]->points.size(), size_t(4));
    QCOMPARE(first[0]->points[0], TQPointW(1200, 1200));
    QCOMPARE(first[0]->canvasWidth, 4000);
    QCOMPARE(first[0]->canvasHeight, 2560);
    QCOMPARE(first[0]->materialId, 501);
    QVERIFY(first[0]->straight);
    QCOMPARE(first[0]->senderId, DrawManagerFixture::kTeacher);
    shape->brush.colour = 105;
    shape->fill = 1;

    // Moved right by 200 in ten moves 40 ms apart: every move is drawn
    // locally, every third is sent, and the release sends the last.
    std::vector<QPointF> path;
    for (int i = 0; i <= 10; ++i)
        path.emplace_back(450 + 20 * i, 380);
    h.drag(path, 40);
    QCOMPARE(h.controlPoints(), (std::vector<QPointF>{{500, 300}, {700, 300}, {600, 450}}));
    QCOMPARE(int(h.board.sent<TQDrawingActionLine>(0).size()), 2 + 2 * 4);
    // Turned a quarter clockwise about its centre (600, 350).
    h.drag({QPointF(600, 210), QPointF(700, 250), QPointF(740, 350)}, 120);
    QCOMPARE(h.controlPoints()[0], QPointF(650, 250));
    // Done with a tap beside it.
    h.touch(QPointF(150, 600), 0);
    h.touch(QPointF(150, 600), 2);
    QVERIFY(dynamic_cast<TQShapeFreeDraw *>(h.board.manager.currentTool()));
    QCOMPARE(h.sentCodes().back(), 2);

    const auto lines = h.board.sent<TQDrawingActionLine>(0);
    const TQDrawingActionLine *outline = lines[lines.size() - 2];
    QCOMPARE(outline->alphaFlag, 1);
    QCOMPARE(outline->brush.colour, 105);
    QCOMPARE(lines.back()->alphaFlag, 0);
    const QImage students = renderActions(h.board.services.sentActions, QSize(1000, 640));
    QVERIFY(!saveTestPicture(students, "shape_moved_and_turned").isEmpty());
    QVERIFY(paintedAt(students, 650, 350)); // the turned figure's edge
    QVERIFY(paintedAt(students, 600, 350)); // filled
    QVERIFY(!paintedAt(students, 400, 300)); // where it was first drawn
}

QTEST_MAIN(TestShapeGeneric)
#include "tst_shapegeneric.moc"
