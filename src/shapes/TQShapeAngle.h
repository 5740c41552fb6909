#pragma once

#include "shapes/TQShapeGeneric.h"

// An angle (2205): two arms from a fixed vertex (point 0) to the dragged
// ends of the first (point 1) and second (point 2) arm, and an arc of a
// fixed radius, in the pen's brush, from the second arm to the first.
// Turned about its vertex.
class TQShapeAngle : public TQShapeGeneric
{
public:
    TQShapeAngle();

    TQPointWF anchorPoint() const override;
    // Around the arms and the bisector of the opening.
    void updateBounds() override;
    bool isFillable() const override;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
