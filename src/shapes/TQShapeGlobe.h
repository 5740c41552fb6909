#pragma once

#include "shapes/TQShapeSolid.h"

// A sphere with its equator: the centre point 0 is fixed, the rim point 1
// sets the radius. The back half of the equator is dotted.
class TQShapeGlobe : public TQShapeSolid
{
public:
    TQShapeGlobe();

    // The circle's box, reaching the margin beyond it on the left and the
    // top only.
    void updateBounds() override;
    // The centre.
    TQPointWF anchorPoint() const override;
    int redrawIntervalMs() const override;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
