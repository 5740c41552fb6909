#include "modules/live/draws/TQPath.h"

#include <algorithm>
#include <cmath>

TQPath::TQPath(int brushType, TQBrushColor colour, int width, int extra, int strokeId)
    : brush(brushType, colour, width, extra)
    , strokeId(strokeId)
{
}

TQPath::TQPath(const TQBrushStyle &brush, int strokeId)
    : brush(brush)
    , strokeId(strokeId)
{
}

TQPath::~TQPath() = default;

void TQPath::setPoints(const std::vector<TQPointWF> &newPoints)
{
    for (const TQPointWF &p : newPoints) {
        if (points.empty())
            moveTo(p.x, p.y);
        else
            lineTo(p.x, p.y);
        recordPoint(p);
    }
}

TQPath *TQPath::emptyCopy() const
{
    return new TQPath(brush, strokeId);
}

TQPath *TQPath::pointCopy(size_t first, float fx, float ex, float dy, const QSize &reference) const
{
    std::vector<TQPointWF> moved;
    moved.reserve(points.size() - std::min(first, points.size()));
    for (size_t i = first; i < points.size(); ++i) {
        const TQPointWF &p = points[i];
        TQPointWF q(p.x * fx + ex, (p.y + dy) * fx);
        q.refWidth = reference.isValid() ? reference.width() : p.refWidth;
        q.refHeight = reference.isValid() ? reference.height() : p.refHeight;
        moved.push_back(q);
    }
    TQPath *copy = emptyCopy();
    copy->setPoints(moved);
    return copy;
}

TQPath *TQPath::copyShifted(float dx, float dy, const QSize &target, float scale) const
{
    const float k = points.empty() ? 1 : canvasFactor(points.front().refWidth, target);
    return pointCopy(0, scale * k, dx, dy, target);
}

TQPath *TQPath::copyFromDrawn(float dx, float dy, float scale, const QSize &target)
{
    drawnCount = std::max(0, drawnCount);
    const float k = points.empty() || !target.isValid() ? 1 : canvasFactor(points.front().refWidth, target);
    return pointCopy(size_t(drawnCount), scale * k, dx, dy, target);
}

TQPath *TQPath::copyRescaled(const QSize &target) const
{
    const float k = points.empty() ? 1 : canvasFactor(points.front().refWidth, target);
    return pointCopy(0, k, 0, 0, target);
}

void TQPath::recordPoint(const TQPointWF &p)
{
    TQPointWF copy(p.x, p.y);
    copy.refWidth = p.refWidth;
    copy.refHeight = p.refHeight;
    points.push_back(copy);
    trackExtent(p);
}

void TQPath::trackExtent(const TQPointWF &p)
{
    lastX = p.x;
    lastY = p.y;
    // Received coordinates are untrusted: keep the int conversion defined.
    const float clamped = std::max(float(INT_MIN / 2), std::min(float(INT_MAX / 2), p.y));
    const int y = static_cast<int>(clamped);
    minY = std::min(minY, y - 1);
    maxY = std::max(maxY, y + 1);
}

float TQPath::canvasFactor(int fromWidth, const QSize &target)
{
    if (fromWidth <= 0 || target.width() <= 0)
        return 1;
    return float(target.width()) / float(fromWidth);
}
