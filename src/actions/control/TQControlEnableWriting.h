#pragma once

#include "actions/control/TQControlLayouts.h"

// Gives one student the right to write on the board (code 105).
class TQControlEnableWriting : public TQControlIntRecord<TQControlEnableWriting, 105>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlTargetLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 1-2.
    static TQControlEnableWriting *enableWritingFromString(std::string text)
    {
        return parse(text, 1, 2);
    }
};
