#pragma once

#include "actions/TQBrushColor.h"

// The brush of a stroke, shape or drawing action: four small codes.
class TQBrushStyle
{
public:
    TQBrushStyle() = default;
    TQBrushStyle(int type, TQBrushColor colour, int width, int extra);

    bool operator==(const TQBrushStyle &other) const;
    bool operator!=(const TQBrushStyle &other) const { return !(*this == other); }

    // Type 100 (thin dotted line) travels in action texts as type 0 with the
    // eraser element set.
    static constexpr int kEraserTextType = 100;

    bool isEraserColour() const { return colour == kBrushColorEraser; }
    // The type and eraser elements of a line or circle text.
    int typeElement() const { return type == kEraserTextType ? 0 : type; }
    bool eraserElement() const { return type == kEraserTextType; }
    // The pointer: shown as the moving pen pointer, never saved.
    bool isType7() const { return type == 7; }
    // Types 2-6 are built as calligraphy outlines, every other type as a line.
    bool isCalligraphy() const { return type >= 2 && type <= 6; }

    // 0 dotted hard pen, 1 solid hard pen, 2 fountain pen, 3 writing brush,
    // 4 drawn like 2, 5 chalk, 6 chalk's inner layer, 7 pointer, 8 highlighter,
    // 100 thin dotted line, 101 solid line.
    int type = 1;
    TQBrushColor colour = kBrushColorDefault;
    // Width code. 41, 82, 123 (and 130, 260 for solid pens) mean board width /
    // code pixels. A received width may be 0 (see brushWidthFromText): the pen
    // factory must not divide by it.
    int width = 3;
    // Width variant of the calligraphy brushes, carried unchanged.
    int extra = 0;
};
