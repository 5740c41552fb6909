#include "actions/message/TQStudentDurationAction.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

TQStudentDurationAction::TQStudentDurationAction()
    : TQAction(162)
{
}

void TQStudentDurationAction::toString(std::string &out) const
{
    TQActionTextWriter(out).add(-1).add(type).add(studentID).add(duration).close();
}

TQStudentDurationAction *TQStudentDurationAction::durationFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() != 4)
        return nullptr;
    // The last element still carries the closing bracket.
    std::string_view durationText = fields.at(3);
    if (!durationText.empty())
        durationText.remove_suffix(1);
    int duration = 0;
    TQActionFields::parseInt32(durationText, &duration);

    auto *action = new TQStudentDurationAction;
    action->studentID = fields.text(2);
    action->duration = duration;
    action->durationKey = action->studentID + "_" + std::to_string(duration);
    return action;
}
