#pragma once

#include "actions/status/TQPlayerStatusAction.h"

// The PPT animation player's state (code 165), with its next stop time.
class TQPPTPlayStatus : public TQPlayerStatusAction
{
public:
    TQPPTPlayStatus();

    void toString(std::string &out) const override;

    // Null for fewer than 15 elements (logged as an error) or a non-numeric
    // element 2-11 (logged).
    static TQPPTPlayStatus *pptPlayStatusFromString(std::string text);

    // Next stop time of the animation in ms.
    int nextStopTime = -1;
};
