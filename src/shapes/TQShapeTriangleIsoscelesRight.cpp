#include "shapes/TQShapeTriangleIsoscelesRight.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

namespace {

constexpr double kPi = 3.141592653589793;

} // namespace

void TQShapeTriangleIsoscelesRight::adjustVertex(float dx, float dy)
{
    if (!dragThirdCorner(dx, dy))
        return;
    vertices[0]->position = rotatePointAround(vertices[2]->position, vertices[1]->position, -kPi / 2);
    refreshHandles();
}

void TQShapeTriangleIsoscelesRight::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    addVertex(TQPointWF(float(w / 2 + 50), float(h / 2 - 150)), false);
    addVertex(TQPointWF(float(w) / 2 + 50, float(h) / 2 + 50), false);
    addVertex(TQPointWF(float(w) / 2 + 250, float(h) / 2 + 50));
}
