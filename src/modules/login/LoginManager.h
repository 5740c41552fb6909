#pragma once

#include "modules/login/AccountEntity.h"

#include <QJsonObject>
#include <QString>

// Who is signed in. Keeps the one current account record of the process,
// persisted in the key-value table so the next start knows the user (and
// can sign in again with the stored token) before any request is answered.
// All static; the record is replaced on the GUI thread only, the getters may
// be called from any thread.
class LoginManager
{
public:
    static constexpr const char *kAccountEntityKey = "KEY_ACCOUNT_ENTITY_DATA";
    static constexpr const char *kLastLoginErrorKey = "KEY_LAST_LOGIN_ERROR";
    static constexpr const char *kLoginErrorCountKey = "KEY_LOGIN_ERROR_COUNT";

    // Makes the sign-in result the current user and stores it.
    static void saveLoginInfo(const QJsonObject &account);
    // Sign-out: forgets the current user and its stored copy.
    static void cleanLoginInfo();
    // Start-up: rebuilds the current user from the stored copy (a record with
    // empty fields when nothing is stored).
    static void loadCurrentUser();

    static QString getUserID();
    static QString getToken();
    static QString getNickName();
    static QString getImageFile();
    static QString getMobilePhone();
    // The current record, owned here; null when there is none. GUI thread
    // only, and never kept across a sign-in or sign-out.
    static const AccountEntity *getCurrentUser();
    static bool isCurrentUser(const QString &userID);
    static bool isLogin();

    // The password lock-out counters.
    static void setLastLoginErrorTime(qint64 seconds);
    static qint64 getLastLoginErrorTime();
    static void setLoginErrorCount(int count);
    static qint64 getLoginErrorCount();

private:
    LoginManager() = delete;
};
