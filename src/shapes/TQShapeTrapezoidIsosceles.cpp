#include "shapes/TQShapeTrapezoidIsosceles.h"

#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

TQShapeTrapezoidIsosceles::TQShapeTrapezoidIsosceles()
    : TQShapeQuadrilateral(2313, 4)
{
}

void TQShapeTrapezoidIsosceles::placeVertices(TQDrawManager *context)
{
    placeAroundMiddle(context, {{50, 100, false}, {100, 0, true}, {220, 0, false}, {270, 100, true}});
}

void TQShapeTrapezoidIsosceles::adjustVertex(float dx, float dy)
{
    if (!hasAllCorners())
        return;
    if (selectedVertex == 1) {
        vertices[1]->position = dragTarget(dx, dy);
        const TQPointWF a = anchorPoint();
        const TQPointWF a0 = rotatePointAround(vertices[0]->position, a, -angle);
        const TQPointWF a1 = rotatePointAround(vertices[1]->position, a, -angle);
        const TQPointWF a3 = rotatePointAround(vertices[3]->position, a, -angle);
        vertices[2]->position = rotatePointAround(TQPointWF(a3.x - (a1.x - a0.x), a1.y), a, angle);
        refreshHandles();
        return;
    }
    if (selectedVertex != 3)
        return;
    TQVertex *bottom = vertices[3];
    TQPointWF slid = bottom->position;
    if (!slideTowards(vertices[0]->position, bottom->position, dragTarget(dx, dy), slid))
        return;
    const float mx = slid.x - bottom->pressPosition.x;
    const float my = slid.y - bottom->pressPosition.y;
    for (TQVertex *v : {vertices[2], vertices[3]})
        v->position = TQPointWF(v->pressPosition.x + mx, v->pressPosition.y + my);
    refreshHandles();
}
