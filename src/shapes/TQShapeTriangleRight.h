#pragma once

#include "shapes/TQShapeTriangle.h"

// The right triangle (2301): the right angle at point 1, which is fixed;
// dragging the end of one leg swings the other leg with it, keeping that
// leg's length. A small square marks the right angle.
class TQShapeTriangleRight : public TQShapeTriangle
{
public:
    TQShapeTriangleRight() = default;

    TQPointWF anchorPoint() const override;
    void adjustVertex(float dx, float dy) override;

protected:
    void placeVertices(TQDrawManager *context) override;
    // The right-angle mark (when the leg to point 0 is long enough to carry
    // it), then the outline.
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
