#pragma once

#include "shapes/TQShapeGeneric.h"

// A filled block arrow from its tail (point 1) to its tip (point 0): 1010 to
// 1013 of a fixed width, 1014 to 1016 widening with their length up to a
// limit. Built upright in a local frame and turned by the arrow's direction.
class TQShapeFillArrow : public TQShapeGeneric
{
public:
    TQShapeFillArrow();

    TQPointWF anchorPoint() const override;
    bool isFillable() const override;
    bool hasLineType() const override;

    // Canvas units.
    const int barbSize = 5;
    const int shaftWidth = 8;
    const int headLength = 33;
    const float widthPerLength = 1.0f / 38;
    const float maxWidth = 15.0f;
    const int tailWidth = 2;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
