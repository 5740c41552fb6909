#include "shapes/TQShapeCuboid.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

namespace {

const TQPointWF kOrigin(0, 0);

// Whether a depth component has the sign an edge needs (0: either sign).
bool hasSign(float value, int sign)
{
    return sign == 0 || (sign > 0 ? value > 0 : value < 0);
}

// A back edge or connector, and the signs of the depth vector that put it
// behind the figure. A zero component hides nothing on its account.
struct DepthEdge
{
    TQShapeCuboid::Corner from;
    TQShapeCuboid::Corner to;
    int signX;
    int signY;
};

constexpr DepthEdge kDepthEdges[] = {
    {TQShapeCuboid::BackTopLeft, TQShapeCuboid::BackTopRight, 0, +1},
    {TQShapeCuboid::BackTopRight, TQShapeCuboid::BackBottomRight, -1, 0},
    {TQShapeCuboid::BackBottomRight, TQShapeCuboid::BackBottomLeft, 0, -1},
    {TQShapeCuboid::BackBottomLeft, TQShapeCuboid::BackTopLeft, +1, 0},
    {TQShapeCuboid::FrontTopLeft, TQShapeCuboid::BackTopLeft, +1, +1},
    {TQShapeCuboid::FrontTopRight, TQShapeCuboid::BackTopRight, -1, +1},
    {TQShapeCuboid::FrontBottomRight, TQShapeCuboid::BackBottomRight, -1, -1},
    {TQShapeCuboid::FrontBottomLeft, TQShapeCuboid::BackBottomLeft, +1, -1},
};

} // namespace

TQShapeCuboid::TQShapeCuboid()
    : TQShapeCuboid(2400)
{
}

TQShapeCuboid::TQShapeCuboid(int type)
    : TQShapeSolid(type, 3)
    , corners{kOrigin, kOrigin, kOrigin, kOrigin, kOrigin, kOrigin, kOrigin, kOrigin}
{
}

void TQShapeCuboid::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    addVertex(TQPointWF(w / 2.0f, h / 2.0f - 50));
    addVertex(TQPointWF(float(3 * w / 4.0 - 30), float(4 * h / 5.0)));
    addVertex(TQPointWF(w / 2.0f + 100, h / 2.0f - 100));
}

TQPointWF TQShapeCuboid::anchorPoint() const
{
    return hasAllPoints() ? midpointOf(vertices[0]->position, vertices[1]->position) : TQPointWF(0, 0);
}

int TQShapeCuboid::redrawIntervalMs() const
{
    // Nine actions a draw: sent about twice a second while dragged.
    return 500;
}

void TQShapeCuboid::updateCorners()
{
    const TQPointWF a = anchorPoint();
    const std::array<TQPointWF, 4> front = uprightBox(rotatePointAround(vertices[0]->position, a, -angle),
                                                      rotatePointAround(vertices[1]->position, a, -angle));
    const TQPointWF back = rotatePointAround(vertices[2]->position, a, -angle);
    depthX = back.x - front[0].x;
    depthY = back.y - front[0].y;
    for (size_t i = 0; i < 4; ++i) {
        corners[i] = rotatePointAround(front[i], a, angle);
        corners[i + 4] = rotatePointAround(TQPointWF(front[i].x + depthX, front[i].y + depthY), a, angle);
    }
}

std::vector<TQPointWF> TQShapeCuboid::boundingPoints()
{
    updateCorners();
    return {corners.begin(), corners.end()};
}

void TQShapeCuboid::buildOutline(TQShapeOutline &outline, TQDrawManager *)
{
    if (!hasAllPoints())
        return;
    updateCorners();
    addEdge(outline, {corners[FrontTopLeft], corners[FrontTopRight], corners[FrontBottomRight],
                      corners[FrontBottomLeft], corners[FrontTopLeft]});
    for (const DepthEdge &edge : kDepthEdges) {
        const bool hidden = hasSign(depthX, edge.signX) && hasSign(depthY, edge.signY);
        addEdge(outline, {corners[edge.from], corners[edge.to]}, hidden);
    }
}
