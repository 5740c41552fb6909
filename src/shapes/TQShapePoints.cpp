#include "shapes/TQShapePoints.h"

#include "modules/live/draws/TQPointWF.h"

#include <cmath>

bool isSamePoint(const TQPointWF &a, const TQPointWF &b)
{
    return std::fabs(a.x - b.x) < 0.1f && std::fabs(a.y - b.y) < 0.1f;
}
