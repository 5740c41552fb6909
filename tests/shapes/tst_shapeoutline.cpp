// A shape's outline as the draw manager receives it: view points and lengths
// in canvas quarter units, arcs in 1/10000 radian, the carried style; and an
// outline with any undefined or unrepresentable value queues nothing.
#include "../modules/live/draws/DrawManagerFixture.h"

#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "shapes/TQShapeOutline.h"

#include <QtTest>

#include <cmath>
#include <limits>

class TestShapeOutline : public QObject
{
    Q_OBJECT

private slots:
    void linesAndArcs();
    void undefinedValues_data();
    void undefinedValues();
};

void TestShapeOutline::linesAndArcs()
{
    DrawManagerFixture f;
    TQShapeOutline outline(TQBrushStyle(0, 105, 3, 0), 1);
    outline.addLine({{10.3f, 20.9f}, {30, 40}, {10.3f, 20.9f}}, true);
    outline.addArc({100, 50}, 20, 0, 3.141592653589793 / 2, false);
    outline.brush.type = 100;
    outline.addLine({{1, 1}, {2, 2}}, false, false);
    outline.addCircle({200, 100}, 12.5f, true);

    QVERIFY(outline.convert(f.manager));
    outline.queue(&f.manager, true, 10001);
    f.drain();

    // In the order added.
    QCOMPARE(f.sentCodes(), (std::vector<int>{0, 1, 0, 1}));
    const auto lines = f.sent<TQDrawingActionLine>(0);
    QCOMPARE(lines[0]->points[0], TQPointW(41, 83));
    QCOMPARE(lines[0]->alphaFlag, 1);
    QVERIFY(lines[0]->straight);
    QCOMPARE(lines[0]->brush, TQBrushStyle(0, 105, 3, 0));
    QCOMPARE(lines[1]->alphaFlag, 0);
    QVERIFY(!lines[1]->straight);
    QCOMPARE(lines[1]->brush.type, 100);
    const auto arcs = f.sent<TQDrawActionDrawCircle>(1);
    QCOMPARE((std::vector<int>{arcs[0]->centreX, arcs[0]->centreY, arcs[0]->radius, arcs[0]->startAngle,
                               arcs[0]->endAngle}),
             (std::vector<int>{400, 200, 80, 0, 15707}));
    QCOMPARE((std::vector<int>{arcs[1]->radius, arcs[1]->startAngle, arcs[1]->endAngle}),
             (std::vector<int>{50, 0, 62831}));
    QVERIFY(arcs[1]->filled);
    QCOMPARE(arcs[1]->canvasWidth, 4000);
    QCOMPARE(arcs[1]->senderId, 10001);
}

void TestShapeOutline::undefinedValues_data()
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("radius");
    QTest::addColumn<double>("endAngle");

    QTest::newRow("NaN point") << nan << 10.f << 1.0;
    QTest::newRow("infinite point") << -inf << 10.f << 1.0;
    QTest::newRow("point beyond the int range") << 6e8f << 10.f << 1.0;
    QTest::newRow("NaN radius") << 5.f << nan << 1.0;
    QTest::newRow("NaN angle") << 5.f << 10.f << double(nan);
}

void TestShapeOutline::undefinedValues()
{
    QFETCH(float, x);
    QFETCH(float, radius);
    QFETCH(double, endAngle);
    DrawManagerFixture f;
    TQShapeOutline outline(TQBrushStyle(), 0);
    outline.addLine({{1, 1}, {2, 2}});
    outline.addLine({{1, 1}, {x, 2}});
    outline.addArc({50, 50}, radius, 0, endAngle, false);

    QVERIFY(!outline.convert(f.manager));
    QVERIFY(outline.canvasLines().empty());
    outline.queue(&f.manager, true, 10001);
    f.drain();
    QVERIFY(f.services.sentActions.empty());
}

QTEST_MAIN(TestShapeOutline)
#include "tst_shapeoutline.moc"
