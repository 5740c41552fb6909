#pragma once

#include "shapes/TQShapeSolid.h"

#include <array>

// A box in oblique projection: the front face spanned by points 0 and 1 in
// the figure's own frame, and the back face shifted by the depth vector from
// the front top-left corner to point 2. Which back edges are hidden follows
// from the signs of that vector.
class TQShapeCuboid : public TQShapeSolid
{
public:
    enum Corner {
        FrontTopLeft, FrontTopRight, FrontBottomRight, FrontBottomLeft,
        BackTopLeft, BackTopRight, BackBottomRight, BackBottomLeft,
    };

    TQShapeCuboid();

    // The middle of the front face.
    TQPointWF anchorPoint() const override;
    int redrawIntervalMs() const override;

    // View coordinates, turned with the figure; indexed by Corner.
    std::array<TQPointWF, 8> corners;
    // From the front top-left to the back top-left corner, in the figure's frame.
    float depthX = 0;
    float depthY = 0;

protected:
    explicit TQShapeCuboid(int type);
    void placeVertices(TQDrawManager *context) override;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;
    std::vector<TQPointWF> boundingPoints() override;

private:
    void updateCorners();
};
