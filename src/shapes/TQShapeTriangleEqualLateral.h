#pragma once

#include "shapes/TQShapeTriangle.h"

// The equilateral triangle (2304): apex (point 0) and point 1 fixed;
// dragging point 2 turns and scales the triangle about the apex, point 1
// following at a sixth of a turn. Turned about the apex.
class TQShapeTriangleEqualLateral : public TQShapeTriangle
{
public:
    TQShapeTriangleEqualLateral() = default;

    TQPointWF anchorPoint() const override;
    void adjustVertex(float dx, float dy) override;

protected:
    void placeVertices(TQDrawManager *context) override;
};
