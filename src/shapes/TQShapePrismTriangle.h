#pragma once

#include "shapes/TQShapeSolid.h"

#include <array>

// A triangular prism: base triangle points 0, 1, 2 and the top corner above
// point 0 (point 3); the top triangle is the base shifted by point 3 - point
// 0. The face over points 0 and 1 is the front; which of the other edges are
// hidden depends on where the back corner lies against it.
class TQShapePrismTriangle : public TQShapeSolid
{
public:
    enum Corner { B0, B1, B2, T0, T1, T2 };
    // The top stays at least this far above point 0 in the figure's frame.
    static constexpr float kMinHeight = 40;

    TQShapePrismTriangle();

    // The centroid of the base.
    TQPointWF anchorPoint() const override;
    void adjustVertex(float dx, float dy) override;

    // View coordinates, indexed by Corner.
    std::array<TQPointWF, 6> corners;
    // Which corners are open towards the viewer; they decide the hidden edges.
    bool k0 = true;
    bool k1 = false;
    bool k2 = false;

protected:
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
    std::vector<TQPointWF> boundingPoints() override;

private:
    void updateCorners();
};
