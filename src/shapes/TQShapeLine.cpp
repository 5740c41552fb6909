#include "shapes/TQShapeLine.h"

#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

namespace {

constexpr double kPi = 3.141592653589793;
// Half the length of a segment's end tick, canvas units.
constexpr float kTickReach = 16.0f;

} // namespace

TQShapeLine::TQShapeLine()
    : TQShapeGeneric(2201, true, false, false, true)
{
}

TQPointWF TQShapeLine::anchorPoint() const
{
    return meanOfVertices(2);
}

bool TQShapeLine::isFillable() const
{
    return false;
}

bool TQShapeLine::hasLineType() const
{
    return type != 2202;
}

void TQShapeLine::placeVertices(TQDrawManager *context)
{
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    addVertex(TQPointWF(w / 4, h / 4));
    addVertex(TQPointWF(3 * w / 4, 3 * h / 4));
}

void TQShapeLine::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (vertices.size() < 2)
        return;
    const TQPointWF a = TQShapeOutline::canvasPoint(*context, vertices[0]->position);
    const TQPointWF b = TQShapeOutline::canvasPoint(*context, vertices[1]->position);
    outline.space = TQShapeOutline::Canvas;
    if (type == 2202)
        outline.brush.type = 0;
    outline.addLine({a, b});
    outline.brush = brush;

    if (type == 2204)
        outline.addCircle(a, 3.0f, true);
    if (type != 2203)
        return;
    const float length = pointDistance(a, b);
    // Ends on one spot have no direction to put the ticks across.
    if (length < 1)
        return;
    const TQPointWF t(a.x + kTickReach * (b.x - a.x) / length, a.y + kTickReach * (b.y - a.y) / length);
    outline.addLine({rotatePointAround(t, a, kPi / 2), rotatePointAround(t, a, -kPi / 2)});
    const TQPointWF u(b.x + kTickReach * (a.x - b.x) / length, b.y + kTickReach * (a.y - b.y) / length);
    outline.addLine({rotatePointAround(u, b, kPi / 2), rotatePointAround(u, b, -kPi / 2)});
}
