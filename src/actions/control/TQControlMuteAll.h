#pragma once

#include "actions/control/TQControlLayouts.h"

// Mute mode for the whole class (code 147); parsed only.
class TQControlMuteAll : public TQControlIntRecord<TQControlMuteAll, 147>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlZeroLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 2 (logged).
    static TQControlMuteAll *muteAllFromString(std::string text)
    {
        return parse(text, 2, 2, "muteAllFromString: %d of %s is non numeric");
    }
};
