#include "shapes/TQVertex.h"

#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQPointGeometry.h"
#include "shapes/TQShapePoints.h"

TQVertex::TQVertex(const TQPointWF &p, bool enabled)
    : pressPosition(p.x, p.y)
    , position(p.x, p.y)
    , hitRadius(float(boardWidth() / 30.0))
    , enabled(enabled)
{
}

bool TQVertex::hitTest(const TQPointWF &touch) const
{
    return enabled && pointDistance(touch, position) < hitRadius;
}

void TQVertex::rotateFromPress(double angle, const TQPointWF &centre)
{
    position = rotatePointAround(pressPosition, centre, angle);
}
