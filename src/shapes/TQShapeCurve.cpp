#include "shapes/TQShapeCurve.h"

#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQVertex.h"

namespace {

constexpr float kNearestNeighbour = 10.0f;

} // namespace

TQShapeCurve::TQShapeCurve()
    : TQShapeGeneric(1009, true, false, false, true)
{
}

TQPointWF TQShapeCurve::anchorPoint() const
{
    return meanOfVertices(3);
}

void TQShapeCurve::adjustVertex(float dx, float dy)
{
    if (selectedVertex < 0 || selectedVertex >= int(vertices.size()))
        return;
    // Points 0 and 1 are each other's neighbour; point 2's is point 1.
    const size_t neighbourIndex = size_t((selectedVertex + 1) % 2);
    if (neighbourIndex >= vertices.size())
        return;
    const TQVertex *v = vertices[size_t(selectedVertex)];
    const TQPointWF &neighbour = vertices[neighbourIndex]->position;
    const TQPointWF target(v->pressPosition.x + dx, v->pressPosition.y + dy);
    if (pointDistance(v->position, neighbour) > kNearestNeighbour
        || pointDistance(target, neighbour) >= kNearestNeighbour)
        TQShapeGeneric::adjustVertex(dx, dy);
}

bool TQShapeCurve::isFillable() const
{
    return false;
}

void TQShapeCurve::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    addVertex(TQPointWF(3 * float(w) / 8, 3 * float(h) / 8));
    addVertex(TQPointWF(7 * float(w) / 16, float(9 * h / 16)));
    addVertex(TQPointWF(5 * float(w) / 8, float(5 * h / 8)));
}

void TQShapeCurve::buildOutline(TQShapeOutline &outline, TQDrawManager *)
{
    if (vertices.size() < 3)
        return;
    outline.space = TQShapeOutline::Rescaled;
    const std::vector<TQPointWF> p = vertexPositions();
    outline.addLine({p[0], p[1], p[2], p[2]}, false, false);
}
