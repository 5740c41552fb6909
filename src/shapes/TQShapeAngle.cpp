#include "shapes/TQShapeAngle.h"

#include "modules/live/draws/TQDrawManager.h"
#include "shapes/TQShapeOutline.h"
#include "shapes/TQShapePoints.h"
#include "shapes/TQVertex.h"
#include "utils/CLog.h"

#include <cmath>

namespace {

// Canvas units, whatever the arms' lengths.
constexpr float kArcRadius = 60.0f;

double directionOf(const TQPointWF &from, const TQPointWF &to)
{
    return std::atan2(double(to.y) - from.y, double(to.x) - from.x);
}

} // namespace

TQShapeAngle::TQShapeAngle()
    : TQShapeGeneric(2205, true, false, false, true)
{
}

TQPointWF TQShapeAngle::anchorPoint() const
{
    return vertices.empty() ? TQPointWF(0, 0) : vertices[0]->position;
}

void TQShapeAngle::updateBounds()
{
    if (vertices.size() < 3) {
        bounds = QRect(0, 0, 0, 0);
        return;
    }
    const TQPointWF v = vertices[0]->position;
    const TQPointWF a = vertices[1]->position;
    const TQPointWF b = vertices[2]->position;
    // Half the signed opening from the first arm to the second: each end
    // turned by it lands on the bisector.
    const float half = float((directionOf(v, b) - directionOf(v, a)) / 2);
    const TQPointWF centre = anchorPoint();
    bounds = boundsOfPoints({v, a, b, rotatePointAround(a, centre, half), rotatePointAround(b, centre, -half)});
}

bool TQShapeAngle::isFillable() const
{
    return false;
}

void TQShapeAngle::placeVertices(TQDrawManager *context)
{
    const float w = float(context->visibleSize().width());
    const float h = float(context->visibleSize().height());
    addVertex(TQPointWF(w / 3, h / 2), false);
    addVertex(TQPointWF(4 * w / 7, h / 3));
    addVertex(TQPointWF(2 * w / 3, h / 2));
}

void TQShapeAngle::buildOutline(TQShapeOutline &outline, TQDrawManager *context)
{
    if (vertices.size() < 3)
        return;
    const TQPointWF v = vertices[0]->position;
    const TQPointWF a = vertices[1]->position;
    const TQPointWF b = vertices[2]->position;
    outline.fill = 0;
    outline.addLine({b, v, a});

    const double dirA = directionOf(v, a);
    const double dirB = directionOf(v, b);
    CLog::print(QStringLiteral("queueDrawCircle angleByTwoOne:%1 angleByThreeOne:%2")
                    .arg(dirA, 0, 'g')
                    .arg(dirB, 0, 'g'));
    outline.brush = context->brush();
    outline.space = TQShapeOutline::Canvas;
    outline.addArc(TQShapeOutline::canvasPoint(*context, v), kArcRadius, dirB, dirA, false);
}
