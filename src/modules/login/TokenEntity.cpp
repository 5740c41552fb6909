#include "modules/login/TokenEntity.h"

#include "utils/CDataHelper.h"

TokenEntity::TokenEntity(const QJsonObject &json)
    : token(CDataHelper::jsonValueToString(json.value(QStringLiteral("token"))))
    , valid_duration(CDataHelper::jsonValueToInt(json.value(QStringLiteral("valid_duration"))))
{
}
