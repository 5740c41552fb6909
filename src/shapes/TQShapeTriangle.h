#pragma once

#include "shapes/TQShapeGeneric.h"

// The free triangle (2300): three corners, each dragged freely, turned about
// their centroid. The special triangles build on it with their own corners,
// rotation centre and drag rule.
class TQShapeTriangle : public TQShapeGeneric
{
public:
    TQShapeTriangle();

    TQPointWF anchorPoint() const override;

protected:
    void placeVertices(TQDrawManager *context) override;
    // The closed outline of the three corners, with the shape's fill.
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
    // The position of corner index, or (0, 0) before the figure has its three
    // corners.
    TQPointWF cornerOrOrigin(size_t index) const;
    // The drag rule of the triangles whose only draggable corner is point 2:
    // moves it with the finger and returns true, or returns false (nothing
    // moved) when point 2 is not the one grabbed.
    bool dragThirdCorner(float dx, float dy);
};
