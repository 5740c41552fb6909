#include "shapes/TQShapeCone.h"

#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

namespace {

// How far the bounds reach below the base's middle, as a share of its width.
constexpr float kBaseDepthShare = 0.15f;

} // namespace

TQShapeCone::TQShapeCone()
    : TQShapeSolid(2404, 2)
{
}

void TQShapeCone::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    addVertex(TQPointWF(float(w / 2), float(h / 2 - 30)));
    addVertex(TQPointWF(float(w / 2 + 100), float(3 * h / 4)));
}

TQPointWF TQShapeCone::anchorPoint() const
{
    return vertices.empty() ? TQPointWF(0, 0) : vertices[0]->position;
}

int TQShapeCone::redrawIntervalMs() const
{
    // Two long half ellipses a draw: sent at a slower pace.
    return 1500;
}

void TQShapeCone::updateCorners()
{
    apex = vertices[0]->position;
    ownApex = apex;
    const TQPointWF q = rotatePointAround(vertices[1]->position, apex, -angle);
    if (q.x > apex.x) {
        rightEnd = vertices[1]->position;
        ownRightEnd = q;
        ownLeftEnd = TQPointWF(q.x - 2 * (q.x - apex.x), q.y);
        leftEnd = rotatePointAround(ownLeftEnd, apex, angle);
    } else {
        leftEnd = vertices[1]->position;
        ownLeftEnd = q;
        ownRightEnd = TQPointWF(2 * (apex.x - q.x) + q.x, q.y);
        rightEnd = rotatePointAround(ownRightEnd, apex, angle);
    }
}

std::vector<TQPointWF> TQShapeCone::boundingPoints()
{
    updateCorners();
    // The front of the base bulges below the line between its ends.
    const TQPointWF mid = midpointOf(leftEnd, rightEnd);
    const float h = pointDistance(apex, mid);
    const float w = pointDistance(leftEnd, rightEnd);
    const TQPointWF low = h > 1 ? beyond(mid, apex, w * kBaseDepthShare / h) : leftEnd;
    return {apex, leftEnd, rightEnd, low};
}

void TQShapeCone::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (!hasAllPoints())
        return;
    updateCorners();
    outline.space = TQShapeOutline::Canvas;
    const TQPointWF top = TQShapeOutline::canvasPoint(*context, apex);
    addEdge(outline, {TQShapeOutline::canvasPoint(*context, leftEnd), top,
                      TQShapeOutline::canvasPoint(*context, rightEnd)});
    // The base ellipse is a quarter as high as it is wide.
    const TQPointWF l = TQShapeOutline::canvasPoint(*context, ownLeftEnd);
    const TQPointWF r = TQShapeOutline::canvasPoint(*context, ownRightEnd);
    const float w = r.x - l.x;
    const TQPointWF boxTopLeft(l.x, l.y - w / 8);
    const TQPointWF boxBottomRight(r.x, r.y + w / 8);
    addEdge(outline, turnedHalfEllipse(boxTopLeft, boxBottomRight, true, top), true);
    addEdge(outline, turnedHalfEllipse(boxTopLeft, boxBottomRight, false, top));
}
