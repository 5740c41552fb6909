#include "modules/live/draws/TQPathLine.h"

#include "modules/live/draws/TQPointGeometry.h"

#include <algorithm>

TQPathLine::TQPathLine(const TQBrushStyle &brush, int strokeId, int action0, int action1, int action2, bool straight,
                       int actionB0, int actionB1, int actionB2)
    : TQPath(brush, strokeId)
    , actionValues{action0, action1, action2}
    , straight(straight)
    , actionValues2{actionB0, actionB1, actionB2}
{
}

void TQPathLine::setPoints(const std::vector<TQPointWF> &newPoints)
{
    if (newPoints.empty())
        return;
    if (straight) {
        TQPath::setPoints(newPoints);
        return;
    }
    points.reserve(points.size() + newPoints.size());
    for (const TQPointWF &p : newPoints)
        recordPoint(p);
    // Only the last build survives, so one per feed, not one per point.
    rebuild();
}

void TQPathLine::rebuild()
{
    headPoints.clear();
    tailPoints.clear();
    head = QPainterPath();
    body = QPainterPath();
    tail = QPainterPath();
    QPainterPath &path = *this;
    path = QPainterPath();
    if (points.empty())
        return;

    const size_t n = points.size();
    auto at = [this](size_t i) { return QPointF(points[i].x, points[i].y); };
    if (n < 3) {
        head.moveTo(at(0));
        tail.moveTo(at(0));
        for (size_t i = 1; i < n; ++i) {
            head.lineTo(at(i));
            tail.lineTo(at(i));
        }
        addPath(head);
        headPoints = points;
        tailPoints = points;
    } else {
        head.moveTo(at(0));
        head.lineTo(midPoint(at(0), at(1)));
        body.reserve(int(3 * n));
        body.moveTo(midPoint(at(0), at(1)));
        for (size_t i = 1; i + 1 < n; ++i)
            body.quadTo(at(i), midPoint(at(i), at(i + 1)));
        tail.moveTo(midPoint(at(n - 2), at(n - 1)));
        tail.lineTo(at(n - 1));
        reserve(head.elementCount() + body.elementCount() + tail.elementCount());
        addPath(head);
        addPath(body);
        addPath(tail);
        headPoints = {points[0], points[1]};
        tailPoints = {points[n - 2], points[n - 1]};
    }
    lastX = points.back().x;
    lastY = points.back().y;
}

TQPathLine *TQPathLine::emptyCopy() const
{
    return new TQPathLine(brush, strokeId, actionValues[0], actionValues[1], actionValues[2], straight,
                          actionValues2[0], actionValues2[1], actionValues2[2]);
}

// The plain path's copies with this kind's empty copy.
TQPathLine *TQPathLine::copyShifted(float dx, float dy, const QSize &target, float scale) const
{
    return static_cast<TQPathLine *>(TQPath::copyShifted(dx, dy, target, scale));
}

TQPathLine *TQPathLine::copyFromDrawn(float dx, float dy, float scale, const QSize &target)
{
    return static_cast<TQPathLine *>(TQPath::copyFromDrawn(dx, dy, scale, target));
}

TQPathLine *TQPathLine::copyRescaled(const QSize &target) const
{
    return static_cast<TQPathLine *>(TQPath::copyRescaled(target));
}
