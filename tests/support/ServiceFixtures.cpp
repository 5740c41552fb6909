#include "ServiceFixtures.h"

#include "StandInService.h"

#include "modules/login/LoginManager.h"
#include "utils/GlobalConfig.h"
#include "utils/KV.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

QJsonObject ServiceFixtures::reply(const QString &relativePath, const QString &baseUrl)
{
    QFile file(StandInService::defaultFixtureRoot() + QLatin1Char('/') + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(StandInService::expandFixture(file.readAll(), baseUrl)).object();
}

QJsonObject ServiceFixtures::signInResult(const QString &baseUrl)
{
    return reply(QStringLiteral("biz_mv/edu/user/loginCheck.json"), baseUrl)
        .value(QLatin1String("returnResult"))
        .toObject();
}

void ServiceFixtures::storeSignedInTeacher(const QString &baseUrl)
{
    const QJsonObject result = signInResult(baseUrl);
    LoginManager::saveLoginInfo(result);
    const std::string user = kTeacherId;
    const QJsonArray orgs = result.value(QLatin1String("accountDetails")).toObject().value(QLatin1String("orgs")).toArray();
    KV::setJsonValue(user + "key_avaliable_orgs", orgs);
    KV::set(user + "key_selected_org_id", QString::fromLatin1(kSelectedOrgId));
}

void ServiceFixtures::pointClientAt(const QString &baseUrl)
{
    GlobalConfig config;
    config.setValue(QStringLiteral("api_host"), baseUrl);
    config.setValue(QStringLiteral("web_host"), baseUrl);
}
