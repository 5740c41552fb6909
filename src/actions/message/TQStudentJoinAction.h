#pragma once

#include "actions/TQAction.h"

#include <string>

// A student joined (code 163). It has a text form only; nothing sends or
// parses it here.
class TQStudentJoinAction : public TQAction
{
public:
    TQStudentJoinAction();

    // "[-1,163,studentID]"
    void toString(std::string &out) const override;

    std::string studentID;
};
