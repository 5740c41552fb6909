#pragma once

#include "actions/control/TQControlLayouts.h"

// Mutes one student's microphone (code 101); sent to that student.
class TQControlSilence : public TQControlIntRecord<TQControlSilence, 101>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlTargetLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 1-2.
    static TQControlSilence *silenceFromString(std::string text)
    {
        return parse(text, 1, 2);
    }
};
