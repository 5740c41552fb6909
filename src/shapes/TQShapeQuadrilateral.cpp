#include "shapes/TQShapeQuadrilateral.h"

#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQVertex.h"

TQShapeQuadrilateral::TQShapeQuadrilateral(int type, int cornerCount)
    : TQShapeGeneric(type, true, false, false, true)
    , mCornerCount(cornerCount)
{
}

TQPointWF TQShapeQuadrilateral::anchorPoint() const
{
    if (!hasAllCorners())
        return TQPointWF(0, 0);
    float x = 0;
    float y = 0;
    for (int i = 0; i < mCornerCount; ++i) {
        x += vertices[size_t(i)]->position.x;
        y += vertices[size_t(i)]->position.y;
    }
    return TQPointWF(x / mCornerCount, y / mCornerCount);
}

std::vector<TQPointWF> TQShapeQuadrilateral::outlinePoints() const
{
    if (!hasAllCorners())
        return {};
    std::vector<TQPointWF> points = vertexPositions();
    points.push_back(points.front());
    return points;
}

TQPointWF TQShapeQuadrilateral::scaledAbout(const TQPointWF &p, const TQPointWF &c, double ratio)
{
    return TQPointWF(float(c.x + (double(p.x) - c.x) * ratio), float(c.y + (double(p.y) - c.y) * ratio));
}

bool TQShapeQuadrilateral::slideTowards(const TQPointWF &s, const TQPointWF &current, const TQPointWF &target,
                                        TQPointWF &out)
{
    if (pointDistance(target, current) > kMaxJump)
        return false;
    const double reach = pointDistance(s, target);
    const double length = pointDistance(s, current);
    if (reach < kMinLength || length < kMinLength)
        return false;
    out = scaledAbout(current, s, reach / length);
    return true;
}

void TQShapeQuadrilateral::placeAroundMiddle(TQDrawManager *context, std::initializer_list<CornerFromMiddle> corners)
{
    const float x = context->visibleSize().width() / 2.0f;
    const float y = context->visibleSize().height() / 2.0f;
    for (const CornerFromMiddle &corner : corners)
        addVertex(TQPointWF(x + corner.dx, y + corner.dy), corner.enabled);
}

TQPointWF TQShapeQuadrilateral::dragTarget(float dx, float dy) const
{
    const TQPointWF &press = vertices[size_t(selectedVertex)]->pressPosition;
    return TQPointWF(press.x + dx, press.y + dy);
}

void TQShapeQuadrilateral::buildOutline(TQShapeOutline &outline, TQDrawManager *)
{
    const std::vector<TQPointWF> points = outlinePoints();
    if (!points.empty())
        outline.addLine(points, true);
}
