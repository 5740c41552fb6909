#pragma once

#include "actions/TQControlAction.h"

// A student's client went to the background (code 152); the sender is the
// envelope's. Written "[0,152,0,0]" whatever its fields.
class TQControlStudentEnterBackground : public TQControlAction
{
public:
    TQControlStudentEnterBackground();

    void toString(std::string &out) const override;

    // Null for fewer than 3 elements or a non-numeric element 2 (logged);
    // element 3, when there is one, gives mBackgroundState.
    static TQControlStudentEnterBackground *enterBackgroundFromString(std::string text);

    int mBackgroundState = 0;
};
