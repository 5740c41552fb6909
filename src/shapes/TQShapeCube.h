#pragma once

#include "shapes/TQShapeCuboid.h"

// A cuboid whose front face stays a square and whose depth stays half the
// square's diagonal: the front corner point 0 is fixed, point 1 slides along
// the diagonal and point 2 sets the depth, each keeping the other in
// proportion.
class TQShapeCube : public TQShapeCuboid
{
public:
    // A step that would move point 1 further than this at once is dropped.
    static constexpr float kMaxJump = 160;
    // Lengths below this give no direction to scale along.
    static constexpr float kMinLength = 0.5f;

    TQShapeCube();

    void adjustVertex(float dx, float dy) override;

protected:
    void placeVertices(TQDrawManager *context) override;

private:
    void dragDiagonalEnd(float dx, float dy);
    void dragDepth(float dx, float dy);
};
