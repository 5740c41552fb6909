#include "shapes/TQShapeTriangle.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQVertex.h"

TQShapeTriangle::TQShapeTriangle()
    : TQShapeGeneric(2300, true, false, false, true)
{
}

TQPointWF TQShapeTriangle::anchorPoint() const
{
    return meanOfVertices(3);
}

void TQShapeTriangle::placeVertices(TQDrawManager *context)
{
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    addVertex(TQPointWF(w / 2, h / 3));
    addVertex(TQPointWF(w / 3, h / 2));
    addVertex(TQPointWF(2 * w / 3, 2 * h / 3));
}

void TQShapeTriangle::buildOutline(TQShapeOutline &outline, TQDrawManager *)
{
    if (vertices.size() < 3)
        return;
    const std::vector<TQPointWF> p = vertexPositions();
    outline.addLine({p[0], p[1], p[2], p[0]}, true);
}

TQPointWF TQShapeTriangle::cornerOrOrigin(size_t index) const
{
    if (vertices.size() < 3 || index >= vertices.size())
        return TQPointWF(0, 0);
    return vertices[index]->position;
}

bool TQShapeTriangle::dragThirdCorner(float dx, float dy)
{
    if (vertices.size() < 3 || selectedVertex != 2)
        return false;
    TQVertex *v = vertices[2];
    v->position = TQPointWF(v->pressPosition.x + dx, v->pressPosition.y + dy);
    return true;
}
