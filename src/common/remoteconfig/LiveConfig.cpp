#include "common/remoteconfig/LiveConfig.h"

#include "common/remoteconfig/ConfigJson.h"
#include "utils/CDataHelper.h"
#include "utils/KV.h"

#include <memory>
#include <vector>

namespace {

// Every record ever installed, the singleton last.
std::vector<std::unique_ptr<LiveConfig>> &records()
{
    static std::vector<std::unique_ptr<LiveConfig>> all;
    return all;
}

QString text(const QJsonObject &json, const char *key)
{
    return CDataHelper::jsonValueToString(json.value(QLatin1String(key)));
}

int number(const QJsonObject &json, const char *key)
{
    return CDataHelper::jsonValueToInt(json.value(QLatin1String(key)));
}

} // namespace

LiveConfig::LiveConfig(const QJsonObject &json)
    : camera_on(number(json, "camera_on")),
      default_live_profile_backgrounds(
          ConfigJson::toStringList(json.value(QStringLiteral("default_live_profile_backgrounds")))),
      default_live_profiles(ConfigJson::toStringList(json.value(QStringLiteral("default_live_profiles")))),
      live_foreground_profile(text(json, "live_foreground_profile")),
      live_profile(text(json, "live_profile")),
      live_profile_background(text(json, "live_profile_background")),
      profile_filter(number(json, "profile_filter")),
      user_uploaded_live_profile(text(json, "user_uploaded_live_profile")),
      user_uploaded_live_profile_background(text(json, "user_uploaded_live_profile_background"))
{
}

LiveConfig *LiveConfig::getInstance()
{
    if (records().empty())
        loadFromStore();
    return records().back().get();
}

void LiveConfig::install(const QJsonObject &json)
{
    records().push_back(std::make_unique<LiveConfig>(json));
}

void LiveConfig::store()
{
    KV::setJsonValue(kStoreKey, records().back()->toJson());
}

void LiveConfig::loadFromStore()
{
    install(KV::getJsonValue(kStoreKey).toObject());
}

void LiveConfig::updateFromServer(const QJsonObject &json)
{
    install(json);
    store();
}

void LiveConfig::updateAndSave(int cameraOn, const QString &liveProfile, int profileFilter)
{
    LiveConfig *config = getInstance();
    if (cameraOn == 0 || cameraOn == 1)
        config->camera_on = cameraOn;
    if (!liveProfile.isEmpty())
        config->live_profile = liveProfile;
    if (profileFilter >= 0)
        config->profile_filter = profileFilter;
    store();
}

QJsonObject LiveConfig::toJson() const
{
    return QJsonObject{
        {QStringLiteral("camera_on"), camera_on},
        {QStringLiteral("default_live_profile_backgrounds"), ConfigJson::fromStringList(default_live_profile_backgrounds)},
        {QStringLiteral("default_live_profiles"), ConfigJson::fromStringList(default_live_profiles)},
        {QStringLiteral("live_foreground_profile"), live_foreground_profile},
        {QStringLiteral("live_profile"), live_profile},
        {QStringLiteral("live_profile_background"), live_profile_background},
        {QStringLiteral("profile_filter"), profile_filter},
        {QStringLiteral("user_uploaded_live_profile"), user_uploaded_live_profile},
        {QStringLiteral("user_uploaded_live_profile_background"), user_uploaded_live_profile_background},
        {QStringLiteral("isMenSelected"), isMenSelected()},
        {QStringLiteral("isWomenSelected"), isWomenSelected()},
        {QStringLiteral("isMyselfSelected"), isMyselfSelected()}};
}

bool LiveConfig::isCameraOn() const
{
    return camera_on != 0;
}

bool LiveConfig::isDefaultSelected(int index) const
{
    return !live_profile.isEmpty() && index < default_live_profiles.size()
           && live_profile == default_live_profiles.at(index);
}

bool LiveConfig::isMenSelected() const
{
    return isDefaultSelected(0);
}

bool LiveConfig::isWomenSelected() const
{
    return isDefaultSelected(1);
}

bool LiveConfig::isMyselfSelected() const
{
    return !live_profile.isEmpty() && !user_uploaded_live_profile.isEmpty()
           && live_profile == user_uploaded_live_profile;
}
