// The sign-in service and its view model against the local stand-in: every
// user operation's fields, the three sign-in modes storing the account, and
// the replies that must not sign anybody in.
#include "ServiceCheck.h"
#include "StandInService.h"

#include "modules/login/LoginManager.h"
#include "modules/login/LoginViewModel.h"
#include "modules/login/UserService.h"
#include "platform/http/ApiPaths.h"
#include "platform/http/ApiRequestParams.h"
#include "platform/http/AppInfo.h"
#include "utils/GlobalConfig.h"
#include "utils/KV.h"

#include <QJsonDocument>
#include <QtTest>

#include <vector>

namespace {

const QString kPhone = QStringLiteral("13800000001");
// The account of the fixture "user/loginCheck.json".
const QString kFixtureUserID = QStringLiteral("10001");
const QString kFixtureToken = QStringLiteral("standin-token-7f3a9c");

// Signed in before each test so that the common parameters are known.
const QString kSignedInID = QStringLiteral("777");
const QString kSignedInToken = QStringLiteral("tk 7&7=");
const QString kOrgID = QStringLiteral("101");

void signInDirectly()
{
    LoginManager::saveLoginInfo(QJsonObject{
        {"tokenStatus", QJsonObject{{"token", kSignedInToken}}},
        {"accountDetails", QJsonObject{{"user_id", kSignedInID}, {"mobile_phone", "13900000007"}}}});
}

ParamMap common(const ParamMap &own = {})
{
    return ServiceCheck::withCommon(own, {{"userID", kSignedInID}, {"userToken", kSignedInToken}, {"orgID", kOrgID}});
}

ParamMap signIn(const QString &mode, const ParamMap &own)
{
    ParamMap fields = own;
    fields.insert("fromStudentPoint", "0");
    fields.insert("loginForUserType", "8");
    fields.insert("loginMode", mode);
    return fields;
}

// Every result the view model emits, in order.
struct LoginResults
{
    explicit LoginResults(LoginViewModel &model)
    {
        QObject::connect(&model, &LoginViewModel::loginSuccess_signal, [this] { events << "loginSuccess"; });
        QObject::connect(&model, &LoginViewModel::loginFailure_signal, [this](Failure &f) {
            events << "loginFailure";
            failure = f;
        });
        QObject::connect(&model, &LoginViewModel::getVerifyCodeSuccess_signal, [this](int value) {
            events << "verifyCode";
            forLogin = value;
        });
        QObject::connect(&model, &LoginViewModel::generateTempTokenSuccess_signal, [this](const QString &token) {
            events << "tempToken";
            tempToken = token;
        });
        QObject::connect(&model, &LoginViewModel::failure_signal, [this](Failure &f) {
            events << "failure";
            failure = f;
        });
    }
    bool waitForOne() { return QTest::qWaitFor([this] { return !events.isEmpty(); }, 10000); }

    QStringList events;
    Failure failure;
    int forLogin = -1;
    QString tempToken;
};

} // namespace

class TestUserService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void operation_data();
    void operation();
    void signInModes_data();
    void signInModes();
    void signInRefused_data();
    void signInRefused();
    void longNumericIdsKeepEveryDigit();
    void verificationCode_data();
    void verificationCode();
    void temporaryToken();
    void overlappingSignIns();

private:
    StandInService m_service;
    UserService m_userService;
    std::vector<ServiceCheck::Case> m_cases;
};

void TestUserService::initTestCase()
{
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
    AppInfo::setOrgId(kOrgID);

    UserService *s = &m_userService;
    auto path = [](const char *rest) { return ApiPaths::kPrefix + QLatin1String(rest); };
    const QString password = QStringLiteral("p&ss w=rd+中");
    m_cases = {
        {"verification code", [=] { return s->sendVerificationCode(kPhone); }, path("user/sendVerificationCode"),
         {{"mobilePhone", kPhone}}, {}, "returnResult/forLogin", "1"},
        {"sign-in by code", [=] { return s->loginCheckByVerificationCode(kPhone, "246810"); },
         path("user/loginCheck"), signIn("1", {{"mobilePhone", kPhone}, {"verificationCode", "246810"}}), {},
         "returnResult/accountDetails/user_id", kFixtureUserID},
        // The stored account's id, not the one signed in now.
        {"sign-in by token", [=] { return s->loginCheckByToken(kPhone, "10001", "stored tk"); },
         path("user/loginCheck"),
         signIn("2", {{"mobilePhone", kPhone}, {"userID", "10001"}, {"tokenPassed", "stored tk"}}), {},
         "returnResult/tokenStatus/token", kFixtureToken},
        {"sign-in by password", [=] { return s->loginCheckByPassword(kPhone, password); }, path("user/loginCheck"),
         signIn("3", {{"mobilePhone", kPhone}, {"passwordStr", password}}), {},
         "returnResult/accountDetails/mobile_phone", kPhone},
        {"user account", [=] { return s->getUserAccount(); }, path("v1/trade/getUserAccount"), common(), {},
         "returnResult/balance", "12800"},
        {"lecturer info", [=] { return s->getLecturerInfo(); }, path("v1/user/getLecturerInfo"),
         common({{"lectureUserID", kSignedInID}}), {}, "returnResult/user_true_name", QStringLiteral("王芳")},
        {"temporary token", [=] { return s->generateTempToken(); }, path("user/generateTempToken"), common(), {},
         "returnResult/temp_token", "standin-temp-token-51"},
    };
}

void TestUserService::init()
{
    m_service.clearReplies();
    m_service.clearRequests();
    signInDirectly();
}

void TestUserService::operation_data()
{
    ServiceCheck::addRows(m_cases);
}

void TestUserService::operation()
{
    ServiceCheck::verifyRow(m_service, m_cases);
}

void TestUserService::signInModes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("loginMode");
    QTest::newRow("verification code") << "code" << "1";
    QTest::newRow("stored token") << "token" << "2";
    QTest::newRow("password") << "password" << "3";
}

void TestUserService::signInModes()
{
    QFETCH(QString, mode);
    QFETCH(QString, loginMode);
    LoginManager::cleanLoginInfo();
    LoginViewModel model(&m_userService);
    LoginResults results(model);

    if (mode == "code")
        model.loginByVerificationCode(kPhone, "246810");
    else if (mode == "token")
        model.loginByToken(kPhone, kFixtureUserID, "stored-token");
    else
        model.loginByPassword(kPhone, "secret");
    QVERIFY(results.waitForOne());
    QCOMPARE(results.events, QStringList{"loginSuccess"});
    QCOMPARE(m_service.requests().size(), 1);
    QCOMPARE(m_service.requests()[0].formValue("loginMode"), loginMode);

    // Stored before the signal, and what the next start reads.
    QCOMPARE(LoginManager::getUserID(), kFixtureUserID);
    QCOMPARE(LoginManager::getToken(), kFixtureToken);
    QCOMPARE(LoginManager::getNickName(), QStringLiteral("王老师"));
    QCOMPARE(LoginManager::getCurrentUser()->accountDetails.orgs.size(), 2);
    const QJsonObject stored = KV::getJsonValue(LoginManager::kAccountEntityKey).toObject();
    QCOMPARE(ServiceCheck::textAt(stored, "tokenStatus/token"), kFixtureToken);
    QCOMPARE(ServiceCheck::textAt(stored, "accountDetails/user_id"), kFixtureUserID);
}

void TestUserService::signInRefused_data()
{
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("reply"); // empty: the fixture answers
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code"); // -1: any
    QTest::addColumn<QString>("userText");

    QTest::newRow("wrong password, counted by the sign-in page")
        << kPhone << "wrong-password" << QByteArray() << int(Failure::kOperation) << 10030
        << QStringLiteral("密码错误");
    QTest::newRow("success without a token") << "13800000003" << "secret" << QByteArray() << int(Failure::kData) << 0
                                             << QStringLiteral("数据错误");
    QTest::newRow("success without returnResult")
        << kPhone << "secret" << QByteArray(R"({"statusCode":0,"errorMsg":""})") << int(Failure::kData) << 0
        << QStringLiteral("数据错误");
    QTest::newRow("success without a user id")
        << kPhone << "secret"
        << QByteArray(R"({"statusCode":0,"errorMsg":"","returnResult":{"tokenStatus":{"token":"t"},)"
                      R"("accountDetails":{"user_id":""}}})")
        << int(Failure::kData) << 0 << QStringLiteral("数据错误");
    QTest::newRow("other service refusal")
        << kPhone << "secret" << QByteArray(R"({"statusCode":10031,"errorMsg":"账号已冻结"})")
        << int(Failure::kOperation) << 10031 << QStringLiteral("账号已冻结");
    QTest::newRow("no JSON") << kPhone << "secret" << QByteArray("<html>busy</html>") << int(Failure::kData) << -1
                             << QStringLiteral("数据错误");
}

void TestUserService::signInRefused()
{
    QFETCH(QString, phone);
    QFETCH(QString, password);
    QFETCH(QByteArray, reply);
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(QString, userText);
    if (!reply.isEmpty())
        m_service.setReply(ApiPaths::kLoginCheck, StandInService::Reply::raw(reply, 200, "application/json"));
    const QString storedBefore = KV::get(LoginManager::kAccountEntityKey);

    LoginViewModel model(&m_userService);
    LoginResults results(model);
    model.loginByPassword(phone, password);
    QVERIFY(results.waitForOne());
    QTest::qWait(50); // nothing else follows
    QCOMPARE(results.events, QStringList{"loginFailure"});
    QCOMPARE(results.failure.getKind(), kind);
    if (code >= 0)
        QCOMPARE(results.failure.getCode(), code);
    QCOMPARE(results.failure.getMessageForUser(), userText);

    // The signed-in user stays as it was, in memory and stored.
    QCOMPARE(LoginManager::getUserID(), kSignedInID);
    QCOMPARE(LoginManager::getToken(), kSignedInToken);
    QCOMPARE(KV::get(LoginManager::kAccountEntityKey), storedBefore);
}

void TestUserService::longNumericIdsKeepEveryDigit()
{
    LoginViewModel model(&m_userService);
    LoginResults results(model);
    model.loginByVerificationCode(QStringLiteral("13800000002"), "246810");
    QVERIFY(results.waitForOne());
    QCOMPARE(results.events, QStringList{"loginSuccess"});
    QCOMPARE(LoginManager::getUserID(), QStringLiteral("12345678"));
    QCOMPARE(LoginManager::getCurrentUser()->accountDetails.orgs.value(0).org_id, 9876543);

    // The next request identifies the user with the same digits.
    m_service.clearRequests();
    model.generateTempToken();
    QVERIFY(QTest::qWaitFor([&] { return results.events.size() == 2; }, 10000));
    QCOMPARE(m_service.requests().value(0).formValue("userID"), QStringLiteral("12345678"));
}

void TestUserService::verificationCode_data()
{
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QByteArray>("reply"); // empty: the fixture answers
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("forLogin");
    QTest::addColumn<int>("code");

    QTest::newRow("registered number") << kPhone << QByteArray() << "verifyCode" << 1 << 0;
    QTest::newRow("forLogin missing") << "13800000009" << QByteArray() << "verifyCode" << 0 << 0;
    QTest::newRow("forLogin as text") << kPhone << QByteArray(R"({"statusCode":0,"returnResult":{"forLogin":"1"}})")
                                      << "verifyCode" << 1 << 0;
    // Not a sign-in failure: the wrong-password count must not see it.
    QTest::newRow("refused") << kPhone << QByteArray(R"({"statusCode":10030,"errorMsg":"x"})") << "failure" << -1
                             << 10030;
}

void TestUserService::verificationCode()
{
    QFETCH(QString, phone);
    QFETCH(QByteArray, reply);
    QFETCH(QString, event);
    QFETCH(int, forLogin);
    QFETCH(int, code);
    if (!reply.isEmpty())
        m_service.setReply(ApiPaths::kSendVerificationCode, StandInService::Reply::raw(reply, 200, "application/json"));

    LoginViewModel model(&m_userService);
    LoginResults results(model);
    model.getVerificationCode(phone);
    QVERIFY(results.waitForOne());
    QCOMPARE(results.events, QStringList{event});
    QCOMPARE(results.forLogin, forLogin);
    QCOMPARE(results.failure.getCode(), code);
    QCOMPARE(m_service.requests().value(0).body, "mobilePhone=" + phone.toUtf8());
}

void TestUserService::temporaryToken()
{
    LoginViewModel model(&m_userService);
    LoginResults results(model);
    model.generateTempToken();
    QVERIFY(results.waitForOne());
    QCOMPARE(results.events, QStringList{"tempToken"});
    QCOMPARE(results.tempToken, QStringLiteral("standin-temp-token-51"));

    // A token that is no text gives an empty one; a refusal goes to failure_signal.
    results.events.clear();
    m_service.queueReply(ApiPaths::kGenerateTempToken, StandInService::Reply::ok({{"temp_token", 5}}));
    m_service.queueReply(ApiPaths::kGenerateTempToken, StandInService::Reply::failure(401, "expired"));
    model.generateTempToken();
    QVERIFY(QTest::qWaitFor([&] { return results.events.size() == 1; }, 10000));
    model.generateTempToken();
    QVERIFY(QTest::qWaitFor([&] { return results.events.size() == 2; }, 10000));
    QCOMPARE(results.events, (QStringList{"tempToken", "failure"}));
    QCOMPARE(results.tempToken, QString());
    QCOMPARE(results.failure.getCode(), 401);
}

void TestUserService::overlappingSignIns()
{
    // Each request reports once, in the order the replies arrive.
    StandInService::Reply slow = StandInService::Reply::failure(10030, QStringLiteral("密码错误"));
    slow.delayMs = 300;
    m_service.queueReply(ApiPaths::kLoginCheck, slow);
    LoginViewModel model(&m_userService);
    LoginResults results(model);
    model.loginByPassword(kPhone, "first");
    QVERIFY(m_service.waitForRequests(1));
    model.loginByVerificationCode(kPhone, "246810");
    QVERIFY(QTest::qWaitFor([&] { return results.events.size() == 2; }, 10000));
    QTest::qWait(50);
    QCOMPARE(results.events, (QStringList{"loginSuccess", "loginFailure"}));
    QCOMPARE(results.failure.getCode(), 10030);
    QCOMPARE(LoginManager::getUserID(), kFixtureUserID);
}

QTEST_GUILESS_MAIN(TestUserService)
#include "tst_userservice.moc"
