#pragma once

#include "shapes/TQShapeTriangle.h"

// The isosceles triangle (2302): the apex (point 0) and the base corner
// point 1 are fixed; dragging point 2 moves point 1 to its mirror image
// across the figure's axis through the apex. Turned about the apex.
class TQShapeTriangleIsosceles : public TQShapeTriangle
{
public:
    TQShapeTriangleIsosceles() = default;

    TQPointWF anchorPoint() const override;
    void adjustVertex(float dx, float dy) override;

protected:
    void placeVertices(TQDrawManager *context) override;
};
