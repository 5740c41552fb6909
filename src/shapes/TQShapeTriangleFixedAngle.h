#pragma once

#include "shapes/TQShapeGeneric.h"

// The triangle of two given angles (2305): angle A at point 0 (fixed) and
// angle B at point 1 (dragged freely); the third corner is computed from
// them at every draw, so dragging point 1 scales and turns the triangle
// while both angles stay.
class TQShapeTriangleFixedAngle : public TQShapeGeneric
{
public:
    TQShapeTriangleFixedAngle();

    TQPointWF anchorPoint() const override;
    void updateBounds() override;
    // The third corner for corners p0 and p1 and the shape's angles; false
    // when no such triangle exists (p0 on p1, or angles that do not leave a
    // third one between 0 and pi).
    bool thirdCorner(const TQPointWF &p0, const TQPointWF &p1, TQPointWF &corner) const;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
