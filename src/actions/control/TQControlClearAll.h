#pragma once

#include "actions/control/TQControlLayouts.h"

// The board was cleared (code 119); sent to everybody.
class TQControlClearAll : public TQControlIntRecord<TQControlClearAll, 119>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlZeroLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 1-2.
    static TQControlClearAll *clearAllFromString(std::string text)
    {
        return parse(text, 1, 2);
    }
};
