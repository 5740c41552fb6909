#pragma once

#include "shapes/TQShapeGeneric.h"

// A freely curved line through three control points, drawn on the canvas as
// if the board were neither zoomed nor scrolled sideways.
class TQShapeCurve : public TQShapeGeneric
{
public:
    TQShapeCurve();

    TQPointWF anchorPoint() const override;
    // A point within 10 units of its neighbour is not dragged nearer still.
    void adjustVertex(float dx, float dy) override;
    bool isFillable() const override;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
