// Function graphs on the real draw manager of a 1000 x 640 board whose canvas
// is the visible board: the default frame and the frames taken over from
// committed coordinate systems (also after the page is cleared, undone and
// redone), each code's reference point and sampled curve, stretching and
// moving, and the branches of the tangent and the hyperbolas.
#include "PageFrames.h"
#include "SentOutline.h"
#include "ShapeHarness.h"

#include "actions/drawing/TQDrawingActionLine.h"
#include "shapes/TQShapeAnalyticals.h"
#include "shapes/TQShapeFactory.h"
#include "shapes/TQVertex.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

TQShapeAnalyticals *graphOf(const ShapeHarness &h)
{
    return dynamic_cast<TQShapeAnalyticals *>(h.shape());
}

// Commits a coordinate system of that code at its default place.
void commitSystem(ShapeHarness &h, int code)
{
    h.install(createShape(code, TQShapeParams()));
    tapBeside(h);
}

// Runs the steps of an adoption row: a code commits that system, "clean"
// clears the page, "undo" and "redo" step the history.
void runSteps(ShapeHarness &h, const QStringList &steps)
{
    // The page's snapshot from before anything was drawn, to undo back to.
    h.board.manager.queueSave(h.board.manager.materialId(), h.board.manager.pageIndex(), 0,
                              DrawManagerFixture::kTeacher);
    h.board.drain();
    for (const QString &step : steps) {
        if (step == "clean")
            h.board.manager.queueCleanPage(h.board.manager.materialId(), h.board.manager.pageIndex());
        else if (step == "undo")
            h.board.manager.undo();
        else if (step == "redo")
            h.board.manager.redo();
        else
            commitSystem(h, step.toInt());
        h.board.drain();
    }
}

// A frame of the page put there directly (its lines count as on the page).
void addPageFrame(ShapeHarness &h, QPointF origin, int unit, QList<int> units)
{
    auto frame = std::make_unique<TQCoordinateFrame>();
    frame->origin = TQPointWF(float(origin.x()), float(origin.y()));
    frame->unit = unit;
    frame->unitsLeft = units[0];
    frame->unitsRight = units[1];
    frame->unitsUp = units[2];
    frame->unitsDown = units[3];
    h.board.source.getPageExtraState()->records.push_back(std::move(frame));
}

QPointF toFunction(const TQShapeAnalyticals &g, QPointF board)
{
    const TQCoordinateFrame &f = *g.frame();
    return QPointF((board.x() - f.origin.x) / (f.unit * g.stretchX), (f.origin.y - board.y()) / (f.unit * g.stretchY));
}

// Whether (x, y) lies on y = f(x) up to the quarter unit the point was sent
// with: y within what f takes around x.
bool onCurve(int code, double x, double y, double slack)
{
    double lo = 1e30;
    double hi = -1e30;
    for (int i = -4; i <= 4; ++i) {
        const double v = TQShapeAnalyticals::valueAt(code, float(x + slack * i / 4));
        if (std::isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    return lo - slack <= y && y <= hi + slack;
}

// The mirror images a code draws besides y = f(x).
bool onAnyBranch(int code, QPointF p, double slack)
{
    const bool mirrored = code == 2515 || code == 2516 || code == 2517 || code == 2518;
    const bool four = code == 2517 || code == 2518;
    return onCurve(code, p.x(), p.y(), slack) || (mirrored && onCurve(code, p.x(), -p.y(), slack))
        || (four && (onCurve(code, -p.x(), -p.y(), slack) || onCurve(code, -p.x(), p.y(), slack)));
}

std::vector<QPolygonF> solidLines(const ShapeHarness &h, int brushType)
{
    std::vector<QPolygonF> lines;
    for (const TQDrawingActionLine *line : h.board.sent<TQDrawingActionLine>(0)) {
        if (line->brush.type != brushType)
            continue;
        QPolygonF polyline;
        for (const TQPointW &p : line->points)
            polyline << QPointF(p.x / 4.0, p.y / 4.0);
        lines.push_back(polyline);
    }
    return lines;
}

} // namespace

class TestFunctionGraphs : public QObject
{
    Q_OBJECT

private slots:
    void defaultFrame();
    void curves_data();
    void curves();
    void adoption_data();
    void adoption();
    void stretchByDrag();
    void firstQuadrantKeepsThePointIn();
    void moveCarriesTheFrame();
    void hyperbolaWithoutUpperHalf();
    void guidesOfTheHyperbola();
};

void TestFunctionGraphs::defaultFrame()
{
    ShapeHarness h;
    h.install(createShape(2500, TQShapeParams()));
    const TQShapeAnalyticals *g = graphOf(h);
    QVERIFY(g);
    const TQCoordinateFrame &f = *g->frame();
    QCOMPARE(f.origin.x, 500.f);
    QCOMPARE(f.origin.y, 320.f);
    QCOMPARE(f.unit, 20);
    QCOMPARE((QList<int>{f.unitsLeft, f.unitsRight, f.unitsUp, f.unitsDown}), (QList<int>{12, 12, 8, 8}));
    QCOMPARE(g->bounds, QRect(QPoint(260, 160), QPoint(740, 480)));
    QCOMPARE(controlPolygon(h), poly({{520, 300}}));
    QCOMPARE(g->anchorPoint().x, 500.f);
    QVERIFY(!g->rotatable && !g->resizable && !g->isFillable());
}

void TestFunctionGraphs::curves_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPointF>("reference");
    QTest::addColumn<int>("branches");
    QTest::addColumn<QPointF>("sample");

    QTest::newRow("2500 linear") << 2500 << QPointF(1, 1) << 1 << QPointF(3, 3);
    QTest::newRow("2501 hyperbola") << 2501 << QPointF(1, 1) << 2 << QPointF(-0.5, -2);
    QTest::newRow("2502 parabola") << 2502 << QPointF(1, 1) << 1 << QPointF(-2, 4);
    QTest::newRow("2503 cubic") << 2503 << QPointF(1, 1) << 1 << QPointF(1.5, 3.375);
    QTest::newRow("2504 square root") << 2504 << QPointF(1, 1) << 1 << QPointF(4, 2);
    QTest::newRow("2505 cube root at 8") << 2505 << QPointF(1, 1) << 1 << QPointF(8, 2);
    QTest::newRow("2505 cube root at -8") << 2505 << QPointF(1, 1) << 1 << QPointF(-8, -2);
    QTest::newRow("2506 sine") << 2506 << QPointF(1.5707964, 1) << 1 << QPointF(-1.5707964, -1);
    QTest::newRow("2507 cosine") << 2507 << QPointF(1.0471976, 0.5) << 1 << QPointF(0, 1);
    // One line per branch between asymptotes, -7/2 pi to 7/2 pi.
    QTest::newRow("2508 tangent") << 2508 << QPointF(0.7853982, 1) << 7 << QPointF(3.9269908, 1);
    QTest::newRow("2509 exp") << 2509 << QPointF(1, 2.718) << 1 << QPointF(2, 7.389056);
    QTest::newRow("2510 ln") << 2510 << QPointF(2.718, 1) << 1 << QPointF(7.389056, 2);
    QTest::newRow("2511 10^x") << 2511 << QPointF(0.5, 3.16) << 1 << QPointF(0.5, 3.1622777);
    QTest::newRow("2512 log10") << 2512 << QPointF(3.16, 0.5) << 1 << QPointF(10, 1);
    QTest::newRow("2513 2^x") << 2513 << QPointF(1, 2) << 1 << QPointF(-2, 0.25);
    QTest::newRow("2514 log2") << 2514 << QPointF(2, 1) << 1 << QPointF(8, 3);
    QTest::newRow("2515 y^2 - x^2 = 1") << 2515 << QPointF(1, 1.41) << 2 << QPointF(0, -1);
    QTest::newRow("2516 x = y^2") << 2516 << QPointF(1, 1) << 2 << QPointF(4, -2);
    QTest::newRow("2517 x^2 - y^2 = 1, guides") << 2517 << QPointF(1.41, 1) << 4 << QPointF(-1.25, -0.75);
    QTest::newRow("2518 x^2 - y^2 = 1") << 2518 << QPointF(1.41, 1) << 4 << QPointF(-1.25, 0.75);
}

void TestFunctionGraphs::curves()
{
    QFETCH(int, code);
    QFETCH(QPointF, reference);
    QFETCH(int, branches);
    QFETCH(QPointF, sample);

    ShapeHarness h;
    h.install(createShape(code, TQShapeParams()));
    const TQShapeAnalyticals *g = graphOf(h);
    QVERIFY(g);
    QCOMPARE(g->type, code);
    QVERIFY(std::fabs(g->xRef - reference.x()) < 1e-6 && std::fabs(g->yRef - reference.y()) < 1e-6);
    // The control point sits on the reference point, 20 px a unit.
    const QPointF point = h.controlPoints().at(0);
    QVERIFY(std::fabs(point.x() - (500 + 20 * reference.x())) < 1e-3);
    QVERIFY(std::fabs(point.y() - (320 - 20 * reference.y())) < 1e-3);

    const std::vector<QPolygonF> lines = solidLines(h, 1);
    QCOMPARE(int(lines.size()), branches);
    // Every point sent lies on the curve (or a mirror the code draws) and
    // within the frame; the sample is reached.
    const double slack = 0.25 / 20 + 1e-4;
    bool sampleReached = false;
    for (const QPolygonF &line : lines) {
        QVERIFY(line.size() > 1);
        for (const QPointF &p : line) {
            const QPointF f = toFunction(*g, p);
            QVERIFY2(onAnyBranch(code, f, slack), qPrintable(QString("(%1, %2)").arg(f.x()).arg(f.y())));
            QVERIFY(std::fabs(f.x()) <= 12.02 && std::fabs(f.y()) <= 8.02);
            sampleReached = sampleReached || std::hypot(f.x() - sample.x(), f.y() - sample.y()) < 0.05;
        }
    }
    QVERIFY2(sampleReached, "the curve does not pass the sample point");
    QVERIFY(onAnyBranch(code, sample, 1e-3));
}

void TestFunctionGraphs::adoption_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QPointF>("origin");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QList<int>>("units");

    const QPointF middle(500, 320);
    const QList<int> defaultUnits{12, 12, 8, 8};
    // The cross of 2002-2005 at (525, 316), the quadrant of 2006-2009 at (333.3, 426.7).
    const QPointF cross(525, 316);
    const QPointF quadrant(333.333, 426.667);
    QTest::newRow("no system") << QStringList{} << middle << 20 << defaultUnits;
    QTest::newRow("a grid") << QStringList{"2004"} << cross << 36 << QList<int>{3, 3, 2, 2};
    QTest::newRow("a tight grid: half unit") << QStringList{"2005"} << cross << 18 << QList<int>{6, 6, 5, 5};
    QTest::newRow("the newer of two") << QStringList{"2004", "2008"} << quadrant << 40 << QList<int>{0, 8, 5, 0};
    QTest::newRow("cleared page") << QStringList{"2004", "clean"} << middle << 20 << defaultUnits;
    QTest::newRow("undone") << QStringList{"2003", "undo"} << middle << 20 << defaultUnits;
    QTest::newRow("undone and redone") << QStringList{"2003", "undo", "redo"} << cross << 36
                                       << QList<int>{3, 3, 2, 2};
    QTest::newRow("newer undone: the older") << QStringList{"2004", "2008", "undo"} << cross << 36
                                             << QList<int>{3, 3, 2, 2};
    QTest::newRow("clean undone") << QStringList{"2007", "clean", "undo"} << quadrant << 40
                                  << QList<int>{0, 8, 5, 0};
    QTest::newRow("drawn after a clean") << QStringList{"2004", "clean", "2006"} << quadrant << 40
                                         << QList<int>{0, 8, 5, 0};
}

void TestFunctionGraphs::adoption()
{
    QFETCH(QStringList, steps);
    QFETCH(QPointF, origin);
    QFETCH(int, unit);
    QFETCH(QList<int>, units);

    ShapeHarness h;
    runSteps(h, steps);
    h.install(createShape(2502, TQShapeParams()));
    const TQShapeAnalyticals *g = graphOf(h);
    QVERIFY(g);
    const TQCoordinateFrame &f = *g->frame();
    QVERIFY2(std::fabs(f.origin.x - origin.x()) < 0.01 && std::fabs(f.origin.y - origin.y()) < 0.01,
             qPrintable(QString("(%1, %2)").arg(f.origin.x).arg(f.origin.y)));
    QCOMPARE(f.unit, unit);
    QCOMPARE((QList<int>{f.unitsLeft, f.unitsRight, f.unitsUp, f.unitsDown}), units);
    // The parabola's point (1, 1) of that frame.
    const QPointF point = h.controlPoints().at(0);
    QVERIFY(std::fabs(point.x() - (origin.x() + unit)) < 0.01 && std::fabs(point.y() - (origin.y() - unit)) < 0.01);
}

void TestFunctionGraphs::stretchByDrag()
{
    ShapeHarness h;
    h.install(createShape(2506, TQShapeParams()));
    const QPointF start = h.controlPoints().at(0);
    QVERIFY(std::fabs(start.x() - (500 + 20 * 1.5707964)) < 1e-3);
    QCOMPARE(start.y(), 300.0);

    h.drag({start, QPointF(500 + 2 * 31.4159, 300)}, 50);
    const TQShapeAnalyticals *g = graphOf(h);
    QVERIFY(std::fabs(g->stretchX - 2) < 1e-3);
    QVERIFY(std::fabs(g->stretchY - 1) < 1e-6);
    // The crest went along with the point.
    h.clearSent();
    h.drag({QPointF(500 + 2 * 31.4159, 300), QPointF(500 + 2 * 31.4159, 280)}, 50);
    QVERIFY(std::fabs(g->stretchY - 2) < 1e-3);
    bool crest = false;
    for (const QPolygonF &line : solidLines(h, 1)) {
        for (const QPointF &p : line)
            crest = crest || (std::fabs(p.x() - 562.8) < 0.8 && std::fabs(p.y() - 280) < 0.3);
    }
    QVERIFY(crest);
}

void TestFunctionGraphs::firstQuadrantKeepsThePointIn()
{
    ShapeHarness h;
    commitSystem(h, 2006);
    h.install(createShape(2502, TQShapeParams()));
    const TQShapeAnalyticals *g = graphOf(h);
    const QPointF origin(g->frame()->origin.x, g->frame()->origin.y);
    const QPointF start = h.controlPoints().at(0);

    // Left of the origin or below it: the step is ignored.
    h.drag({start, QPointF(origin.x() - 30, start.y())}, 50);
    QCOMPARE(h.controlPoints().at(0), start);
    h.drag({start, QPointF(start.x(), origin.y() + 30)}, 50);
    QCOMPARE(h.controlPoints().at(0), start);
    QCOMPARE(g->stretchX, 1.f);
    QCOMPARE(g->stretchY, 1.f);
    // Within the quadrant it follows.
    h.drag({start, start + QPointF(40, -40)}, 50);
    QCOMPARE(h.controlPoints().at(0), start + QPointF(40, -40));
    QVERIFY(std::fabs(g->stretchX - 2) < 1e-3 && std::fabs(g->stretchY - 2) < 1e-3);
}

void TestFunctionGraphs::moveCarriesTheFrame()
{
    ShapeHarness h;
    h.install(createShape(2500, TQShapeParams()));
    h.drag({QPointF(400, 400), QPointF(410, 405), QPointF(430, 420)}, 50);
    const TQShapeAnalyticals *g = graphOf(h);
    QCOMPARE(g->frame()->origin.x, 530.f);
    QCOMPARE(g->frame()->origin.y, 340.f);
    QCOMPARE(controlPolygon(h), poly({{550, 320}}));
    QCOMPARE(g->bounds, QRect(QPoint(290, 180), QPoint(770, 500)));
    // The line still passes the origin of the moved frame.
    bool throughOrigin = false;
    const std::vector<QPolygonF> lines = solidLines(h, 1);
    QVERIFY(!lines.empty());
    for (const QPointF &p : lines.back())
        throughOrigin = throughOrigin || std::hypot(p.x() - 530, p.y() - 340) < 0.5;
    QVERIFY(throughOrigin);
}

void TestFunctionGraphs::hyperbolaWithoutUpperHalf()
{
    ShapeHarness h;
    addPageFrame(h, QPointF(500, 320), 20, {5, 5, 0, 5});
    h.install(createShape(2501, TQShapeParams()));
    QCOMPARE(graphOf(h)->frame()->unitsUp, 0);
    QVERIFY(solidLines(h, 1).empty());
    // A frame out of view is passed over.
    ShapeHarness other;
    addPageFrame(other, QPointF(500, 5), 20, {5, 5, 5, 5});
    other.install(createShape(2501, TQShapeParams()));
    QCOMPARE(graphOf(other)->frame()->origin.y, 320.f);
    QCOMPARE(int(solidLines(other, 1).size()), 2);
}

void TestFunctionGraphs::guidesOfTheHyperbola()
{
    ShapeHarness h;
    h.install(createShape(2517, TQShapeParams()));
    const std::vector<QPolygonF> branches = solidLines(h, 1);
    const std::vector<QPolygonF> guides = solidLines(h, 0);
    QCOMPARE(int(branches.size()), 4);
    QCOMPARE(int(guides.size()), 2);
    // From the far end of one branch to the far end of the opposite one,
    // each end one unit further out.
    const auto near = [](QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()) < 0.3; };
    QVERIFY(near(guides[0].front(), branches[0].back() + QPointF(0, -1)));
    QVERIFY(near(guides[0].back(), branches[2].back() + QPointF(0, 1)));
    QVERIFY(near(guides[1].front(), branches[3].back() + QPointF(0, -1)));
    QVERIFY(near(guides[1].back(), branches[1].back() + QPointF(0, 1)));
    // The guides are the asymptotes y = x and y = -x.
    for (const QPolygonF &guide : guides) {
        const QPointF a = toFunction(*graphOf(h), guide.front());
        const QPointF b = toFunction(*graphOf(h), guide.back());
        QVERIFY(std::fabs(std::fabs(a.y()) - std::fabs(a.x())) < 0.15);
        QVERIFY(std::fabs(std::fabs(b.y()) - std::fabs(b.x())) < 0.15);
    }
}

QTEST_MAIN(TestFunctionGraphs)
#include "tst_functiongraphs.moc"
