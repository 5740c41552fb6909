#include "modules/live/draws/CInplaceCalligraphyBackProcessor.h"
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQInnerChalkContent.h"
#include "modules/live/draws/TQPathCalligraphy.h"
#include "modules/live/draws/TQPathLineBrushContent.h"
#include "modules/live/draws/TQPathLineChalkContent.h"
#include "modules/live/draws/TQPathLinePenContent.h"
#include "modules/live/draws/TQPointGeometry.h"

#include "actions/drawing/TQDrawingActionLine.h"

#include "PainterPathElements.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

// Calligraphy outlines: the width rule of every content, the caps, turns and
// corners that shape the edges, the hand-off to the back processor, the
// copies, and the outline of a feed against the closing curve drawn after
// every triple.
class TestPathCalligraphy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void halfWidth_data();
    void halfWidth();
    void twoSamplesDrawNothing();
    void turns_data();
    void turns();
    void handOff();
    void chalkHandOffCarriesBothLayers();
    void feedMatchesClosingAfterEveryTriple_data();
    void feedMatchesClosingAfterEveryTriple();
    void copies();
};

namespace {

using PathPtr = std::unique_ptr<TQPathCalligraphy>;
using Maker = std::function<TQPathCalligraphy *(const TQBrushStyle &)>;

// The class the draw manager makes for a brush type.
TQPathCalligraphy *makeFor(const TQBrushStyle &brush)
{
    switch (brush.type) {
    case 2:
    case 4:
        return new TQPathLinePenContent(brush, 7);
    case 3:
        return new TQPathLineBrushContent(brush, 7);
    case 5:
        return new TQPathLineChalkContent(brush, 7);
    default:
        return new TQPathCalligraphy(brush, 7);
    }
}

TQPointWF sample(float x, float y, qint64 time = 0, float pressure = 0, int phase = 1)
{
    return TQPointWF(x, y, 0, time, pressure, 0, phase);
}

std::vector<TQPointWF> polyline(const QPolygonF &polygon)
{
    std::vector<TQPointWF> samples;
    for (int i = 0; i < polygon.size(); ++i)
        samples.push_back(sample(float(polygon[i].x()), float(polygon[i].y()), 1000 + 16 * i));
    return samples;
}

QPolygonF poly(std::initializer_list<QPointF> points)
{
    return QPolygonF(QVector<QPointF>(points));
}

// Records what the path hands on.
struct Sent
{
    int calls = 0;
    TQDrawingActionLine *action = nullptr;
    std::vector<TQPointW> points;
};

void attach(TQPathCalligraphy &path, Sent &sent, TQDrawingActionLine *action = nullptr)
{
    path.set(new CInplaceCalligraphyBackProcessor(
        [&sent](TQDrawingActionLine *a, const std::vector<TQPointW> &points) {
            ++sent.calls;
            sent.action = a;
            sent.points = points;
        },
        action));
}

// The feed as first written: after every triple the path becomes the outline
// and the closing curve is appended, over all edge points each time.
template<typename Kind>
class LiteralFeed : public Kind
{
public:
    explicit LiteralFeed(const TQBrushStyle &brush)
        : Kind(brush, 7)
    {
    }

    void setPoints(const std::vector<TQPointWF> &list) override
    {
        this->rawPoints = list;
        if (list.size() < 3)
            return;
        this->maxWidth = this->maxWidthFor(this->brush);
        this->minWidth = this->minWidthFor(this->brush);
        for (size_t i = 2; i < list.size(); ++i) {
            this->addTriple({list[i - 2], list[i - 1], list[i]});
            QPainterPath &self = *this;
            self = this->outline;
            const std::vector<QPointF> &left = this->leftEdgeCurve;
            const size_t n = left.size();
            if (n > 2) {
                std::vector<QPointF> l{left[2], left[1]};
                l.insert(l.end(), this->rightEdgeCurve.begin(), this->rightEdgeCurve.end());
                l.push_back(left[n - 2]);
                for (size_t j = l.size() - 1; j >= 1; --j)
                    self.quadTo(l[j], midPoint(l[j], l[j - 1]));
            }
        }
    }
};

TQPathCalligraphy *literalFor(const TQBrushStyle &brush)
{
    switch (brush.type) {
    case 2:
    case 4:
        return new LiteralFeed<TQPathLinePenContent>(brush);
    case 3:
        return new LiteralFeed<TQPathLineBrushContent>(brush);
    case 5:
        return new LiteralFeed<TQPathLineChalkContent>(brush);
    case 6:
        return new LiteralFeed<TQInnerChalkContent>(brush);
    default:
        return new LiteralFeed<TQPathCalligraphy>(brush);
    }
}

} // namespace

void TestPathCalligraphy::initTestCase()
{
    setBoardSize(1000, 640);
}

void TestPathCalligraphy::halfWidth_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("extra");
    QTest::addColumn<bool>("inner");
    QTest::addColumn<float>("speed");
    QTest::addColumn<float>("pressure");
    QTest::addColumn<double>("half");

    const double chalk = 1000 / 41.0;
    // At rest without pressure the speed term alone: blend 0.5 / 1.7.
    QTest::newRow("fountain pen at rest") << 2 << 0 << false << 0.f << 0.f << (1 + 7 * 0.5 / 1.7) / 2;
    // Fast strokes draw the narrowest width whatever the content.
    QTest::newRow("fountain pen fast") << 2 << 0 << false << 900.f << 0.f << 0.5;
    QTest::newRow("pen twin fast") << 4 << 0 << false << 1200.f << 0.f << 1.0;
    QTest::newRow("writing brush fast") << 3 << 0 << false << 900.f << 0.f << 3.5 / 2;
    QTest::newRow("plain fast") << 6 << 0 << false << 950.f << 0.f << 0.5;
    // Firm and slow: the widest.
    QTest::newRow("pen twin firm") << 4 << 0 << false << 0.f << 7.f << 13 / 2.0;
    QTest::newRow("writing brush firm, extra 0") << 3 << 0 << false << 0.f << 9.f << 17.5 / 2;
    QTest::newRow("writing brush firm, extra 1") << 3 << 1 << false << 0.f << 9.f << 35 / 2.0;
    // Chalk ignores the speed: without pressure it is always the narrowest.
    QTest::newRow("chalk at rest") << 5 << 0 << false << 0.f << 0.f << chalk / 4 / 2;
    QTest::newRow("chalk wide at rest") << 5 << 1 << false << 0.f << 0.f << chalk / 3 / 2;
    QTest::newRow("chalk firm") << 5 << 0 << false << 500.f << 7.f << chalk / 1.5 / 2;
    QTest::newRow("chalk wide firm") << 5 << 1 << false << 0.f << 7.f << chalk / 2;
    // The inner layer is 2 narrower on each side, unless that would leave nothing.
    QTest::newRow("inner chalk firm") << 6 << 1 << true << 0.f << 7.f << chalk / 2 - 2;
    QTest::newRow("inner chalk thin") << 6 << 0 << true << 0.f << 0.f << chalk / 4 / 2 - 2;
}

void TestPathCalligraphy::halfWidth()
{
    QFETCH(int, type);
    QFETCH(int, extra);
    QFETCH(bool, inner);
    QFETCH(float, speed);
    QFETCH(float, pressure);
    QFETCH(double, half);

    const TQBrushStyle brush(type, 101, 41, extra);
    PathPtr path(inner ? new TQInnerChalkContent(brush, 1) : makeFor(brush));
    path->maxWidth = path->maxWidthFor(brush);
    path->minWidth = path->minWidthFor(brush);
    TQPointWF p = sample(0, 0, 0, pressure);
    p.speed = speed;
    QVERIFY2(std::abs(path->halfWidthAt(p) - half) < 1e-4,
             qPrintable(QString::number(path->halfWidthAt(p)) + " != " + QString::number(half)));

    // The middle sample of a resting stroke gets exactly that half width on
    // each side (turns aside).
    if (speed == 0 && pressure == 0 && !inner && type != 5) {
        PathPtr fed(makeFor(brush));
        fed->setPoints({sample(0, 0, 0), sample(0, 0, 10), sample(0, 0, 20)});
        const QPointF left = fed->leftEdgeCurve.back();
        const QPointF right = fed->rightEdgeCurve.back();
        QVERIFY(std::abs(qpointDistance(left, right) / 2 - half) < 1e-4);
    }
}

void TestPathCalligraphy::twoSamplesDrawNothing()
{
    TQPathLinePenContent path(TQBrushStyle(2, 101, 82, 0), 3);
    Sent sent;
    attach(path, sent);
    path.setPoints({sample(0, 0), sample(10, 5)});
    QVERIFY(path.isEmpty());
    QCOMPARE(sent.calls, 0);
    QVERIFY(path.edgePoints.empty());
    QCOMPARE(int(path.rawPoints.size()), 2);
    QCOMPARE(path.minY, -1);
    QCOMPARE(path.maxY, 6);
}

void TestPathCalligraphy::turns_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QPolygonF>("stroke");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");

    const QPolygonF straight = poly({{0, 0}, {20, 0}, {40, 0}});
    const QPolygonF back = poly({{0, 0}, {20, 0}, {0, 0}});
    // 60 degrees, sides 10 long (shorter than the chalk's widest 16.3), turning
    // to the left of the direction of travel (y grows downward), and its mirror.
    const QPolygonF sharpLeft = poly({{0, 0}, {10, 0}, {5, -8.66}});
    const QPolygonF sharpRight = poly({{0, 0}, {10, 0}, {5, 8.66}});
    const QPolygonF sharpLong = poly({{0, 0}, {40, 0}, {20, 34.64}});

    // Start cap: a tip on both edges and one pair beside the first sample.
    QTest::newRow("pen, straight run") << 2 << straight << 3 << 3;
    // Turning back takes the corner branch: three corner points per edge.
    QTest::newRow("pen, turn back") << 2 << back << 5 << 5;
    // 60 degrees is no corner outside chalk.
    QTest::newRow("pen, sharp turn") << 2 << sharpRight << 3 << 3;
    // Chalk's start cap has two pairs besides the tip.
    QTest::newRow("chalk, straight run") << 5 << straight << 4 << 4;
    QTest::newRow("chalk, turn back") << 5 << back << 6 << 6;
    // Short sides: the corner goes to the outer edge of the turn only.
    QTest::newRow("chalk, short turn left") << 5 << sharpRight << 6 << 3;
    QTest::newRow("chalk, short turn right") << 5 << sharpLeft << 3 << 6;
    QTest::newRow("chalk, long sides") << 5 << sharpLong << 4 << 4;
}

void TestPathCalligraphy::turns()
{
    QFETCH(int, type);
    QFETCH(QPolygonF, stroke);
    QFETCH(int, left);
    QFETCH(int, right);

    PathPtr path(makeFor(TQBrushStyle(type, 101, 41, 0)));
    path->setPoints(polyline(stroke));
    QCOMPARE(int(path->leftEdgeCurve.size()), left);
    QCOMPARE(int(path->rightEdgeCurve.size()), right);
    QCOMPARE(int(path->edgePoints.size()), left + right);
    QVERIFY(!path->isEmpty());
    // The start tip lies before the first sample, away from the second.
    QVERIFY(path->leftEdgeCurve.front().x() < 0);
    QCOMPARE(path->leftEdgeCurve.front(), path->rightEdgeCurve.front());

    if (type != 5 && stroke == poly({{0, 0}, {20, 0}, {0, 0}})) {
        // The corner's tip lies beyond the turning sample, on both edges
        // (chalk rounds it off to the middle of the two sides).
        const float w = path->halfWidthAt(path->rawPoints[1]);
        QVERIFY(std::any_of(path->leftEdgeCurve.begin(), path->leftEdgeCurve.end(),
                            [&](const QPointF &p) { return p.x() > 20 + w * 0.5; }));
        QVERIFY(std::any_of(path->rightEdgeCurve.begin(), path->rightEdgeCurve.end(),
                            [&](const QPointF &p) { return p.x() > 20 + w * 0.5; }));
    }
}

void TestPathCalligraphy::handOff()
{
    TQDrawingActionLine action;
    Sent sent;
    TQPathLinePenContent first(TQBrushStyle(2, 101, 82, 0), 3);
    attach(first, sent, &action);
    // The first piece of a stroke hands on its three samples.
    first.setPoints({sample(1.3f, 2, 0, 0, 0), sample(10, 2, 16), sample(20, 2.9f, 32)});
    QCOMPARE(sent.calls, 1);
    QCOMPARE(sent.action, &action);
    QCOMPARE(int(sent.points.size()), 3);
    QCOMPARE(sent.points[0].x, 5);
    QCOMPARE(sent.points[0].phase, 0);
    QCOMPARE(sent.points[2].y, 11);
    QCOMPARE(sent.points, first.handoffPoints);

    // A longer feed hands on its last two edge points, last first.
    TQPathLinePenContent longer(TQBrushStyle(2, 101, 82, 0), 3);
    attach(longer, sent, &action);
    longer.setPoints({sample(0, 0), sample(10, 0, 16), sample(20, 0, 32), sample(30, 0, 48, 0, 2)});
    QCOMPARE(sent.calls, 2);
    QCOMPARE(int(sent.points.size()), 2);
    const size_t n = longer.edgePoints.size();
    QCOMPARE(sent.points[0], toPointW(longer.edgePoints[n - 1]));
    QCOMPARE(sent.points[1], toPointW(longer.edgePoints[n - 2]));
    // The release ends both edges in one tip, ahead of the last triple's
    // middle sample in the direction of travel.
    QCOMPARE(longer.leftEdgeCurve.back(), longer.rightEdgeCurve.back());
    QVERIFY(longer.leftEdgeCurve.back().x() > 20);
    QVERIFY(std::abs(longer.leftEdgeCurve.back().y()) < 1e-4);
}

void TestPathCalligraphy::chalkHandOffCarriesBothLayers()
{
    Sent sent;
    TQPathLineChalkContent chalk(TQBrushStyle(5, 102, 41, 1), 9);
    attach(chalk, sent);
    TQInnerChalkContent *inner = chalk.inner();
    QCOMPARE(inner->brush, TQBrushStyle(6, 102, 41, 1));
    QVERIFY(inner->strokeId != 9);

    chalk.setPoints({sample(0, 0, 0, 3), sample(10, 0, 16, 3), sample(20, 4, 32, 3)});
    QCOMPARE(sent.calls, 1);
    // Its own edge points as they were made, then the inner layer's as 2 and 3.
    const size_t own = chalk.edgePoints.size();
    QCOMPARE(sent.points.size(), own + inner->edgePoints.size());
    QVERIFY(!inner->edgePoints.empty());
    for (size_t i = 0; i < sent.points.size(); ++i) {
        const TQPointWF &edge = i < own ? chalk.edgePoints[i] : inner->edgePoints[i - own];
        QCOMPARE(sent.points[i].cid, edge.cid + (i < own ? 0 : 2));
        QCOMPARE(sent.points[i].x, toPointW(edge).x);
    }
    // The inner outline is the narrower one.
    QVERIFY(inner->boundingRect().height() < chalk.boundingRect().height());

    TQPathLineChalkContent longer(TQBrushStyle(5, 102, 41, 1), 9);
    attach(longer, sent);
    longer.setPoints({sample(0, 0, 0, 3), sample(10, 0, 16, 3), sample(20, 4, 32, 3), sample(30, 9, 48, 3)});
    QCOMPARE(sent.calls, 2);
    QCOMPARE(int(sent.points.size()), 4);
    const std::vector<TQPointWF> &outerEdge = longer.edgePoints;
    const std::vector<TQPointWF> &innerEdge = longer.inner()->edgePoints;
    QCOMPARE(sent.points[0], toPointW(outerEdge[outerEdge.size() - 1]));
    QCOMPARE(sent.points[1], toPointW(outerEdge[outerEdge.size() - 2]));
    QCOMPARE(sent.points[2].x, toPointW(innerEdge[innerEdge.size() - 1]).x);
    QCOMPARE(sent.points[2].cid, innerEdge[innerEdge.size() - 1].cid + 2);
    QCOMPARE(sent.points[3].cid, innerEdge[innerEdge.size() - 2].cid + 2);
    QVERIFY(sent.points[0].cid <= 1 && sent.points[2].cid >= 2);
}

void TestPathCalligraphy::feedMatchesClosingAfterEveryTriple_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("extra");

    QTest::newRow("fountain pen") << 2 << 0;
    QTest::newRow("pen twin") << 4 << 0;
    QTest::newRow("writing brush") << 3 << 0;
    QTest::newRow("writing brush, wide") << 3 << 1;
    QTest::newRow("chalk") << 5 << 0;
    QTest::newRow("chalk, wide") << 5 << 1;
    QTest::newRow("inner chalk alone") << 6 << 0;
}

void TestPathCalligraphy::feedMatchesClosingAfterEveryTriple()
{
    QFETCH(int, type);
    QFETCH(int, extra);

    // A stroke with slow and fast runs, changing pressure, a sharp turn back,
    // a right angle and the release.
    std::vector<TQPointWF> stroke;
    qint64 t = 5000;
    auto add = [&](float x, float y, float pressure, int dt) {
        t += dt;
        stroke.push_back(sample(x, y, t, pressure, stroke.empty() ? 0 : 1));
    };
    for (int i = 0; i < 30; ++i)
        add(20 + i * 4.f, 100 + 10 * std::sin(i * 0.3f), float(i % 8), i < 15 ? 30 : 5);
    add(100, 104, 3, 20);
    add(70, 104, 3, 20);
    for (int i = 0; i < 20; ++i)
        add(70, 110 + i * 6.f, 5, 12);
    add(130, 230, 6, 12);
    add(190, 232, 6, 12);
    stroke.back().phase = 2;

    const TQBrushStyle brush(type, 104, 41, extra);
    // As the draw manager feeds: every piece rebuilds a new path from all the
    // samples so far; check a few lengths and then the whole stroke.
    for (size_t length : {size_t(3), size_t(4), size_t(9), size_t(31), stroke.size()}) {
        const std::vector<TQPointWF> piece(stroke.begin(), stroke.begin() + long(length));
        PathPtr fed(type == 6 ? new TQInnerChalkContent(brush, 7) : makeFor(brush));
        PathPtr literal(literalFor(brush));
        fed->setPoints(piece);
        literal->setPoints(piece);
        QCOMPARE(painterPathElements(*fed), painterPathElements(*literal));
        QCOMPARE(fed->edgePoints.size(), literal->edgePoints.size());
        QVERIFY(!fed->isEmpty());
    }

    // Feeding the same path again adds to its edges; still the same outline.
    PathPtr fed(type == 6 ? new TQInnerChalkContent(brush, 7) : makeFor(brush));
    PathPtr literal(literalFor(brush));
    for (size_t length : {size_t(12), stroke.size()}) {
        const std::vector<TQPointWF> piece(stroke.begin(), stroke.begin() + long(length));
        fed->setPoints(piece);
        literal->setPoints(piece);
    }
    QCOMPARE(painterPathElements(*fed), painterPathElements(*literal));
}

void TestPathCalligraphy::copies()
{
    TQPathLineChalkContent chalk(TQBrushStyle(5, 103, 41, 0), 12);
    chalk.carriedValues = {1, 2, 3, 4, 5, 6};
    TQPointWF first(10, 20, 1, 12345, 2, 0, 0);
    first.refWidth = 500;
    chalk.setPoints({first, sample(30, 20, 12400, 2), sample(30, 60, 12500, 2, 2)});
    Sent sent;
    attach(chalk, sent);

    // Shifted: k = 1000 / 500; here dx is scaled too, dy before scaling.
    std::unique_ptr<TQPathCalligraphy> shifted(chalk.copyShifted(3, 5, QSize(1000, 640), 2));
    QVERIFY(dynamic_cast<TQPathLineChalkContent *>(shifted.get()));
    QCOMPARE(shifted->strokeId, 12);
    QCOMPARE(shifted->brush, chalk.brush);
    QCOMPARE(shifted->carriedValues, chalk.carriedValues);
    const TQPointWF &s = shifted->rawPoints[0];
    QCOMPARE(QPointF(s.x, s.y), QPointF(10 * 2 * 2 + 3 * 2, (20 + 5) * 2 * 2));
    QCOMPARE(s.pressure, 8.0f);
    QCOMPARE(s.time, qint64(2345 * 4));
    QCOMPARE(s.cid, 1);
    QCOMPARE(s.phase, 0);
    QCOMPARE(QSize(s.refWidth, s.refHeight), QSize(1000, 640));
    // The copy has its own inner layer, fed with it; copies hand nothing on.
    auto *shiftedChalk = static_cast<TQPathLineChalkContent *>(shifted.get());
    QVERIFY(shiftedChalk->inner() != chalk.inner());
    QVERIFY(!shiftedChalk->inner()->isEmpty());
    QCOMPARE(sent.calls, 0);

    chalk.drawnCount = 1;
    std::unique_ptr<TQPathCalligraphy> drawn(chalk.copyFromDrawn(3, 5, 2));
    QCOMPARE(int(drawn->rawPoints.size()), 2);
    QCOMPARE(QPointF(drawn->rawPoints[0].x, drawn->rawPoints[0].y), QPointF((30 + 3) * 2, (20 + 5) * 2));
    QCOMPARE(drawn->rawPoints[0].refWidth, 820);
    chalk.drawnCount = -1;
    std::unique_ptr<TQPathCalligraphy> all(chalk.copyFromDrawn(0, 0, 1));
    QCOMPARE(chalk.drawnCount, 0);
    QCOMPARE(all->rawPoints.size(), chalk.rawPoints.size());

    // Without a usable target the samples keep their canvas and k = 1.
    std::unique_ptr<TQPathCalligraphy> unsized(chalk.copyShifted(0, 0, QSize(), 1));
    QCOMPARE(unsized->rawPoints[0].refWidth, 500);
    QCOMPARE(unsized->rawPoints[0].x, 10.0f);

    std::unique_ptr<TQPathCalligraphy> rescaled(chalk.copyRescaled(QSize(250, 160)));
    QCOMPARE(QPointF(rescaled->rawPoints[0].x, rescaled->rawPoints[0].y), QPointF(5, 10));
    QCOMPARE(rescaled->rawPoints[0].time, qint64(12345));
    QCOMPARE(rescaled->rawPoints[0].refWidth, 250);

    // Each content copies into its own class.
    for (int type : {2, 3, 4, 6}) {
        PathPtr path(makeFor(TQBrushStyle(type, 101, 41, 0)));
        path->setPoints({sample(0, 0), sample(5, 5, 16), sample(9, 0, 32)});
        std::unique_ptr<TQPathCalligraphy> copy(path->copyRescaled(QSize(820, 520)));
        QCOMPARE(typeid(*copy).name(), typeid(*path).name());
        QCOMPARE(painterPathElements(*copy), painterPathElements(*path));
    }
}

QTEST_GUILESS_MAIN(TestPathCalligraphy)
#include "tst_pathcalligraphy.moc"
