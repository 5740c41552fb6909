#include "shapes/TQShapeSquare.h"

#include "shapes/TQVertex.h"

TQShapeSquare::TQShapeSquare()
    : TQShapeRectangle(2308)
{
}

void TQShapeSquare::placeVertices(TQDrawManager *context)
{
    placeAroundMiddle(context, {{-100, -100, false}, {250, 250, true}});
}

void TQShapeSquare::adjustVertex(float dx, float dy)
{
    Q_UNUSED(dy)
    if (!hasAllCorners() || selectedVertex != 1)
        return;
    // Only the horizontal movement counts, on both axes.
    TQVertex *corner = vertices[1];
    const TQPointWF target(corner->pressPosition.x + dx, corner->pressPosition.y + dx);
    if (slideTowards(anchorPoint(), corner->position, target, corner->position))
        refreshHandles();
}
