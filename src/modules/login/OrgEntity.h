#pragma once

#include "modules/login/RoleEntity.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// One organisation the user belongs to, with the user's roles there.
class OrgEntity
{
public:
    OrgEntity() = default;
    explicit OrgEntity(const QJsonObject &json);

    // The organisation for the main window's list; the id goes out under
    // both "org_id" and "user_id".
    QJsonObject toJson() const;

    QString org_banner;
    QString org_icon;
    QString org_name;
    QString org_profile;
    int org_id = 0;
    QList<RoleEntity> roles;
};
