#pragma once

#include "actions/TQControlAction.h"

#include <string>
#include <vector>

// The random pick starts rolling over these students (code 123): their user
// ids as decimal text, in the dialog's order.
class TQControlRandomSelectIDsAndRolls : public TQControlAction
{
public:
    TQControlRandomSelectIDsAndRolls();

    // "[-1,123,11,12,13]"; with no candidates "[-1,123,]".
    void toString(std::string &out) const override;

    // Null for fewer than 3 elements or a non-numeric element 1; every
    // element from 2 on is one candidate.
    static TQControlRandomSelectIDsAndRolls *randomSelectIDsAndRollsFromString(std::string text);

    std::vector<std::string> mCandidateIDs;
};
