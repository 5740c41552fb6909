#include "actions/status/TQPPTPlayStatus.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"
#include "utils/CLog.h"

TQPPTPlayStatus::TQPPTPlayStatus()
    : TQPlayerStatusAction(165)
{
}

void TQPPTPlayStatus::toString(std::string &out) const
{
    TQActionTextWriter writer(out);
    writePlayer(writer);
    writer.add(nextStopTime).close();
}

TQPPTPlayStatus *TQPPTPlayStatus::pptPlayStatusFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < 15) {
        CLog::error(QStringLiteral("get error length %1").arg(fields.size()),
                    QStringLiteral("TQPPTPlayStatus::pptPlayStatusFromString "));
        return nullptr;
    }
    if (!playerFieldsNumeric(fields))
        return nullptr;
    auto *status = new TQPPTPlayStatus;
    status->readPlayer(fields);
    status->nextStopTime = fields.toInt(14);
    return status;
}
