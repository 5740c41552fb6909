#include "common/remoteconfig/UpgradeContent.h"

UpgradeContent::UpgradeContent(const QJsonObject &json)
    : apkUrl(json.value(QStringLiteral("apkUrl")).toString()),
      content(json.value(QStringLiteral("content")).toString()),
      downloadPageUrl(json.value(QStringLiteral("downloadPageUrl")).toString()),
      packageSize(json.value(QStringLiteral("packageSize")).toString()),
      title(json.value(QStringLiteral("title")).toString())
{
}

QJsonObject UpgradeContent::toJson() const
{
    return QJsonObject{{QStringLiteral("apkUrl"), apkUrl},
                       {QStringLiteral("content"), content},
                       {QStringLiteral("downloadPageUrl"), downloadPageUrl},
                       {QStringLiteral("packageSize"), packageSize},
                       {QStringLiteral("title"), title}};
}
