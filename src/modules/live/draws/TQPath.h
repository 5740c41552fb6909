#pragma once

#include "modules/live/draws/TQBrushStyle.h"
#include "modules/live/draws/TQPointWF.h"

#include <QPainterPath>
#include <QSize>

#include <climits>
#include <vector>

// One drawn stroke on a page: the painter path together with the points it
// was built from, its brush and its vertical extent. Heap objects, owned by
// the list that holds them (a page's owned paths or the draw manager's
// pending list) and deleted through the virtual destructor.
//
// Every kind answers the three copies the painting layers ask for; each copy
// is a new object of the same kind that the caller owns and deletes.
class TQPath : public QPainterPath
{
public:
    TQPath(int brushType, TQBrushColor colour, int width, int extra, int strokeId);
    TQPath(const TQBrushStyle &brush, int strokeId);
    virtual ~TQPath();

    TQPath(const TQPath &) = default;
    TQPath &operator=(const TQPath &) = default;

    // Appends the points (keeping only x, y and the reference size) and joins
    // them with straight segments; an empty list does nothing.
    virtual void setPoints(const std::vector<TQPointWF> &newPoints);

    // Scaled to the target canvas and the zoom, then moved by (dx, dy) as the
    // sketch view places it.
    virtual TQPath *copyShifted(float dx, float dy, const QSize &target, float scale) const;
    // Only what the temporal view has not painted yet (from drawnCount on),
    // moved and scaled; a negative drawnCount is reset to 0.
    virtual TQPath *copyFromDrawn(float dx, float dy, float scale, const QSize &target = QSize());
    // The same figure on a canvas of the target size.
    virtual TQPath *copyRescaled(const QSize &target) const;

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
    // Only the last point and the vertical extent.
    void trackExtent(const TQPointWF &p);
    // Factor from a canvas of width fromWidth to the target canvas; 1 when
    // either width is unusable (a received canvas may be 0 wide).
    static float canvasFactor(int fromWidth, const QSize &target);
    // A new, empty path of the same kind, brush and stroke id.
    virtual TQPath *emptyCopy() const;
    // A copy fed with the points from `first` on, x' = x * fx + ex,
    // y' = (y + dy) * fx, referring to `reference` (or, when that is not
    // valid, each to its own canvas).
    TQPath *pointCopy(size_t first, float fx, float ex, float dy, const QSize &reference) const;
};
