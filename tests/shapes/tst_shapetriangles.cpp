// The six triangles made by the factory on the real draw manager of a
// 1000 x 640 board: their starting corners, the drag rules that keep them
// right-angled, isosceles, equilateral or of fixed angles, the right-angle
// mark, and the fixed-angle triangle's computed corner, including input for
// which no triangle exists.
#include "SentOutline.h"
#include "ShapeHarness.h"

#include "shapes/TQShapeFactory.h"
#include "shapes/TQShapeGeneric.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQShapeTriangleFixedAngle.h"
#include "shapes/TQVertex.h"

#include <QtTest>

#include <cmath>
#include <memory>

namespace {

constexpr double kDegree = 3.141592653589793 / 180;

TQShapeParams angles(double a, double b)
{
    TQShapeParams params;
    params.angleA = float(a * kDegree);
    params.angleB = float(b * kDegree);
    return params;
}

double distance(const QPointF &a, const QPointF &b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

} // namespace

Q_DECLARE_METATYPE(TQShapeParams)

class TestShapeTriangles : public QObject
{
    Q_OBJECT

private slots:
    void initialPoints_data();
    void initialPoints();
    void dragRules_data();
    void dragRules();
    void equilateralStaysEquilateral_data();
    void equilateralStaysEquilateral();
    void isoscelesMirrorsInItsTurnedFrame();
    void rightAngleMark_data();
    void rightAngleMark();
    void fixedAngleCorner_data();
    void fixedAngleCorner();
    void fixedAngleWithoutTriangle_data();
    void fixedAngleWithoutTriangle();
    void nothingBeforeInit();
};

void TestShapeTriangles::initialPoints_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<TQShapeParams>("params");
    QTest::addColumn<QPolygonF>("points");
    QTest::addColumn<QString>("draggable");
    QTest::addColumn<QPointF>("anchor");

    QTest::newRow("free") << 2300 << TQShapeParams()
                          << poly({{500, 213.333}, {333.333, 320}, {666.667, 426.667}}) << "111"
                          << QPointF(500, 320);
    QTest::newRow("right") << 2301 << TQShapeParams() << poly({{550, 140}, {550, 370}, {700, 370}}) << "101"
                           << QPointF(550, 370);
    QTest::newRow("isosceles") << 2302 << TQShapeParams()
                               << poly({{666.667, 170}, {566.667, 420}, {766.667, 420}}) << "001"
                               << QPointF(666.667, 170);
    QTest::newRow("isosceles right") << 2303 << TQShapeParams() << poly({{550, 170}, {550, 370}, {750, 370}})
                                     << "001" << QPointF(550, 370);
    // The apex in whole pixels.
    QTest::newRow("equilateral") << 2304 << TQShapeParams() << poly({{666, 247}, {566.667, 420}, {766.667, 420}})
                                 << "001" << QPointF(666, 247);
    QTest::newRow("fixed angles 90 and 60") << 2305 << angles(90, 60) << poly({{550, 370}, {700, 370}}) << "01"
                                            << QPointF(550, 370);
    QTest::newRow("fixed angles 5 and 170: shorter base")
        << 2305 << angles(5, 170) << poly({{550, 370}, {650, 370}}) << "01" << QPointF(550, 370);
}

void TestShapeTriangles::initialPoints()
{
    QFETCH(int, code);
    QFETCH(TQShapeParams, params);
    QFETCH(QPolygonF, points);
    QFETCH(QString, draggable);
    QFETCH(QPointF, anchor);
    ShapeHarness h;
    h.install(createShape(code, params));
    TQShapeGeneric *shape = h.shape();
    QVERIFY(shape);
    shape->fill = 1;
    h.clearSent();

    COMPARE_POINTS(controlPolygon(h), points, 0.001);
    QString enabled;
    for (const TQVertex *v : shape->vertices)
        enabled += v->enabled ? '1' : '0';
    QCOMPARE(enabled, draggable);
    COMPARE_POINTS(poly({{shape->anchor.x, shape->anchor.y}}), poly({anchor}), 0.001);
    QVERIFY(shape->rotatable && !shape->resizable && !shape->copyable && shape->isFillable());

    // The outline is closed and carries the shape's fill.
    shape->draw(&h.board.manager, true, false);
    h.board.drain();
    const QPolygonF outline = sentPolylines(h).back();
    QCOMPARE(outline.size(), 4);
    QCOMPARE(outline.front(), outline.back());
    COMPARE_POINTS(outline.mid(0, points.size()), points, 0.26);
    QCOMPARE(h.board.sent<TQDrawingActionLine>(0).back()->alphaFlag, 1);
}

void TestShapeTriangles::dragRules_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPolygonF>("path");
    QTest::addColumn<QPolygonF>("points");

    QTest::newRow("right, point 0 a quarter turn about the corner: point 2 swings, 150 from it")
        << 2301 << poly({{550, 140}, {660, 180}, {780, 370}}) << poly({{780, 370}, {550, 370}, {550, 520}});
    QTest::newRow("right, point 2 a quarter turn: point 0 swings, 230 from it")
        << 2301 << poly({{700, 370}, {550, 520}}) << poly({{780, 370}, {550, 370}, {550, 520}});
    // Over the corner, where the swing has no direction, and back up: the
    // other leg keeps its length.
    QTest::newRow("right, point 0 through the corner")
        << 2301 << poly({{550, 140}, {550, 370}, {550, 200}}) << poly({{550, 200}, {550, 370}, {700, 370}});
    QTest::newRow("right, a press on the fixed corner moves it all")
        << 2301 << poly({{550, 370}, {600, 400}}) << poly({{600, 170}, {600, 400}, {750, 400}});
    QTest::newRow("isosceles right: point 0 follows a quarter turn back")
        << 2303 << poly({{750, 370}, {550, 570}}) << poly({{750, 370}, {550, 370}, {550, 570}});
    QTest::newRow("isosceles: point 1 mirrors point 2 about the apex's vertical")
        << 2302 << poly({{766.667, 420}, {796.667, 420}}) << poly({{666.667, 170}, {536.667, 420}, {796.667, 420}});
    QTest::newRow("free: only the grabbed point")
        << 2300 << poly({{666.667, 426.667}, {700, 500}}) << poly({{500, 213.333}, {333.333, 320}, {700, 500}});
    QTest::newRow("fixed angle: point 1 follows the finger")
        << 2305 << poly({{700, 370}, {650, 450}}) << poly({{550, 370}, {650, 450}});
}

void TestShapeTriangles::dragRules()
{
    QFETCH(int, code);
    QFETCH(QPolygonF, path);
    QFETCH(QPolygonF, points);
    ShapeHarness h;
    h.install(createShape(code, angles(90, 60)));

    h.drag(std::vector<QPointF>(path.begin(), path.end()), 150);

    COMPARE_POINTS(controlPolygon(h), points, 0.01);
}

void TestShapeTriangles::equilateralStaysEquilateral_data()
{
    QTest::addColumn<QPointF>("to");
    QTest::newRow("larger, turned") << QPointF(820, 380);
    QTest::newRow("smaller") << QPointF(700, 300);
    QTest::newRow("above the apex") << QPointF(600, 100);
}

void TestShapeTriangles::equilateralStaysEquilateral()
{
    QFETCH(QPointF, to);
    ShapeHarness h;
    h.install(createShape(2304, TQShapeParams()));

    h.drag({h.controlPoints()[2], to}, 150);

    const std::vector<QPointF> p = h.controlPoints();
    QCOMPARE(p[0], QPointF(666, 247));
    QCOMPARE(p[2], to);
    const double side = distance(p[0], p[2]);
    QVERIFY(std::fabs(distance(p[0], p[1]) - side) < 1e-4 * side);
    QVERIFY(std::fabs(distance(p[1], p[2]) - side) < 1e-4 * side);
}

void TestShapeTriangles::isoscelesMirrorsInItsTurnedFrame()
{
    ShapeHarness h;
    h.install(createShape(2302, TQShapeParams()));
    TQShapeGeneric *shape = h.shape();
    // Turned a quarter clockwise about the apex (666.67, 170): its axis is
    // now the horizontal through the apex.
    const QPointF handle(shape->rotationHandle.x, shape->rotationHandle.y);
    h.drag({handle, QPointF(766.667, 170)}, 150);
    QVERIFY(std::fabs(shape->angle - 3.141592653589793 / 2) < 1e-5);
    COMPARE_POINTS(controlPolygon(h), poly({{666.667, 170}, {416.667, 70}, {416.667, 270}}), 0.01);

    h.drag({QPointF(416.667, 270), QPointF(436.667, 300)}, 150);

    COMPARE_POINTS(controlPolygon(h), poly({{666.667, 170}, {436.667, 40}, {436.667, 300}}), 0.01);
}

void TestShapeTriangles::rightAngleMark_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPointF>("pointZeroTo");
    QTest::addColumn<QPolygonF>("mark");

    // Corner (550, 370), point 0 straight above: the mark's far corner is
    // 16 x 1.414 along the diagonal.
    QTest::newRow("leg 230") << 2301 << QPointF(550, 140)
                             << poly({{550, 354}, {565.9976, 354.0024}, {566, 370}});
    QTest::newRow("leg 25") << 2301 << QPointF(550, 345) << poly({{550, 354}, {565.9976, 354.0024}, {566, 370}});
    QTest::newRow("leg 24: no mark") << 2301 << QPointF(550, 346) << QPolygonF();
    QTest::newRow("leg 10: no mark") << 2301 << QPointF(550, 360) << QPolygonF();
    QTest::newRow("isosceles right") << 2303 << QPointF(550, 170)
                                     << poly({{550, 354}, {565.9976, 354.0024}, {566, 370}});
}

void TestShapeTriangles::rightAngleMark()
{
    QFETCH(int, code);
    QFETCH(QPointF, pointZeroTo);
    QFETCH(QPolygonF, mark);
    ShapeHarness h;
    h.install(createShape(code, TQShapeParams()));
    h.shape()->fill = 1;
    h.shape()->selectedVertex = 0;
    h.shape()->vertices[0]->pressPosition = h.shape()->vertices[0]->position;
    h.shape()->adjustVertex(float(pointZeroTo.x() - 550), float(pointZeroTo.y() - h.controlPoints()[0].y()));
    QCOMPARE(h.controlPoints()[0], pointZeroTo);
    h.clearSent();

    h.shape()->draw(&h.board.manager, true, false);
    h.board.drain();

    const std::vector<QPolygonF> lines = sentPolylines(h);
    const auto actions = h.board.sent<TQDrawingActionLine>(0);
    QCOMPARE(int(lines.size()), mark.isEmpty() ? 1 : 2);
    if (!mark.isEmpty()) {
        COMPARE_POINTS(lines[0], mark, 0.26);
        QCOMPARE(actions[0]->alphaFlag, 0);
    }
    // The outline last, with the shape's fill.
    QCOMPARE(lines.back().size(), 4);
    QCOMPARE(actions.back()->alphaFlag, 1);
}

void TestShapeTriangles::fixedAngleCorner_data()
{
    QTest::addColumn<double>("angleA");
    QTest::addColumn<double>("angleB");
    QTest::addColumn<QPointF>("corner");

    QTest::newRow("90 and 60: 259.81 straight above point 0") << 90.0 << 60.0 << QPointF(550, 110.192);
    // 100 sin 170 / sin 5 = 199.2, 5 degrees above the base.
    QTest::newRow("5 and 170") << 5.0 << 170.0 << QPointF(748.443, 352.637);
    QTest::newRow("30 and 30") << 30.0 << 30.0 << QPointF(625, 326.699);
}

void TestShapeTriangles::fixedAngleCorner()
{
    QFETCH(double, angleA);
    QFETCH(double, angleB);
    QFETCH(QPointF, corner);
    ShapeHarness h;
    h.install(createShape(2305, angles(angleA, angleB)));
    auto *shape = dynamic_cast<TQShapeTriangleFixedAngle *>(h.shape());
    QVERIFY(shape);

    const std::vector<QPolygonF> lines = sentPolylines(h);
    QCOMPARE(lines.size(), size_t(1));
    COMPARE_POINTS(lines[0], poly({{550, 370}, h.controlPoints()[1], corner, {550, 370}}), 0.26);
    // The bounds hold the computed corner; the rotation handle is above them.
    QVERIFY(shape->bounds.top() <= corner.y() - 59);
    QCOMPARE(shape->rotationHandle.y, float(std::max(shape->bounds.top() - 30, 30)));

    // Point 1 dragged: the third corner follows with both angles kept.
    h.drag({h.controlPoints()[1], QPointF(690, 470)}, 150);
    const QPolygonF moved = sentPolylines(h).back();
    const auto at = [&](int i) { return TQPointWF(float(moved[i].x()), float(moved[i].y())); };
    QVERIFY(std::fabs(angleAtVertex(at(1), at(0), at(2)) - angleA * kDegree) < 0.01);
    QVERIFY(std::fabs(angleAtVertex(at(0), at(1), at(2)) - angleB * kDegree) < 0.01);
}

void TestShapeTriangles::fixedAngleWithoutTriangle_data()
{
    QTest::addColumn<double>("angleA");
    QTest::addColumn<double>("angleB");
    QTest::addColumn<bool>("dragOntoPointZero");

    QTest::newRow("points on one spot") << 90.0 << 60.0 << true;
    QTest::newRow("angles summing to 180") << 90.0 << 90.0 << false;
    QTest::newRow("angles over 180") << 100.0 << 120.0 << false;
    QTest::newRow("no angle at point 0") << 0.0 << 60.0 << false;
}

void TestShapeTriangles::fixedAngleWithoutTriangle()
{
    QFETCH(double, angleA);
    QFETCH(double, angleB);
    QFETCH(bool, dragOntoPointZero);
    ShapeHarness h;
    h.install(createShape(2305, angles(angleA, angleB)));
    TQShapeGeneric *shape = h.shape();
    QCOMPARE(h.sentCodes().empty(), !dragOntoPointZero);
    h.clearSent();

    if (dragOntoPointZero)
        h.drag({h.controlPoints()[1], h.controlPoints()[0]}, 150);
    else
        h.drag({h.controlPoints()[1], QPointF(720, 390)}, 150);

    // Nothing drawn for it: what was on the board stays.
    QCOMPARE(h.sentCodes(), std::vector<int>{});
    // The bounds hold the two control points.
    const std::vector<QPointF> p = h.controlPoints();
    QCOMPARE(shape->bounds, shape->boundsOfPoints({TQPointWF(float(p[0].x()), float(p[0].y())),
                                                   TQPointWF(float(p[1].x()), float(p[1].y()))}));
}

void TestShapeTriangles::nothingBeforeInit()
{
    for (int code = 2300; code <= 2305; ++code) {
        std::unique_ptr<TQShapeAbstract> made(createShape(code, angles(90, 60)));
        auto *shape = dynamic_cast<TQShapeGeneric *>(made.get());
        QVERIFY(shape);
        shape->selectedVertex = 2;
        shape->adjustVertex(10, 10);
        shape->selectedVertex = 0;
        shape->adjustVertex(10, 10);
        shape->updateBounds();
        QCOMPARE(shape->bounds, QRect(0, 0, 0, 0));
        QCOMPARE(shape->anchorPoint().x, 0.f);
        QCOMPARE(shape->anchorPoint().y, 0.f);
        QVERIFY(shape->vertices.empty());
    }
}

QTEST_MAIN(TestShapeTriangles)
#include "tst_shapetriangles.moc"
