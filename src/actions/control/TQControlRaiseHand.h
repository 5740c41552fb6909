#pragma once

#include "actions/control/TQControlLayouts.h"

// A student raised a hand (code 110); the sender is the envelope's.
class TQControlRaiseHand : public TQControlIntRecord<TQControlRaiseHand, 110>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlTargetLayout(); }

    // Null for fewer than 3 elements or a non-numeric element 2.
    static TQControlRaiseHand *raiseHandFromString(std::string text)
    {
        return parse(text, 2, 2);
    }
};
