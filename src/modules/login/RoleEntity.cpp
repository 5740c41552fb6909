#include "modules/login/RoleEntity.h"

#include "utils/CDataHelper.h"

RoleEntity::RoleEntity(const QJsonObject &json)
    : role_id(CDataHelper::jsonValueToInt(json.value(QStringLiteral("role_id"))))
    , role_name(CDataHelper::jsonValueToString(json.value(QStringLiteral("role_name"))))
{
}

QJsonObject RoleEntity::toJson() const
{
    return QJsonObject{{QStringLiteral("role_id"), role_id}, {QStringLiteral("role_name"), role_name}};
}
