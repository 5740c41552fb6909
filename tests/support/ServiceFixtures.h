#pragma once

#include <QJsonObject>
#include <QString>

// The stand-in's fixture replies as the client receives them, and the
// signed-in teacher they describe.
class ServiceFixtures
{
public:
    // The fixture file at `relativePath` below the fixture folder (e.g.
    // "biz_mv/edu/user/loginCheck.json"), "${base}" and dates filled in.
    static QJsonObject reply(const QString &relativePath, const QString &baseUrl = QStringLiteral("http://127.0.0.1"));
    // "returnResult" of the sign-in fixture.
    static QJsonObject signInResult(const QString &baseUrl = QStringLiteral("http://127.0.0.1"));
    // Stores the fixture teacher as the signed-in user with a token, her
    // organisations and her choice among them, as a finished sign-in leaves
    // them; the next start signs in with the token.
    static void storeSignedInTeacher(const QString &baseUrl = QStringLiteral("http://127.0.0.1"));
    // Points the client's service and web hosts ("api_host", "web_host") at
    // `baseUrl`, the stand-in's address, in the stored settings.
    static void pointClientAt(const QString &baseUrl);

    static constexpr const char *kTeacherId = "10001";
    static constexpr const char *kTeacherPhone = "13800000001";
    static constexpr const char *kTeacherToken = "standin-token-7f3a9c";
    static constexpr const char *kSelectedOrgId = "101";
};
