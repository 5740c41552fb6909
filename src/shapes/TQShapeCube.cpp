#include "shapes/TQShapeCube.h"

#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQVertex.h"

namespace {

// from + (to - from) x ratio.
TQPointWF alongFrom(const TQPointWF &from, const TQPointWF &to, float ratio)
{
    return TQPointWF(from.x + (to.x - from.x) * ratio, from.y + (to.y - from.y) * ratio);
}

} // namespace

TQShapeCube::TQShapeCube()
    : TQShapeCuboid(2401)
{
}

void TQShapeCube::placeVertices(TQDrawManager *context)
{
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    addVertex(TQPointWF(w / 2, h / 2 - 50), false);
    addVertex(TQPointWF(w / 2 + 200, h / 2 + 150));
    addVertex(TQPointWF(w / 2 + 123, h / 2 - 118));
}

void TQShapeCube::adjustVertex(float dx, float dy)
{
    // The move step recomputes the bounds after this; the handles stay where
    // the press found them.
    if (!hasAllPoints())
        return;
    if (selectedVertex == 1)
        dragDiagonalEnd(dx, dy);
    else if (selectedVertex == 2)
        dragDepth(dx, dy);
}

void TQShapeCube::dragDepth(float dx, float dy)
{
    TQVertex *depth = vertices[2];
    depth->position = TQPointWF(depth->pressPosition.x + dx, depth->pressPosition.y + dy);
    const TQPointWF p0 = vertices[0]->position;
    const float diagonal = pointDistance(p0, vertices[1]->position);
    const float wanted = 2 * pointDistance(p0, depth->position);
    // A face shrunk to a point would have no direction left to grow along:
    // the square keeps its last size while the depth point passes point 0.
    if (diagonal < kMinLength || wanted < kMinLength)
        return;
    vertices[1]->position = alongFrom(p0, vertices[1]->position, wanted / diagonal);
}

void TQShapeCube::dragDiagonalEnd(float dx, float dy)
{
    TQVertex *end = vertices[1];
    const TQPointWF p0 = vertices[0]->position;
    const TQPointWF middle = midpointOf(p0, end->position);
    const TQPointWF target(end->pressPosition.x + dx, end->pressPosition.y + dy);
    const float toTarget = pointDistance(middle, target);
    const float toEnd = pointDistance(middle, end->position);
    if (pointDistance(target, end->position) > kMaxJump || toEnd < kMinLength || toTarget < kMinLength)
        return;
    end->position = alongFrom(middle, end->position, toTarget / toEnd);
    float depth = pointDistance(p0, vertices[2]->position);
    if (depth < kMinLength)
        depth = 1;
    vertices[2]->position = alongFrom(p0, vertices[2]->position, 0.5f * pointDistance(p0, end->position) / depth);
}
