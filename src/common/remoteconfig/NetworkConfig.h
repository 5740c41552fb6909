#pragma once

#include <QJsonObject>
#include <QStringList>

// Addresses the client may use to check the network.
struct NetworkConfig
{
    NetworkConfig() = default;
    explicit NetworkConfig(const QJsonObject &json);
    QJsonObject toJson() const;

    QStringList pingAddresses;
};
