#pragma once

#include "actions/TQAction.h"

#include <string>

// A duration figure a student's client reports (code 162), alone in an
// envelope of type 7.
class TQStudentDurationAction : public TQAction
{
public:
    TQStudentDurationAction();

    // "[-1,162,studentID,duration]"
    void toString(std::string &out) const override;

    // From the whole payload, brackets included: null unless it has exactly 4
    // elements. durationKey is studentID + "_" + duration.
    static TQStudentDurationAction *durationFromString(std::string text);

    std::string studentID;
    int duration = 0;
    std::string durationKey;
};
