#include "modules/login/OrgEntity.h"

#include "modules/login/EntityList.h"
#include "utils/CDataHelper.h"

OrgEntity::OrgEntity(const QJsonObject &json)
    : org_banner(CDataHelper::jsonValueToString(json.value(QStringLiteral("org_banner"))))
    , org_icon(CDataHelper::jsonValueToString(json.value(QStringLiteral("org_icon"))))
    , org_name(CDataHelper::jsonValueToString(json.value(QStringLiteral("org_name"))))
    , org_profile(CDataHelper::jsonValueToString(json.value(QStringLiteral("org_profile"))))
    , roles(entityListFromJson<RoleEntity>(json.value(QStringLiteral("roles"))))
{
    // The service names the organisation's id "user_id" in some replies.
    if (json.contains(QStringLiteral("user_id")))
        org_id = CDataHelper::jsonValueToInt(json.value(QStringLiteral("user_id")));
    else if (json.contains(QStringLiteral("org_id")))
        org_id = CDataHelper::jsonValueToInt(json.value(QStringLiteral("org_id")));
}

QJsonObject OrgEntity::toJson() const
{
    QJsonArray roleArray;
    for (const RoleEntity &role : roles)
        roleArray.append(role.toJson());
    return QJsonObject{
        {QStringLiteral("org_banner"), org_banner}, {QStringLiteral("org_icon"), org_icon},
        {QStringLiteral("org_name"), org_name},     {QStringLiteral("org_profile"), org_profile},
        {QStringLiteral("org_id"), org_id},         {QStringLiteral("user_id"), org_id},
        {QStringLiteral("roles"), roleArray},
    };
}
