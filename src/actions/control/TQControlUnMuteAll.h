#pragma once

#include "actions/control/TQControlLayouts.h"

// Free talk for the whole class (code 148); sent to everybody.
class TQControlUnMuteAll : public TQControlIntRecord<TQControlUnMuteAll, 148>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlZeroLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 2 (logged).
    static TQControlUnMuteAll *unMuteAllFromString(std::string text)
    {
        return parse(text, 2, 2, "muteAllFromString: %d of %s is non numeric");
    }
};
