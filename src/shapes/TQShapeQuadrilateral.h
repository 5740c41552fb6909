#pragma once

#include "shapes/TQShapeGeneric.h"

#include <initializer_list>
#include <vector>

// What the four-sided figures share: a closed outline through their corners,
// the mean of their control points as rotation centre, and the slide that
// keeps a side's direction while a corner follows the finger.
class TQShapeQuadrilateral : public TQShapeGeneric
{
public:
    // A drag step that jumps further than this from the point is dropped.
    static constexpr double kMaxJump = 160;
    // Lengths below this give no direction to scale along.
    static constexpr double kMinLength = 0.5;

    // cornerCount: the control points the figure keeps (4, or 2 opposite
    // corners).
    TQShapeQuadrilateral(int type, int cornerCount);

    // The mean of the control points once all are there, else (0, 0).
    TQPointWF anchorPoint() const override;
    // The closed outline, first corner repeated at the end; empty until all
    // control points are there.
    virtual std::vector<TQPointWF> outlinePoints() const;

    // p scaled about c by ratio, in double.
    static TQPointWF scaledAbout(const TQPointWF &p, const TQPointWF &c, double ratio);
    // The point at current moved along the line from s through it to the
    // target's distance from s. False, out untouched, when the target jumps
    // more than kMaxJump from current or a length is below kMinLength.
    static bool slideTowards(const TQPointWF &s, const TQPointWF &current, const TQPointWF &target, TQPointWF &out);

protected:
    // A corner placed relative to the middle of the visible board.
    struct CornerFromMiddle
    {
        float dx;
        float dy;
        bool enabled;
    };
    void placeAroundMiddle(TQDrawManager *context, std::initializer_list<CornerFromMiddle> corners);
    bool hasAllCorners() const { return vertices.size() >= size_t(mCornerCount); }
    // The selected point's press position moved by (dx, dy).
    TQPointWF dragTarget(float dx, float dy) const;
    void buildOutline(TQShapeOutline &outline, TQDrawManager *context) override;

private:
    int mCornerCount;
};
