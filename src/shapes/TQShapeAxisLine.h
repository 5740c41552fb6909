#pragma once

#include "shapes/TQShapeGeneric.h"

// The number line (2000), or with tick marks (2001): a horizontal line
// between two control points with an arrow head at its right end and a dot
// at its middle, the origin. Its ends move only sideways.
class TQShapeAxisLine : public TQShapeGeneric
{
public:
    TQShapeAxisLine();

    TQPointWF anchorPoint() const override;
    int redrawIntervalMs() const override;
    bool isFillable() const override;
    void adjustVertex(float dx, float dy) override;

    // The x positions (quarter units) of the ticks of a line from left to
    // right (quarter units) on a canvas canvasWidth wide; none when the
    // canvas gives no step.
    static std::vector<int> tickPositions(int left, int right, int canvasWidth);

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
