#include "common/remoteconfig/RemoteConfig.h"

#include "common/remoteconfig/ConfigJson.h"
#include "utils/CDataHelper.h"
#include "utils/KV.h"

#include <QJsonArray>

#include <memory>
#include <vector>

namespace {

// Every record ever made current, the current one last; kept until the
// process ends because UpgradeInfo pointers into them are handed out.
std::vector<std::unique_ptr<RemoteConfig>> &records()
{
    static std::vector<std::unique_ptr<RemoteConfig>> all;
    return all;
}

} // namespace

RemoteConfig::RemoteConfig(const QJsonObject &json)
    : tokenVaildity(json.value(QStringLiteral("tokenVaildity")).toString()),
      upgradeInfo(json.value(QStringLiteral("upgradeInfo")).toObject()),
      networkConfig(json.value(QStringLiteral("networkConfig")).toObject()),
      chargeInfo(ConfigJson::toStringList(json.value(QStringLiteral("chargeInfo")))),
      chargeEnable(CDataHelper::jsonValueToInt(json.value(QStringLiteral("chargeEnable")))),
      lecturePayForCommunication(CDataHelper::jsonValueToInt(json.value(QStringLiteral("lecturePayForCommunication")))),
      help(json.value(QStringLiteral("help")).toObject())
{
    for (const QJsonValue &grade : json.value(QStringLiteral("gradeMap")).toArray())
        gradeMap.append(GradeItem(grade.toObject()));
}

QJsonObject RemoteConfig::toJson() const
{
    QJsonArray grades;
    for (const GradeItem &grade : gradeMap)
        grades.append(grade.toJson());
    return QJsonObject{{QStringLiteral("tokenVaildity"), tokenVaildity},
                       {QStringLiteral("upgradeInfo"), upgradeInfo.toJson()},
                       {QStringLiteral("gradeMap"), grades},
                       {QStringLiteral("networkConfig"), networkConfig.toJson()},
                       {QStringLiteral("chargeInfo"), ConfigJson::fromStringList(chargeInfo)},
                       {QStringLiteral("chargeEnable"), chargeEnable},
                       {QStringLiteral("lecturePayForCommunication"), lecturePayForCommunication},
                       {QStringLiteral("help"), help.toJson()}};
}

void RemoteConfig::setCurrent(const RemoteConfig &config)
{
    // The current record and the stored copy are both the normalised form.
    const QJsonObject json = config.toJson();
    records().push_back(std::make_unique<RemoteConfig>(json));
    KV::setJsonValue(kStoreKey, json);
}

const RemoteConfig *RemoteConfig::current()
{
    return records().empty() ? nullptr : records().back().get();
}

UpgradeInfo *RemoteConfig::currentUpgradeInfo()
{
    return records().empty() ? nullptr : &records().back()->upgradeInfo;
}
