#include "shapes/TQShapeRectangle.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

TQShapeRectangle::TQShapeRectangle()
    : TQShapeRectangle(2307)
{
}

TQShapeRectangle::TQShapeRectangle(int type)
    : TQShapeQuadrilateral(type, 2)
{
}

void TQShapeRectangle::placeVertices(TQDrawManager *context)
{
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    addVertex(TQPointWF(w / 2, h / 2));
    addVertex(TQPointWF(2 * w / 3, 2 * h / 3));
}

std::vector<TQPointWF> TQShapeRectangle::cornerPolygon() const
{
    if (!hasAllCorners())
        return {};
    const TQPointWF p0 = vertices[0]->position;
    const TQPointWF p1 = vertices[1]->position;
    const TQPointWF a = anchorPoint();
    const TQPointWF own0 = rotatePointAround(p0, a, -angle);
    const TQPointWF own1 = rotatePointAround(p1, a, -angle);
    const TQPointWF c = rotatePointAround(TQPointWF(own0.x, own1.y), a, angle);
    const TQPointWF d = rotatePointAround(TQPointWF(own1.x, own0.y), a, angle);
    return {p0, c, p1, d, p0};
}

std::vector<TQPointWF> TQShapeRectangle::outlinePoints() const
{
    return cornerPolygon();
}

void TQShapeRectangle::updateBounds()
{
    const std::vector<TQPointWF> corners = cornerPolygon();
    bounds = corners.empty() ? QRect(0, 0, 0, 0) : boundsOfPoints(corners);
}
