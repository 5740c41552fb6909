#include "shapes/TQShapePartialCircle.h"

#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

#include <cmath>

namespace {

// Direction of p seen from c, measured from straight up (y grows downwards).
float turnFromUp(const TQPointWF &c, const TQPointWF &p)
{
    return float(std::atan2(double(p.y) - c.y, double(p.x) - c.x) - std::atan2(-1.0, 0.0));
}

double direction(const TQPointWF &c, const TQPointWF &p)
{
    return std::atan2(double(p.y) - c.y, double(p.x) - c.x);
}

} // namespace

TQShapePartialCircle::TQShapePartialCircle()
    : TQShapeGeneric(2316, true, false, false, true)
{
}

void TQShapePartialCircle::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    addVertex(TQPointWF(w / 2.0f, h / 2.0f + 200), false);
    addVertex(TQPointWF(float(3 * w / 4.0), h / 2.0f + 200));
    addVertex(TQPointWF(w / 2.0f, h / 2.0f - float(w / 4) + 200), false);
}

void TQShapePartialCircle::adjustVertex(float dx, float dy)
{
    if (vertices.size() < 3 || selectedVertex != 1)
        return;
    TQVertex *start = vertices[1];
    start->position = TQPointWF(start->pressPosition.x + dx, start->pressPosition.y + dy);
    const TQPointWF p0 = vertices[0]->position;
    TQPointWF &p2 = vertices[2]->position;
    const double endLength = pointDistance(p0, p2);
    // An end point on the centre has no ray left to follow.
    if (endLength > 0.01) {
        const double ratio = pointDistance(p0, start->position) / endLength;
        p2 = TQPointWF(float(p0.x + (double(p2.x) - p0.x) * ratio), float(p0.y + (double(p2.y) - p0.y) * ratio));
    }
    refreshHandles();
}

void TQShapePartialCircle::updateBounds()
{
    if (vertices.size() < 3) {
        bounds = QRect(0, 0, 0, 0);
        return;
    }
    const TQPointWF p0 = vertices[0]->position;
    const TQPointWF p1 = vertices[1]->position;
    const TQPointWF p2 = vertices[2]->position;
    const float a1 = turnFromUp(p0, p1);
    const float a2 = turnFromUp(p0, p2);
    const TQPointWF middle = rotatePointAround(p1, anchorPoint(), (a2 - a1) / 2);
    bounds = boundsOfPoints({p0, p1, p2, middle});
}

bool TQShapePartialCircle::hasLineType() const
{
    return false;
}

TQPointWF TQShapePartialCircle::anchorPoint() const
{
    return vertices.empty() ? TQPointWF(0, 0) : vertices[0]->position;
}

void TQShapePartialCircle::buildOutline(TQShapeOutline &outline, TQDrawManager *)
{
    if (vertices.size() < 3)
        return;
    const TQPointWF g = vertices[0]->position;
    const TQPointWF s = vertices[1]->position;
    const TQPointWF e = vertices[2]->position;
    outline.addLine({e, g, s}, true);
    outline.addArc(g, pointDistance(g, s), direction(g, s), direction(g, e), fill != 0);
}
