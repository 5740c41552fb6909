#pragma once

#include <QJsonObject>
#include <QString>

// One role the user holds in an organisation.
class RoleEntity
{
public:
    RoleEntity() = default;
    explicit RoleEntity(const QJsonObject &json);

    QJsonObject toJson() const;

    int role_id = 0;
    QString role_name;
};
