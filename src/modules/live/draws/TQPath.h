#pragma once

#include "modules/live/draws/TQBrushStyle.h"
#include "modules/live/draws/TQPointWF.h"

#include <QPainterPath>

#include <climits>
#include <vector>

// One drawn stroke on a page: the painter path together with the points it
// was built from, its brush and its vertical extent. Heap objects, owned by
// the list that holds them (a page's owned paths or the draw manager's
// pending list) and deleted through the virtual destructor.
class TQPath : public QPainterPath
{
public:
    TQPath(int brushType, TQBrushColor colour, int width, int extra, int strokeId);
    virtual ~TQPath();

    TQPath(const TQPath &) = default;
    TQPath &operator=(const TQPath &) = default;

    // Appends the points (keeping only x, y and the reference size) and joins
    // them with straight segments; an empty list does nothing.
    virtual void setPoints(const std::vector<TQPointWF> &newPoints);

    float lastX = 0;
    float lastY = 0;
    // Smallest (int)y - 1 and largest (int)y + 1 over the fed points.
    int minY = INT_MAX;
    int maxY = INT_MIN;
    // Points the temporal view has already painted.
    int drawnCount = 0;
    // The sketch view still has to draw the path.
    bool dirty = false;
    bool visibleFlag = true;
    std::vector<TQPointWF> points;
    // Input points of a calligraphy outline.
    std::vector<TQPointWF> rawPoints;
    std::vector<TQPointWF> leftEdge;
    std::vector<TQPointWF> rightEdge;
    TQBrushStyle brush;
    // The stroke or board element the path belongs to.
    int strokeId;

protected:
    // Keeps x, y and the reference size of p, and updates the last point and
    // the vertical extent.
    void recordPoint(const TQPointWF &p);
};
