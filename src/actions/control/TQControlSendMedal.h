#pragma once

#include "actions/control/TQControlLayouts.h"

// An award to a student (code 117); sent to everybody. The last element is always 1.
class TQControlSendMedal : public TQControlIntRecord<TQControlSendMedal, 117>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlTargetOneLayout(); }

    // Null for fewer than 4 elements or a non-numeric element 1-3.
    static TQControlSendMedal *sendMedalFromString(std::string text)
    {
        return parse(text, 1, 3);
    }
};
