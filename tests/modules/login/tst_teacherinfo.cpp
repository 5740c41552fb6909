// The teacher's account and lecturer profile: the view model passes on whole
// replies from the stand-in, and the account record reads every field the
// forgiving way, ids with every digit.
#include "StandInService.h"

#include "modules/login/CUserAccountBean.h"
#include "modules/login/LoginManager.h"
#include "modules/login/TeacherInfoViewModel.h"
#include "modules/login/UserService.h"
#include "platform/http/ApiPaths.h"
#include "platform/http/AppInfo.h"
#include "utils/GlobalConfig.h"

#include <QJsonDocument>
#include <QtTest>

class TestTeacherInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void requests_data();
    void requests();
    void accountFromFixture();
    void accountFields_data();
    void accountFields();

private:
    StandInService m_service;
};

void TestTeacherInfo::initTestCase()
{
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
    AppInfo::setOrgId(QStringLiteral("101"));
    LoginManager::saveLoginInfo(QJsonObject{{"tokenStatus", QJsonObject{{"token", "tk"}}},
                                            {"accountDetails", QJsonObject{{"user_id", "10001"}}}});
}

void TestTeacherInfo::requests_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("reply"); // empty: the fixture answers
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("key");   // of returnResult in the whole reply passed on
    QTest::addColumn<QString>("value");

    QTest::newRow("account") << "account" << ApiPaths::kGetUserAccount << QByteArray() << "account" << "invitation_code"
                             << "VX8Q2";
    QTest::newRow("lecturer") << "lecturer" << ApiPaths::kGetLecturerInfo << QByteArray() << "lecturer"
                              << "introduction" << QStringLiteral("十年初中数学教学经验");
    QTest::newRow("account refused") << "account" << ApiPaths::kGetUserAccount
                                     << QByteArray(R"({"statusCode":10002,"errorMsg":"请重新登录"})") << "failure"
                                     << "" << "";
    QTest::newRow("lecturer unreachable") << "lecturer" << ApiPaths::kGetLecturerInfo << QByteArray("drop")
                                          << "failure" << "" << "";
}

void TestTeacherInfo::requests()
{
    QFETCH(QString, operation);
    QFETCH(QString, path);
    QFETCH(QByteArray, reply);
    QFETCH(QString, event);
    QFETCH(QString, key);
    QFETCH(QString, value);
    m_service.clearReplies();
    m_service.clearRequests();
    if (reply == "drop") {
        StandInService::Reply dropped;
        dropped.drop = true;
        m_service.setReply(path, dropped);
    } else if (!reply.isEmpty()) {
        m_service.setReply(path, StandInService::Reply::raw(reply, 200, "application/json"));
    }

    UserService users;
    TeacherInfoViewModel model(&users);
    QStringList events;
    QJsonObject received;
    Failure failure;
    connect(&model, &TeacherInfoViewModel::getUserAccouintSuccess_signal, this, [&](QJsonObject &r) {
        events << "account";
        received = r;
    });
    connect(&model, &TeacherInfoViewModel::getLectureInfoSuccess_signal, this, [&](QJsonObject &r) {
        events << "lecturer";
        received = r;
    });
    connect(&model, &TeacherInfoViewModel::failure_signal, this, [&](Failure &f) {
        events << "failure";
        failure = f;
    });
    if (operation == "account")
        model.getUserAccount();
    else
        model.getLectureInfo();
    QVERIFY(QTest::qWaitFor([&] { return !events.isEmpty(); }, 10000));
    QTest::qWait(30);
    QCOMPARE(events, QStringList{event});
    QCOMPARE(m_service.requests().value(0).path, path);
    if (event == "failure") {
        QVERIFY(failure.getKind() != 0);
        return;
    }
    // The whole reply, not only its result.
    QCOMPARE(received.value("statusCode").toInt(-1), 0);
    QCOMPARE(received.value("returnResult").toObject().value(key).toString(), value);
}

void TestTeacherInfo::accountFromFixture()
{
    UserService users;
    TeacherInfoViewModel model(&users);
    QScopedPointer<CUserAccountBean> account;
    connect(&model, &TeacherInfoViewModel::getUserAccouintSuccess_signal, this, [&](QJsonObject &reply) {
        account.reset(new CUserAccountBean(reply.value("returnResult").toObject()));
    });
    m_service.clearReplies();
    model.getUserAccount();
    QVERIFY(QTest::qWaitFor([&] { return !account.isNull(); }, 10000));
    QCOMPARE(account->user_id, 10001);
    QCOMPARE(account->user_id_str, QStringLiteral("10001"));
    QCOMPARE(account->balance, 12800);
    QCOMPARE(account->balance_info, QStringLiteral("余额128.00元"));
    QCOMPARE(account->l_balance, 300);
    QCOMPARE(account->withdraw, 2000);
    QCOMPARE(account->time_available, 3600);
    QCOMPARE(account->coins_available, 12.5f);
    QVERIFY(account->parent() == nullptr);
}

void TestTeacherInfo::accountFields_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<qint64>("userID");
    QTest::addColumn<QString>("userIDText");
    QTest::addColumn<int>("balance");
    QTest::addColumn<float>("coins");
    QTest::addColumn<QString>("info");

    QTest::newRow("id as text") << QByteArray(R"({"user_id":"123456"})") << qint64(123456) << "123456" << 0 << 0.0f
                                << "";
    QTest::newRow("id as number") << QByteArray(R"({"user_id":123456})") << qint64(123456) << "123456" << 0 << 0.0f
                                  << "";
    // Seven digits and more stay exact as text (no "1.23457e+06").
    QTest::newRow("seven-digit id") << QByteArray(R"({"user_id":1234567})") << qint64(1234567) << "1234567" << 0
                                    << 0.0f << "";
    QTest::newRow("thirteen-digit id") << QByteArray(R"({"user_id":1717000000123})") << qint64(1717000000123LL)
                                       << "1717000000123" << 0 << 0.0f << "";
    QTest::newRow("coins as number") << QByteArray(R"({"coins_available":2.5})") << qint64(0) << "" << 0 << 2.5f
                                     << "";
    QTest::newRow("coins as text") << QByteArray(R"({"coins_available":"2.5"})") << qint64(0) << "" << 0 << 2.5f
                                   << "";
    QTest::newRow("coins not a number") << QByteArray(R"({"coins_available":"abc"})") << qint64(0) << "" << 0
                                        << 0.0f << "";
    QTest::newRow("coins infinite") << QByteArray(R"({"coins_available":"inf"})") << qint64(0) << "" << 0 << 0.0f
                                    << "";
    QTest::newRow("balance true") << QByteArray(R"({"balance":true})") << qint64(0) << "" << 1 << 0.0f << "";
    QTest::newRow("balance as text") << QByteArray(R"({"balance":"42"})") << qint64(0) << "" << 42 << 0.0f << "";
    QTest::newRow("balance fraction") << QByteArray(R"({"balance":4.5})") << qint64(0) << "" << 0 << 0.0f << "";
    QTest::newRow("mistyped everything")
        << QByteArray(R"({"user_id":{"a":1},"balance":[1],"coins_available":null,"info":7})") << qint64(0)
        << R"({"a":1})" << 0 << 0.0f << "7";
    QTest::newRow("empty") << QByteArray("{}") << qint64(0) << "" << 0 << 0.0f << "";
}

void TestTeacherInfo::accountFields()
{
    QFETCH(QByteArray, json);
    QFETCH(qint64, userID);
    QFETCH(QString, userIDText);
    QFETCH(int, balance);
    QFETCH(float, coins);
    QFETCH(QString, info);
    const CUserAccountBean account(QJsonDocument::fromJson(json).object());
    QCOMPARE(account.user_id, userID);
    QCOMPARE(account.user_id_str, userIDText);
    QCOMPARE(account.balance, balance);
    QCOMPARE(account.coins_available, coins);
    QCOMPARE(account.info, info);
    QCOMPARE(account.l_balance, 0);
    QCOMPARE(account.mobile_phone, QString());
}

QTEST_GUILESS_MAIN(TestTeacherInfo)
#include "tst_teacherinfo.moc"
