#include "shapes/TQShapeTriangleIsosceles.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

TQPointWF TQShapeTriangleIsosceles::anchorPoint() const
{
    return cornerOrOrigin(0);
}

void TQShapeTriangleIsosceles::adjustVertex(float dx, float dy)
{
    if (!dragThirdCorner(dx, dy))
        return;
    // Mirrored in the figure's unturned frame, where the axis is vertical.
    const TQPointWF apex = anchorPoint();
    const TQPointWF p = rotatePointAround(vertices[2]->position, apex, -angle);
    vertices[1]->position = rotatePointAround(TQPointWF(2 * apex.x - p.x, p.y), apex, angle);
    refreshHandles();
}

void TQShapeTriangleIsosceles::placeVertices(TQDrawManager *context)
{
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    addVertex(TQPointWF(2 * w / 3, h / 2 - 150), false);
    addVertex(TQPointWF(2 * w / 3 - 100, h / 2 + 100), false);
    addVertex(TQPointWF(2 * w / 3 + 100, h / 2 + 100));
}
