// The point geometry of the teaching shapes and their control points: view to
// canvas conversion, turning, angles, the enclosed-corner test and the hit
// radius, as tables of points and their expected results.
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQPointWF.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

#include <QtTest>

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

// Table cells hold QPointF (TQPointWF has no default constructor).
TQPointWF wf(QPointF p)
{
    return TQPointWF(float(p.x()), float(p.y()));
}

} // namespace


class TestShapePoints : public QObject
{
    Q_OBJECT

private slots:
    void toCanvas_data();
    void toCanvas();
    void rotatePointAround_data();
    void rotatePointAround();
    void angleAtVertex_data();
    void angleAtVertex();
    void enclosedCorner_data();
    void enclosedCorner();
    void vertexHitTest_data();
    void vertexHitTest();
    void vertexTurnsFromItsPressPosition();
    void quarterUnitList();
};

void TestShapePoints::toCanvas_data()
{
    QTest::addColumn<QPointF>("pointCell");
    QTest::addColumn<float>("dx");
    QTest::addColumn<float>("dy");
    QTest::addColumn<float>("scale");
    QTest::addColumn<float>("fromWidth");
    QTest::addColumn<float>("toWidth");
    QTest::addColumn<QPointF>("expected");

    QTest::newRow("identity") << QPointF(10, 20) << 0.f << 0.f << 1.f << 1000.f << 1000.f << QPointF(10, 20);
    QTest::newRow("offset then zoom") << QPointF(10, 20) << 5.f << -4.f << 0.5f << 1000.f << 1000.f
                                      << QPointF(7.5f, 8);
    QTest::newRow("scale 0.005 ignores the offset too")
        << QPointF(10, 20) << 30.f << 40.f << 0.005f << 1000.f << 1000.f << QPointF(10, 20);
    QTest::newRow("both axes take the width ratio")
        << QPointF(10, 20) << 0.f << 0.f << 1.f << 1000.f << 2000.f << QPointF(20, 40);
    QTest::newRow("from width 0 unchanged") << QPointF(10, 20) << 0.f << 0.f << 1.f << 0.f << 2000.f
                                            << QPointF(10, 20);
    QTest::newRow("from width 0.009 unchanged") << QPointF(10, 20) << 0.f << 0.f << 1.f << 0.009f << 2000.f
                                                << QPointF(10, 20);
    QTest::newRow("offset, zoom 2 and a wider canvas")
        << QPointF(100, 50) << 20.f << 0.f << 0.5f << 500.f << 1000.f << QPointF(120, 50);
}

void TestShapePoints::toCanvas()
{
    QFETCH(QPointF, pointCell);
    TQPointWF point = wf(pointCell);
    QFETCH(float, dx);
    QFETCH(float, dy);
    QFETCH(float, scale);
    QFETCH(float, fromWidth);
    QFETCH(float, toWidth);
    QFETCH(QPointF, expected);
    point.time = 77;
    point.phase = 1;

    const TQPointWF canvas = point.toCanvas(dx, dy, scale, fromWidth, toWidth);

    QCOMPARE(canvas.x, float(expected.x()));
    QCOMPARE(canvas.y, float(expected.y()));
    // The stroke fields travel with the point.
    QCOMPARE(canvas.time, qint64(77));
    QCOMPARE(canvas.phase, 1);
}

void TestShapePoints::rotatePointAround_data()
{
    QTest::addColumn<QPointF>("pointCell");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("angle");
    QTest::addColumn<QPointF>("expected");

    QTest::newRow("quarter turn clockwise on screen") << QPointF(10, 0) << QPointF(0, 0) << kPi / 2
                                                      << QPointF(0, 10);
    QTest::newRow("half turn about a centre") << QPointF(110, 50) << QPointF(100, 50) << kPi
                                              << QPointF(90, 50);
    QTest::newRow("quarter turn back") << QPointF(100, 40) << QPointF(100, 50) << -kPi / 2
                                       << QPointF(90, 50);
    QTest::newRow("the centre stays") << QPointF(3, 4) << QPointF(3, 4) << 1.0 << QPointF(3, 4);
}

void TestShapePoints::rotatePointAround()
{
    QFETCH(QPointF, pointCell);
    TQPointWF point = wf(pointCell);
    QFETCH(QPointF, centre);
    QFETCH(double, angle);
    QFETCH(QPointF, expected);

    const TQPointWF turned = ::rotatePointAround(point, wf(centre), angle);

    QVERIFY2(std::fabs(turned.x - expected.x()) < 1e-4, qPrintable(QString::number(turned.x)));
    QVERIFY2(std::fabs(turned.y - expected.y()) < 1e-4, qPrintable(QString::number(turned.y)));
}

void TestShapePoints::angleAtVertex_data()
{
    QTest::addColumn<QPointF>("p");
    QTest::addColumn<QPointF>("v");
    QTest::addColumn<QPointF>("q");
    QTest::addColumn<double>("expected");

    QTest::newRow("right angle") << QPointF(10, 0) << QPointF(0, 0) << QPointF(0, 10) << kPi / 2;
    QTest::newRow("straight") << QPointF(-5, 0) << QPointF(0, 0) << QPointF(7, 0) << kPi;
    QTest::newRow("same direction") << QPointF(5, 5) << QPointF(0, 0) << QPointF(7, 7) << 0.0;
    QTest::newRow("v on p") << QPointF(3, 4) << QPointF(3, 4) << QPointF(9, 9) << kPi;
    QTest::newRow("v on q") << QPointF(1, 4) << QPointF(9, 9) << QPointF(9, 9) << kPi;
    // Points in one line whose cosine rounds to just above 1 or below -1,
    // where acos has no value.
    QTest::newRow("cosine rounds above 1")
        << QPointF(99.13969421386719f, 17.844282150268555f) << QPointF(59.05839538574219f, 21.759033203125f)
        << QPointF(139.2209930419922f, 13.92953109741211f) << 0.0;
    QTest::newRow("cosine rounds below -1")
        << QPointF(33.98427963256836f, 54.12952423095703f) << QPointF(37.05226516723633f, 73.27658081054688f)
        << QPointF(43.188236236572266f, 111.57069396972656f) << kPi;
}

void TestShapePoints::angleAtVertex()
{
    QFETCH(QPointF, p);
    QFETCH(QPointF, v);
    QFETCH(QPointF, q);
    QFETCH(double, expected);

    const double angle = ::angleAtVertex(wf(p), wf(v), wf(q));

    QVERIFY2(std::isfinite(angle), "no angle");
    QVERIFY2(std::fabs(angle - expected) < 1e-6, qPrintable(QString::number(angle, 'g', 17)));
}

void TestShapePoints::enclosedCorner_data()
{
    QTest::addColumn<QPointF>("a");
    QTest::addColumn<QPointF>("b");
    QTest::addColumn<QPointF>("c");
    QTest::addColumn<QPointF>("d");
    QTest::addColumn<bool>("notEnclosed");

    const QPointF a(0, 0);
    const QPointF b(100, 0);
    QTest::newRow("c inside a, b, d") << a << b << QPointF(50, 20) << QPointF(50, 80) << false;
    QTest::newRow("d inside a, b, c") << a << b << QPointF(40, 90) << QPointF(45, 10) << false;
    QTest::newRow("convex") << a << b << QPointF(100, 80) << QPointF(0, 80) << true;
    QTest::newRow("opposite sides") << a << b << QPointF(50, 30) << QPointF(50, -30) << true;
    QTest::newRow("c within 0.1 of a") << a << b << QPointF(0.05f, 0.05f) << QPointF(50, 80) << true;
    QTest::newRow("c on b") << a << b << QPointF(100, 0) << QPointF(50, 80) << true;
    QTest::newRow("c on d") << a << b << QPointF(50, 20) << QPointF(50.05f, 20) << true;
    QTest::newRow("a on b") << a << QPointF(0.09f, 0) << QPointF(50, 20) << QPointF(50, 80) << true;
}

void TestShapePoints::enclosedCorner()
{
    QFETCH(QPointF, a);
    QFETCH(QPointF, b);
    QFETCH(QPointF, c);
    QFETCH(QPointF, d);
    QFETCH(bool, notEnclosed);

    QCOMPARE(isNotEnclosedCorner(wf(a), wf(b), wf(c), wf(d)), notEnclosed);
}

void TestShapePoints::vertexHitTest_data()
{
    QTest::addColumn<int>("boardWidth");
    QTest::addColumn<float>("distance");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("hit");

    QTest::newRow("33.3 on a 1000 board") << 1000 << 33.3f << true << true;
    QTest::newRow("33.4 on a 1000 board") << 1000 << 33.4f << true << false;
    QTest::newRow("disabled") << 1000 << 0.f << false << false;
    QTest::newRow("49.9 on a 1500 board") << 1500 << 49.9f << true << true;
}

void TestShapePoints::vertexHitTest()
{
    QFETCH(int, boardWidth);
    QFETCH(float, distance);
    QFETCH(bool, enabled);
    QFETCH(bool, hit);
    setBoardSize(boardWidth, 640);
    const TQVertex vertex(TQPointWF(200, 100), enabled);
    setBoardSize(1000, 640);

    if (boardWidth == 1000)
        QCOMPARE(vertex.hitRadius, 33.333332f);
    QCOMPARE(vertex.hitTest(TQPointWF(200, 100 + distance)), hit);
    QCOMPARE(vertex.hitTest(TQPointWF(200 - distance, 100)), hit);
}

void TestShapePoints::vertexTurnsFromItsPressPosition()
{
    TQVertex vertex(TQPointWF(110, 50));
    vertex.position = TQPointWF(500, 500);

    // Turning twice by the same angle is no double turn: both start at the press.
    vertex.rotateFromPress(kPi / 2, TQPointWF(100, 50));
    vertex.rotateFromPress(kPi / 2, TQPointWF(100, 50));

    QVERIFY(std::fabs(vertex.position.x - 100) < 1e-4f);
    QVERIFY(std::fabs(vertex.position.y - 60) < 1e-4f);
    QCOMPARE(vertex.pressPosition.x, 110.f);
}

void TestShapePoints::quarterUnitList()
{
    const std::vector<TQPointW> list = toPointWList({TQPointWF(1.3f, 2.6f), TQPointWF(-1.3f, 250.01f)});

    QCOMPARE(int(list.size()), 2);
    QCOMPARE(list[0].x, 5);
    QCOMPARE(list[0].y, 10);
    // Truncated toward zero.
    QCOMPARE(list[1].x, -5);
    QCOMPARE(list[1].y, 1000);
}

QTEST_GUILESS_MAIN(TestShapePoints)
#include "tst_shapepoints.moc"
