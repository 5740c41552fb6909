#pragma once

#include "modules/live/draws/TQPath.h"

#include <array>

// A pen stroke: its points joined by straight segments, or smoothed through
// the midpoints of consecutive samples (head, body and tail sub-paths).
class TQPathLine : public TQPath
{
public:
    TQPathLine(const TQBrushStyle &brush, int strokeId, int action0, int action1, int action2, bool straight,
               int actionB0, int actionB1, int actionB2);

    // Straight: TQPath's feed. Smoothed: appends the points, then rebuilds the
    // head, body and tail once for the whole feed.
    void setPoints(const std::vector<TQPointWF> &newPoints) override;
    // Builds head, body and tail from all points and makes them the path.
    void rebuild();

    // x' = x * scale * k + dx, y' = (y + dy) * scale * k, k = target width /
    // the first point's reference width.
    TQPathLine *copyShifted(float dx, float dy, const QSize &target, float scale) const override;
    // As copyShifted from drawnCount on; without a valid target k = 1 and each
    // point keeps its own reference size.
    TQPathLine *copyFromDrawn(float dx, float dy, float scale, const QSize &target = QSize()) override;
    // x' = x * k, y' = y * k.
    TQPathLine *copyRescaled(const QSize &target) const override;

    // Carried from the line action into copies; not read here.
    std::array<int, 3> actionValues;
    bool straight;
    std::array<int, 3> actionValues2;

    QPainterPath head;
    QPainterPath body;
    QPainterPath tail;
    // The first two and the last two points (all points when fewer than three).
    std::vector<TQPointWF> headPoints;
    std::vector<TQPointWF> tailPoints;

protected:
    TQPathLine *emptyCopy() const override;
};
