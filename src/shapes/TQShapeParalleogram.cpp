#include "shapes/TQShapeParalleogram.h"

#include "shapes/TQVertex.h"

TQShapeParalleogram::TQShapeParalleogram()
    : TQShapeQuadrilateral(2310, 4)
{
}

void TQShapeParalleogram::placeVertices(TQDrawManager *context)
{
    placeAroundMiddle(context, {{50, 100, false}, {100, 0, true}, {320, 0, false}, {270, 100, true}});
}

void TQShapeParalleogram::adjustVertex(float dx, float dy)
{
    if (!hasAllCorners() || (selectedVertex != 1 && selectedVertex != 3))
        return;
    vertices[size_t(selectedVertex)]->position = dragTarget(dx, dy);
    const TQPointWF p0 = vertices[0]->position;
    const TQPointWF p1 = vertices[1]->position;
    const TQPointWF p3 = vertices[3]->position;
    vertices[2]->position = TQPointWF(float(double(p1.x) + p3.x - p0.x), float(double(p1.y) + p3.y - p0.y));
    refreshHandles();
}
