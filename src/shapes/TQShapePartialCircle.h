#pragma once

#include "shapes/TQShapeGeneric.h"

// A circular sector: a fixed centre, the start rim point that sets radius
// and start ray, and the end rim point whose ray stays while its distance
// follows the radius. Sent as the two radii and the arc between them.
class TQShapePartialCircle : public TQShapeGeneric
{
public:
    TQShapePartialCircle();

    void updateBounds() override;
    TQPointWF anchorPoint() const override;
    bool hasLineType() const override;
    void adjustVertex(float dx, float dy) override;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
};
