#pragma once

#include "shapes/TQShapeQuadrilateral.h"

#include <vector>

// A rectangle kept as two opposite corners; the other two are derived in the
// figure's own rotated frame, so it stays a rectangle however it is dragged.
class TQShapeRectangle : public TQShapeQuadrilateral
{
public:
    TQShapeRectangle();

    void updateBounds() override;
    std::vector<TQPointWF> outlinePoints() const override;
    // Corner 0, the derived corner below or above it, corner 1, the other
    // derived corner, corner 0 again; empty without both corners.
    std::vector<TQPointWF> cornerPolygon() const;

protected:
    explicit TQShapeRectangle(int type);
    void placeVertices(TQDrawManager *context) override;
};
