#include "platform/http/AppInfo.h"

#include <QSysInfo>

#include <atomic>
#include <mutex>

namespace {

constexpr int kVersionCode = 5100;

// Who is asking. Requests are built on worker threads too, while the GUI
// thread signs in and out, hence the lock (a standard one, which the thread
// checker of the tests can follow).
struct Requester
{
    std::mutex mutex;
    QString orgId;
    QString userId;
    QString token;
};

Requester &requester()
{
    static Requester holder;
    return holder;
}

std::atomic<int> &storedVersionCode()
{
    static std::atomic<int> code{0};
    return code;
}

} // namespace

QString AppInfo::getAppKey()
{
    return QStringLiteral("AT_Axiebdy_Tmtjdvi");
}

QString AppInfo::getProductName()
{
    return QStringLiteral("Veltro教师端");
}

QString AppInfo::getPlatformType()
{
    return QStringLiteral("lecturerWindows");
}

QString AppInfo::getAppVersion()
{
    return QStringLiteral("5.10.0");
}

int AppInfo::getVersionCode()
{
    return kVersionCode;
}

void AppInfo::setVersionCode(int code)
{
    storedVersionCode() = code;
}

int AppInfo::getCurrentVersionCode()
{
    const int code = storedVersionCode();
    return code != 0 ? code : kVersionCode;
}

QString AppInfo::getOsName()
{
    return QSysInfo::kernelType();
}

QString AppInfo::getOsVersion()
{
    // "6.1.0-18-amd64" reads as 6.1.0; the suffix is the distribution's.
    return formatOsVersion(getOsName(), QVersionNumber::fromString(QSysInfo::kernelVersion()));
}

QString AppInfo::formatOsVersion(const QString &osName, const QVersionNumber &version)
{
    return QStringLiteral("%1_%2.%3.%4")
        .arg(osName)
        .arg(version.majorVersion())
        .arg(version.minorVersion())
        .arg(version.microVersion());
}

void AppInfo::setOrgId(const QString &orgId)
{
    Requester &holder = requester();
    std::lock_guard<std::mutex> lock(holder.mutex);
    holder.orgId = orgId;
}

QString AppInfo::getOrgId()
{
    Requester &holder = requester();
    std::lock_guard<std::mutex> lock(holder.mutex);
    return holder.orgId;
}

void AppInfo::setUser(const QString &userId, const QString &token)
{
    Requester &holder = requester();
    std::lock_guard<std::mutex> lock(holder.mutex);
    holder.userId = userId;
    holder.token = token;
}

QString AppInfo::getUserId()
{
    Requester &holder = requester();
    std::lock_guard<std::mutex> lock(holder.mutex);
    return holder.userId;
}

QString AppInfo::getUserToken()
{
    Requester &holder = requester();
    std::lock_guard<std::mutex> lock(holder.mutex);
    return holder.token;
}
