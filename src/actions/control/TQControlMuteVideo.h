#pragma once

#include "actions/control/TQControlLayouts.h"

// Turns one student's camera off (code 103); sent to that student.
class TQControlMuteVideo : public TQControlIntRecord<TQControlMuteVideo, 103>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlTargetLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 1-2.
    static TQControlMuteVideo *muteVideoFromString(std::string text)
    {
        return parse(text, 1, 2);
    }
};
