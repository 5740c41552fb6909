// The open figures (lines, arrows, filled arrows, brackets, braces, curve)
// made by the factory on the real draw manager of a 1000 x 640 board: where
// their control points start, the line and circle actions the students
// receive (points back in board pixels), and their drag rules.
#include "SentOutline.h"
#include "ShapeHarness.h"

#include "shapes/TQShapeFactory.h"
#include "shapes/TQShapeGeneric.h"
#include "shapes/TQVertex.h"

#include <QtTest>

#include <memory>

namespace {

using Lines = std::vector<QPolygonF>;

constexpr float kUpper = 1280.0f / 6; // 2H/6 on a board 640 high

} // namespace

Q_DECLARE_METATYPE(Lines)

class TestShapeLines : public QObject
{
    Q_OBJECT

private slots:
    void initialPoints_data();
    void initialPoints();
    void outline_data();
    void outline();
    void dottedLineKeepsTheShapesBrush();
    void segmentTicks_data();
    void segmentTicks();
    void fillArrowSize_data();
    void fillArrowSize();
    void verticalDragOnly_data();
    void verticalDragOnly();
    void curveKeepsItsPointsApart_data();
    void curveKeepsItsPointsApart();
    void braceWithCoincidentEndsKeepsItsLastOutline();
    void oneControlPointDrawsNothing();
};

void TestShapeLines::initialPoints_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPolygonF>("points");
    QTest::addColumn<QPointF>("anchor");

    for (int code = 2201; code <= 2204; ++code)
        QTest::addRow("line %d", code) << code << poly({{250, 160}, {750, 480}}) << QPointF(500, 320);
    for (int code : {1000, 1001, 1004})
        QTest::addRow("arrow %d", code) << code << poly({{250, 160}, {500, 160}}) << QPointF(375, 160);
    for (int code : {1002, 1003})
        QTest::addRow("arrow %d", code) << code << poly({{500, 160}, {500, 320}}) << QPointF(500, 240);
    QTest::newRow("filled arrow 1010") << 1010 << poly({{500, kUpper}, {500, 320}}) << QPointF(500, 266.667);
    QTest::newRow("filled arrow 1011") << 1011 << poly({{500, 320}, {500, kUpper}}) << QPointF(500, 266.667);
    QTest::newRow("filled arrow 1012") << 1012 << poly({{333.333, 160}, {500, 160}}) << QPointF(416.667, 160);
    QTest::newRow("filled arrow 1013") << 1013 << poly({{500, 160}, {333.333, 160}}) << QPointF(416.667, 160);
    QTest::newRow("filled arrow 1014") << 1014 << poly({{500, kUpper}, {500, 320}}) << QPointF(500, 266.667);
    QTest::newRow("filled arrow 1015") << 1015 << poly({{500, kUpper}, {666.667, 320}})
                                       << QPointF(583.333, 266.667);
    QTest::newRow("filled arrow 1016") << 1016 << poly({{500, kUpper}, {333.333, 320}})
                                       << QPointF(416.667, 266.667);
    // int(H/3) + 100 = 313 below the float H/3.
    for (int code : {1005, 1007, 1008})
        QTest::addRow("bracket %d", code) << code << poly({{500, 213.333}, {500, 313}}) << QPointF(500, 263.167);
    QTest::newRow("brace 1006") << 1006 << poly({{500, 313}, {500, 213.333}}) << QPointF(500, 263.167);
    QTest::newRow("curve") << 1009 << poly({{375, 240}, {437.5, 360}, {625, 400}}) << QPointF(479.167, 333.333);
}

void TestShapeLines::initialPoints()
{
    QFETCH(int, code);
    QFETCH(QPolygonF, points);
    QFETCH(QPointF, anchor);
    ShapeHarness h;
    h.install(createShape(code, TQShapeParams()));
    TQShapeGeneric *shape = h.shape();
    QVERIFY(shape);

    COMPARE_POINTS(controlPolygon(h), points, 0.001);
    for (const TQVertex *v : shape->vertices)
        QVERIFY(v->enabled);
    COMPARE_POINTS(poly({{shape->anchor.x, shape->anchor.y}}), poly({anchor}), 0.001);
    QVERIFY(shape->rotatable && !shape->resizable && !shape->copyable && shape->showStyleButtons);
    QVERIFY(!shape->isFillable());
}

void TestShapeLines::outline_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<std::vector<int>>("fills");
    QTest::addColumn<bool>("straight");

    const QPolygonF line = poly({{250, 160}, {750, 480}});
    QTest::newRow("line") << 2201 << Lines{line} << std::vector<int>{0} << true;
    // Ticks 32 long, across the ends.
    QTest::newRow("segment") << 2203
                             << Lines{line, poly({{241.375, 173.476}, {258.625, 146.524}}),
                                      poly({{758.625, 466.524}, {741.375, 493.476}})}
                             << std::vector<int>{0, 0, 0} << true;
    const QPolygonF shaft = poly({{250, 160}, {500, 160}});
    const QPolygonF headAt0 = poly({{250, 160}, {256, 154}, {256, 166}, {250, 160}});
    const QPolygonF headAt1 = poly({{500, 160}, {494, 154}, {494, 166}, {500, 160}});
    QTest::newRow("arrow 1000") << 1000 << Lines{shaft, headAt0} << std::vector<int>{0, 1} << true;
    QTest::newRow("arrow 1001") << 1001 << Lines{shaft, headAt1} << std::vector<int>{0, 1} << true;
    QTest::newRow("arrow 1004: shaft and both heads")
        << 1004 << Lines{shaft, headAt0, headAt1} << std::vector<int>{0, 1, 1} << true;
    const QPolygonF upright = poly({{500, 160}, {500, 320}});
    QTest::newRow("arrow 1002") << 1002 << Lines{upright, poly({{500, 160}, {506, 166}, {494, 166}, {500, 160}})}
                                << std::vector<int>{0, 1} << true;
    QTest::newRow("arrow 1003") << 1003 << Lines{upright, poly({{500, 320}, {506, 314}, {494, 314}, {500, 320}})}
                                << std::vector<int>{0, 1} << true;
    // Tail left, tail right, right barb inner and outer, tip, left barb
    // outer and inner, tail left.
    QTest::newRow("filled arrow 1010, tip up")
        << 1010
        << Lines{poly({{496, 320}, {504, 320}, {504, 229.333}, {511.5, 229.333}, {500, 213.333}, {488.5, 229.333},
                       {496, 229.333}, {496, 320}})}
        << std::vector<int>{1} << true;
    QTest::newRow("filled arrow 1011, tip down")
        << 1011
        << Lines{poly({{504, 213.333}, {496, 213.333}, {496, 304}, {488.5, 304}, {500, 320}, {511.5, 304},
                       {504, 304}, {504, 213.333}})}
        << std::vector<int>{1} << true;
    QTest::newRow("filled arrow 1012, tip left")
        << 1012
        << Lines{poly({{500, 164}, {500, 156}, {349.333, 156}, {349.333, 148.5}, {333.333, 160}, {349.333, 171.5},
                       {349.333, 164}, {500, 164}})}
        << std::vector<int>{1} << true;
    QTest::newRow("filled arrow 1013, tip right")
        << 1013
        << Lines{poly({{333.333, 156}, {333.333, 164}, {484, 164}, {484, 171.5}, {500, 160}, {484, 148.5},
                       {484, 156}, {333.333, 156}})}
        << std::vector<int>{1} << true;
    const QPolygonF spine = poly({{500, 213.333}, {500, 313}});
    QTest::newRow("bracket 1007 opens right")
        << 1007 << Lines{spine, poly({{500, 213.333}, {508, 213.333}}), poly({{500, 313}, {508, 313}})}
        << std::vector<int>{0, 0, 0} << true;
    QTest::newRow("bracket 1008 opens left")
        << 1008 << Lines{spine, poly({{500, 213.333}, {492, 213.333}}), poly({{500, 313}, {492, 313}})}
        << std::vector<int>{0, 0, 0} << true;
    // F, G, H, O, P, N, R, Q, L, K, J, J.
    QTest::newRow("brace 1005, nub to the left")
        << 1005
        << Lines{poly({{506, 225.333}, {500, 225.333}, {500, 231.333}, {500, 257.167}, {497, 261.667},
                       {494, 263.167}, {497, 264.667}, {500, 269.167}, {500, 295}, {500, 301}, {506, 301},
                       {506, 301}})}
        << std::vector<int>{0} << false;
    QTest::newRow("brace 1006, mirrored")
        << 1006
        << Lines{poly({{494, 301}, {500, 301}, {500, 295}, {500, 269.167}, {503, 264.667}, {506, 263.167},
                       {503, 261.667}, {500, 257.167}, {500, 231.333}, {500, 225.333}, {494, 225.333},
                       {494, 225.333}})}
        << std::vector<int>{0} << false;
    QTest::newRow("curve") << 1009 << Lines{poly({{375, 240}, {437.5, 360}, {625, 400}, {625, 400}})}
                           << std::vector<int>{0} << false;
}

void TestShapeLines::outline()
{
    QFETCH(int, code);
    QFETCH(Lines, lines);
    QFETCH(std::vector<int>, fills);
    QFETCH(bool, straight);
    ShapeHarness h;
    h.install(createShape(code, TQShapeParams()));
    // The shape's fill never reaches these figures.
    h.shape()->fill = 1;
    h.clearSent();

    h.shape()->draw(&h.board.manager, true, false);
    h.board.drain();

    const Lines sent = sentPolylines(h);
    QCOMPARE(sent.size(), lines.size());
    const auto actions = h.board.sent<TQDrawingActionLine>(0);
    for (size_t i = 0; i < lines.size(); ++i) {
        COMPARE_POINTS(sent[i], lines[i], 0.3);
        QCOMPARE(actions[i]->alphaFlag, fills[i]);
        QCOMPARE(actions[i]->straight, straight);
        QCOMPARE(actions[i]->brush, h.shape()->brush);
    }
    QVERIFY(h.board.sent<TQDrawActionDrawCircle>(1).empty());
}

void TestShapeLines::dottedLineKeepsTheShapesBrush()
{
    ShapeHarness h;
    h.install(createShape(2202, TQShapeParams()));
    const auto first = h.board.sent<TQDrawingActionLine>(0);
    QCOMPARE(first.size(), size_t(1));
    QCOMPARE(first[0]->brush.type, 0);
    QCOMPARE(h.shape()->brush.type, 1);
    QVERIFY(!h.shape()->hasLineType());

    // The directional line: a dot of radius 3 at its start, and a line type.
    ShapeHarness ray;
    ray.install(createShape(2204, TQShapeParams()));
    QVERIFY(ray.shape()->hasLineType());
    QCOMPARE(ray.sentCodes(), (std::vector<int>{0, 1}));
    const auto dot = ray.board.sent<TQDrawActionDrawCircle>(1).front();
    QCOMPARE((std::vector<int>{dot->centreX, dot->centreY, dot->radius, dot->startAngle, dot->endAngle}),
             (std::vector<int>{1000, 640, 12, 0, 62831}));
    QVERIFY(dot->filled);
}

void TestShapeLines::segmentTicks_data()
{
    QTest::addColumn<QPointF>("end");
    QTest::addColumn<int>("lineActions");

    QTest::newRow("ends on one spot: no direction, no ticks") << QPointF(250, 160) << 1;
    QTest::newRow("ends 0.7 apart: no ticks") << QPointF(250.5, 160.5) << 1;
    QTest::newRow("ends 1.5 apart: ticks") << QPointF(251.5, 160) << 3;
}

void TestShapeLines::segmentTicks()
{
    QFETCH(QPointF, end);
    QFETCH(int, lineActions);
    ShapeHarness h;
    h.install(createShape(2203, TQShapeParams()));
    h.clearSent();

    h.drag({QPointF(750, 480), end}, 200);

    QCOMPARE(h.controlPoints()[1], end);
    const Lines sent = sentPolylines(h);
    QCOMPARE(int(sent.size()), 2 * lineActions);
    for (const QPolygonF &line : sent) {
        for (const QPointF &p : line)
            QVERIFY(std::fabs(p.x() - 250) < 20 && std::fabs(p.y() - 160) < 20);
    }
}

void TestShapeLines::fillArrowSize_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("shaftHalf");
    QTest::addColumn<double>("headBase");
    QTest::addColumn<double>("tailHalf");

    // Width n = length / 38 + 2, at most 15; head base 4.125 n / 2 behind the tip.
    QTest::newRow("1014 at 100") << 1014 << 100.0 << 4.631579 / 2 << 9.552632 << 1.0;
    QTest::newRow("1014 at 300") << 1014 << 300.0 << 9.894737 / 2 << 20.407895 << 1.0;
    QTest::newRow("1014 at 494: at the limit") << 1014 << 494.0 << 7.5 << 30.9375 << 1.0;
    QTest::newRow("1014 at 499: held at the limit") << 1014 << 499.0 << 7.5 << 30.9375 << 1.0;
    QTest::newRow("1010 at 100: fixed size") << 1010 << 100.0 << 4.0 << 16.0 << 4.0;
    QTest::newRow("1010 at 400: fixed size") << 1010 << 400.0 << 4.0 << 16.0 << 4.0;
}

void TestShapeLines::fillArrowSize()
{
    QFETCH(int, code);
    QFETCH(double, length);
    QFETCH(double, shaftHalf);
    QFETCH(double, headBase);
    QFETCH(double, tailHalf);
    ShapeHarness h;
    h.install(createShape(code, TQShapeParams()));
    const QPointF d = h.controlPoints()[0];
    h.clearSent();

    // The tail dragged to the left of the tip: an arrow pointing right, its
    // upright build turned a quarter clockwise.
    const QPointF e(d.x() - length, d.y());
    h.drag({h.controlPoints()[1], e}, 200);

    const double x = d.x() - headBase;
    const QPolygonF expected = poly({{e.x(), e.y() - tailHalf}, {e.x(), e.y() + tailHalf}, {x, d.y() + shaftHalf},
                                     {x, d.y() + shaftHalf + 7.5}, d, {x, d.y() - shaftHalf - 7.5},
                                     {x, d.y() - shaftHalf}, {e.x(), e.y() - tailHalf}});
    COMPARE_POINTS(sentPolylines(h).back(), expected, 0.26);
}

void TestShapeLines::verticalDragOnly_data()
{
    QTest::addColumn<int>("code");
    for (int code : {1005, 1006, 1007, 1008})
        QTest::addRow("%d", code) << code;
}

void TestShapeLines::verticalDragOnly()
{
    QFETCH(int, code);
    ShapeHarness h;
    h.install(createShape(code, TQShapeParams()));
    const std::vector<QPointF> before = h.controlPoints();

    h.drag({before[1], before[1] + QPointF(80, 30), before[1] + QPointF(120, 40)}, 150);

    QCOMPARE(h.controlPoints()[0], before[0]);
    QCOMPARE(h.controlPoints()[1], before[1] + QPointF(0, 40));
    // An index outside the list moves nothing.
    h.shape()->selectedVertex = 2;
    h.shape()->adjustVertex(0, 100);
    QCOMPARE(h.controlPoints()[1], before[1] + QPointF(0, 40));
}

void TestShapeLines::curveKeepsItsPointsApart_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<QPointF>("nearNeighbour");
    QTest::addColumn<QPointF>("then");
    QTest::addColumn<QPointF>("expected");

    // Point 1 at (437.5, 360); point 0's neighbour is point 1, and point 2's.
    QTest::newRow("point 0 further towards point 1: ignored")
        << 0 << QPointF(437.5, 352) << QPointF(437.5, 355) << QPointF(437.5, 352);
    QTest::newRow("point 0 away from point 1") << 0 << QPointF(437.5, 352) << QPointF(437.5, 330)
                                               << QPointF(437.5, 330);
    QTest::newRow("point 2 further towards point 1: ignored")
        << 2 << QPointF(445, 360) << QPointF(440, 360) << QPointF(445, 360);
    QTest::newRow("point 2 away from point 1") << 2 << QPointF(445, 360) << QPointF(470, 370)
                                               << QPointF(470, 370);
}

void TestShapeLines::curveKeepsItsPointsApart()
{
    QFETCH(int, point);
    QFETCH(QPointF, nearNeighbour);
    QFETCH(QPointF, then);
    QFETCH(QPointF, expected);
    ShapeHarness h;
    h.install(createShape(1009, TQShapeParams()));
    TQShapeGeneric *shape = h.shape();
    const QPointF start = h.controlPoints()[size_t(point)];

    // Brought within 10 of its neighbour by one drag (allowed: it was far)...
    h.drag({start, nearNeighbour}, 150);
    QCOMPARE(h.controlPoints()[size_t(point)], nearNeighbour);
    // ... and a second drag from there (as a press does: a press there
    // would grab the lower-numbered neighbour first).
    shape->selectedVertex = point;
    for (TQVertex *v : shape->vertices)
        v->pressPosition = v->position;
    shape->adjustVertex(float(then.x() - nearNeighbour.x()), float(then.y() - nearNeighbour.y()));
    QCOMPARE(h.controlPoints()[size_t(point)], expected);
}

void TestShapeLines::braceWithCoincidentEndsKeepsItsLastOutline()
{
    ShapeHarness h;
    h.install(createShape(1005, TQShapeParams()));
    const QPointF top = h.controlPoints()[0];
    const QPointF bottom = h.controlPoints()[1];
    // Ends 40 apart: the small brace (k = 2) is drawn.
    h.drag({bottom, QPointF(bottom.x(), top.y() + 40)}, 200);
    const QPolygonF small = sentPolylines(h).back();
    QCOMPARE(small.size(), 12);
    QVERIFY(std::fabs(small[0].y() - (top.y() + 4)) < 0.3); // F: 2k below the top end
    h.clearSent();

    // Dragged onto the other end: no direction, the brace above stays.
    h.drag({QPointF(bottom.x(), top.y() + 40), top}, 200);

    QCOMPARE(h.controlPoints()[1], top);
    QCOMPARE(h.sentCodes(), std::vector<int>{});
}

void TestShapeLines::oneControlPointDrawsNothing()
{
    // These figures read two points: a figure left with one (no caller
    // makes one, but the list is open) must not read past it.
    for (int code : {2201, 2203, 2204, 1000, 1004, 1010, 1014, 1005, 1007, 1009}) {
        ShapeHarness h;
        std::unique_ptr<TQShapeAbstract> made(createShape(code, TQShapeParams()));
        auto *shape = dynamic_cast<TQShapeGeneric *>(made.get());
        shape->vertices.push_back(new TQVertex(TQPointWF(300, 300)));
        shape->draw(&h.board.manager, true, false);
        h.board.drain();
        QVERIFY2(h.sentCodes().empty(), qPrintable(QString::number(code)));
    }
}

QTEST_MAIN(TestShapeLines)
#include "tst_shapelines.moc"
