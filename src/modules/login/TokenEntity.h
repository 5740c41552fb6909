#pragma once

#include <QJsonObject>
#include <QString>

// The login token of the sign-in reply.
class TokenEntity
{
public:
    TokenEntity() = default;
    explicit TokenEntity(const QJsonObject &json);

    QString token;
    // Kept as received; the server alone decides when a token has expired.
    int valid_duration = 0;
};
