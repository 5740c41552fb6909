// The regular polygon, the angle and the point made by the factory on the
// real draw manager of a 1000 x 640 board: starting corners for every edge
// count, the angle's arms and arc (in the pen's brush, from the second arm
// to the first) and its bounds, and the point's size under the expand icon.
#include "ActionPicture.h"
#include "SentOutline.h"
#include "ShapeHarness.h"
#include "TestLogCapture.h"

#include "shapes/TQShapeFactory.h"
#include "shapes/TQShapeGeneric.h"
#include "shapes/TQShapePoint.h"
#include "shapes/TQVertex.h"

#include <QtTest>

#include <cmath>

namespace {

TQShapeParams edges(int count)
{
    TQShapeParams params;
    params.edgeCount = count;
    return params;
}

// Anti-aliased lines: the pixel or one of its neighbours is painted.
bool paintedNear(const QImage &image, QPoint at)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.pixel(at.x() + dx, at.y() + dy) != qRgb(255, 255, 255))
                return true;
        }
    }
    return false;
}

std::vector<int> circleValues(const TQDrawActionDrawCircle *c)
{
    return {c->centreX, c->centreY, c->radius, c->startAngle, c->endAngle, c->filled ? 1 : 0};
}

} // namespace

class TestShapeAnglePolygon : public QObject
{
    Q_OBJECT

private slots:
    void polygonCorners_data();
    void polygonCorners();
    void polygonCornerDragAndPace();
    void angleArmsAndArc();
    void angleArcDirection_data();
    void angleArcDirection();
    void angleBoundsHoldTheBisector();
    void pointDot();
    void pointResize_data();
    void pointResize();
};

void TestShapeAnglePolygon::polygonCorners_data()
{
    QTest::addColumn<int>("edgeCount");
    QTest::addColumn<int>("corners");
    QTest::addColumn<QPolygonF>("first");
    QTest::addColumn<QRectF>("extent");
    QTest::addColumn<QPointF>("anchor");

    const QPolygonF pentagon =
        poly({{440, 270}, {560, 270}, {597.08, 384.13}, {500, 454.66}, {402.92, 384.13}});
    const QRectF pentagonExtent(QPointF(402.92, 270), QPointF(597.08, 454.66));
    const QPointF pentagonCentre(500, 352.58);
    QTest::newRow("5") << 5 << 5 << pentagon << pentagonExtent << pentagonCentre;
    QTest::newRow("16") << 16 << 16 << poly({{473, 160}, {527, 160}})
                        << QRectF(QPointF(364.26, 160), QPointF(635.74, 431.48)) << QPointF(500, 295.74);
    // Side 150 - 6n, top side 10n above the middle.
    QTest::newRow("8") << 8 << 8 << poly({{449, 240}, {551, 240}})
                       << QRectF(QPointF(376.875, 240), QPointF(623.125, 486.25)) << QPointF(500, 363.125);
    for (int count : {4, 17, 0, -3})
        QTest::addRow("%d gives a pentagon", count) << count << 5 << pentagon << pentagonExtent << pentagonCentre;
}

void TestShapeAnglePolygon::polygonCorners()
{
    QFETCH(int, edgeCount);
    QFETCH(int, corners);
    QFETCH(QPolygonF, first);
    QFETCH(QRectF, extent);
    QFETCH(QPointF, anchor);
    ShapeHarness h;
    h.install(createShape(2314, edges(edgeCount)));
    TQShapeGeneric *shape = h.shape();

    QCOMPARE(shape->params.edgeCount, corners);
    const QPolygonF points = controlPolygon(h);
    QCOMPARE(points.size(), corners);
    COMPARE_POINTS(points.mid(0, first.size()), first, 0.01);
    const QRectF box = points.boundingRect();
    COMPARE_POINTS(poly({box.topLeft(), box.bottomRight()}), poly({extent.topLeft(), extent.bottomRight()}), 0.01);
    COMPARE_POINTS(poly({{shape->anchor.x, shape->anchor.y}}), poly({anchor}), 0.01);
    for (const TQVertex *v : shape->vertices)
        QVERIFY(v->enabled);
    // All sides equal.
    for (int i = 0; i < corners; ++i) {
        const QPointF side = points[(i + 1) % corners] - points[i];
        QVERIFY(std::fabs(std::hypot(side.x(), side.y()) - (150 - 6 * corners)) < 0.01);
    }
    // Sent as one closed line through every corner.
    const std::vector<QPolygonF> lines = sentPolylines(h);
    QCOMPARE(lines.size(), size_t(1));
    QCOMPARE(lines[0].size(), corners + 1);
    QCOMPARE(lines[0].front(), lines[0].back());
}

void TestShapeAnglePolygon::polygonCornerDragAndPace()
{
    ShapeHarness h;
    h.install(createShape(2314, edges(6)));
    h.shape()->fill = 1;
    const QPolygonF before = controlPolygon(h);
    h.clearSent();

    h.touch(before[3], 0);
    h.clock.advance(400);
    h.touch(before[3] + QPointF(40, 30), 1);
    // Drawn locally, not yet sent: the polygon goes out every 500 ms.
    QCOMPARE(h.sentCodes(), std::vector<int>{});
    h.clock.advance(101);
    h.touch(before[3] + QPointF(50, 40), 1);
    QCOMPARE(h.sentCodes(), (std::vector<int>{3, 0}));
    h.touch(before[3] + QPointF(50, 40), 2);

    QPolygonF expected = before;
    expected[3] += QPointF(50, 40);
    COMPARE_POINTS(controlPolygon(h), expected, 0.001);
    const auto lines = h.board.sent<TQDrawingActionLine>(0);
    QCOMPARE(lines.back()->alphaFlag, 1);
}

void TestShapeAnglePolygon::angleArmsAndArc()
{
    TestLogCapture log;
    ShapeHarness h;
    h.board.manager.setBrush(TQBrushStyle(1, 104, 3, 0));
    h.install(createShape(2205, TQShapeParams()));
    TQShapeGeneric *shape = h.shape();
    QVERIFY(shape);

    COMPARE_POINTS(controlPolygon(h), poly({{333.333, 320}, {571.429, 213.333}, {666.667, 320}}), 0.001);
    QVERIFY(!shape->vertices[0]->enabled && shape->vertices[1]->enabled && shape->vertices[2]->enabled);
    QCOMPARE(shape->anchor.x, shape->vertices[0]->position.x);
    QVERIFY(!shape->isFillable() && shape->hasLineType() && shape->rotatable && !shape->resizable);

    shape->fill = 1;
    shape->brush.colour = 105;
    h.clearSent();
    shape->draw(&h.board.manager, true, false);
    h.board.drain();

    // The arms, from the second arm's end through the vertex, never filled...
    QCOMPARE(h.sentCodes(), (std::vector<int>{3, 0, 1}));
    COMPARE_POINTS(sentPolylines(h)[0], poly({{666.667, 320}, {333.333, 320}, {571.429, 213.333}}), 0.26);
    const auto arms = h.board.sent<TQDrawingActionLine>(0).front();
    QCOMPARE(arms->alphaFlag, 0);
    QCOMPARE(arms->brush.colour, 105);
    // ... then the arc of radius 60 from the second arm (0) to the first
    // (-0.421189), in the pen's colour.
    const auto arc = h.board.sent<TQDrawActionDrawCircle>(1).front();
    QCOMPARE(circleValues(arc), (std::vector<int>{1333, 1280, 240, 0, -4211, 0}));
    QCOMPARE(arc->brush, TQBrushStyle(1, 104, 3, 0));
    QVERIFY(log.messages().filter(QStringLiteral("queueDrawCircle angleByTwoOne:-0.421189 angleByThreeOne:0"))
                .size()
            >= 1);
    // On the board the arc marks the opening between the arms, not the
    // reflex angle outside it.
    const QImage students = renderActions(h.board.services.sentActions, QSize(1000, 640));
    QVERIFY(paintedNear(students, QPoint(392, 307)));
    QVERIFY(!paintedNear(students, QPoint(273, 320)));
}

void TestShapeAnglePolygon::angleArcDirection_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");

    QTest::newRow("first arm across the second: the opening's sign turns")
        << 1 << QPointF(571.429, 426.667) << 0 << 4211;
    QTest::newRow("second arm straight down") << 2 << QPointF(333.333, 520) << 15707 << -4211;
    QTest::newRow("first arm straight left") << 1 << QPointF(133.333, 320) << 0 << 31415;
}

void TestShapeAnglePolygon::angleArcDirection()
{
    QFETCH(int, point);
    QFETCH(QPointF, to);
    QFETCH(int, start);
    QFETCH(int, end);
    ShapeHarness h;
    h.install(createShape(2205, TQShapeParams()));
    h.clearSent();

    h.drag({h.controlPoints()[size_t(point)], to}, 150);

    const auto arc = h.board.sent<TQDrawActionDrawCircle>(1).back();
    QCOMPARE(arc->startAngle, start);
    QCOMPARE(arc->endAngle, end);
    QCOMPARE(arc->radius, 240);
}

void TestShapeAnglePolygon::angleBoundsHoldTheBisector()
{
    ShapeHarness h;
    h.install(createShape(2205, TQShapeParams()));
    QCOMPARE(h.shape()->bounds, QRect(273, 153, 453, 227));

    // A right angle opening upwards: the second arm's end turned by half of
    // it, back towards the first, reaches (569.04, 84.30), above both arms.
    h.drag({h.controlPoints()[1], QPointF(333.333, 100)}, 150);

    QCOMPARE(h.shape()->bounds, QRect(273, 24, 453, 356));
    QCOMPARE(h.shape()->rotationHandle.y, 30.f);
}

void TestShapeAnglePolygon::pointDot()
{
    ShapeHarness h;
    h.install(createShape(2200, TQShapeParams()));
    auto *point = dynamic_cast<TQShapePoint *>(h.shape());
    QVERIFY(point);

    QCOMPARE(h.controlPoints(), std::vector<QPointF>{QPointF(500, 320)});
    QVERIFY(!point->vertices[0]->enabled);
    QVERIFY(!point->rotatable && point->resizable && !point->isFillable() && !point->hasLineType());
    QCOMPARE(point->referenceSize, 213);
    QCOMPARE(point->pointSize, 213);
    // A square of side 213 about the centre, right and bottom edges included.
    QCOMPARE(point->bounds, QRect(QPoint(393, 213), QPoint(606, 426)));
    QCOMPARE(h.sentCodes(), std::vector<int>{1});
    QCOMPARE(circleValues(h.board.sent<TQDrawActionDrawCircle>(1).front()),
             (std::vector<int>{2000, 1280, 80, 0, 62831, 1}));
}

void TestShapeAnglePolygon::pointResize_data()
{
    QTest::addColumn<QPolygonF>("drag");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("radius");
    QTest::addColumn<QPointF>("centre");

    // From the expand icon at (576, 396): half the horizontal drag.
    QTest::newRow("100 right") << poly({{0, 0}, {100, 0}}) << 263 << 121 << QPointF(550, 370);
    QTest::newRow("vertical only: nothing") << poly({{0, 0}, {0, 120}}) << 213 << 80 << QPointF(500, 320);
    QTest::newRow("down to the smallest size") << poly({{0, 0}, {-386, 0}}) << 20 << 0 << QPointF(307, 127);
    QTest::newRow("below the smallest size: the last accepted size stays")
        << poly({{0, 0}, {-100, 0}, {-390, 0}}) << 163 << 46 << QPointF(450, 270);
}

void TestShapeAnglePolygon::pointResize()
{
    QFETCH(QPolygonF, drag);
    QFETCH(int, size);
    QFETCH(int, radius);
    QFETCH(QPointF, centre);
    ShapeHarness h;
    h.install(createShape(2200, TQShapeParams()));
    std::vector<QPointF> path;
    for (const QPointF &d : drag)
        path.push_back(QPointF(576, 396) + d);

    h.drag(path, 150);

    QCOMPARE(h.shape()->mode, int(TQShapeGeneric::ExpandIcon));
    QCOMPARE(h.shape()->pointSize, size);
    QCOMPARE(h.controlPoints().front(), centre);
    QCOMPARE(h.board.sent<TQDrawActionDrawCircle>(1).back()->radius, radius);
}

QTEST_MAIN(TestShapeAnglePolygon)
#include "tst_shapeanglepolygon.moc"
