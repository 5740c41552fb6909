#pragma once

#include "actions/TQControlAction.h"

#include <string>
#include <vector>

// A student's answer to a choice question (code 116): each entry is the
// decimal character code of a chosen letter (65 for A up to 70 for F).
class TQControlAnswerMachineAnswer : public TQControlAction
{
public:
    TQControlAnswerMachineAnswer();

    // "[-1,116,65_67]"
    void toString(std::string &out) const override;

    // Null for fewer than 3 elements; element 2 split at "_" (empty parts
    // kept) gives the answers. Nothing is checked.
    static TQControlAnswerMachineAnswer *answerMachineAnswerFromString(std::string text);

    std::vector<std::string> mAnswers;
};
