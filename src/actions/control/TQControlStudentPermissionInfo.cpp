#include "actions/control/TQControlStudentPermissionInfo.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"
#include "utils/CLog.h"

#include <QString>

TQControlStudentPermissionInfo::TQControlStudentPermissionInfo()
    : TQControlAction(156)
{
}

void TQControlStudentPermissionInfo::toString(std::string &out) const
{
    const bool tooShort = QString::fromStdString(mHeadImageUrl).size() < 2;
    TQActionTextWriter(out).add(-1).add(type).add(targetUserId).add(tooShort ? std::string("default") : mHeadImageUrl)
        .close();
}

TQControlStudentPermissionInfo *TQControlStudentPermissionInfo::studentPermissionInfoFromString(std::string text)
{
    CLog::log(QStringLiteral("student permission %1").arg(QString::fromStdString(text)),
              QStringLiteral("TQControlStudentPermissionInfo::studentPermissionInfoFromString "));
    const TQActionFields fields(text);
    if (fields.size() < 4 || fields.hasNonNumeric(0, 2, "studentPermissionInfoFromString: %d of %s is non numeric"))
        return nullptr;
    auto *info = new TQControlStudentPermissionInfo;
    info->targetUserId = fields.toInt(2);
    info->mHeadImageUrl = fields.text(3);
    return info;
}
