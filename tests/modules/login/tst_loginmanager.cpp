#include "TestChildProcess.h"
#include "TestClock.h"
#include "TestLogCapture.h"
#include "SignInFixture.h"
#include "modules/login/LoginManager.h"
#include "platform/http/AppInfo.h"
#include "utils/CSqliteHelper.h"
#include "utils/FileUtils.h"
#include "utils/GlobalConfig.h"
#include "utils/KV.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

QJsonObject account(const QString &userId, const QString &nickName, const QString &token)
{
    return QJsonObject{{"tokenStatus", QJsonObject{{"token", token}}},
                       {"accountDetails", QJsonObject{{"user_id", userId}, {"user_nick_name", nickName},
                                                      {"mobile_phone", "13800138000"}, {"image_file_addr", "/i.png"}}}};
}

// The rows of "tq_user_infos" as the database holds them.
QJsonArray userRows()
{
    QJsonArray rows;
    const auto query = CSqliteHelper::executeRead(
        QStringLiteral("select userID, typeof(userID), token, mobilePhone, nickName, imageFile, isMainUser, updateTime "
                       "from tq_user_infos order by userID"));
    while (query && query->next()) {
        rows.append(QJsonObject{{"userID", query->value(0).toString()},
                                {"userIDType", query->value(1).toString()},
                                {"token", query->value(2).toString()},
                                {"mobilePhone", query->value(3).toString()},
                                {"nickName", query->value(4).toString()},
                                {"imageFile", query->value(5).toString()},
                                {"isMainUser", query->value(6).toInt()},
                                {"updateTime", query->value(7).toString()}});
    }
    return rows;
}

// What the rest of the program can learn about the current user.
QJsonObject currentUserState()
{
    const AccountEntity *record = LoginManager::getCurrentUser();
    return QJsonObject{
        {"hasRecord", record != nullptr},
        {"userID", LoginManager::getUserID()},
        {"token", LoginManager::getToken()},
        {"nickName", LoginManager::getNickName()},
        {"mobilePhone", LoginManager::getMobilePhone()},
        {"imageFile", LoginManager::getImageFile()},
        {"isLogin", LoginManager::isLogin()},
        {"loginUser", record ? record->accountDetails.toLoginUserJson() : QJsonObject()},
        {"orgs", record ? record->accountDetails.orgsToJson() : QJsonArray()},
        // What the request layer was handed to send.
        {"requestUserID", AppInfo::getUserId()},
        {"requestToken", AppInfo::getUserToken()},
    };
}

// A new start of the program over the same data folder.
int childMain(const QString &mode)
{
    if (mode == QLatin1String("restore")) {
        LoginManager::loadCurrentUser();
        QJsonObject state = currentUserState();
        state.insert("rows", userRows());
        TestChildProcess::report(state);
        return 0;
    }
    if (mode == QLatin1String("startup")) {
        // What the program does at start-up, before any window exists.
        GlobalConfig config;
        CSqliteHelper::instance();
        LoginManager::loadCurrentUser();
        TestChildProcess::report(currentUserState());
        return 0;
    }
    return 2;
}

QJsonObject runChild(const QString &mode, const QString &dataHome = QString())
{
    const TestChildProcess::Result run = TestChildProcess::run(mode, dataHome);
    if (!run.finished || run.exitCode != 0)
        qWarning("child failed: %s", run.err.right(2000).constData());
    return QJsonDocument::fromJson(run.out).object();
}

} // namespace

class TestLoginManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void freshInstallation();
    void freshStartCreatesStoreNotSettings();
    void signInSurvivesRestart();
    void twoUsersKeepTwoRows();
    void signOut();
    void resultWithoutUserIdStoresNoRow();
    void lockOutCounters();
    void gettersFromAnotherThread();
};

void TestLoginManager::init()
{
    LoginManager::cleanLoginInfo();
    QVERIFY(CSqliteHelper::executeQuery(QStringLiteral("delete from tq_user_infos")) >= 0);
}

void TestLoginManager::freshInstallation()
{
    QVERIFY(!LoginManager::getCurrentUser());
    QVERIFY(!LoginManager::isLogin());
    QCOMPARE(LoginManager::getUserID(), QString());

    LoginManager::loadCurrentUser();
    const AccountEntity *record = LoginManager::getCurrentUser();
    QVERIFY(record);
    QCOMPARE(record->accountDetails.user_id, QString());
    QCOMPARE(record->tokenStatus.token, QString());
    QCOMPARE(LoginManager::getUserID(), QString());
    QVERIFY(!LoginManager::isLogin());
    QVERIFY(!LoginManager::isCurrentUser("1"));
}

void TestLoginManager::freshStartCreatesStoreNotSettings()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QJsonObject state = runChild(QStringLiteral("startup"), home.path());
    QCOMPARE(state.value("hasRecord"), QJsonValue(true));
    QCOMPARE(state.value("userID"), QJsonValue(""));
    QCOMPARE(state.value("isLogin"), QJsonValue(false));

    const QString root = home.path() + QStringLiteral("/VeltroTeacher");
    QVERIFY(QFileInfo(root + "/db/veltro.sqlite").isFile());
    // Starting reads the settings but writes none: the file appears with the
    // first change.
    QVERIFY(!QFileInfo::exists(root + "/config/v.json"));
}

void TestLoginManager::signInSurvivesRestart()
{
    const QJsonObject result = signInFixtureResult();
    QVERIFY(!result.isEmpty());
    const QString odd = QStringLiteral(" O'Brien \"引号\" \\ 100% a=b;c ?&# 😀 \t\n末");
    LoginManager::saveLoginInfo(result);

    QCOMPARE(LoginManager::getUserID(), QStringLiteral("12345678"));
    QCOMPARE(LoginManager::getToken(), "token" + odd);
    QCOMPARE(LoginManager::getNickName(), "user_nick_name" + odd);
    QCOMPARE(LoginManager::getMobilePhone(), "mobile_phone" + odd);
    QCOMPARE(LoginManager::getImageFile(), "image_file_addr" + odd);
    QVERIFY(LoginManager::isLogin());
    QVERIFY(LoginManager::isCurrentUser("12345678"));
    QCOMPARE(AppInfo::getUserId(), QStringLiteral("12345678"));
    QCOMPARE(AppInfo::getUserToken(), "token" + odd);
    QCOMPARE(KV::getJsonValue(LoginManager::kAccountEntityKey), QJsonValue(result));

    // A new process over the same files knows the user at once.
    const QJsonObject restored = runChild(QStringLiteral("restore"));
    QJsonObject expected = currentUserState();
    expected.insert("rows", QJsonArray{QJsonObject{{"userID", "12345678"},
                                                   {"userIDType", "integer"},
                                                   {"token", "token" + odd},
                                                   {"mobilePhone", "mobile_phone" + odd},
                                                   {"nickName", "user_nick_name" + odd},
                                                   {"imageFile", "image_file_addr" + odd},
                                                   {"isMainUser", 1},
                                                   {"updateTime", userRows().at(0).toObject().value("updateTime")}}});
    QCOMPARE(restored, expected);
    QCOMPARE(restored.value("orgs").toArray().size(), 3);
}

void TestLoginManager::twoUsersKeepTwoRows()
{
    TestClock clock(QDateTime(QDate(2019, 10, 12), QTime(9, 41, 5)).toMSecsSinceEpoch());
    LoginManager::saveLoginInfo(account("1001", "A's", "ta"));
    clock.advance(60 * 1000);
    LoginManager::saveLoginInfo(account("1002", "B", "tb"));

    const QJsonArray rows = userRows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).toObject().value("userID"), QJsonValue("1001"));
    QCOMPARE(rows.at(0).toObject().value("nickName"), QJsonValue("A's"));
    QCOMPARE(rows.at(0).toObject().value("isMainUser"), QJsonValue(0));
    QCOMPARE(rows.at(0).toObject().value("updateTime"), QJsonValue("2019-10-12 09:41:05"));
    QCOMPARE(rows.at(1).toObject().value("userID"), QJsonValue("1002"));
    QCOMPARE(rows.at(1).toObject().value("isMainUser"), QJsonValue(1));
    QCOMPARE(rows.at(1).toObject().value("updateTime"), QJsonValue("2019-10-12 09:42:05"));
    QCOMPARE(LoginManager::getUserID(), QStringLiteral("1002"));

    // Signing in again as A replaces A's row and makes it the main one.
    LoginManager::saveLoginInfo(account("1001", "A2", "ta2"));
    const QJsonArray again = userRows();
    QCOMPARE(again.size(), 2);
    QCOMPARE(again.at(0).toObject().value("token"), QJsonValue("ta2"));
    QCOMPARE(again.at(0).toObject().value("isMainUser"), QJsonValue(1));
    QCOMPARE(again.at(1).toObject().value("isMainUser"), QJsonValue(0));
}

void TestLoginManager::signOut()
{
    LoginManager::saveLoginInfo(account("1001", "A", "ta"));
    LoginManager::cleanLoginInfo();

    QVERIFY(!LoginManager::getCurrentUser());
    QCOMPARE(LoginManager::getUserID(), QString());
    QCOMPARE(LoginManager::getToken(), QString());
    QCOMPARE(AppInfo::getUserId(), QString());
    QCOMPARE(AppInfo::getUserToken(), QString());
    QVERIFY(!LoginManager::isLogin());
    QCOMPARE(KV::get(LoginManager::kAccountEntityKey), QString());
    const QJsonArray rows = userRows();
    QCOMPARE(rows.size(), 1); // the row stays, no longer the main one
    QCOMPARE(rows.at(0).toObject().value("isMainUser"), QJsonValue(0));

    // The next start has nobody to sign in with.
    const QJsonObject restored = runChild(QStringLiteral("restore"));
    QCOMPARE(restored.value("hasRecord"), QJsonValue(true));
    QCOMPARE(restored.value("userID"), QJsonValue(""));
    QCOMPARE(restored.value("requestToken"), QJsonValue(""));
    QCOMPARE(restored.value("isLogin"), QJsonValue(false));
}

void TestLoginManager::resultWithoutUserIdStoresNoRow()
{
    TestLogCapture capture;
    LoginManager::saveLoginInfo(QJsonObject{{"tokenStatus", QJsonObject{{"token", "t"}}}});
    QCOMPARE(LoginManager::getToken(), QStringLiteral("t"));
    QVERIFY(userRows().isEmpty());
    QVERIFY(TestLogCapture::currentLogFileText().contains("LoginManager::saveLoginInfo [ERROR] save login info failed\r\n"));
}

void TestLoginManager::lockOutCounters()
{
    KV::remove(LoginManager::kLoginErrorCountKey);
    KV::remove(LoginManager::kLastLoginErrorKey);
    QCOMPARE(LoginManager::getLoginErrorCount(), qint64(0));
    QCOMPARE(LoginManager::getLastLoginErrorTime(), qint64(0));

    LoginManager::setLoginErrorCount(3);
    LoginManager::setLastLoginErrorTime(1700000000);
    QCOMPARE(KV::get(LoginManager::kLoginErrorCountKey), QStringLiteral("3"));
    QCOMPARE(LoginManager::getLoginErrorCount(), qint64(3));
    QCOMPARE(LoginManager::getLastLoginErrorTime(), qint64(1700000000));
    LoginManager::setLastLoginErrorTime(0);
    QCOMPARE(KV::get(LoginManager::kLastLoginErrorKey), QStringLiteral("0"));

    KV::set(LoginManager::kLoginErrorCountKey, "3x");
    QCOMPARE(LoginManager::getLoginErrorCount(), qint64(0));
}

void TestLoginManager::gettersFromAnotherThread()
{
    // The request layer reads the id and token off the GUI thread while
    // sign-in and sign-out replace the record.
    std::atomic<bool> stop{false};
    std::atomic<int> strange{0};
    std::thread reader([&] {
        while (!stop) {
            for (const QString &id : {LoginManager::getUserID(), AppInfo::getUserId()}) {
                if (!id.isEmpty() && id != QLatin1String("1001") && id != QLatin1String("1002"))
                    ++strange;
            }
            LoginManager::getToken();
            AppInfo::getUserToken();
        }
    });
    for (int i = 0; i < 20; ++i) {
        LoginManager::saveLoginInfo(account(i % 2 ? "1001" : "1002", "n", "t"));
        LoginManager::cleanLoginInfo();
    }
    stop = true;
    reader.join();
    QCOMPARE(strange.load(), 0);
}

VELTRO_TEST_MAIN_WITH_CHILD(TestLoginManager, childMain)
#include "tst_loginmanager.moc"
