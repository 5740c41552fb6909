#include "modules/login/AccountEntity.h"

#include "utils/CDataHelper.h"

AccountEntity::AccountEntity(const QJsonObject &loginResult)
    : tokenStatus(loginResult.value(QStringLiteral("tokenStatus")).toObject())
    , accountDetails(loginResult.value(QStringLiteral("accountDetails")).toObject())
    , isNewUser(CDataHelper::jsonValueToInt(loginResult.value(QStringLiteral("isNewUser"))) != 0)
{
}
