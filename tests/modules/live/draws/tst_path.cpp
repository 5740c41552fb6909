#include "modules/live/draws/TQPath.h"
#include "modules/live/draws/TQPathLine.h"
#include "modules/live/draws/TQPointGeometry.h"

#include "PainterPathElements.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

// The plain path and the smoothed line: the point feed and its extent, the
// sub-paths of the smoothing, and the copies the painting layers ask for.
class TestPath : public QObject
{
    Q_OBJECT

private slots:
    void feedKeepsExtentAndLastPoint();
    void receivedExtremesStayDefined();
    void smoothedThreePoints();
    void shortLines();
    void growingStrokeMatchesOnePassRebuild();
    void copies_data();
    void copies();
    void copyFromDrawnStart();
    void copiesCarryIdentity();
    void unusableCanvasIsNotDividedBy();
};

namespace {

using Element = QPainterPath::ElementType;

TQPointWF sample(float x, float y, int refWidth = 820)
{
    TQPointWF p(x, y);
    p.refWidth = refWidth;
    p.refHeight = refWidth * 520 / 820;
    return p;
}

std::unique_ptr<TQPathLine> smoothLine(const std::vector<TQPointWF> &points, bool straight = false)
{
    std::unique_ptr<TQPathLine> line(new TQPathLine(TQBrushStyle(1, 105, 82, 0), 42, 1, 2, 3, straight, 4, 5, 6));
    line->setPoints(points);
    return line;
}

} // namespace

void TestPath::feedKeepsExtentAndLastPoint()
{
    std::unique_ptr<TQPath> path(new TQPath(5, 3, 41, 2, 77));
    QCOMPARE(path->brush, TQBrushStyle(5, 3, 41, 2));
    QCOMPARE(path->strokeId, 77);
    path->setPoints({});
    QVERIFY(path->isEmpty());

    TQPointWF second(30, 5.2f, 9, 1234, 0.5f, 2, 1);
    second.refWidth = 1000;
    path->setPoints({TQPointWF(10.7f, 20.9f), second});
    QCOMPARE(path->minY, 4);
    QCOMPARE(path->maxY, 21);
    QCOMPARE(path->lastX, 30.0f);
    QCOMPARE(path->lastY, 5.2f);
    QCOMPARE(path->elementCount(), 2);
    // Stored points keep only the position and the reference size.
    QCOMPARE(int(path->points.size()), 2);
    QCOMPARE(path->points[1].refWidth, 1000);
    QCOMPARE(path->points[1].cid, 0);
    QCOMPARE(path->points[1].time, qint64(0));
    QCOMPARE(path->points[1].phase, -1);
}

void TestPath::receivedExtremesStayDefined()
{
    TQPath path(1, 101, 3, 0, 1);
    path.setPoints({TQPointWF(0, 1e30f), TQPointWF(0, -1e30f), TQPointWF(0, std::nanf(""))});
    QVERIFY(path.minY < 0);
    QVERIFY(path.maxY > 0);
}

void TestPath::smoothedThreePoints()
{
    auto line = smoothLine({sample(0, 0), sample(10, 0), sample(10, 10)});

    QCOMPARE(painterPathElements(line->head), (QVector<QVector<double>>{{Element::MoveToElement, 0, 0},
                                                               {Element::LineToElement, 5, 0}}));
    // One quadratic curve, control (10, 0), stored by Qt as its cubic twin.
    QPainterPath quad;
    quad.moveTo(5, 0);
    quad.quadTo(10, 0, 10, 5);
    QCOMPARE(painterPathElements(line->body), painterPathElements(quad));
    QCOMPARE(line->body.elementCount(), 4);
    QCOMPARE(line->body.currentPosition(), QPointF(10, 5));
    QCOMPARE(painterPathElements(line->tail), (QVector<QVector<double>>{{Element::MoveToElement, 10, 5},
                                                               {Element::LineToElement, 10, 10}}));
    // The path is head, body and tail in that order.
    QPainterPath joined;
    joined.addPath(line->head);
    joined.addPath(line->body);
    joined.addPath(line->tail);
    QCOMPARE(painterPathElements(*line), painterPathElements(joined));
    QCOMPARE(line->elementCount(), 8);
    QCOMPARE(line->boundingRect(), QRectF(0, 0, 10, 10));

    QCOMPARE(int(line->headPoints.size()), 2);
    QCOMPARE(line->headPoints[1].x, 10.0f);
    QCOMPARE(int(line->tailPoints.size()), 2);
    QCOMPARE(line->tailPoints[0].x, 10.0f);
    QCOMPARE(line->tailPoints[1].y, 10.0f);
    QCOMPARE(line->lastY, 10.0f);
    QCOMPARE(line->minY, -1);
    QCOMPARE(line->maxY, 11);
}

void TestPath::shortLines()
{
    auto two = smoothLine({sample(1, 2), sample(7, 9)});
    QCOMPARE(painterPathElements(*two), (QVector<QVector<double>>{{Element::MoveToElement, 1, 2},
                                                         {Element::LineToElement, 7, 9}}));
    QCOMPARE(int(two->headPoints.size()), 2);
    QCOMPARE(int(two->tailPoints.size()), 2);
    QVERIFY(two->body.isEmpty());

    auto one = smoothLine({sample(3, 4)});
    // One point is an empty move: nothing to paint.
    QVERIFY(one->isEmpty());
    QCOMPARE(one->head.currentPosition(), QPointF(3, 4));

    // Straight lines join every point directly, as the plain path does.
    auto straight = smoothLine({sample(0, 0), sample(10, 0), sample(10, 10)}, true);
    QCOMPARE(painterPathElements(*straight), (QVector<QVector<double>>{{Element::MoveToElement, 0, 0},
                                                              {Element::LineToElement, 10, 0},
                                                              {Element::LineToElement, 10, 10}}));
    QVERIFY(straight->headPoints.empty());
}

void TestPath::growingStrokeMatchesOnePassRebuild()
{
    // The smoothing as first written: after every appended point the whole
    // line is built again. The feed builds once; only the last build counts,
    // so a stroke fed whole, or piece by piece, must come out the same.
    std::vector<TQPointWF> stroke;
    for (int i = 0; i < 60; ++i)
        stroke.push_back(sample(i * 3.5f, 40 + 25 * std::sin(i * 0.4f)));

    TQPathLine reference(TQBrushStyle(), 1, 0, 0, 0, false, 0, 0, 0);
    for (const TQPointWF &p : stroke) {
        reference.points.push_back(p);
        reference.rebuild();
    }
    auto whole = smoothLine(stroke);
    QCOMPARE(painterPathElements(*whole), painterPathElements(reference));

    TQPathLine pieces(TQBrushStyle(), 1, 0, 0, 0, false, 0, 0, 0);
    for (size_t i = 0; i < stroke.size(); i += 2)
        pieces.setPoints({stroke.begin() + long(i), stroke.begin() + long(std::min(i + 2, stroke.size()))});
    QCOMPARE(painterPathElements(pieces), painterPathElements(reference));
    QCOMPARE(pieces.minY, whole->minY);
    QCOMPARE(pieces.maxY, whole->maxY);
}

void TestPath::copies_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("target");
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QSize>("reference");

    // Point (10, 20) on a canvas 500 wide; dx 3, dy 5, scale 2.
    // Shifted: k = 1000 / 500, dx added after scaling, dy before.
    QTest::newRow("shifted") << "shifted" << QSize(1000, 640) << QPointF(10 * 2 * 2 + 3, (20 + 5) * 2 * 2)
                             << QSize(1000, 640);
    QTest::newRow("from drawn") << "drawn" << QSize(1000, 640) << QPointF(43, 100) << QSize(1000, 640);
    // Without a target the temporal copy keeps the scale and each point's canvas.
    QTest::newRow("from drawn, no target") << "drawn" << QSize() << QPointF(10 * 2 + 3, (20 + 5) * 2)
                                           << QSize(500, 317);
    QTest::newRow("rescaled") << "rescaled" << QSize(250, 160) << QPointF(5, 10) << QSize(250, 160);
}

void TestPath::copies()
{
    QFETCH(QString, kind);
    QFETCH(QSize, target);
    QFETCH(QPointF, first);
    QFETCH(QSize, reference);

    auto line = smoothLine({sample(10, 20, 500), sample(30, 20, 500), sample(30, 60, 500)});
    std::unique_ptr<TQPathLine> copy(kind == "shifted" ? line->copyShifted(3, 5, target, 2)
                                     : kind == "drawn" ? line->copyFromDrawn(3, 5, 2, target)
                                                       : line->copyRescaled(target));
    QCOMPARE(int(copy->points.size()), 3);
    QCOMPARE(QPointF(copy->points[0].x, copy->points[0].y), first);
    QCOMPARE(QSize(copy->points[0].refWidth, copy->points[0].refHeight), reference);
    // The copy is the same smoothed figure, scaled: three points give eight
    // elements whose bounds scale with the points.
    QCOMPARE(copy->elementCount(), line->elementCount());
    const float f = kind == "rescaled" ? 0.5f : kind == "drawn" && !target.isValid() ? 2 : 4;
    QCOMPARE(copy->boundingRect().size(), line->boundingRect().size() * f);
}

void TestPath::copyFromDrawnStart()
{
    auto line = smoothLine({sample(0, 0), sample(10, 0), sample(10, 10), sample(0, 10)});
    line->drawnCount = -3;
    std::unique_ptr<TQPathLine> all(line->copyFromDrawn(0, 0, 1));
    QCOMPARE(line->drawnCount, 0);
    QCOMPARE(int(all->points.size()), 4);

    line->drawnCount = 2;
    std::unique_ptr<TQPathLine> rest(line->copyFromDrawn(0, 0, 1));
    QCOMPARE(int(rest->points.size()), 2);
    QCOMPARE(rest->points[0].y, 10.0f);

    line->drawnCount = 4;
    std::unique_ptr<TQPathLine> none(line->copyFromDrawn(0, 0, 1));
    QVERIFY(none->isEmpty());
    QVERIFY(none->points.empty());
    QCOMPARE(none->brush, line->brush);

    // Past the end (a stroke replaced by a shorter one) gives nothing, too.
    line->drawnCount = 9;
    std::unique_ptr<TQPathLine> past(line->copyFromDrawn(0, 0, 1));
    QVERIFY(past->points.empty());
}

void TestPath::copiesCarryIdentity()
{
    TQPointWF full(10, 20, 1, 5000, 0.7f, 3, 2);
    auto line = smoothLine({full, sample(30, 20), sample(30, 60)});
    std::unique_ptr<TQPath> asBase(static_cast<TQPath *>(line.get())->copyShifted(0, 0, QSize(820, 520), 1));
    auto *copy = dynamic_cast<TQPathLine *>(asBase.get());
    QVERIFY(copy);
    QCOMPARE(copy->strokeId, 42);
    QCOMPARE(copy->brush, TQBrushStyle(1, 105, 82, 0));
    QCOMPARE(copy->actionValues, (std::array<int, 3>{1, 2, 3}));
    QCOMPARE(copy->actionValues2, (std::array<int, 3>{4, 5, 6}));
    QVERIFY(!copy->straight);
    QCOMPARE(copy->points[0].cid, 0);
    QCOMPARE(copy->points[0].pressure, 0.0f);
    QCOMPARE(copy->points[0].time, qint64(0));
    QCOMPARE(copy->points[0].phase, -1);
}

void TestPath::unusableCanvasIsNotDividedBy()
{
    // A received line may name a canvas 0 wide; its copies stay finite.
    auto line = smoothLine({sample(10, 20, 0), sample(30, 20, 0), sample(30, 60, 0)});
    std::unique_ptr<TQPathLine> rescaled(line->copyRescaled(QSize(1000, 640)));
    std::unique_ptr<TQPathLine> shifted(line->copyShifted(1, 1, QSize(), 2));
    for (const TQPath *copy : {static_cast<TQPath *>(rescaled.get()), static_cast<TQPath *>(shifted.get())}) {
        for (const TQPointWF &p : copy->points)
            QVERIFY(std::isfinite(p.x) && std::isfinite(p.y));
    }
    QCOMPARE(rescaled->points[0].x, 10.0f);
}

QTEST_GUILESS_MAIN(TestPath)
#include "tst_path.moc"
