#pragma once

#include "shapes/TQShapeGeneric.h"

// A circle: a fixed centre and a rim point that sets the radius. Sent as a
// filled centre dot and the circle itself.
class TQShapeCircle : public TQShapeGeneric
{
public:
    TQShapeCircle();

    void updateBounds() override;
    TQPointWF anchorPoint() const override;
    bool hasLineType() const override;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
