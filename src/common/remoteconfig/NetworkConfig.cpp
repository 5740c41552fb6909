#include "common/remoteconfig/NetworkConfig.h"

#include "common/remoteconfig/ConfigJson.h"

NetworkConfig::NetworkConfig(const QJsonObject &json)
    : pingAddresses(ConfigJson::toStringList(json.value(QStringLiteral("pingAddresses"))))
{
}

QJsonObject NetworkConfig::toJson() const
{
    return QJsonObject{{QStringLiteral("pingAddresses"), ConfigJson::fromStringList(pingAddresses)}};
}
