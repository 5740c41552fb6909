#include "actions/message/TQStudentJoinAction.h"

#include "actions/TQActionTextWriter.h"

TQStudentJoinAction::TQStudentJoinAction()
    : TQAction(163)
{
}

void TQStudentJoinAction::toString(std::string &out) const
{
    TQActionTextWriter(out).add(-1).add(type).add(studentID).close();
}
