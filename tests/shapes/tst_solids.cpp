// The eight solids as the draw manager drives them: made by the factory on a
// headless 1000 x 640 board, edited by touches, and checked on the line and
// circle actions the live data source received for sending: which edges go
// out dotted (brush type 100) for each direction of the depth, the drag
// rules, and figures whose control points fall onto each other.
#include "FigureTouches.h"
#include "ShapeHarness.h"

#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "shapes/TQShapeFactory.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQShapeSolid.h"
#include "shapes/TQShapeSquareParamid.h"
#include "shapes/TQVertex.h"

#include <QtTest>

#include <cmath>
#include <utility>

namespace {

constexpr double kPi = 3.141592653589793;

// A depth row that keeps the depth point where the figure placed it.
const QPointF kAsPlaced(-1e6, -1e6);

using Points = std::vector<QPointF>;

struct SentEdge
{
    Points points;
    bool dotted;
    int fill;
};

QPointF viewPoint(const TQPointW &p)
{
    return QPointF(p.x / 4.0, p.y / 4.0);
}

// The figure drawn once more, sent: its line actions in order, in board
// pixels (the harness's canvas is the visible board).
std::vector<SentEdge> redrawnEdges(ShapeHarness &h)
{
    h.clearSent();
    h.shape()->draw(&h.board.manager, true, false);
    h.board.drain();
    std::vector<SentEdge> edges;
    for (const TQDrawingActionLine *line : h.board.sent<TQDrawingActionLine>(0)) {
        SentEdge edge{{}, line->brush.type == TQShapeSolid::kHiddenLineType, line->alphaFlag};
        for (const TQPointW &p : line->points)
            edge.points.push_back(viewPoint(p));
        edges.push_back(edge);
    }
    return edges;
}

// Indexes of the dotted edges.
QVector<int> dottedOf(const std::vector<SentEdge> &edges)
{
    QVector<int> dotted;
    for (size_t i = 0; i < edges.size(); ++i) {
        if (edges[i].dotted)
            dotted << int(i);
    }
    return dotted;
}

void installFigure(ShapeHarness &h, int code)
{
    h.install(createShape(code, TQShapeParams()));
}

// The control points placed directly, as at the end of a drag.
void placePoints(ShapeHarness &h, const Points &points)
{
    TQShapeGeneric *shape = h.shape();
    for (size_t i = 0; i < points.size(); ++i)
        shape->vertices[i]->position = TQPointWF(float(points[i].x()), float(points[i].y()));
    shape->refreshHandles();
}

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

} // namespace

class TestSolids : public QObject
{
    Q_OBJECT

private slots:
    void newSolid_data();
    void newSolid();
    void boxHiddenEdges_data();
    void boxHiddenEdges();
    void cubeDrag_data();
    void cubeDrag();
    void cubeCornerIsFixed();
    void prismHiddenEdges();
    void prismDrag_data();
    void prismDrag();
    void trianglePyramid_data();
    void trianglePyramid();
    void squarePyramid_data();
    void squarePyramid();
    void squarePyramidFrontSwap();
    void coneBase_data();
    void coneBase();
    void cylinderRims();
    void globe();
    void collapsedPoints_data();
    void collapsedPoints();
};

void TestSolids::newSolid_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Points>("points");
    QTest::addColumn<QVector<bool>>("enabled");
    QTest::addColumn<int>("intervalMs");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("circles");

    const float third = float(2 * 640 / 3.0);
    QTest::newRow("cuboid") << 2400 << Points{{500, 270}, {720, 512}, {600, 220}} << QVector<bool>{true, true, true}
                            << 500 << 9 << 0;
    QTest::newRow("cube") << 2401 << Points{{500, 270}, {700, 470}, {623, 202}} << QVector<bool>{false, true, true}
                          << 500 << 9 << 0;
    QTest::newRow("prism") << 2406
                           << Points{{500, third}, {float(2000 / 3.0), third}, {1000 * 1.1666667f / 2, third - 80},
                                     {500, third - 240}}
                           << QVector<bool>{true, true, true, true} << 100 << 6 << 0;
    QTest::newRow("triangle pyramid") << 2405 << Points{{500, 220}, {333, 420}, {600, 420}, {620, 370}}
                                      << QVector<bool>{true, true, true, true} << 200 << 3 << 0;
    QTest::newRow("square pyramid") << 2407 << Points{{500, 220}, {350, 420}, {650, 420}, {380, 320}}
                                    << QVector<bool>{true, true, true, true} << 500 << 6 << 0;
    QTest::newRow("cone") << 2404 << Points{{500, 290}, {600, 480}} << QVector<bool>{true, true} << 1500 << 3 << 0;
    QTest::newRow("cylinder") << 2403 << Points{{500, 270}, {720, 512}} << QVector<bool>{true, true} << 1500 << 6
                              << 0;
    QTest::newRow("globe") << 2402 << Points{{500, 320}, {680, 320}} << QVector<bool>{false, true} << 1500 << 2 << 2;
}

void TestSolids::newSolid()
{
    QFETCH(int, code);
    QFETCH(Points, points);
    QFETCH(QVector<bool>, enabled);
    QFETCH(int, intervalMs);
    QFETCH(int, lines);
    QFETCH(int, circles);

    ShapeHarness h;
    installFigure(h, code);
    TQShapeGeneric *shape = h.shape();
    QVERIFY(shape);
    QCOMPARE(shape->type, code);
    COMPARE_POINTS(h.controlPoints(), points, 0.001);
    for (int i = 0; i < enabled.size(); ++i)
        QCOMPARE(shape->vertices[size_t(i)]->enabled, enabled[i]);
    QCOMPARE(shape->redrawIntervalMs(), intervalMs);
    QVERIFY(shape->rotatable && !shape->resizable && !shape->copyable && shape->showStyleButtons);
    QVERIFY(!shape->isFillable());
    QVERIFY(shape->hasLineType());

    // Whatever fill the previous shape left, a solid is an outline; only the
    // globe's centre dot is a filled circle.
    refill(h, 1);
    const auto sentLines = h.board.sent<TQDrawingActionLine>(0);
    const auto sentCircles = h.board.sent<TQDrawActionDrawCircle>(1);
    QCOMPARE(int(sentLines.size()), 2 * lines);
    QCOMPARE(int(sentCircles.size()), 2 * circles);
    for (const TQDrawingActionLine *line : sentLines) {
        QCOMPARE(line->alphaFlag, 0);
        QVERIFY(line->straight);
        QCOMPARE(line->brush.colour, shape->brush.colour);
        QCOMPARE(line->brush.width, shape->brush.width);
    }
    for (size_t i = 0; i < sentCircles.size(); ++i)
        QCOMPARE(sentCircles[i]->filled, i % 2 == 0);
}

void TestSolids::boxHiddenEdges_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPointF>("depth");
    QTest::addColumn<double>("turn");
    QTest::addColumn<QVector<int>>("dotted");

    // Edges after the front face: 1 back top, 2 back right, 3 back bottom,
    // 4 back left, then the connectors at the top-left (5), top-right (6),
    // bottom-right (7) and bottom-left (8) corners.
    QTest::newRow("new cuboid: the three edges at the back bottom-left")
        << 2400 << kAsPlaced << 0.0 << QVector<int>{3, 4, 8};
    QTest::newRow("depth down-left: back top, back right, top-right connector")
        << 2400 << QPointF(-60, 40) << 0.0 << QVector<int>{1, 2, 6};
    QTest::newRow("depth up-left") << 2400 << QPointF(-60, -40) << 0.0 << QVector<int>{2, 3, 7};
    QTest::newRow("depth down-right") << 2400 << QPointF(60, 40) << 0.0 << QVector<int>{1, 4, 5};
    QTest::newRow("depth straight up: the back bottom only") << 2400 << QPointF(0, -60) << 0.0 << QVector<int>{3};
    QTest::newRow("depth straight right: the back left only") << 2400 << QPointF(70, 0) << 0.0 << QVector<int>{4};
    QTest::newRow("no depth: nothing hidden") << 2400 << QPointF(0, 0) << 0.0 << QVector<int>{};
    QTest::newRow("new cube") << 2401 << kAsPlaced << 0.0 << QVector<int>{3, 4, 8};
    // The depth is read in the figure's own frame.
    QTest::newRow("cuboid turned a quarter") << 2400 << kAsPlaced << kPi / 2 << QVector<int>{3, 4, 8};
    QTest::newRow("cuboid turned, depth down-left") << 2400 << QPointF(-60, 40) << kPi / 3 << QVector<int>{1, 2, 6};
}

void TestSolids::boxHiddenEdges()
{
    QFETCH(int, code);
    QFETCH(QPointF, depth);
    QFETCH(double, turn);
    QFETCH(QVector<int>, dotted);

    ShapeHarness h;
    installFigure(h, code);
    const QPointF frontTopLeft = h.controlPoints()[0];
    if (depth != kAsPlaced)
        dragControlPoint(h, 2, frontTopLeft + depth - h.controlPoints()[2], 2);
    if (turn != 0)
        turnFigure(h, turn);

    const std::vector<SentEdge> edges = redrawnEdges(h);
    QCOMPARE(int(edges.size()), 9);
    QCOMPARE(dottedOf(edges), dotted);
    QCOMPARE(int(edges[0].points.size()), 5);
    QCOMPARE(edges[0].points.front(), edges[0].points.back());
    for (const SentEdge &edge : edges)
        QCOMPARE(edge.fill, 0);
    // The top-left connector runs from the front face's corner to the depth point.
    const QPointF depthPoint = h.controlPoints()[2];
    COMPARE_POINTS(edges[5].points, (Points{edges[0].points[0], depthPoint}), 0.5);
}

void TestSolids::cubeDrag_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<QVector<QPointF>>("moves");
    QTest::addColumn<QPointF>("end");
    QTest::addColumn<QPointF>("depth");

    // The cube starts with (500, 270), (700, 470), (623, 202): point 1 lies
    // on the diagonal (1, 1) from point 0, the depth point at half the
    // diagonal's length.
    const QPointF p0(500, 270);
    const QPointF diagonal = QPointF(1, 1) / std::sqrt(2.0);
    const QPointF depthWay = QPointF(123, -68) / std::hypot(123, -68);
    QTest::newRow("diagonal end pulled out: the square grows, the depth with it")
        << 1 << QVector<QPointF>{{20, 20}, {40, 40}} << QPointF(740, 510) << p0 + depthWay * 120 * std::sqrt(2.0);
    // The target is 164.01 from the diagonal's middle (600, 370): point 1 is
    // put that far out along the diagonal.
    const double out = std::hypot(130, 100) / std::sqrt(2.0);
    QTest::newRow("diagonal end pulled sideways: it slides along the diagonal")
        << 1 << QVector<QPointF>{{30, 0}} << QPointF(600 + out, 370 + out)
        << p0 + depthWay * (100 + out) * std::sqrt(2.0) / 2;
    QTest::newRow("a step of more than 160 pixels is dropped")
        << 1 << QVector<QPointF>{{150, 100}} << QPointF(700, 470) << QPointF(623, 202);
    QTest::newRow("depth point farther: the diagonal stays twice the depth")
        << 2 << QVector<QPointF>{{50, -30}} << p0 + diagonal * 2 * std::hypot(173, 98) << QPointF(673, 172);
    QTest::newRow("depth point through point 0 and out again: the square recovers")
        << 2 << QVector<QPointF>{{-123, 68}, {-153, 108}} << p0 + diagonal * 100 << QPointF(470, 310);
}

void TestSolids::cubeDrag()
{
    QFETCH(int, point);
    QFETCH(QVector<QPointF>, moves);
    QFETCH(QPointF, end);
    QFETCH(QPointF, depth);

    ShapeHarness h;
    installFigure(h, 2401);
    const QPointF from = h.controlPoints()[size_t(point)];
    Points path{from};
    for (const QPointF &by : moves)
        path.push_back(from + by);
    h.drag(path, 50);

    const Points p = h.controlPoints();
    COMPARE_POINTS(p, (Points{{500, 270}, end, depth}), 0.05);
    // Whatever the drag changed, the front face is a square and the depth
    // half its diagonal (the new cube is placed only nearly so).
    if (end == QPointF(700, 470))
        return;
    QVERIFY(std::abs(distance(p[0], p[1]) - 2 * distance(p[0], p[2])) < 0.05);
    QVERIFY(std::abs(p[1].x() - p[0].x() - (p[1].y() - p[0].y())) < 0.05);
}

void TestSolids::cubeCornerIsFixed()
{
    // A press on point 0 grabs the figure: everything moves together.
    ShapeHarness h;
    installFigure(h, 2401);
    const Points before = h.controlPoints();
    h.drag({before[0], before[0] + QPointF(-20, 30)}, 50);
    COMPARE_POINTS(h.controlPoints(), (Points{before[0] + QPointF(-20, 30), before[1] + QPointF(-20, 30),
                                              before[2] + QPointF(-20, 30)}),
                   0.01);
}

void TestSolids::prismHiddenEdges()
{
    ShapeHarness h;
    installFigure(h, 2406);
    // Edges after the front face: 1 B2-T2, 2 B0-B2, 3 B1-B2, 4 T0-T2, 5 T1-T2.
    // The new prism's back base corner lies behind the front face: its three
    // edges are dotted, the top triangle is in sight.
    std::vector<SentEdge> edges = redrawnEdges(h);
    QCOMPARE(int(edges.size()), 6);
    QCOMPARE(dottedOf(edges), (QVector<int>{1, 2, 3}));
    for (const SentEdge &edge : edges)
        QCOMPARE(edge.fill, 0);
    // The front face B0, B1, T1, T0; T1 is T0 moved as B0 to B1.
    const Points c = h.controlPoints();
    COMPARE_POINTS(edges[0].points, (Points{c[0], c[1], c[3] + c[1] - c[0], c[3], c[0]}), 0.3);

    // The back corner dragged out to the right of the front face: nothing
    // hidden behind it any more on that side.
    dragControlPoint(h, 2, QPointF(200, 0), 4);
    edges = redrawnEdges(h);
    QVERIFY2(!dottedOf(edges).contains(3), qPrintable(QString::number(dottedOf(edges).size())));
}

void TestSolids::prismDrag_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<QPointF>("by");
    QTest::addColumn<double>("turn");

    QTest::newRow("top sideways does not move") << 3 << QPointF(60, 0) << 0.0;
    QTest::newRow("top dragged down stops 40 above point 0") << 3 << QPointF(0, 400) << 0.0;
    QTest::newRow("top dragged up and sideways rises only") << 3 << QPointF(-40, -50) << 0.0;
    QTest::newRow("turned: top stops 40 above point 0 in the figure's frame") << 3 << QPointF(0, 400) << kPi / 2;
    QTest::newRow("point 0 moves the front-left edge") << 0 << QPointF(-30, 20) << 0.0;
    QTest::newRow("a base corner moves alone") << 2 << QPointF(40, 30) << 0.0;
}

void TestSolids::prismDrag()
{
    QFETCH(int, point);
    QFETCH(QPointF, by);
    QFETCH(double, turn);

    ShapeHarness h;
    installFigure(h, 2406);
    if (turn != 0)
        turnFigure(h, turn);
    const Points before = h.controlPoints();
    const TQPointWF anchor = h.shape()->anchorPoint();
    const auto own = [&](QPointF p) {
        const TQPointWF q = rotatePointAround(TQPointWF(float(p.x()), float(p.y())), anchor, -turn);
        return QPointF(q.x, q.y);
    };
    dragControlPoint(h, size_t(point), by, 4);
    const Points after = h.controlPoints();

    Points expected = before;
    if (point == 3) {
        // The top keeps its place across the figure and moves along its height only.
        const QPointF top = own(before[3]);
        const double y = std::min(top.y() + by.y(), own(before[0]).y() - 40);
        QCOMPARE(own(after[3]).x(), top.x());
        QVERIFY(std::abs(own(after[3]).y() - y) < 0.01);
        expected[3] = after[3];
    } else {
        expected[size_t(point)] += by;
        if (point == 0)
            expected[3] += by;
    }
    COMPARE_POINTS(after, expected, 0.01);
}

void TestSolids::trianglePyramid_data()
{
    QTest::addColumn<QPointF>("fourth");
    QTest::addColumn<QVector<Points>>("edges");
    QTest::addColumn<QVector<int>>("dotted");

    // The front face P0 (500, 220), P1 (333, 420), P2 (600, 420) comes first.
    const Points front{{500, 220}, {333, 420}, {600, 420}, {500, 220}};
    // The new pyramid: P3 (620, 370) lies outside the front face and sees
    // P0 and P2 under its widest angle (about 119.5 degrees), so those edges
    // are the outline and P3-P1 runs behind.
    QTest::newRow("new") << QPointF(620, 370)
                         << QVector<Points>{front, {{500, 220}, {620, 370}, {600, 420}}, {{620, 370}, {333, 420}}}
                         << QVector<int>{2};
    // P3 high above: P1 and P2 span the widest angle, and P0 lies inside
    // P3's triangle with them, in front.
    QTest::newRow("fourth corner above the apex")
        << QPointF(480, 60)
        << QVector<Points>{front, {{333, 420}, {480, 60}, {600, 420}}, {{480, 60}, {500, 220}}} << QVector<int>{};
    // P3 far to the left: P0 and P1 span its widest angle, P2 runs behind.
    QTest::newRow("fourth corner to the left")
        << QPointF(200, 330)
        << QVector<Points>{front, {{500, 220}, {200, 330}, {333, 420}}, {{200, 330}, {600, 420}}}
        << QVector<int>{2};
    // Behind the front face: its three edges dotted, in one action.
    QTest::newRow("fourth corner behind the front face")
        << QPointF(480, 360)
        << QVector<Points>{front,
                           {{480, 360}, {500, 220}, {480, 360}, {333, 420}, {480, 360}, {600, 420}, {480, 360}}}
        << QVector<int>{1};
}

void TestSolids::trianglePyramid()
{
    QFETCH(QPointF, fourth);
    QFETCH(QVector<Points>, edges);
    QFETCH(QVector<int>, dotted);

    ShapeHarness h;
    installFigure(h, 2405);
    dragControlPoint(h, 3, fourth - h.controlPoints()[3], 3);
    const std::vector<SentEdge> sent = redrawnEdges(h);
    QCOMPARE(int(sent.size()), edges.size());
    for (int i = 0; i < edges.size(); ++i)
        COMPARE_POINTS(sent[size_t(i)].points, edges[i], 0.3);
    QCOMPARE(dottedOf(sent), dotted);
}

void TestSolids::squarePyramid_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QVector<int>>("dotted");
    QTest::addColumn<Points>("dottedPoints");

    // The new pyramid, seen from above and in front: only the back edge of
    // the base is hidden. Edges: 0 front face, then per back corner (left,
    // right) its edge to the apex and to the front, then the back edge.
    QTest::newRow("new: the back edge of the base")
        << -1 << QPointF() << QVector<int>{5} << Points{{380, 320}, {680, 320}};
    // The back-left corner inside the front face: its three edges in one
    // dotted action (from the back-right corner), the back-right corner's
    // edges solid in one action.
    QTest::newRow("back-left corner behind the front face")
        << 3 << QPointF(480, 360) << QVector<int>{1}
        << Points{{780, 360}, {480, 360}, {500, 220}, {480, 360}, {350, 420}};
}

void TestSolids::squarePyramid()
{
    QFETCH(int, point);
    QFETCH(QPointF, to);
    QFETCH(QVector<int>, dotted);
    QFETCH(Points, dottedPoints);

    ShapeHarness h;
    installFigure(h, 2407);
    if (point >= 0)
        dragControlPoint(h, size_t(point), to - h.controlPoints()[size_t(point)], 3);
    const std::vector<SentEdge> edges = redrawnEdges(h);
    QCOMPARE(dottedOf(edges), dotted);
    COMPARE_POINTS(edges[size_t(dotted.front())].points, dottedPoints, 0.3);
    for (const SentEdge &edge : edges)
        QCOMPARE(edge.fill, 0);
}

void TestSolids::squarePyramidFrontSwap()
{
    ShapeHarness h;
    installFigure(h, 2407);
    // The left front point dragged past the right one: it becomes the right
    // front corner, and the base is completed from the new left one.
    dragControlPoint(h, 1, QPointF(350, 0), 5);
    const std::vector<SentEdge> edges = redrawnEdges(h);
    COMPARE_POINTS(edges[0].points, (Points{{500, 220}, {650, 420}, {700, 420}, {500, 220}}), 0.3);
    auto *pyramid = static_cast<TQShapeSquareParamid *>(h.shape());
    const QPointF backRight(pyramid->corners[TQShapeSquareParamid::BackRight].x,
                            pyramid->corners[TQShapeSquareParamid::BackRight].y);
    COMPARE_POINTS((Points{backRight}), (Points{{380 + 50, 320}}), 0.01);
    // The back edge joins the two back corners, wherever it is drawn.
    bool found = false;
    for (const SentEdge &edge : edges) {
        for (int i = 1; i < int(edge.points.size()); ++i) {
            const Points pair{edge.points[size_t(i - 1)], edge.points[size_t(i)]};
            found = found || pointsDiffer(pair, Points{{380, 320}, backRight}, 0.3).isEmpty()
                || pointsDiffer(pair, Points{backRight, {380, 320}}, 0.3).isEmpty();
        }
    }
    QVERIFY(found);
}

void TestSolids::coneBase_data()
{
    QTest::addColumn<QPointF>("basePoint");
    QTest::addColumn<Points>("slant");
    QTest::addColumn<QRect>("bounds");

    // Apex (500, 290). The bounds reach 0.15 of the base's width below its
    // middle, where the front of the base bulges, plus the margin of 60.
    QTest::newRow("new") << QPointF(600, 480) << Points{{400, 480}, {500, 290}, {600, 480}}
                         << QRect(340, 230, 320, 340);
    QTest::newRow("base point left of the apex: mirrored")
        << QPointF(380, 470) << Points{{380, 470}, {500, 290}, {620, 470}} << QRect(320, 230, 360, 336);
    QTest::newRow("base point at the apex's height: the low point is the left end")
        << QPointF(600, 290) << Points{{400, 290}, {500, 290}, {600, 290}} << QRect(340, 230, 320, 120);
}

void TestSolids::coneBase()
{
    QFETCH(QPointF, basePoint);
    QFETCH(Points, slant);
    QFETCH(QRect, bounds);

    ShapeHarness h;
    installFigure(h, 2404);
    dragControlPoint(h, 1, basePoint - h.controlPoints()[1], 3);

    QCOMPARE(h.shape()->bounds, bounds);
    const std::vector<SentEdge> edges = redrawnEdges(h);
    QCOMPARE(int(edges.size()), 3);
    COMPARE_POINTS(edges[0].points, slant, 0.3);
    // The back (upper) half of the base is the dotted one, on either side.
    QCOMPARE(dottedOf(edges), QVector<int>{1});
    const double baseY = slant.front().y();
    for (int half : {1, 2}) {
        const Points &samples = edges[size_t(half)].points;
        QCOMPARE(int(samples.size()), 151);
        COMPARE_POINTS((Points{samples.front(), samples.back()}), (Points{slant.front(), slant.back()}), 0.3);
        for (const QPointF &p : samples)
            QVERIFY(half == 1 ? p.y() <= baseY + 0.3 : p.y() >= baseY - 0.3);
    }
    // A quarter as high as wide.
    const QPointF middle = edges[1].points[75];
    QVERIFY(std::abs(baseY - middle.y() - (slant.back().x() - slant.front().x()) / 8) < 0.3);
}

void TestSolids::cylinderRims()
{
    ShapeHarness h;
    installFigure(h, 2403);
    const Points corners = h.controlPoints();
    const std::vector<SentEdge> fresh = redrawnEdges(h);
    QCOMPARE(int(fresh.size()), 6);
    // Sides, then top rim upper half, bottom rim upper half (dotted), top
    // rim lower half, bottom rim lower half.
    QCOMPARE(dottedOf(fresh), QVector<int>{3});
    COMPARE_POINTS(fresh[0].points, (Points{{500, 270}, {500, 512}}), 0.3);
    COMPARE_POINTS(fresh[1].points, (Points{{720, 270}, {720, 512}}), 0.3);

    // The box is rebuilt from its corners' extremes: swapped corners draw
    // the same figure.
    placePoints(h, {corners[1], corners[0]});
    const std::vector<SentEdge> swapped = redrawnEdges(h);
    QCOMPARE(int(swapped.size()), int(fresh.size()));
    for (size_t i = 0; i < fresh.size(); ++i)
        COMPARE_POINTS(swapped[i].points, fresh[i].points, 0.01);

    // Turned, the bottom rim is still the top rim moved by the box's height
    // along the figure's own vertical.
    const double turn = kPi / 3;
    turnFigure(h, turn);
    const std::vector<SentEdge> turned = redrawnEdges(h);
    QCOMPARE(dottedOf(turned), QVector<int>{3});
    const QPointF down = 242 * QPointF(-std::sin(turn), std::cos(turn));
    for (const auto &[top, bottom] : {std::pair<int, int>{2, 3}, std::pair<int, int>{4, 5}}) {
        QCOMPARE(turned[size_t(bottom)].points.size(), turned[size_t(top)].points.size());
        for (size_t i = 0; i < turned[size_t(top)].points.size(); ++i) {
            const QPointF shift = turned[size_t(bottom)].points[i] - turned[size_t(top)].points[i];
            QVERIFY2(distance(shift, down) < 0.6, qPrintable(QStringLiteral("%1, %2").arg(shift.x()).arg(shift.y())));
        }
    }
    QVERIFY(std::abs(distance(turned[0].points[0], turned[0].points[1]) - 242) < 0.6);
}

void TestSolids::globe()
{
    ShapeHarness h;
    installFigure(h, 2402);
    // The circle's box, with the margin on the left and the top only.
    QCOMPARE(h.shape()->bounds, QRect(260, 80, 420, 420));
    QCOMPARE(h.shape()->bounds.x() + h.shape()->bounds.width(), 500 + 180);

    refill(h, 1);
    const auto circles = h.board.sent<TQDrawActionDrawCircle>(1);
    QCOMPARE(int(circles.size()), 4);
    const TQDrawActionDrawCircle *dot = circles[2];
    const TQDrawActionDrawCircle *sphere = circles[3];
    QCOMPARE(QPoint(dot->centreX, dot->centreY), QPoint(2000, 1280));
    QCOMPARE(QPoint(sphere->centreX, sphere->centreY), QPoint(2000, 1280));
    QCOMPARE(dot->radius, 20);
    QVERIFY(dot->filled);
    QCOMPARE(sphere->radius, 720);
    QVERIFY(!sphere->filled);
    QCOMPARE(sphere->startAngle, 0);
    QCOMPARE(sphere->endAngle, 62831);

    std::vector<SentEdge> equator = redrawnEdges(h);
    QCOMPARE(dottedOf(equator), QVector<int>{0});
    COMPARE_POINTS((Points{equator[0].points.front(), equator[0].points[75], equator[0].points.back()}),
                   (Points{{320, 320}, {500, 290}, {680, 320}}), 0.3);
    QVERIFY(std::abs(equator[1].points[75].y() - 350) < 0.3);

    // The centre cannot be grabbed: a press there moves the globe.
    h.drag({{500, 320}, {520, 300}}, 50);
    COMPARE_POINTS(h.controlPoints(), (Points{{520, 300}, {700, 300}}), 0.01);
    // The rim point sets the radius; turning turns the equator about the centre.
    dragControlPoint(h, 1, QPointF(-80, 0), 2);
    turnFigure(h, kPi / 2);
    const double radius = distance(h.controlPoints()[0], h.controlPoints()[1]);
    QVERIFY(std::abs(radius - 100) < 0.01);
    equator = redrawnEdges(h);
    COMPARE_POINTS((Points{equator[0].points.front(), equator[0].points.back()}),
                   (Points{{520, 200}, {520, 400}}), 0.3);
    QCOMPARE(h.board.sent<TQDrawActionDrawCircle>(1).back()->radius, 400);
}

void TestSolids::collapsedPoints_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPointF>("at");
    for (int code = 2400; code <= 2407; ++code) {
        QTest::addRow("%s on one point", shapeClassForCode(code)) << code << QPointF(500, 320);
        QTest::addRow("%s far off the board", shapeClassForCode(code)) << code << QPointF(1e9, -1e9);
    }
}

void TestSolids::collapsedPoints()
{
    QFETCH(int, code);
    QFETCH(QPointF, at);

    ShapeHarness h;
    installFigure(h, code);
    // Every control point onto one place, the last a hair away, as a drag
    // that piles them up leaves them.
    Points points(h.controlPoints().size(), at);
    points.back() += QPointF(0.05, 0.05);
    placePoints(h, points);
    h.clearSent();
    h.shape()->draw(&h.board.manager, true, false);
    h.board.drain();

    // Whatever went out lies on the canvas; a figure off the board keeps its
    // last outline rather than send values beyond it.
    const QRect canvas(0, 0, 4001, 2561);
    for (const TQDrawingActionLine *line : h.board.sent<TQDrawingActionLine>(0)) {
        for (const TQPointW &p : line->points)
            QVERIFY2(canvas.contains(p.x, p.y), qPrintable(QStringLiteral("%1, %2").arg(p.x).arg(p.y)));
    }
    for (const TQDrawActionDrawCircle *c : h.board.sent<TQDrawActionDrawCircle>(1)) {
        QVERIFY(canvas.contains(c->centreX, c->centreY));
        QVERIFY(c->radius >= 0 && c->radius <= 4000);
    }
    const QRect bounds = h.shape()->bounds;
    QVERIFY(bounds.width() >= 0 && bounds.height() >= 0);
    if (at.x() < 1000) {
        QVERIFY(!h.board.sent<TQDrawingActionLine>(0).empty());
        // The globe's box ends on its circle, here on the point, give or
        // take the truncation of its left side and its width.
        QVERIFY(bounds.adjusted(0, 0, 2, 2).contains(at.toPoint()));
    } else {
        QCOMPARE(h.sentCodes(), std::vector<int>{});
    }
}

QTEST_MAIN(TestSolids)
#include "tst_solids.moc"
