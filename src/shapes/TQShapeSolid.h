#pragma once

#include "shapes/TQShapeGeneric.h"

#include <array>
#include <vector>

class TQShapeOutline;

// What the solids share: they turn but are never resized, copied or filled,
// and the edges that lie behind the figure are drawn with fine dots.
class TQShapeSolid : public TQShapeGeneric
{
public:
    // The brush type the board paints with fine dots.
    static constexpr int kHiddenLineType = 100;

    // pointCount: the control points the figure needs before it has a shape.
    TQShapeSolid(int type, size_t pointCount);

    bool isFillable() const override;
    // The box round boundingPoints with the margin; empty until the figure
    // has all its control points.
    void updateBounds() override;

    // Top-left, top-right, bottom-right, bottom-left of the upright box that
    // two opposite corners span.
    static std::array<TQPointWF, 4> uprightBox(const TQPointWF &a, const TQPointWF &b);
    // p lies on a corner (within 0.1) or inside the triangle: the angles
    // under which it sees the three sides add up to a full turn, give or
    // take one percent.
    static bool pointInTriangle(const TQPointWF &p, const TQPointWF &a, const TQPointWF &b, const TQPointWF &c);
    // a + (a - b) x ratio: beyond a, away from b.
    static TQPointWF beyond(const TQPointWF &a, const TQPointWF &b, float ratio);

protected:
    bool hasAllPoints() const { return vertices.size() >= mPointCount; }
    // The points the figure's bounds must hold (its corners); the control
    // points unless the figure says otherwise.
    virtual std::vector<TQPointWF> boundingPoints();
    // An open polyline with the outline's brush, dotted when hidden; a solid
    // is never filled, so neither is a closed face.
    static void addEdge(TQShapeOutline &outline, const std::vector<TQPointWF> &points, bool hidden = false);
    // The upper or lower half of the ellipse in the upright box a, b, moved
    // down by shiftY and then turned by the figure's angle about centre.
    std::vector<TQPointWF> turnedHalfEllipse(const TQPointWF &a, const TQPointWF &b, bool upper,
                                             const TQPointWF &centre, float shiftY = 0) const;

private:
    size_t mPointCount;
};
