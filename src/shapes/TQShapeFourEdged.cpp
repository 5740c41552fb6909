#include "shapes/TQShapeFourEdged.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQVertex.h"

TQShapeFourEdged::TQShapeFourEdged()
    : TQShapeQuadrilateral(2306, 4)
{
}

void TQShapeFourEdged::placeVertices(TQDrawManager *context)
{
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    addVertex(TQPointWF(w / 4, h / 2));
    addVertex(TQPointWF(w / 2, h / 2 - 200));
    addVertex(TQPointWF(3 * w / 4, h / 2 - 50));
    addVertex(TQPointWF(3 * w / 4, h / 2 + 100));
}
