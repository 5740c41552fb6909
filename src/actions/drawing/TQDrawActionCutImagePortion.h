#pragma once

#include "actions/TQDrawingActionCopyable.h"

// A copied region of the board (code 11), placed as a board element.
class TQDrawActionCutImagePortion : public TQDrawingActionCopyable<TQDrawActionCutImagePortion>
{
public:
    TQDrawActionCutImagePortion();

    void toString(std::string &out) const override;

    // Null for fewer than 17 elements. The numeric check runs over elements
    // 2-17, so it checks nothing in a 17-element text and refuses a longer one.
    static TQDrawActionCutImagePortion *cutImagePortionFromString(std::string text);

    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int regionA = 0;
    int regionB = 0;
    int canvasWidth = 0;
    int canvasHeight = 0;
    int topOffset = 0;
    bool smallBoard = false;
    // Seconds since the reference date when the draw manager stamps one.
    qint64 sourceTime = 0;
    // Not in the text.
    int tag = 0;
    std::string url = "ImageUrl";
};
