#include "shapes/TQShapeSolid.h"

#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"

#include <algorithm>

namespace {

// A full turn, with one percent either way for rounding.
constexpr double kFullTurnLow = 6.220353454107791;
constexpr double kFullTurnHigh = 6.346017160251382;

} // namespace

TQShapeSolid::TQShapeSolid(int type, size_t pointCount)
    : TQShapeGeneric(type, true, false, false, true)
    , mPointCount(pointCount)
{
}

void TQShapeSolid::updateBounds()
{
    bounds = hasAllPoints() ? boundsOfPoints(boundingPoints()) : QRect(0, 0, 0, 0);
}

std::vector<TQPointWF> TQShapeSolid::boundingPoints()
{
    return vertexPositions();
}

bool TQShapeSolid::isFillable() const
{
    return false;
}

std::array<TQPointWF, 4> TQShapeSolid::uprightBox(const TQPointWF &a, const TQPointWF &b)
{
    const float left = std::min(a.x, b.x);
    const float right = std::max(a.x, b.x);
    const float top = std::min(a.y, b.y);
    const float bottom = std::max(a.y, b.y);
    return {TQPointWF(left, top), TQPointWF(right, top), TQPointWF(right, bottom), TQPointWF(left, bottom)};
}

bool TQShapeSolid::pointInTriangle(const TQPointWF &p, const TQPointWF &a, const TQPointWF &b, const TQPointWF &c)
{
    if (pointDistance(p, a) < 0.1f || pointDistance(p, b) < 0.1f || pointDistance(p, c) < 0.1f)
        return true;
    const double s = angleAtVertex(a, p, b) + angleAtVertex(b, p, c) + angleAtVertex(c, p, a);
    return kFullTurnLow < s && s < kFullTurnHigh;
}

TQPointWF TQShapeSolid::beyond(const TQPointWF &a, const TQPointWF &b, float ratio)
{
    return TQPointWF(a.x + (a.x - b.x) * ratio, a.y + (a.y - b.y) * ratio);
}

void TQShapeSolid::addEdge(TQShapeOutline &outline, const std::vector<TQPointWF> &points, bool hidden)
{
    const TQBrushStyle shapeBrush = outline.brush;
    if (hidden)
        outline.brush.type = kHiddenLineType;
    outline.addLine(points, false);
    outline.brush = shapeBrush;
}

std::vector<TQPointWF> TQShapeSolid::turnedHalfEllipse(const TQPointWF &a, const TQPointWF &b, bool upper,
                                                       const TQPointWF &centre, float shiftY) const
{
    std::vector<TQPointWF> half = halfEllipsePoints(a, b, upper);
    for (TQPointWF &p : half)
        p = rotatePointAround(TQPointWF(p.x, p.y + shiftY), centre, angle);
    return half;
}
