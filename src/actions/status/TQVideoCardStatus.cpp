#include "actions/status/TQVideoCardStatus.h"

#include "actions/TQActionFields.h"

TQVideoCardStatus::TQVideoCardStatus()
    : TQPlayerStatusAction(164)
{
}

TQVideoCardStatus *TQVideoCardStatus::videoCardStatusFromString(std::string text)
{
    const TQActionFields fields(text);
    if (fields.size() < 14 || !playerFieldsNumeric(fields))
        return nullptr;
    auto *status = new TQVideoCardStatus;
    status->readPlayer(fields);
    return status;
}
