#include "shapes/TQShapePrismTriangle.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

#include <algorithm>

namespace {

const TQPointWF kOrigin(0, 0);

TQPointWF shifted(const TQPointWF &p, const TQPointWF &from, const TQPointWF &to)
{
    return TQPointWF(p.x + to.x - from.x, p.y + to.y - from.y);
}

} // namespace

TQShapePrismTriangle::TQShapePrismTriangle()
    : TQShapeSolid(2406, 4)
    , corners{kOrigin, kOrigin, kOrigin, kOrigin, kOrigin, kOrigin}
{
}

void TQShapePrismTriangle::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    const float baseY = float(2 * h / 3.0);
    addVertex(TQPointWF(float(w / 2), baseY));
    addVertex(TQPointWF(float(2 * w / 3.0), baseY));
    addVertex(TQPointWF(float(w) * 1.1666667f / 2, baseY - 80));
    addVertex(TQPointWF(w / 2.0f, baseY - 240));
}

TQPointWF TQShapePrismTriangle::anchorPoint() const
{
    return hasAllPoints() ? meanOfVertices(3) : TQPointWF(0, 0);
}

void TQShapePrismTriangle::updateCorners()
{
    // Turning the prism turns its control points; nothing else keeps an angle.
    corners[B0] = vertices[0]->position;
    corners[B1] = vertices[1]->position;
    corners[B2] = vertices[2]->position;
    corners[T0] = vertices[3]->position;
    corners[T1] = shifted(corners[T0], corners[B0], corners[B1]);
    corners[T2] = shifted(corners[T0], corners[B0], corners[B2]);
    k0 = isNotEnclosedCorner(corners[B2], corners[T0], corners[B0], corners[B1]);
    k1 = !isNotEnclosedCorner(corners[B2], corners[B1], corners[B0], corners[T0]);
    k2 = !isNotEnclosedCorner(corners[B2], corners[B0], corners[B1], corners[T1]);
}

std::vector<TQPointWF> TQShapePrismTriangle::boundingPoints()
{
    updateCorners();
    return {corners.begin(), corners.end()};
}

void TQShapePrismTriangle::buildOutline(TQShapeOutline &outline, TQDrawManager *)
{
    if (!hasAllPoints())
        return;
    updateCorners();
    addEdge(outline, {corners[B0], corners[B1], corners[T1], corners[T0], corners[B0]});
    addEdge(outline, {corners[B2], corners[T2]}, !k1 && !k2);
    addEdge(outline, {corners[B0], corners[B2]}, k0 && !k1);
    addEdge(outline, {corners[B1], corners[B2]}, k0 && !k2);
    addEdge(outline, {corners[T0], corners[T2]}, !k0 && !k1);
    addEdge(outline, {corners[T1], corners[T2]}, !k0 && !k2);
}

void TQShapePrismTriangle::adjustVertex(float dx, float dy)
{
    // The move step recomputes the bounds after this; the handles stay where
    // the press found them.
    if (!hasAllPoints() || selectedVertex < 0 || selectedVertex >= int(vertices.size()))
        return;
    const auto dragged = [dx, dy](TQVertex *v) {
        v->position = TQPointWF(v->pressPosition.x + dx, v->pressPosition.y + dy);
    };
    switch (selectedVertex) {
    case 0:
        // The front-left edge moves as a whole.
        dragged(vertices[0]);
        dragged(vertices[3]);
        break;
    case 3: {
        // The top moves only along the figure's vertical, which fixes the
        // height and keeps the side faces upright.
        const TQPointWF a = anchorPoint();
        const TQPointWF bottom = rotatePointAround(vertices[0]->pressPosition, a, -angle);
        const TQPointWF top = rotatePointAround(vertices[3]->pressPosition, a, -angle);
        const float y = std::min(top.y + dy, bottom.y - kMinHeight);
        vertices[3]->position = rotatePointAround(TQPointWF(top.x, y), a, angle);
        break;
    }
    default:
        dragged(vertices[size_t(selectedVertex)]);
        break;
    }
}
