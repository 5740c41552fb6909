#include "shapes/TQShapeGlobe.h"

#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQVertex.h"

#include <algorithm>
#include <cmath>

namespace {

// The centre dot: 5 canvas pixels, whatever the zoom.
constexpr float kCentreDotRadius = 5.0f;

// Truncated toward zero; a value off any board (or not finite) must not
// overflow the conversion.
int truncatedPixel(double v)
{
    return std::isfinite(v) ? int(std::clamp(std::trunc(v), -1.0e9, 1.0e9)) : 0;
}

} // namespace

TQShapeGlobe::TQShapeGlobe()
    : TQShapeSolid(2402, 2)
{
}

void TQShapeGlobe::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    addVertex(TQPointWF(w / 2.0f, h / 2.0f), false);
    addVertex(TQPointWF(float(3 * w / 4.0 - 70), h / 2.0f));
}

TQPointWF TQShapeGlobe::anchorPoint() const
{
    return vertices.empty() ? TQPointWF(0, 0) : vertices[0]->position;
}

int TQShapeGlobe::redrawIntervalMs() const
{
    // Two long half ellipses a draw: sent at a slower pace.
    return 1500;
}

void TQShapeGlobe::updateBounds()
{
    if (!hasAllPoints()) {
        bounds = QRect(0, 0, 0, 0);
        return;
    }
    const TQPointWF c = vertices[0]->position;
    const double r = pointDistance(c, vertices[1]->position);
    const double side = 2 * r + margin;
    bounds = QRect(truncatedPixel(c.x - r - margin), truncatedPixel(c.y - r - margin), truncatedPixel(side),
                   truncatedPixel(side));
}

void TQShapeGlobe::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (!hasAllPoints())
        return;
    outline.space = TQShapeOutline::Canvas;
    const TQPointWF g = TQShapeOutline::canvasPoint(*context, vertices[0]->position);
    const TQPointWF e = TQShapeOutline::canvasPoint(*context, vertices[1]->position);
    const float radius = pointDistance(g, e);
    outline.addCircle(g, kCentreDotRadius, true);
    // The sphere is an outline only, whatever the fill setting.
    outline.addCircle(g, radius, false);
    const float equatorHeight = float(radius / 6.0);
    const TQPointWF boxTopLeft(g.x - radius, g.y - equatorHeight);
    const TQPointWF boxBottomRight(g.x + radius, g.y + equatorHeight);
    const TQPointWF centre = TQShapeOutline::canvasPoint(*context, anchorPoint());
    addEdge(outline, turnedHalfEllipse(boxTopLeft, boxBottomRight, true, centre), true);
    addEdge(outline, turnedHalfEllipse(boxTopLeft, boxBottomRight, false, centre));
}
