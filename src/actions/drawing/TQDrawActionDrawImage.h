#pragma once

#include "actions/TQDrawingActionCopyable.h"

// An image placed on the board (code 10): a course image, a student's photo
// or a cover board ("NoURL"). Sizes and positions in quarter units; the
// receiver keeps the aspect height / width, so it must check a received
// width of 0 before dividing by it.
class TQDrawActionDrawImage : public TQDrawingActionCopyable<TQDrawActionDrawImage>
{
public:
    TQDrawActionDrawImage();

    void toString(std::string &out) const override;

    // Null for fewer than 19 elements or a non-numeric element 2-17. The
    // address is the last element and may itself hold commas.
    static TQDrawActionDrawImage *drawImageFromString(std::string text);

    int topOffset = 0;
    int canvasWidth = 0;
    int canvasHeight = 0;
    int width = 0;
    int height = 0;
    int captionHeight = 0;
    int sourceB = 0;
    // Whose photo it is; the caption shows that participant's name.
    int ownerUserId = 0;
    // Written, not read back.
    int sourceD = 0;
    // 1: the receiver places the image in its own current view.
    int placement = 0;
    // The shape code a student's application uses for the image; 0 for plain images.
    int toStudentCode = 0;
    // 1/10000 radian.
    int rotation = 0;
    int x = 0;
    // Below the top offset.
    int y = 0;
    int elementId = 0;
    std::string url = "imageUrl";
    // Not in the text:
    bool scrollTo = true;
    std::string caption;
};
