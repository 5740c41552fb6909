#include "modules/login/LoginManager.h"

#include "platform/http/AppInfo.h"
#include "utils/CLog.h"
#include "utils/CSqliteHelper.h"
#include "utils/KV.h"
#include "utils/TimeUtils.h"

#include <memory>
#include <mutex>

namespace {

// The request layer reads the user id and token from its worker thread while
// the GUI thread may replace the record, hence the lock around the pointer.
struct CurrentUser
{
    std::mutex mutex;
    std::unique_ptr<AccountEntity> record;
};

CurrentUser &current()
{
    static CurrentUser instance;
    return instance;
}

// The one place the current user changes; the request layer gets the id and
// token it sends from here on.
void replaceRecord(std::unique_ptr<AccountEntity> record)
{
    CurrentUser &user = current();
    std::unique_ptr<AccountEntity> previous;
    {
        std::lock_guard<std::mutex> lock(user.mutex);
        previous = std::move(user.record);
        user.record = std::move(record);
        if (user.record)
            AppInfo::setUser(user.record->accountDetails.user_id, user.record->tokenStatus.token);
        else
            AppInfo::setUser(QString(), QString());
    }
}

// A field of the current record, or "" when there is none.
template <typename Read>
QString readField(Read read)
{
    CurrentUser &user = current();
    std::lock_guard<std::mutex> lock(user.mutex);
    return user.record ? read(*user.record) : QString();
}

qint64 readDecimal(const char *key)
{
    bool ok = false;
    const qint64 number = KV::get(key).trimmed().toLongLong(&ok, 10);
    return ok ? number : 0;
}

QString tagFor(const char *function)
{
    return QStringLiteral("%1 ").arg(QLatin1String(function));
}

} // namespace

void LoginManager::saveLoginInfo(const QJsonObject &account)
{
    auto record = std::make_unique<AccountEntity>(account);
    const UserEntity user = record->accountDetails;
    const QString token = record->tokenStatus.token;
    replaceRecord(std::move(record));

    CSqliteHelper::executeQuery(QStringLiteral("update tq_user_infos set isMainUser=0;"));
    // A row without a user id would only collect strangers; such a reply is
    // refused before it gets here, but never store one.
    const bool stored = !user.user_id.isEmpty()
                        && CSqliteHelper::executeQuery(
                               QStringLiteral("replace into tq_user_infos (userID, token, mobilePhone, nickName, "
                                              "imageFile, isMainUser, updateTime) values(?, ?, ?, ?, ?, 1, ?);"),
                               {user.user_id, token, user.mobile_phone, user.user_nick_name, user.image_file_addr,
                                currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))})
                               >= 0;
    if (!stored)
        CLog::error(QStringLiteral("save login info failed"), tagFor("LoginManager::saveLoginInfo"));

    KV::setJsonValue(kAccountEntityKey, account);
}

void LoginManager::cleanLoginInfo()
{
    replaceRecord(nullptr);
    if (CSqliteHelper::executeQuery(QStringLiteral("update tq_user_infos set isMainUser=0;")) < 0)
        CLog::error(QStringLiteral("clean login info failed"), tagFor("LoginManager::cleanLoginInfo"));
    KV::remove(kAccountEntityKey);
}

void LoginManager::loadCurrentUser()
{
    const QJsonObject stored = KV::getJsonValue(kAccountEntityKey).toObject();
    replaceRecord(std::make_unique<AccountEntity>(stored));
}

QString LoginManager::getUserID()
{
    return readField([](const AccountEntity &a) { return a.accountDetails.user_id; });
}

QString LoginManager::getToken()
{
    return readField([](const AccountEntity &a) { return a.tokenStatus.token; });
}

QString LoginManager::getNickName()
{
    return readField([](const AccountEntity &a) { return a.accountDetails.user_nick_name; });
}

QString LoginManager::getImageFile()
{
    return readField([](const AccountEntity &a) { return a.accountDetails.image_file_addr; });
}

QString LoginManager::getMobilePhone()
{
    return readField([](const AccountEntity &a) { return a.accountDetails.mobile_phone; });
}

const AccountEntity *LoginManager::getCurrentUser()
{
    CurrentUser &user = current();
    std::lock_guard<std::mutex> lock(user.mutex);
    return user.record.get();
}

bool LoginManager::isCurrentUser(const QString &userID)
{
    CurrentUser &user = current();
    std::lock_guard<std::mutex> lock(user.mutex);
    return user.record && user.record->accountDetails.user_id == userID;
}

bool LoginManager::isLogin()
{
    return !getToken().isEmpty();
}

void LoginManager::setLastLoginErrorTime(qint64 seconds)
{
    KV::set(kLastLoginErrorKey, QString::number(seconds));
}

qint64 LoginManager::getLastLoginErrorTime()
{
    return readDecimal(kLastLoginErrorKey);
}

void LoginManager::setLoginErrorCount(int count)
{
    KV::set(kLoginErrorCountKey, QString::number(count));
}

qint64 LoginManager::getLoginErrorCount()
{
    return readDecimal(kLoginErrorCountKey);
}
