#pragma once

#include "shapes/TQShapeGeneric.h"

#include <memory>

class TQCoordinateFrame;

// What the two coordinate systems share: a box spanned by two control
// points, four styles by type code (plain, with tick marks, with a grid, with
// a tight grid, in that order from the family's first code), a redraw pace
// that slows with the number of grid lines, and the frame the system leaves
// on its page when it is committed, for the graphs drawn later.
class TQShapeCoordinateSystem : public TQShapeGeneric
{
public:
    enum Style { Plain = 0, Marked = 1, Meshed = 2, TightlyMeshed = 3 };

    ~TQShapeCoordinateSystem() override;

    void draw(TQDrawManager *context, bool markTime, bool final) override;
    // Commits the last outline and hands the frame to the page.
    void finish(TQDrawManager *context) override;
    int redrawIntervalMs() const override;
    bool isFillable() const override;

    Style style() const;
    // The frame as the last draw left it; null once the page holds it.
    const TQCoordinateFrame *frame() const { return mFrame.get(); }

protected:
    explicit TQShapeCoordinateSystem(int type);

    // The box of the two control points, view coordinates.
    struct Box
    {
        float left;
        float top;
        float right;
        float bottom;
    };
    Box box() const;
    // Rewrites the frame (origin in canvas coordinates of the current view).
    void updateFrame(const TQDrawManager &context, const TQPointWF &origin, int unit, int unitsLeft, int unitsRight,
                     int unitsUp, int unitsDown);
    // Whole units of a (canvas) that fit into length with a quarter unit to
    // spare; NaN and lengths beyond the int range count as 0.
    static int wholeUnits(float length, int a);
    // A grid line in the grid colour.
    void addGridLine(TQShapeOutline &outline, const TQPointWF &from, const TQPointWF &to) const;
    // The values from, from + step, ... while within (up to `to`, or down to
    // `to` for a negative step; `to` itself included when inclusive).
    static std::vector<float> steps(float from, float to, float step, bool inclusive);
    bool isFinalDraw() const { return mFinalDraw; }

private:
    std::unique_ptr<TQCoordinateFrame> mFrame;
    bool mFinalDraw = false;
};
