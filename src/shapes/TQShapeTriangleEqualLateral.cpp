#include "shapes/TQShapeTriangleEqualLateral.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

namespace {

constexpr double kSixthTurn = 1.0471975511965976;

} // namespace

TQPointWF TQShapeTriangleEqualLateral::anchorPoint() const
{
    return cornerOrOrigin(0);
}

void TQShapeTriangleEqualLateral::adjustVertex(float dx, float dy)
{
    if (!dragThirdCorner(dx, dy))
        return;
    vertices[1]->position = rotatePointAround(vertices[2]->position, vertices[0]->position, kSixthTurn);
    refreshHandles();
}

void TQShapeTriangleEqualLateral::placeVertices(TQDrawManager *context)
{
    const int w = context->visibleSize().width();
    const int h = context->visibleSize().height();
    // The apex in whole pixels: side 200, height 173.
    addVertex(TQPointWF(float(2 * w / 3), float(h / 2 - 73)), false);
    addVertex(TQPointWF(2 * float(w) / 3 - 100, float(h) / 2 + 100), false);
    addVertex(TQPointWF(2 * float(w) / 3 + 100, float(h) / 2 + 100));
}
