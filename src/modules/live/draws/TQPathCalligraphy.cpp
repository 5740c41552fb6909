#include "modules/live/draws/TQPathCalligraphy.h"

#include "modules/live/draws/TQPointGeometry.h"

#include <algorithm>
#include <cmath>

TQPathCalligraphy::TQPathCalligraphy(const TQBrushStyle &brush, int strokeId, const std::array<int, 6> &carried)
    : TQPath(brush, strokeId)
    , carriedValues(carried)
{
}

TQPathCalligraphy::~TQPathCalligraphy() = default;

void TQPathCalligraphy::set(BackProcessInterface *processor)
{
    backProcessor.reset(processor);
}

void TQPathCalligraphy::setPoints(const std::vector<TQPointWF> &newPoints)
{
    if (newPoints.empty())
        return;
    rawPoints.clear();
    rawPoints.reserve(newPoints.size());
    for (const TQPointWF &p : newPoints) {
        rawPoints.push_back(p);
        trackExtent(p);
    }
    if (rawPoints.size() < 3)
        return;

    maxWidth = maxWidthFor(brush);
    minWidth = minWidthFor(brush);
    for (size_t i = 2; i < rawPoints.size(); ++i) {
        addTriple({rawPoints[i - 2], rawPoints[i - 1], rawPoints[i]});
        // Only the last closing curve survives a feed, so it is drawn once at
        // the end. Until the path has content, though, the next left point
        // starts the outline afresh, so the path follows every triple then.
        if (isEmpty())
            composeFromOutline();
    }
    composeFromOutline();
    handOff(newPoints);
}

float TQPathCalligraphy::maxWidthFor(const TQBrushStyle &) const
{
    return 10;
}

float TQPathCalligraphy::minWidthFor(const TQBrushStyle &) const
{
    return 1;
}

float TQPathCalligraphy::speedWeight() const
{
    return 0.5f;
}

void TQPathCalligraphy::initPathForStudentAPP(const std::vector<TQPointWF> &)
{
}

void TQPathCalligraphy::handOff(const std::vector<TQPointWF> &fed)
{
    if (!backProcessor)
        return;
    handoffPoints.clear();
    if (fed.size() == 3) {
        for (const TQPointWF &p : fed)
            handoffPoints.push_back(toPointW(p));
    } else {
        for (size_t i = 0; i < 2 && i < edgePoints.size(); ++i)
            handoffPoints.push_back(toPointW(edgePoints[edgePoints.size() - 1 - i]));
    }
    backProcessor->process(handoffPoints);
}

void TQPathCalligraphy::addTriple(std::vector<TQPointWF> triple)
{
    if (triple.size() != 3)
        return;
    smoothSpeeds(triple);
    if (rightEdgeCurve.empty())
        startCap(triple);
    addTurn(triple);
    if (triple[2].phase == 2)
        endCap(triple);
    lastPoint = triple[2];
}

void TQPathCalligraphy::startCap(const std::vector<TQPointWF> &t)
{
    const float w = halfWidthAt(t[0]);
    const QPointF p = extendSegment(QPointF(t[0].x, t[0].y), QPointF(t[1].x, t[1].y), 2 * w, true);
    addTipPoint(p);
    addSegment({TQPointWF(float(p.x()), float(p.y())), t[0], t[1]});
}

float TQPathCalligraphy::halfWidthAt(const TQPointWF &p) const
{
    const float k = speedWeight();
    const float s = std::max(0.0f, 1 - p.speed / 900);
    const float q = std::min(1.0f, p.pressure / 7);
    const float blend = (k * s + 1.2f * q) / (k + 1.2f);
    return (minWidth + (maxWidth - minWidth) * blend) / 2;
}

void TQPathCalligraphy::addTipPoint(const QPointF &p)
{
    addLeftPoint(p);
    addRightPoint(p);
}

void TQPathCalligraphy::addLeftPoint(const QPointF &p)
{
    if (!leftEdgeCurve.empty()) {
        const QPointF &l = leftEdgeCurve.back();
        const QPointF m = midPoint(l, p);
        if (isEmpty())
            outline.moveTo(m);
        else
            outline.quadTo(l, m);
    }
    leftEdgeCurve.push_back(p);
    edgePoints.push_back(TQPointWF(float(p.x()), float(p.y())));
}

void TQPathCalligraphy::addRightPoint(const QPointF &p)
{
    rightEdgeCurve.push_back(p);
    TQPointWF edge(float(p.x()), float(p.y()));
    edge.cid = 1;
    edgePoints.push_back(edge);
}

void TQPathCalligraphy::addSegment(const std::vector<TQPointWF> &t)
{
    const float w = halfWidthAt(t[1]);
    const float theta = lineAngle(QPointF(t[0].x, t[0].y), QPointF(t[2].x, t[2].y));
    addEdgePoints(QPointF(t[1].x, t[1].y), w, theta);
}

void TQPathCalligraphy::addEdgePoints(const QPointF &p, float halfWidth, float angle)
{
    addLeftPoint(perpendicularPoint(p, halfWidth, angle, false));
    addRightPoint(perpendicularPoint(p, halfWidth, angle, true));
}

void TQPathCalligraphy::addTurn(const std::vector<TQPointWF> &t)
{
    if (cornerAngle(t) < float(M_PI / 10)) {
        const std::array<QPointF, 3> c = cornerPoints(t);
        addCornerPoints(c, false);
        addCornerPoints(c, true);
    } else {
        addSegment(t);
    }
}

std::array<QPointF, 3> TQPathCalligraphy::cornerPoints(const std::vector<TQPointWF> &t) const
{
    const QPointF p0(t[0].x, t[0].y);
    const QPointF p1(t[1].x, t[1].y);
    const QPointF p2(t[2].x, t[2].y);
    float a1 = lineAngle(p0, p1);
    float a2 = lineAngle(p2, p1);
    if (isClockwiseTurn(t))
        std::swap(a1, a2);
    const float w = halfWidthAt(t[1]);
    return {perpendicularPoint(p1, w, a2, true), extendSegment(p0, p1, w, false), perpendicularPoint(p1, w, a1, false)};
}

void TQPathCalligraphy::addCornerPoints(const std::array<QPointF, 3> &c, bool right)
{
    const std::vector<QPointF> &edge = right ? rightEdgeCurve : leftEdgeCurve;
    std::array<QPointF, 3> ordered = c;
    if (!edge.empty()) {
        const QPointF e = edge.back();
        // Continue the edge from the nearer end of the corner.
        if (qpointDistance(e, c[2]) < qpointDistance(e, c[0]))
            std::reverse(ordered.begin(), ordered.end());
    }
    for (const QPointF &p : ordered) {
        if (right)
            addRightPoint(p);
        else
            addLeftPoint(p);
    }
}

void TQPathCalligraphy::endCap(const std::vector<TQPointWF> &t)
{
    const float w = halfWidthAt(t[1]);
    const QPointF e = extendSegment(QPointF(t[1].x, t[1].y), QPointF(t[0].x, t[0].y), 2 * w, true);
    TQPointWF end = t[1];
    end.x = float(e.x());
    end.y = float(e.y());
    endTip({t[0], t[1], end});
}

void TQPathCalligraphy::endTip(const std::vector<TQPointWF> &u)
{
    const float w = halfWidthAt(lastPoint);
    addTipPoint(extendSegment(QPointF(u[1].x, u[1].y), QPointF(u[2].x, u[2].y), w, false));
}

void TQPathCalligraphy::appendClosingCurve(QPainterPath &path) const
{
    const size_t n = leftEdgeCurve.size();
    if (n <= 2)
        return;
    std::vector<QPointF> l;
    l.reserve(rightEdgeCurve.size() + 3);
    l.push_back(leftEdgeCurve[2]);
    l.push_back(leftEdgeCurve[1]);
    l.insert(l.end(), rightEdgeCurve.begin(), rightEdgeCurve.end());
    l.push_back(leftEdgeCurve[n - 2]);
    for (size_t i = l.size() - 1; i >= 1; --i)
        path.quadTo(l[i], midPoint(l[i], l[i - 1]));
}

void TQPathCalligraphy::composeFromOutline()
{
    QPainterPath &path = *this;
    path = outline;
    appendClosingCurve(path);
}

TQPathCalligraphy *TQPathCalligraphy::emptyCopy() const
{
    return new TQPathCalligraphy(brush, strokeId, carriedValues);
}

template<typename Transform>
TQPathCalligraphy *TQPathCalligraphy::transformedCopy(size_t first, Transform transform) const
{
    std::vector<TQPointWF> moved;
    moved.reserve(rawPoints.size() - std::min(first, rawPoints.size()));
    for (size_t i = first; i < rawPoints.size(); ++i)
        moved.push_back(transform(rawPoints[i]));
    TQPathCalligraphy *copy = emptyCopy();
    copy->carriedValues = carriedValues;
    copy->setPoints(moved);
    return copy;
}

namespace {

// The sample's dynamics at a zoom: pressure and speed keep their effect on the
// width of a path drawn scale times larger.
void scaleDynamics(TQPointWF &p, float scale)
{
    const float square = scale * scale;
    p.pressure *= square;
    if (square > 0)
        p.speed /= square;
    p.time = qint64((p.time % 10000) * square);
}

} // namespace

TQPathCalligraphy *TQPathCalligraphy::copyShifted(float dx, float dy, const QSize &target, float scale) const
{
    const float k = rawPoints.empty() ? 1 : canvasFactor(rawPoints.front().refWidth, target);
    return transformedCopy(0, [&](const TQPointWF &p) {
        TQPointWF q = p;
        q.x = p.x * scale * k + dx * scale;
        q.y = (p.y + dy) * scale * k;
        scaleDynamics(q, scale);
        if (target.isValid()) {
            q.refWidth = target.width();
            q.refHeight = target.height();
        }
        return q;
    });
}

TQPathCalligraphy *TQPathCalligraphy::copyFromDrawn(float dx, float dy, float scale, const QSize &)
{
    drawnCount = std::max(0, drawnCount);
    return transformedCopy(size_t(drawnCount), [&](const TQPointWF &p) {
        TQPointWF q = p;
        q.x = (p.x + dx) * scale;
        q.y = (p.y + dy) * scale;
        scaleDynamics(q, scale);
        return q;
    });
}

TQPathCalligraphy *TQPathCalligraphy::copyRescaled(const QSize &target) const
{
    const float k = rawPoints.empty() ? 1 : canvasFactor(rawPoints.front().refWidth, target);
    return transformedCopy(0, [&](const TQPointWF &p) {
        TQPointWF q = p;
        q.x = p.x * k;
        q.y = p.y * k;
        if (target.isValid()) {
            q.refWidth = target.width();
            q.refHeight = target.height();
        }
        return q;
    });
}
