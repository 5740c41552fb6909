#pragma once

#include "shapes/TQShapeQuadrilateral.h"

// A right trapezoid: the left leg 0-1 stands at right angles on the bottom
// side 0-3. Corners slide along their sides; the top side follows corner 1.
// A right-angle mark sits at corner 0.
class TQShapeTrapezoidRight : public TQShapeQuadrilateral
{
public:
    TQShapeTrapezoidRight();

    void adjustVertex(float dx, float dy) override;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
