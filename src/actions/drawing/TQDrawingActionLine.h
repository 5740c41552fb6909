#pragma once

#include "actions/TQDrawingActionCopyable.h"
#include "modules/live/draws/TQBrushStyle.h"
#include "modules/live/draws/TQPointW.h"

#include <string_view>
#include <vector>

// A piece of a pen stroke (code 0). Consecutive pieces of one stroke share a
// strokeId; coordinates, offsets and the canvas are in quarter units. The
// canvas width comes from the sender and may be 0 in a received text: a
// receiver that scales by it must check it first.
class TQDrawingActionLine : public TQDrawingActionCopyable<TQDrawingActionLine>
{
public:
    // Most points one merged line carries.
    static constexpr int kMaxMergedPoints = 70;

    TQDrawingActionLine();

    void toString(std::string &out) const override;
    // Joins the next piece of the same stroke while the two hold at most 70
    // points together, leaving out the next piece's repeat of this one's end.
    TQDrawingAction *mergeWith(const TQDrawingAction *next) const override;
    // Moves every point by (dx, dy).
    virtual void translate(int dx, int dy);

    // Null for fewer than 15 elements, a non-numeric element 2-13, a malformed
    // point or fewer than two points.
    static TQDrawingActionLine *lineFromString(std::string text);
    // The same on a view of the text (the factory's path: nothing is copied).
    static TQDrawingActionLine *lineFromText(std::string_view text);

    std::vector<TQPointW> points;
    int topOffset = 0;
    int secondOffset = 0;
    int canvasWidth = 0;
    int canvasHeight = 0;
    TQBrushStyle brush;
    bool straight = false;
    int strokeId = 0;
    // Not in the text: draw without first correcting the material and page.
    int noAdjust = 0;
    // 1 writes the colour with alpha "CC".
    int alphaFlag = 0;
};
