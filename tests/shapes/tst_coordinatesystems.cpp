// The number line and the two coordinate systems on the real draw manager of
// a 1000 x 640 board whose canvas is the visible board: the tick and unit
// tables, the lines each sends, the dotted guide box that only the teacher
// sees, and the frame each system leaves on its page when it is committed.
#include "PageFrames.h"
#include "SentOutline.h"
#include "ShapeHarness.h"

#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "modules/live/draws/TQPath.h"
#include "shapes/TQShapeAxisLine.h"
#include "shapes/TQShapeCoordinateSystem.h"
#include "shapes/TQShapeCoordinates.h"
#include "shapes/TQShapeFactory.h"
#include "shapes/TQShapeRightCoordinate.h"
#include "shapes/TQVertex.h"

#include <QtTest>

namespace {

constexpr int kGridColour = 106;

std::vector<TQDrawingActionLine *> sentLines(const ShapeHarness &h)
{
    return h.board.sent<TQDrawingActionLine>(0);
}

int countColour(const std::vector<TQDrawingActionLine *> &lines, int colour)
{
    int n = 0;
    for (const TQDrawingActionLine *line : lines)
        n += line->brush.colour == colour;
    return n;
}

// Moves the two control points of the current shape and draws it as a
// move would.
void placeBox(ShapeHarness &h, QPointF a, QPointF b)
{
    TQShapeGeneric *shape = h.shape();
    shape->vertices[0]->position = TQPointWF(float(a.x()), float(a.y()));
    shape->vertices[1]->position = TQPointWF(float(b.x()), float(b.y()));
    shape->refreshHandles();
    shape->draw(&h.board.manager, true, false);
    h.board.drain();
}

// Drags control point `index` by `by` in one move.
void dragBy(ShapeHarness &h, size_t index, QPointF by)
{
    const QPointF from = h.controlPoints().at(index);
    h.drag({from, from + by / 2, from + by}, 50);
}

} // namespace

class TestCoordinateSystems : public QObject
{
    Q_OBJECT

private slots:
    void numberLineTicks_data();
    void numberLineTicks();
    void numberLineOutline();
    void numberLineStaysHorizontal();
    void coordinatesUnit_data();
    void coordinatesUnit();
    void rightCoordinateUnit_data();
    void rightCoordinateUnit();
    void committedFrame_data();
    void committedFrame();
    void guideBoxStaysWithTeacher();
};

void TestCoordinateSystems::numberLineTicks_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("canvasWidth");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("spacing");

    // Quarter units: a canvas 1000 wide has a step of 200.
    QTest::newRow("1000 long on a 1000 canvas") << 0 << 4000 << 1000 << 21 << 100 << 190;
    QTest::newRow("shorter than two steps: 3 parts") << 0 << 300 << 1000 << 7 << 100 << 33;
    QTest::newRow("spacing never below 1") << 0 << 201 << 1000 << 101 << 100 << 1;
    QTest::newRow("placed off the origin") << 1000 << 3000 << 1000 << 11 << 1100 << 180;
    QTest::newRow("canvas 5: step 1") << 0 << 40 << 5 << 40 << 0 << 1;
    // No step to count with: the line goes without ticks.
    QTest::newRow("canvas 1") << 0 << 4 << 1 << 0 << 0 << 0;
    QTest::newRow("canvas 0") << 0 << 4000 << 0 << 0 << 0 << 0;
    QTest::newRow("zero length") << 500 << 500 << 1000 << 0 << 0 << 0;
}

void TestCoordinateSystems::numberLineTicks()
{
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, canvasWidth);
    QFETCH(int, count);
    QFETCH(int, first);
    QFETCH(int, spacing);

    const std::vector<int> ticks = TQShapeAxisLine::tickPositions(left, right, canvasWidth);
    QCOMPARE(int(ticks.size()), count);
    if (count > 0)
        QCOMPARE(ticks.front(), first);
    if (count > 1)
        QCOMPARE(ticks[1] - ticks[0], spacing);
    for (int x : ticks)
        QVERIFY(x < right);
}

void TestCoordinateSystems::numberLineOutline()
{
    ShapeHarness h;
    h.install(createShape(2001, TQShapeParams()));
    QCOMPARE(controlPolygon(h), poly({{250, 320}, {750, 320}}));

    const std::vector<QPolygonF> lines = sentPolylines(h);
    QCOMPARE(int(lines.size()), 2 + 11);
    COMPARE_POINTS(lines[0], poly({{250, 320}, {750, 320}}), 0.01);
    COMPARE_POINTS(lines[1], poly({{730, 310}, {750, 320}, {730, 330}}), 0.01);
    // Ticks from 25 px right of the left end, every 45 px, 10 px high.
    for (int i = 0; i < 11; ++i)
        COMPARE_POINTS(lines[size_t(2 + i)], poly({{275.0 + 45 * i, 310}, {275.0 + 45 * i, 320}}), 0.01);
    // The origin: a filled dot of 20 quarter units in the middle.
    const auto dots = h.board.sent<TQDrawActionDrawCircle>(1);
    QCOMPARE(int(dots.size()), 1);
    QCOMPARE(dots[0]->centreX, 2000);
    QCOMPARE(dots[0]->centreY, 1280);
    QCOMPARE(dots[0]->radius, 20);
    QVERIFY(dots[0]->filled);

    // The plain line has no ticks.
    ShapeHarness plain;
    plain.install(createShape(2000, TQShapeParams()));
    QCOMPARE(int(sentPolylines(plain).size()), 2);
}

void TestCoordinateSystems::numberLineStaysHorizontal()
{
    ShapeHarness h;
    h.install(createShape(2000, TQShapeParams()));
    dragBy(h, 1, QPointF(80, -150));
    QCOMPARE(controlPolygon(h), poly({{250, 320}, {830, 320}}));
    // Dragged past the other end, the line runs from the leftmost end.
    h.clearSent();
    dragBy(h, 0, QPointF(700, 90));
    QCOMPARE(controlPolygon(h), poly({{950, 320}, {830, 320}}));
    COMPARE_POINTS(sentPolylines(h)[1], poly({{930, 310}, {950, 320}, {930, 330}}), 0.01);
    // The handle goes with the middle of the line.
    QCOMPARE(h.shape()->anchorPoint().x, 890.f);
}

void TestCoordinateSystems::coordinatesUnit_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("unit");

    QTest::newRow("250") << 250 << 36;
    QTest::newRow("259") << 259 << 36;
    QTest::newRow("260") << 260 << 40;
    QTest::newRow("280") << 280 << 40;
    QTest::newRow("300") << 300 << 48;
    QTest::newRow("450") << 450 << 48;
    QTest::newRow("600") << 600 << 48;
    QTest::newRow("700") << 700 << 60;
}

void TestCoordinateSystems::coordinatesUnit()
{
    QFETCH(int, width);
    QFETCH(int, unit);

    ShapeHarness h;
    h.install(createShape(2003, TQShapeParams()));
    placeBox(h, QPointF(150, 100), QPointF(150 + width, 500));
    const auto *shape = dynamic_cast<TQShapeCoordinateSystem *>(h.shape());
    QCOMPARE(shape->frame()->unit, unit);
    // Ticks 5 long every unit along the x axis (y = 300), up to a quarter
    // unit before the right end.
    const double originX = 150 + width / 2.0;
    const int across = int((width / 2.0 - unit / 4) / unit);
    std::vector<double> expected;
    for (double x = originX - across * unit; x <= 150 + width - unit / 4; x += unit)
        expected.push_back(x);
    std::vector<double> ticks;
    for (const QPolygonF &line : sentPolylines(h)) {
        if (line.size() == 2 && line[0].y() == 295 && line[1].y() == 300)
            ticks.push_back(line[0].x());
    }
    QCOMPARE(int(ticks.size()), int(expected.size()));
    for (size_t i = 0; i < ticks.size(); ++i)
        QVERIFY(std::fabs(ticks[i] - expected[i]) <= 0.25);
}

void TestCoordinateSystems::rightCoordinateUnit_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<int>("canvasWidth");
    QTest::addColumn<int>("unit");

    QTest::newRow("narrower than a third") << 300.f << 1000 << 33;
    QTest::newRow("a third") << 333.f << 1000 << 40;
    QTest::newRow("below half") << 499.f << 1000 << 40;
    QTest::newRow("half and more") << 500.f << 1000 << 50;
    // Narrow canvases never give a unit of 0 to divide by or step with.
    QTest::newRow("canvas 29") << 5.f << 29 << 1;
    QTest::newRow("canvas 1") << 0.5f << 1 << 1;
    QTest::newRow("canvas 0") << 0.f << 0 << 1;
}

void TestCoordinateSystems::rightCoordinateUnit()
{
    QFETCH(float, width);
    QFETCH(int, canvasWidth);
    QFETCH(int, unit);

    QCOMPARE(TQShapeRightCoordinate::unitForWidth(width, canvasWidth), unit);
}

void TestCoordinateSystems::committedFrame_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPointF>("origin");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QList<int>>("units");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<bool>("meshed");
    QTest::addColumn<int>("unitLines");
    QTest::addColumn<int>("gridLines");

    // Box (400, 220)-(650, 412): origin in the middle, unit 36.
    const QPointF middle(525, 316);
    QTest::newRow("2002 plain") << 2002 << middle << 36 << QList<int>{3, 3, 2, 2} << false << false << 0 << 0;
    QTest::newRow("2003 marked") << 2003 << middle << 36 << QList<int>{3, 3, 2, 2} << true << false << 12 << 0;
    QTest::newRow("2004 grid") << 2004 << middle << 36 << QList<int>{3, 3, 2, 2} << false << true << 12 << 12;
    // The page keeps the half unit of the tight grid.
    QTest::newRow("2005 tight grid") << 2005 << middle << 18 << QList<int>{6, 6, 5, 5} << false << true << 24 << 24;
    // Box (333.3, 213.3)-(666.7, 426.7): origin at the bottom-left corner,
    // unit 1000 / 25.
    const QPointF corner(333.333, 426.667);
    QTest::newRow("2006 plain") << 2006 << corner << 40 << QList<int>{0, 8, 5, 0} << false << false << 0 << 0;
    QTest::newRow("2007 marked") << 2007 << corner << 40 << QList<int>{0, 8, 5, 0} << true << false << 13 << 0;
    QTest::newRow("2008 grid") << 2008 << corner << 40 << QList<int>{0, 8, 5, 0} << false << true << 13 << 13;
    QTest::newRow("2009 tight grid") << 2009 << corner << 20 << QList<int>{0, 16, 10, 0} << false << true << 26 << 26;
}

void TestCoordinateSystems::committedFrame()
{
    QFETCH(int, code);
    QFETCH(QPointF, origin);
    QFETCH(int, unit);
    QFETCH(QList<int>, units);
    QFETCH(bool, marked);
    QFETCH(bool, meshed);
    QFETCH(int, unitLines);
    QFETCH(int, gridLines);

    ShapeHarness h;
    h.install(createShape(code, TQShapeParams()));
    const auto *shape = dynamic_cast<TQShapeCoordinateSystem *>(h.shape());
    QVERIFY(shape);
    QVERIFY(!shape->rotatable && !shape->resizable && !shape->isFillable());
    // The axes with their heads: four lines for the cross, three for the quadrant.
    const int axisLines = code <= 2005 ? 4 : 3;
    const auto lines = sentLines(h);
    QCOMPARE(int(lines.size()), unitLines + axisLines);
    QCOMPARE(countColour(lines, kGridColour), gridLines);
    QVERIFY(pageFrames(h).empty());

    tapBeside(h);
    QVERIFY(!h.shape());
    const auto frames = pageFrames(h);
    QCOMPARE(int(frames.size()), 1);
    const TQCoordinateFrame &f = *frames[0];
    QVERIFY(std::fabs(f.origin.x - origin.x()) < 0.01 && std::fabs(f.origin.y - origin.y()) < 0.01);
    QCOMPARE(f.unit, unit);
    QCOMPARE((QList<int>{f.unitsLeft, f.unitsRight, f.unitsUp, f.unitsDown}), units);
    QCOMPARE(f.marked, marked);
    QCOMPARE(f.meshed, meshed);
    QVERIFY(f.isOnPage());
}

void TestCoordinateSystems::guideBoxStaysWithTeacher()
{
    ShapeHarness h;
    h.install(createShape(2002, TQShapeParams()));
    // Drawn twice on the teacher's board at the start, dotted, never sent.
    int dotted = 0;
    for (const TQPath *path : h.localPaths())
        dotted += path->brush.type == 0;
    QCOMPARE(dotted, 2);
    for (const TQDrawingActionLine *line : sentLines(h))
        QCOMPARE(line->brush.type, 1);

    dragBy(h, 1, QPointF(40, 30));
    dotted = 0;
    for (const TQPath *path : h.localPaths())
        dotted += path->brush.type == 0;
    QCOMPARE(dotted, 1);

    // The committed system has no guide box.
    tapBeside(h);
    const QList<TQPath *> *page = h.board.source.getPagePaths();
    QCOMPARE(page->size(), 4);
    for (const TQPath *path : *page)
        QCOMPARE(path->brush.type, 1);
    for (const TQDrawingActionLine *line : sentLines(h))
        QCOMPARE(line->brush.type, 1);
}

QTEST_MAIN(TestCoordinateSystems)
#include "tst_coordinatesystems.moc"
