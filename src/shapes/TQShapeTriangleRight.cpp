#include "shapes/TQShapeTriangleRight.h"

#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;
// Canvas units: the mark's side, and the shortest leg that carries it.
constexpr float kMarkSide = 16.0f;
constexpr float kShortestMarkedLeg = 24.0f;

// other swung to the direction of dragged turned by angle about corner, at
// the distance length from it. other stays when dragged lies on the corner,
// where the direction is undefined.
void swingLeg(TQVertex *other, const TQPointWF &dragged, const TQPointWF &corner, double angle, double length)
{
    const TQPointWF r = rotatePointAround(dragged, corner, angle);
    const double d = std::hypot(double(r.x) - corner.x, double(r.y) - corner.y);
    if (d < 0.5)
        return;
    other->position = TQPointWF(float(corner.x + (double(r.x) - corner.x) * length / d),
                                float(corner.y + (double(r.y) - corner.y) * length / d));
}

double distanceOf(const TQPointWF &a, const TQPointWF &b)
{
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y);
}

} // namespace

TQPointWF TQShapeTriangleRight::anchorPoint() const
{
    return cornerOrOrigin(1);
}

void TQShapeTriangleRight::adjustVertex(float dx, float dy)
{
    if (vertices.size() < 3 || (selectedVertex != 0 && selectedVertex != 2))
        return;
    TQVertex *dragged = vertices[size_t(selectedVertex)];
    TQVertex *other = vertices[selectedVertex == 0 ? 2 : 0];
    const TQPointWF corner = vertices[1]->position;
    dragged->position = TQPointWF(dragged->pressPosition.x + dx, dragged->pressPosition.y + dy);
    // The other leg's length as at the press: a dragged end passing over the
    // corner must not shorten it for the rest of the drag.
    swingLeg(other, dragged->position, corner, selectedVertex == 0 ? kPi / 2 : -kPi / 2,
             distanceOf(other->pressPosition, corner));
    refreshHandles();
}

void TQShapeTriangleRight::placeVertices(TQDrawManager *context)
{
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    addVertex(TQPointWF(w / 2 + 50, h / 2 - 180));
    addVertex(TQPointWF(w / 2 + 50, h / 2 + 50), false);
    addVertex(TQPointWF(w / 2 + 200, h / 2 + 50));
}

void TQShapeTriangleRight::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (vertices.size() < 3)
        return;
    const TQPointWF c0 = TQShapeOutline::canvasPoint(*context, vertices[0]->position);
    const TQPointWF c1 = TQShapeOutline::canvasPoint(*context, vertices[1]->position);
    const float leg = pointDistance(c0, c1);
    if (leg > kShortestMarkedLeg) {
        const TQPointWF u(c1.x + (c0.x - c1.x) * kMarkSide / leg, c1.y + (c0.y - c1.y) * kMarkSide / leg);
        TQPointWF v = rotatePointAround(u, c1, kPi / 4);
        v = TQPointWF(c1.x + (v.x - c1.x) * 1.414f, c1.y + (v.y - c1.y) * 1.414f);
        const TQPointWF w = rotatePointAround(u, c1, kPi / 2);
        outline.space = TQShapeOutline::Canvas;
        outline.addLine({u, v, w});
        outline.space = TQShapeOutline::View;
    }
    TQShapeTriangle::buildOutline(outline, context);
}
