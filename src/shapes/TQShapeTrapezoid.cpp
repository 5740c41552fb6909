#include "shapes/TQShapeTrapezoid.h"

#include "shapes/TQVertex.h"

TQShapeTrapezoid::TQShapeTrapezoid()
    : TQShapeQuadrilateral(2311, 4)
{
}

void TQShapeTrapezoid::placeVertices(TQDrawManager *context)
{
    placeAroundMiddle(context, {{50, 100, false}, {100, 0, true}, {230, 0, true}, {270, 100, true}});
}

void TQShapeTrapezoid::adjustVertex(float dx, float dy)
{
    if (!hasAllCorners())
        return;
    if (selectedVertex == 1) {
        for (TQVertex *v : {vertices[1], vertices[2]})
            v->position = TQPointWF(v->pressPosition.x + dx, v->pressPosition.y + dy);
        refreshHandles();
        return;
    }
    if (selectedVertex != 2 && selectedVertex != 3)
        return;
    const TQPointWF &from = vertices[selectedVertex == 2 ? 1 : 0]->position;
    TQPointWF &dragged = vertices[size_t(selectedVertex)]->position;
    if (slideTowards(from, dragged, dragTarget(dx, dy), dragged))
        refreshHandles();
}
