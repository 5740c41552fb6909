#pragma once

#include "actions/TQAction.h"

// Base of the classroom commands and notices (codes 101-166) and of the board
// history answer. Its own text is empty.
class TQControlAction : public TQAction
{
public:
    explicit TQControlAction(int code);

    void toString(std::string &out) const override;

    // The student a command is about; 0 until the creator or a parser sets it.
    int targetUserId = 0;
};
