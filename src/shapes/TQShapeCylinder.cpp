#include "shapes/TQShapeCylinder.h"

#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

namespace {

const TQPointWF kOrigin(0, 0);

// How far the bounds reach beyond the middle of the top and the bottom side,
// as a share of the width: the rims bulge out there.
constexpr float kRimDepthShare = 0.15f;

enum { TopLeft, TopRight, BottomRight, BottomLeft };

} // namespace

TQShapeCylinder::TQShapeCylinder()
    : TQShapeSolid(2403, 2)
    , boxCorners{kOrigin, kOrigin, kOrigin, kOrigin}
    , turnedCorners{kOrigin, kOrigin, kOrigin, kOrigin}
{
}

void TQShapeCylinder::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    addVertex(TQPointWF(float(w / 2), h / 2.0f - 50));
    addVertex(TQPointWF(float(3 * w / 4.0 - 30), float(4 * h / 5.0)));
}

TQPointWF TQShapeCylinder::anchorPoint() const
{
    return hasAllPoints() ? meanOfVertices(2) : TQPointWF(0, 0);
}

int TQShapeCylinder::redrawIntervalMs() const
{
    // Four long half ellipses a draw: sent at a slower pace.
    return 1500;
}

void TQShapeCylinder::updateCorners()
{
    const TQPointWF a = anchorPoint();
    boxCorners = uprightBox(rotatePointAround(vertices[0]->position, a, -angle),
                            rotatePointAround(vertices[1]->position, a, -angle));
    for (size_t i = 0; i < boxCorners.size(); ++i)
        turnedCorners[i] = rotatePointAround(boxCorners[i], a, angle);
}

std::vector<TQPointWF> TQShapeCylinder::boundingPoints()
{
    updateCorners();
    const TQPointWF top = midpointOf(turnedCorners[TopLeft], turnedCorners[TopRight]);
    const TQPointWF bottom = midpointOf(turnedCorners[BottomLeft], turnedCorners[BottomRight]);
    const float h = pointDistance(top, bottom);
    const float w = pointDistance(turnedCorners[TopLeft], turnedCorners[TopRight]);
    TQPointWF above = turnedCorners[TopLeft];
    TQPointWF below = turnedCorners[BottomLeft];
    if (h > 1) {
        above = beyond(top, bottom, w * kRimDepthShare / h);
        below = beyond(bottom, top, w * kRimDepthShare / h);
    }
    std::vector<TQPointWF> points(turnedCorners.begin(), turnedCorners.end());
    points.push_back(above);
    points.push_back(below);
    return points;
}

void TQShapeCylinder::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (!hasAllPoints())
        return;
    updateCorners();
    outline.space = TQShapeOutline::Canvas;
    std::array<TQPointWF, 4> own = boxCorners;
    std::array<TQPointWF, 4> turned = turnedCorners;
    for (size_t i = 0; i < own.size(); ++i) {
        own[i] = TQShapeOutline::canvasPoint(*context, own[i]);
        turned[i] = TQShapeOutline::canvasPoint(*context, turned[i]);
    }
    const TQPointWF centre = TQShapeOutline::canvasPoint(*context, anchorPoint());
    addEdge(outline, {turned[TopLeft], turned[BottomLeft]});
    addEdge(outline, {turned[TopRight], turned[BottomRight]});
    // The rims are a quarter as high as they are wide; the bottom one is the
    // top one moved down the figure's own vertical.
    const float w = own[TopRight].x - own[TopLeft].x;
    const float height = own[BottomRight].y - own[TopRight].y;
    const TQPointWF boxTopLeft(own[TopLeft].x, own[TopLeft].y - w / 8);
    const TQPointWF boxBottomRight(own[TopRight].x, own[TopRight].y + w / 8);
    addEdge(outline, turnedHalfEllipse(boxTopLeft, boxBottomRight, true, centre));
    addEdge(outline, turnedHalfEllipse(boxTopLeft, boxBottomRight, true, centre, height), true);
    addEdge(outline, turnedHalfEllipse(boxTopLeft, boxBottomRight, false, centre));
    addEdge(outline, turnedHalfEllipse(boxTopLeft, boxBottomRight, false, centre, height));
}
