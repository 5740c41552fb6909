#include "shapes/TQShapePoint.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQVertex.h"

#include <cmath>

namespace {

constexpr float kSmallestSize = 20.0f;
constexpr float kNominalRadius = 20.0f;

} // namespace

TQShapePoint::TQShapePoint()
    : TQShapeGeneric(2200, false, true, false, true)
{
}

TQPointWF TQShapePoint::anchorPoint() const
{
    return vertices.empty() ? TQPointWF(0, 0) : vertices[0]->position;
}

void TQShapePoint::updateBounds()
{
    if (vertices.empty()) {
        bounds = QRect(0, 0, 0, 0);
        return;
    }
    const double x = vertices[0]->position.x;
    const double y = vertices[0]->position.y;
    const double half = double(pointSize) / 2;
    bounds = QRect(QPoint(int(std::trunc(x - half)), int(std::trunc(y - half))),
                   QPoint(int(std::trunc(x + half)), int(std::trunc(y + half))));
}

bool TQShapePoint::isFillable() const
{
    return false;
}

bool TQShapePoint::hasLineType() const
{
    return false;
}

void TQShapePoint::resizeBy(float dx, float)
{
    if (vertices.empty())
        return;
    const float half = dx / 2;
    if (float(pointSizeAtPress) + half < kSmallestSize)
        return;
    TQVertex *centre = vertices[0];
    centre->position = TQPointWF(centre->pressPosition.x + half, centre->pressPosition.y + half);
    pointSize = int(float(pointSizeAtPress) + half);
    refreshHandles();
}

void TQShapePoint::placeVertices(TQDrawManager *context)
{
    const int h = context->visibleSize().height();
    addVertex(TQPointWF(float(context->visibleSize().width()) / 2, float(h) / 2), false);
    referenceSize = h / 3;
    pointSize = referenceSize;
    pointSizeAtPress = referenceSize;
}

void TQShapePoint::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (vertices.empty())
        return;
    const float ratio = float(pointSize) / float(referenceSize);
    outline.space = TQShapeOutline::Canvas;
    outline.addCircle(TQShapeOutline::canvasPoint(*context, vertices[0]->position), kNominalRadius * ratio * ratio,
                      true);
}
