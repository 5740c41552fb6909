#pragma once

#include "shapes/TQShapeQuadrilateral.h"

// A trapezoid: the top side moves as a whole with corner 1; corners 2 and 3
// slide along their own sides, so top and bottom stay parallel.
class TQShapeTrapezoid : public TQShapeQuadrilateral
{
public:
    TQShapeTrapezoid();

    void adjustVertex(float dx, float dy) override;

protected:
    void placeVertices(TQDrawManager *context) override;
};
