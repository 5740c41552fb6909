#pragma once

#include "shapes/TQShapeTriangleRight.h"

// The isosceles right triangle (2303): drawn as the right triangle; only the
// end of the second leg is dragged, and the first leg follows it a quarter
// turn anticlockwise, as long.
class TQShapeTriangleIsoscelesRight : public TQShapeTriangleRight
{
public:
    TQShapeTriangleIsoscelesRight() = default;

    void adjustVertex(float dx, float dy) override;

protected:
    void placeVertices(TQDrawManager *context) override;
};
