#pragma once

#include "common/remoteconfig/GradeItem.h"
#include "common/remoteconfig/HelpInfo.h"
#include "common/remoteconfig/NetworkConfig.h"
#include "common/remoteconfig/UpgradeInfo.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// The application configuration the service publishes for this client:
// announced versions, grades, network check addresses, charging switches
// and help texts. The process keeps the last one received as the current
// record (none until the first reply of a process) and stores it in the
// key-value table. GUI thread only.
class RemoteConfig
{
public:
    static constexpr const char *kStoreKey = "TABLE_NAME_REMOTE_CONFIG_V2";

    RemoteConfig() = default;
    // A missing key reads as "", 0, an empty list or an empty record.
    explicit RemoteConfig(const QJsonObject &json);
    QJsonObject toJson() const;

    // Makes a record built from `config`'s JSON current and stores that JSON.
    // Earlier records stay allocated, so pointers handed out stay valid.
    static void setCurrent(const RemoteConfig &config);
    // Null until the first reply of the process.
    static const RemoteConfig *current();
    static UpgradeInfo *currentUpgradeInfo();

    QString tokenVaildity;
    UpgradeInfo upgradeInfo;
    QList<GradeItem> gradeMap;
    NetworkConfig networkConfig;
    QStringList chargeInfo;
    int chargeEnable = 0;
    int lecturePayForCommunication = 0;
    HelpInfo help;
};
