#pragma once

#include "shapes/TQShapeSolid.h"

#include <array>

// An upright cylinder in the box two opposite corners span in the figure's
// own frame: its rims are ellipses centred on the box's top and bottom
// sides, the bottom rim the top one moved down by the box's height; the back
// half of the bottom rim is dotted.
class TQShapeCylinder : public TQShapeSolid
{
public:
    TQShapeCylinder();

    // The middle of the box.
    TQPointWF anchorPoint() const override;
    int redrawIntervalMs() const override;

    // Top-left, top-right, bottom-right, bottom-left of the box in the
    // figure's own frame, and the same turned by the rotation angle.
    std::array<TQPointWF, 4> boxCorners;
    std::array<TQPointWF, 4> turnedCorners;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
    // The box's corners and the points where the rims bulge out beyond it.
    std::vector<TQPointWF> boundingPoints() override;

private:
    void updateCorners();
};
