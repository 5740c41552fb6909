#pragma once

#include "shapes/TQShapeQuadrilateral.h"

// A parallelogram: corners 1 and 3 follow the finger and corner 2 is the
// reflection of corner 0 through the middle of the diagonal 1-3.
class TQShapeParalleogram : public TQShapeQuadrilateral
{
public:
    TQShapeParalleogram();

    void adjustVertex(float dx, float dy) override;

protected:
    void placeVertices(TQDrawManager *context) override;
};
