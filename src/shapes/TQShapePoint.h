#pragma once

#include "shapes/TQShapeGeneric.h"

// A filled dot (2200) on a fixed centre, moved as a whole and enlarged with
// the expand icon: pointSize is its size in view units, and its radius grows
// with the square of pointSize / referenceSize.
class TQShapePoint : public TQShapeGeneric
{
public:
    TQShapePoint();

    TQPointWF anchorPoint() const override;
    // The square of side pointSize about the centre.
    void updateBounds() override;
    bool isFillable() const override;
    bool hasLineType() const override;
    // By half the horizontal drag, never below size 20.
    void resizeBy(float dx, float dy) override;

    // The size at which the dot has its nominal radius of 20 canvas units.
    int referenceSize = 100;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
