#pragma once

#include "actions/TQDrawingActionCopyable.h"
#include "modules/live/draws/TQBrushStyle.h"

// A circle or arc (code 1). Centre, radius, offsets and canvas in quarter
// units; angles in 1/10000 radian (62831 is a full turn). A received circle
// always has width code 3.
class TQDrawActionDrawCircle : public TQDrawingActionCopyable<TQDrawActionDrawCircle>
{
public:
    TQDrawActionDrawCircle();

    void toString(std::string &out) const override;

    // Null for fewer than 20 elements or a non-numeric element 0-18.
    static TQDrawActionDrawCircle *drawCircleFromString(std::string text);

    int centreX = 0;
    // Below the top offset.
    int centreY = 0;
    int radius = 0;
    int startAngle = 0;
    int endAngle = 0;
    // Filled circles write their colour with alpha "CC".
    bool filled = false;
    TQBrushStyle brush;
    int topOffset = 0;
    int secondOffset = 0;
    int canvasWidth = 0;
    int canvasHeight = 0;
    int elementId = 0;
};
