#include "shapes/TQShapeCircle.h"

#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQVertex.h"

namespace {

// The centre dot: 5 canvas pixels, whatever the zoom.
constexpr float kCentreDotRadius = 5.0f;

} // namespace

TQShapeCircle::TQShapeCircle()
    : TQShapeGeneric(2315, false, false, false, true)
{
}

void TQShapeCircle::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    addVertex(TQPointWF(w / 2.0f, h / 2.0f), false);
    addVertex(TQPointWF(float(2 * w / 3.0), h / 2.0f));
}

void TQShapeCircle::updateBounds()
{
    if (vertices.size() < 2) {
        bounds = QRect(0, 0, 0, 0);
        return;
    }
    const TQPointWF c = vertices[0]->position;
    const float r = float(int(pointDistance(c, vertices[1]->position)));
    bounds = boundsOfPoints({TQPointWF(c.x - r, c.y), TQPointWF(c.x + r, c.y), TQPointWF(c.x, c.y + r),
                             TQPointWF(c.x, c.y - r)});
}

bool TQShapeCircle::hasLineType() const
{
    return false;
}

TQPointWF TQShapeCircle::anchorPoint() const
{
    return vertices.empty() ? TQPointWF(0, 0) : vertices[0]->position;
}

void TQShapeCircle::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (vertices.size() < 2)
        return;
    const float scale = 1.0f / context->zoom();
    const float dx = float(context->xOffset());
    const TQPointWF c0 = vertices[0]->position.offsetAndScale(dx, 0, scale);
    const TQPointWF c1 = vertices[1]->position.offsetAndScale(dx, 0, scale);
    // The radius in whole view pixels, then taken to the canvas.
    const int r = int(pointDistance(c0, c1));
    const float visibleWidth = float(context->visibleSize().width());
    const float canvasWidth = float(context->canvasSize().width());
    const float toCanvas = visibleWidth < 0.01f ? 1.0f : canvasWidth / visibleWidth;
    outline.addCircleOfCanvasRadius(vertices[0]->position, kCentreDotRadius, true);
    outline.addCircleOfCanvasRadius(vertices[0]->position, float(r) * toCanvas, fill != 0);
}
