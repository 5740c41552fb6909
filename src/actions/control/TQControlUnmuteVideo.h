#pragma once

#include "actions/control/TQControlLayouts.h"

// Turns one student's camera on (code 104); sent to that student.
class TQControlUnmuteVideo : public TQControlIntRecord<TQControlUnmuteVideo, 104>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlTargetLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 1-2.
    static TQControlUnmuteVideo *unmuteVideoFromString(std::string text)
    {
        return parse(text, 1, 2);
    }
};
