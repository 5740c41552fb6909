#pragma once

#include "shapes/TQShapeGeneric.h"

// The straight lines of plane geometry between two control points: 2201
// line, 2202 dotted line, 2203 segment with a tick across each end, 2204
// directional line with a dot at its start.
class TQShapeLine : public TQShapeGeneric
{
public:
    TQShapeLine();

    TQPointWF anchorPoint() const override;
    bool isFillable() const override;
    // The dotted line is always dotted.
    bool hasLineType() const override;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
