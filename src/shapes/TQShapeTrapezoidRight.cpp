#include "shapes/TQShapeTrapezoidRight.h"

#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"

namespace {

// Sides of the mark, and the shortest sides that still get one, in canvas
// pixels.
constexpr double kMarkSide = 16;
constexpr double kMarkedSide = 24;
constexpr double kQuarterTurn = 1.5707963267948966;
constexpr double kEighthTurn = 0.7853981633974483;

} // namespace

TQShapeTrapezoidRight::TQShapeTrapezoidRight()
    : TQShapeQuadrilateral(2312, 4)
{
}

void TQShapeTrapezoidRight::placeVertices(TQDrawManager *context)
{
    placeAroundMiddle(context, {{50, 100, false}, {50, 0, true}, {230, 0, true}, {270, 100, true}});
}

void TQShapeTrapezoidRight::adjustVertex(float dx, float dy)
{
    if (!hasAllCorners() || selectedVertex < 1 || selectedVertex > 3)
        return;
    const TQPointWF &from = vertices[selectedVertex == 2 ? 1 : 0]->position;
    TQVertex *dragged = vertices[size_t(selectedVertex)];
    if (!slideTowards(from, dragged->position, dragTarget(dx, dy), dragged->position))
        return;
    if (selectedVertex == 1) {
        // The top side follows, parallel to the bottom: both right angles stay.
        TQVertex *top = vertices[2];
        top->position = TQPointWF(top->pressPosition.x + dragged->position.x - dragged->pressPosition.x,
                                  top->pressPosition.y + dragged->position.y - dragged->pressPosition.y);
    }
    refreshHandles();
}

void TQShapeTrapezoidRight::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (!hasAllCorners())
        return;
    // Canvas pixels per view pixel: the mark's sizes are canvas sizes.
    const double perView = TQPointWF(1, 0)
                               .toCanvas(0, 0, 1.0f / context->zoom(), float(context->visibleSize().width()),
                                         float(context->canvasSize().width()))
                               .x;
    const TQPointWF c0 = vertices[0]->position;
    const TQPointWF c1 = vertices[1]->position;
    const TQPointWF c3 = vertices[3]->position;
    const double leg = pointDistance(c0, c1) * perView;
    const double bottom = pointDistance(c0, c3) * perView;
    if (leg > kMarkedSide && bottom > kMarkedSide) {
        const TQPointWF u = scaledAbout(c1, c0, kMarkSide / leg);
        const TQPointWF v = scaledAbout(rotatePointAround(u, c0, kEighthTurn), c0, 1.414);
        const TQPointWF w = rotatePointAround(u, c0, kQuarterTurn);
        outline.addLine({u, v, w});
    }
    TQShapeQuadrilateral::buildOutline(outline, context);
}
