#pragma once

#include "actions/TQDrawingActionCopyable.h"

// A text block (code 14). Position, size and font size in quarter units; the
// text travels as Base64 of its UTF-8 bytes, so it may hold any character.
class TQDrawingActionDrawText : public TQDrawingActionCopyable<TQDrawingActionDrawText>
{
public:
    TQDrawingActionDrawText();

    void toString(std::string &out) const override;

    // Logs the text it is given; null for fewer than 18 elements or a
    // non-numeric element 0-12.
    static TQDrawingActionDrawText *drawTextFromString(std::string text);

    int x = 0;
    // Below the top offset.
    int y = 0;
    int topOffset = 0;
    int width = 0;
    int height = 0;
    int canvasWidth = 0;
    int canvasHeight = 0;
    int fontSize = 0;
    int extra = 0;
    int elementId = 0;
    // UTF-8.
    std::string text;
    // As the user interface gives it; written raw.
    std::string colour;
    // Written raw.
    std::string fontFamily;
};
