#pragma once

#include "shapes/TQShapeQuadrilateral.h"

// An isosceles trapezoid: corner 2 mirrors corner 1 in the figure's own
// frame, and dragging corner 3 along the bottom carries corner 2 along the
// top, so the legs keep their length and slope.
class TQShapeTrapezoidIsosceles : public TQShapeQuadrilateral
{
public:
    TQShapeTrapezoidIsosceles();

    void adjustVertex(float dx, float dy) override;

protected:
    void placeVertices(TQDrawManager *context) override;
};
