#pragma once

#include "actions/status/TQPlayerStatusAction.h"

// The video-card player's state (code 164).
class TQVideoCardStatus : public TQPlayerStatusAction
{
public:
    TQVideoCardStatus();

    // Null for fewer than 14 elements or a non-numeric element 2-11 (logged).
    static TQVideoCardStatus *videoCardStatusFromString(std::string text);
};
