#include "actions/control/TQControlStudentEnterBackground.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"

TQControlStudentEnterBackground::TQControlStudentEnterBackground()
    : TQControlAction(152)
{
}

void TQControlStudentEnterBackground::toString(std::string &out) const
{
    TQActionTextWriter(out).add(0).add(type).add(0).add(0).close();
}

TQControlStudentEnterBackground *TQControlStudentEnterBackground::enterBackgroundFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < 3 || fields.hasNonNumeric(2, 2, "LiveBroadcast: %d of %s is non numeric"))
        return nullptr;
    auto *notice = new TQControlStudentEnterBackground;
    notice->targetUserId = fields.toInt(2);
    if (fields.size() > 3)
        notice->mBackgroundState = fields.toInt(3);
    return notice;
}
