#include "shapes/TQShapeSquareParamid.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

namespace {

const TQPointWF kOrigin(0, 0);

// Neighbours of a place on the base ring: along the width (front-left with
// front-right, back-right with back-left), along the depth (front with back
// on the same side) and across the base.
int widthNeighbour(int i)
{
    return i ^ 1;
}

int depthNeighbour(int i)
{
    return 3 - i;
}

int diagonalNeighbour(int i)
{
    return (i + 2) % 4;
}

} // namespace

TQShapeSquareParamid::TQShapeSquareParamid()
    : TQShapeSolid(2407, 4)
    , corners{kOrigin, kOrigin, kOrigin, kOrigin, kOrigin}
    , ring{kOrigin, kOrigin, kOrigin, kOrigin}
{
}

void TQShapeSquareParamid::placeVertices(TQDrawManager *context)
{
    // Measured on the canvas height, not the visible one.
    const int w = context->visibleSize().width();
    const int h = context->canvasSize().height();
    addVertex(TQPointWF(float(w / 2), float(h / 2 - 100)));
    addVertex(TQPointWF(float(w / 2 - 150), float(h / 2 + 100)));
    addVertex(TQPointWF(float(w / 2 + 150), float(h / 2 + 100)));
    addVertex(TQPointWF(float(w / 2 - 120), float(h / 2)));
}

TQPointWF TQShapeSquareParamid::anchorPoint() const
{
    return vertices.empty() ? TQPointWF(0, 0) : vertices[0]->position;
}

int TQShapeSquareParamid::redrawIntervalMs() const
{
    return 500;
}

void TQShapeSquareParamid::updateCorners()
{
    const TQPointWF &p1 = vertices[1]->position;
    const TQPointWF &p2 = vertices[2]->position;
    corners[Apex] = vertices[0]->position;
    corners[FrontLeft] = p2.x > p1.x ? p1 : p2;
    corners[FrontRight] = p2.x > p1.x ? p2 : p1;
    corners[BackLeft] = vertices[3]->position;
    // The parallelogram is completed in the figure's own frame.
    const TQPointWF a = corners[Apex];
    const TQPointWF left = rotatePointAround(corners[FrontLeft], a, -angle);
    const TQPointWF right = rotatePointAround(corners[FrontRight], a, -angle);
    const TQPointWF back = rotatePointAround(corners[BackLeft], a, -angle);
    corners[BackRight] = rotatePointAround(TQPointWF(back.x + right.x - left.x, back.y + right.y - left.y), a, angle);
    ring = {corners[FrontLeft], corners[FrontRight], corners[BackRight], corners[BackLeft]};
}

std::vector<TQPointWF> TQShapeSquareParamid::boundingPoints()
{
    updateCorners();
    return {corners.begin(), corners.end()};
}

bool TQShapeSquareParamid::isHiddenCorner(int x) const
{
    const TQPointWF &a = corners[Apex];
    return pointInTriangle(ring[x], a, corners[FrontLeft], corners[FrontRight])
        || pointInTriangle(ring[x], a, ring[widthNeighbour(x)], ring[diagonalNeighbour(x)]);
}

void TQShapeSquareParamid::addHiddenCornerEdges(TQShapeOutline &outline, int x) const
{
    const TQPointWF &a = corners[Apex];
    const TQPointWF &hidden = ring[x];
    const TQPointWF &other = ring[widthNeighbour(x)];
    const int d = depthNeighbour(x);
    addEdge(outline, {other, hidden, a, hidden, ring[d]}, true);
    addEdge(outline, {other, a, other, ring[widthNeighbour(d)]});
}

void TQShapeSquareParamid::addBackEdges(TQShapeOutline &outline) const
{
    const TQPointWF &a = corners[Apex];
    bool r2 = false;
    bool r3 = false;
    for (const int x : {int(RingBackLeft), int(RingBackRight)}) {
        const TQPointWF &corner = ring[x];
        const bool r1 = isNotEnclosedCorner(corner, ring[diagonalNeighbour(x)], a, ring[depthNeighbour(x)]);
        r2 = isNotEnclosedCorner(corner, ring[widthNeighbour(x)], a, ring[diagonalNeighbour(x)]);
        r3 = isNotEnclosedCorner(corner, a, corners[FrontLeft], corners[FrontRight]);
        addEdge(outline, {corner, a}, r1 && !r3);
        addEdge(outline, {corner, ring[depthNeighbour(x)]}, r1 && r2 && r3);
    }
    // r2 and r3 are the back-right corner's now. Seen from above (the apex
    // over the base) the back edge is in sight.
    const bool apexOverBase = pointInTriangle(a, corners[FrontLeft], corners[FrontRight], corners[BackLeft])
        || pointInTriangle(a, corners[BackRight], corners[FrontRight], corners[BackLeft]);
    addEdge(outline, {corners[BackLeft], corners[BackRight]}, r3 && !r2 && !apexOverBase);
}

void TQShapeSquareParamid::buildOutline(TQShapeOutline &outline, TQDrawManager *)
{
    if (!hasAllPoints())
        return;
    updateCorners();
    addEdge(outline, {corners[Apex], corners[FrontLeft], corners[FrontRight], corners[Apex]});
    for (const int x : {int(RingBackLeft), int(RingBackRight)}) {
        if (isHiddenCorner(x)) {
            addHiddenCornerEdges(outline, x);
            return;
        }
    }
    addBackEdges(outline);
}
