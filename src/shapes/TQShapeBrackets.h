#pragma once

#include "shapes/TQShapeGeneric.h"

// A square bracket from point 0 to point 1 with a serif at each end: 1007
// opening (serifs to the right of an upright spine), 1008 closing. Its end
// points are dragged only up and down.
class TQShapeBrackets : public TQShapeGeneric
{
public:
    TQShapeBrackets();

    TQPointWF anchorPoint() const override;
    // The selected end follows the finger vertically only.
    void adjustVertex(float dx, float dy) override;
    bool isFillable() const override;
    bool hasLineType() const override;

    // Canvas units; a serif is twice as long.
    const int serifSize = 4;

protected:
    // Both ends on the middle of the board, point 1 100 below point 0 (the
    // reverse for 1006).
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
