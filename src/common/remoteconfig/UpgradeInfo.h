#pragma once

#include "common/remoteconfig/UpgradeContent.h"

#include <QJsonObject>
#include <QString>

#include <utility>

// The upgrade block of the remote configuration: the current and the
// announced version with their codes and the package.
struct UpgradeInfo
{
    UpgradeInfo() = default;
    explicit UpgradeInfo(const QJsonObject &json);
    QJsonObject toJson() const;

    // (offered, cannot be skipped) for the running version: (true, true)
    // when upgradeVersion is newer, else (true, false) when currentVersion
    // is newer, else (false, false); always (false, false) for "".
    std::pair<bool, bool> checkUpgrade(const QString &localVersion) const;

    QString currentVersion;
    int currentVersionCode = 0;
    int upgradeCode = 0;
    int upgradeType = 0;
    QString upgradeVersion;
    int upgradeVersionCode = 0;
    UpgradeContent upgradeContent;
};
