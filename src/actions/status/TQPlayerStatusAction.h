#pragma once

#include "actions/TQStatusAction.h"

#include <string>

class TQActionFields;
class TQActionTextWriter;

// The state of a video player shown over the board, as the video-card and
// the PPT animation players report it. Geometry is written in the order
// drawing size, player position, player size.
class TQPlayerStatusAction : public TQStatusAction
{
public:
    void toString(std::string &out) const override;

    // 0 none or dismissed, 1 playing, 2 paused or stopped.
    int playState = 0;
    int topIndex = 0;
    // The id the player took when its video was loaded.
    int playID = 0;
    int drawingWidth = 0;
    int drawingHeight = 0;
    int playerWidth = 0;
    int playerHeight = 0;
    int startX = 0;
    int startY = 0;
    // Play position in ms.
    int playerCurrent = 0;
    // Written as it is.
    std::string url;
    // Written as Base64.
    std::string title;

protected:
    explicit TQPlayerStatusAction(int code);

    // Elements 2-13 into the writer (the code and "-1" are already there).
    void writePlayer(TQActionTextWriter &writer) const;
    // Elements 2-13 from fields, after the caller checked them.
    void readPlayer(const TQActionFields &fields);
    // The parsers' check of elements 2-11 (logged).
    static bool playerFieldsNumeric(const TQActionFields &fields);
};
