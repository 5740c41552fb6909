#pragma once

#include <QString>
#include <QVersionNumber>

// How the client identifies itself to the service: app key, platform type,
// version, the operating system, and who is asking: the signed-in user's id
// and token and the organisation the teacher works for (sent as "userID",
// "userToken" and "orgID" with nearly every request). The sign-in side hands
// these over when they change. All static.
class AppInfo
{
public:
    static QString getAppKey();
    static QString getProductName();
    // Also the "apptype" of the remote-configuration request.
    static QString getPlatformType();
    static QString getAppVersion();
    static int getVersionCode();

    // The version code of the upgrade information last received; 0 is none.
    static void setVersionCode(int code);
    static int getCurrentVersionCode();

    // The running system as Qt reports it (kernel type and version on Linux).
    static QString getOsName();
    // "<name>_<major>.<minor>.<micro>", read anew on every call.
    static QString getOsVersion();
    static QString formatOsVersion(const QString &osName, const QVersionNumber &version);

    // The current organisation id; "" until one is chosen. Any thread.
    static void setOrgId(const QString &orgId);
    static QString getOrgId();

    // The signed-in user's id and token; "" when nobody is signed in. Any thread.
    static void setUser(const QString &userId, const QString &token);
    static QString getUserId();
    static QString getUserToken();

private:
    AppInfo() = delete;
};
