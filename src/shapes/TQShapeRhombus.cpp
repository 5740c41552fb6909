#include "shapes/TQShapeRhombus.h"

#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQVertex.h"

TQShapeRhombus::TQShapeRhombus()
    : TQShapeQuadrilateral(2309, 4)
{
}

void TQShapeRhombus::placeVertices(TQDrawManager *context)
{
    placeAroundMiddle(context, {{-100, 50, false}, {30, -20, false}, {160, 50, true}, {30, 120, true}});
}

void TQShapeRhombus::adjustVertex(float dx, float dy)
{
    if (!hasAllCorners() || (selectedVertex != 2 && selectedVertex != 3))
        return;
    TQPointWF &dragged = vertices[size_t(selectedVertex)]->position;
    TQPointWF &opposite = vertices[size_t(selectedVertex - 2)]->position;
    const TQPointWF target = dragTarget(dx, dy);
    const double reach = pointDistance(anchorPoint(), target);
    const double length = pointDistance(anchorPoint(), dragged);
    if (pointDistance(target, dragged) > kMaxJump || reach < kMinLength || length < kMinLength)
        return;
    opposite = scaledAbout(opposite, anchorPoint(), reach / length);
    dragged = scaledAbout(dragged, anchorPoint(), reach / length);
    refreshHandles();
}
