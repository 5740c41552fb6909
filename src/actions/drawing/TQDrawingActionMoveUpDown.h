#pragma once

#include "actions/TQDrawingActionIntRecord.h"

// A vertical scroll of the page (code 5); offsets and canvas in quarter units.
class TQDrawingActionMoveUpDown : public TQDrawingActionIntRecord<TQDrawingActionMoveUpDown, 5>
{
public:
    // Two queued scrolls of the same page and canvas width, neither
    // standalone, become one that carries the later offsets.
    TQDrawingAction *mergeWith(const TQDrawingAction *next) const override;

    // Null for fewer than 9 elements or a non-numeric element 2-8.
    static TQDrawingActionMoveUpDown *moveUpDownFromString(std::string text);
    static TQIntLayout<TQDrawingActionMoveUpDown> textLayout();

    int topOffset = 0;
    int secondOffset = 0;
    int canvasWidth = 0;
    int canvasHeight = 0;
    // Not in the text:
    int valueA = 0;
    int valueB = 0;
    bool standalone = false;
    int noAdjust = 0;
};
