// The eight quadrilaterals as the draw manager drives them: made by the
// factory on a headless 1000 x 640 board (middle (500, 320)), corners dragged
// by touches, and the outlines the live data source received for sending.
#include "FigureTouches.h"
#include "ShapeHarness.h"

#include "actions/drawing/TQDrawingActionLine.h"
#include "shapes/TQShapeFactory.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQShapeRectangle.h"
#include "shapes/TQVertex.h"

#include <QtTest>

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

using Points = std::vector<QPointF>;

QPointF viewPoint(const TQPointW &p)
{
    return QPointF(p.x / 4.0, p.y / 4.0);
}

Points viewPoints(const std::vector<TQPointW> &points)
{
    Points view;
    for (const TQPointW &p : points)
        view.push_back(viewPoint(p));
    return view;
}

const Points kSquare{{400, 220}, {750, 570}};
const Points kRhombus{{400, 370}, {530, 300}, {660, 370}, {530, 440}};
const Points kParallelogram{{550, 420}, {600, 320}, {820, 320}, {770, 420}};
const Points kTrapezoid{{550, 420}, {600, 320}, {730, 320}, {770, 420}};
const Points kRightTrapezoid{{550, 420}, {550, 320}, {730, 320}, {770, 420}};
const Points kIsosceles{{550, 420}, {600, 320}, {720, 320}, {770, 420}};

double cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}

double dot(QPointF a, QPointF b)
{
    return a.x() * b.x() + a.y() * b.y();
}

} // namespace

class TestQuadrilaterals : public QObject
{
    Q_OBJECT

private slots:
    void newFigure_data();
    void newFigure();
    void drag_data();
    void drag();
    void rectangleTurnedKeepsRightAngles();
    void rightAngleMark_data();
    void rightAngleMark();
};

void TestQuadrilaterals::newFigure_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Points>("corners");
    QTest::addColumn<QVector<bool>>("grabbable");

    QTest::newRow("four-edged") << 2306 << Points{{250, 320}, {500, 120}, {750, 270}, {750, 420}}
                                << QVector<bool>{true, true, true, true};
    QTest::newRow("rectangle") << 2307 << Points{{500, 320}, {2000 / 3.0, 1280 / 3.0}} << QVector<bool>{true, true};
    QTest::newRow("square") << 2308 << kSquare << QVector<bool>{false, true};
    QTest::newRow("rhombus") << 2309 << kRhombus << QVector<bool>{false, false, true, true};
    QTest::newRow("parallelogram") << 2310 << kParallelogram << QVector<bool>{false, true, false, true};
    QTest::newRow("trapezoid") << 2311 << kTrapezoid << QVector<bool>{false, true, true, true};
    QTest::newRow("right trapezoid") << 2312 << kRightTrapezoid << QVector<bool>{false, true, true, true};
    QTest::newRow("isosceles trapezoid") << 2313 << kIsosceles << QVector<bool>{false, true, false, true};
}

void TestQuadrilaterals::newFigure()
{
    QFETCH(int, code);
    QFETCH(Points, corners);
    QFETCH(QVector<bool>, grabbable);

    ShapeHarness h;
    h.install(createShape(code, TQShapeParams()));
    TQShapeGeneric *shape = h.shape();
    QVERIFY(shape);
    QCOMPARE(shape->type, code);
    QVERIFY(shape->rotatable && !shape->resizable && !shape->copyable && shape->isFillable());
    COMPARE_POINTS(h.controlPoints(), corners, 0.001);
    for (int i = 0; i < grabbable.size(); ++i)
        QCOMPARE(shape->vertices[size_t(i)]->enabled, grabbable[i]);

    // Shown at once and sent: a closed outline through the four corners
    // (the derived ones for rectangle and square), after the right angle's
    // mark where there is one.
    const auto lines = h.board.sent<TQDrawingActionLine>(0);
    QCOMPARE(h.sentCodes().size(), size_t(code == 2312 ? 2 : 1));
    const Points outline = viewPoints(lines.back()->points);
    QCOMPARE(outline.size(), size_t(5));
    QCOMPARE(outline.front(), outline.back());
    if (corners.size() == 4)
        COMPARE_POINTS(Points(outline.begin(), outline.end() - 1), corners, 0.25);
    // Turned about the mean of the corners.
    QPointF mean;
    for (const QPointF &p : corners)
        mean += p / corners.size();
    COMPARE_POINTS((Points{{shape->anchor.x, shape->anchor.y}}), Points{mean}, 0.01);
}

void TestQuadrilaterals::drag_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("corner");
    QTest::addColumn<QPointF>("by");
    QTest::addColumn<int>("steps");
    QTest::addColumn<Points>("expected");

    // Only the horizontal movement counts, on both axes, and the corner keeps
    // to the diagonal.
    QTest::newRow("square along its diagonal") << 2308 << 1 << QPointF(40, 200) << 1 << Points{{400, 220}, {790, 610}};
    QTest::newRow("square straight down: nothing") << 2308 << 1 << QPointF(0, 100) << 1 << kSquare;
    QTest::newRow("square, a jump ignored") << 2308 << 1 << QPointF(200, 0) << 1 << kSquare;
    QTest::newRow("square, the same jump in steps")
        << 2308 << 1 << QPointF(200, 0) << 10 << Points{{400, 220}, {950, 770}};
    QTest::newRow("four-edged corner follows")
        << 2306 << 2 << QPointF(-30, 25) << 1 << Points{{250, 320}, {500, 120}, {720, 295}, {750, 420}};
    QTest::newRow("rectangle corner follows")
        << 2307 << 1 << QPointF(20, -30) << 1 << Points{{500, 320}, {2000 / 3.0 + 20, 1280 / 3.0 - 30}};
    // The dragged diagonal scales about the centre; the other one stays.
    QTest::newRow("rhombus, corner 2 outward")
        << 2309 << 2 << QPointF(40, 0) << 1 << Points{{360, 370}, {530, 300}, {520 + 140 * 17 / 13.0, 370}, {530, 440}};
    QTest::newRow("rhombus, corner 3 downward") << 2309 << 3 << QPointF(0, 30) << 1
        << Points{{400, 370}, {530, 270}, {660, 370}, {530, 362.5 + 77.5 * 10 / 7.0}};
    QTest::newRow("rhombus, a jump ignored") << 2309 << 2 << QPointF(170, 0) << 1 << kRhombus;
    QTest::newRow("parallelogram, corner 3")
        << 2310 << 3 << QPointF(30, 20) << 1 << Points{{550, 420}, {600, 320}, {850, 340}, {800, 440}};
    QTest::newRow("parallelogram, corner 1")
        << 2310 << 1 << QPointF(-20, -30) << 1 << Points{{550, 420}, {580, 290}, {800, 290}, {770, 420}};
    QTest::newRow("trapezoid, the top side moves")
        << 2311 << 1 << QPointF(10, -20) << 1 << Points{{550, 420}, {610, 300}, {740, 300}, {770, 420}};
    QTest::newRow("trapezoid, corner 2 slides on the top")
        << 2311 << 2 << QPointF(30, 40) << 1
        << Points{{550, 420}, {600, 320}, {600 + std::hypot(160, 40), 320}, {770, 420}};
    QTest::newRow("trapezoid, corner 3 slides on the bottom")
        << 2311 << 3 << QPointF(-40, 30) << 1
        << Points{{550, 420}, {600, 320}, {730, 320}, {550 + std::hypot(180, 30), 420}};
    QTest::newRow("trapezoid, a jump ignored") << 2311 << 2 << QPointF(0, 161) << 1 << kTrapezoid;
    QTest::newRow("right trapezoid, the top follows corner 1")
        << 2312 << 1 << QPointF(0, -50) << 1 << Points{{550, 420}, {550, 270}, {730, 270}, {770, 420}};
    QTest::newRow("right trapezoid, corner 1 keeps to the leg")
        << 2312 << 1 << QPointF(40, -50) << 1
        << Points{{550, 420}, {550, 420 - std::hypot(40, 150)}, {730, 320 - std::hypot(40, 150) + 100}, {770, 420}};
    QTest::newRow("right trapezoid, corner 2 slides on the top")
        << 2312 << 2 << QPointF(20, 15) << 1
        << Points{{550, 420}, {550, 320}, {550 + std::hypot(200, 15), 320}, {770, 420}};
    QTest::newRow("isosceles, corner 3 outward carries corner 2")
        << 2313 << 3 << QPointF(30, 0) << 1 << Points{{550, 420}, {600, 320}, {750, 320}, {800, 420}};
    QTest::newRow("isosceles, corner 2 mirrors corner 1")
        << 2313 << 1 << QPointF(-20, -10) << 1 << Points{{550, 420}, {580, 310}, {740, 310}, {770, 420}};
}

void TestQuadrilaterals::drag()
{
    QFETCH(int, code);
    QFETCH(int, corner);
    QFETCH(QPointF, by);
    QFETCH(int, steps);
    QFETCH(Points, expected);

    ShapeHarness h;
    h.install(createShape(code, TQShapeParams()));
    dragControlPoint(h, size_t(corner), by, steps);
    COMPARE_POINTS(h.controlPoints(), expected, 0.01);
    // The outline sent last is the figure as it now stands.
    const Points outline = viewPoints(h.board.sent<TQDrawingActionLine>(0).back()->points);
    if (expected.size() == 4)
        COMPARE_POINTS(Points(outline.begin(), outline.end() - 1), expected, 0.25);
}

void TestQuadrilaterals::rectangleTurnedKeepsRightAngles()
{
    ShapeHarness h;
    h.install(createShape(2307, TQShapeParams()));
    turnFigure(h, kPi / 6);
    dragControlPoint(h, 1, QPointF(25, -40), 3);
    auto *rectangle = static_cast<TQShapeRectangle *>(h.shape());
    QVERIFY(std::abs(rectangle->angle - kPi / 6) < 1e-6);

    Points corners;
    for (const TQPointWF &p : rectangle->cornerPolygon())
        corners.emplace_back(p.x, p.y);
    QCOMPARE(corners.size(), size_t(5));
    for (int i = 0; i < 4; ++i) {
        const QPointF side = corners[size_t(i + 1)] - corners[size_t(i)];
        const QPointF next = corners[size_t((i + 1) % 4 + 1)] - corners[size_t(i + 1)];
        QVERIFY2(std::abs(dot(side, next)) < 1e-3 * std::hypot(side.x(), side.y()) * std::hypot(next.x(), next.y()),
                 qPrintable(QString("corner %1").arg(i + 1)));
    }
    // The sides run along the turned frame: the first one, turned back, is upright.
    const QPointF first = corners[1] - corners[0];
    const QPointF turnedUp(std::sin(kPi / 6), -std::cos(kPi / 6));
    QVERIFY(std::abs(cross(first, turnedUp)) < 1e-3 * std::hypot(first.x(), first.y()));
    // And that is what the students got.
    COMPARE_POINTS(viewPoints(h.board.sent<TQDrawingActionLine>(0).back()->points), corners, 0.25);
}

void TestQuadrilaterals::rightAngleMark_data()
{
    QTest::addColumn<int>("corner");
    QTest::addColumn<QPointF>("by");
    QTest::addColumn<bool>("marked");

    QTest::newRow("new") << 1 << QPointF() << true;
    QTest::newRow("left leg 25 long") << 1 << QPointF(0, 75) << true;
    QTest::newRow("left leg 24 long") << 1 << QPointF(0, 76) << false;
    QTest::newRow("bottom 25 long") << 3 << QPointF(-195, 0) << true;
    QTest::newRow("bottom 24 long") << 3 << QPointF(-196, 0) << false;
}

void TestQuadrilaterals::rightAngleMark()
{
    QFETCH(int, corner);
    QFETCH(QPointF, by);
    QFETCH(bool, marked);

    ShapeHarness h;
    h.install(createShape(2312, TQShapeParams()));
    if (!by.isNull()) {
        h.clearSent();
        // In steps: each is within the jump limit.
        dragControlPoint(h, size_t(corner), by, 2);
    }
    const auto lines = h.board.sent<TQDrawingActionLine>(0);
    const size_t perDraw = marked ? 2 : 1;
    QVERIFY(lines.size() >= perDraw);
    QCOMPARE(lines.back()->points.size(), size_t(5));
    if (!marked) {
        QVERIFY(h.sentCodes().size() >= 2);
        QCOMPARE(h.sentCodes()[h.sentCodes().size() - 2], 3);
        return;
    }
    // 16 canvas pixels up the leg, across the corner's diagonal, and 16 along
    // the bottom, from corner 0 at (550, 420); not filled.
    const TQDrawingActionLine *mark = lines[lines.size() - 2];
    COMPARE_POINTS(viewPoints(mark->points), (Points{{550, 404}, {566, 404}, {566, 420}}), 0.3);
    QCOMPARE(mark->alphaFlag, 0);
}

QTEST_MAIN(TestQuadrilaterals)
#include "tst_quadrilaterals.moc"
