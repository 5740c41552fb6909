#pragma once

#include "shapes/TQShapeSolid.h"

// A tetrahedron: the front face over points 0, 1, 2 and the fourth corner
// point 3. The edges at point 3 are hidden together when it lies behind the
// front face; otherwise the two that span the widest angle at point 3 are the
// outline and the third may run behind.
class TQShapeTrianglePyramid : public TQShapeSolid
{
public:
    TQShapeTrianglePyramid();

    // The centroid of the three corners below the topmost one.
    TQPointWF anchorPoint() const override;
    int redrawIntervalMs() const override;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
