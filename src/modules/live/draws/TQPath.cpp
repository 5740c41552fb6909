#include "modules/live/draws/TQPath.h"

#include <algorithm>

TQPath::TQPath(int brushType, TQBrushColor colour, int width, int extra, int strokeId)
    : brush(brushType, colour, width, extra)
    , strokeId(strokeId)
{
}

TQPath::~TQPath() = default;

void TQPath::setPoints(const std::vector<TQPointWF> &newPoints)
{
    for (const TQPointWF &p : newPoints) {
        if (points.empty())
            moveTo(p.x, p.y);
        else
            lineTo(p.x, p.y);
        recordPoint(p);
    }
}

void TQPath::recordPoint(const TQPointWF &p)
{
    TQPointWF copy(p.x, p.y);
    copy.refWidth = p.refWidth;
    copy.refHeight = p.refHeight;
    points.push_back(copy);
    lastX = p.x;
    lastY = p.y;
    // Received coordinates are untrusted: keep the int conversion defined.
    const float clamped = std::max(float(INT_MIN / 2), std::min(float(INT_MAX / 2), p.y));
    const int y = static_cast<int>(clamped);
    minY = std::min(minY, y - 1);
    maxY = std::max(maxY, y + 1);
}
