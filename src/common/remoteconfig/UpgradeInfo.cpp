#include "common/remoteconfig/UpgradeInfo.h"

#include "utils/CDataHelper.h"

UpgradeInfo::UpgradeInfo(const QJsonObject &json)
    : currentVersion(json.value(QStringLiteral("currentVersion")).toString()),
      currentVersionCode(CDataHelper::jsonValueToInt(json.value(QStringLiteral("currentVersionCode")))),
      upgradeCode(CDataHelper::jsonValueToInt(json.value(QStringLiteral("upgradeCode")))),
      upgradeType(CDataHelper::jsonValueToInt(json.value(QStringLiteral("upgradeType")))),
      upgradeVersion(json.value(QStringLiteral("upgradeVersion")).toString()),
      upgradeVersionCode(CDataHelper::jsonValueToInt(json.value(QStringLiteral("upgradeVersionCode")))),
      upgradeContent(json.value(QStringLiteral("upgradeContent")).toObject())
{
}

QJsonObject UpgradeInfo::toJson() const
{
    return QJsonObject{{QStringLiteral("currentVersion"), currentVersion},
                       {QStringLiteral("currentVersionCode"), currentVersionCode},
                       {QStringLiteral("upgradeCode"), upgradeCode},
                       {QStringLiteral("upgradeType"), upgradeType},
                       {QStringLiteral("upgradeVersion"), upgradeVersion},
                       {QStringLiteral("upgradeVersionCode"), upgradeVersionCode},
                       {QStringLiteral("upgradeContent"), upgradeContent.toJson()}};
}

std::pair<bool, bool> UpgradeInfo::checkUpgrade(const QString &localVersion) const
{
    if (localVersion.isEmpty())
        return {false, false};
    if (CDataHelper::isVersion2Bigger(localVersion, upgradeVersion))
        return {true, true};
    if (CDataHelper::isVersion2Bigger(localVersion, currentVersion))
        return {true, false};
    return {false, false};
}
