#include "actions/control/TQControlAnswerMachineAnswer.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionHelpers.h"
#include "actions/TQActionTextWriter.h"

TQControlAnswerMachineAnswer::TQControlAnswerMachineAnswer()
    : TQControlAction(116)
{
}

void TQControlAnswerMachineAnswer::toString(std::string &out) const
{
    TQActionTextWriter(out).add(-1).add(type).add(joinWithUnderscore(mAnswers).toStdString()).close();
}

TQControlAnswerMachineAnswer *TQControlAnswerMachineAnswer::answerMachineAnswerFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < 3)
        return nullptr;
    auto *answer = new TQControlAnswerMachineAnswer;
    for (std::string_view part : splitKeepingEmpty(fields.at(2), "_"))
        answer->mAnswers.emplace_back(part);
    return answer;
}
