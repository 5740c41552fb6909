#pragma once

#include "actions/control/TQControlLayouts.h"

// Unmutes one student's microphone (code 102); sent to that student.
class TQControlUnSilence : public TQControlIntRecord<TQControlUnSilence, 102>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlTargetLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 1-2.
    static TQControlUnSilence *unSilenceFromString(std::string text)
    {
        return parse(text, 1, 2);
    }
};
