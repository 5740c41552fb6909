#include "SignInFixture.h"
#include "modules/login/AccountEntity.h"

#include <QJsonArray>
#include <QtTest>

class TestAccountEntity : public QObject
{
    Q_OBJECT

private slots:
    void textFields_data();
    void textFields();
    void numberAndFlagFields();
    void organisations();
    void orgId_data();
    void orgId();
    void cameraOn_data();
    void cameraOn();
    void emptyAndMalformedParts_data();
    void emptyAndMalformedParts();
    void loginUserJson_data();
    void loginUserJson();
};

void TestAccountEntity::textFields_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("key");
    // Written out here apart from the parser's own table, so a key bound to
    // the wrong member shows.
    const std::pair<const char *, QString UserEntity::*> fields[] = {
        {"user_nick_name", &UserEntity::user_nick_name},
        {"mobile_phone", &UserEntity::mobile_phone},
        {"registration_time", &UserEntity::registration_time},
        {"address_str", &UserEntity::address_str},
        {"city_id", &UserEntity::city_id},
        {"grade_name", &UserEntity::grade_name},
        {"image_file_addr", &UserEntity::image_file_addr},
        {"invitation_code", &UserEntity::invitation_code},
        {"invite_image_url", &UserEntity::invite_image_url},
        {"invited_by", &UserEntity::invited_by},
        {"last_course_time", &UserEntity::last_course_time},
        {"live_profile", &UserEntity::live_profile},
        {"live_profile_background", &UserEntity::live_profile_background},
        {"material_description", &UserEntity::material_description},
        {"profile_filter", &UserEntity::profile_filter},
        {"province_id", &UserEntity::province_id},
        {"qq_number", &UserEntity::qq_number},
        {"school_id", &UserEntity::school_id},
        {"school_name", &UserEntity::school_name},
        {"teach_bystander_time", &UserEntity::teach_bystander_time},
        {"teach_hour", &UserEntity::teach_hour},
        {"teach_student_time", &UserEntity::teach_student_time},
        {"user_annotation", &UserEntity::user_annotation},
        {"user_gender", &UserEntity::user_gender},
        {"user_source", &UserEntity::user_source},
        {"user_true_name", &UserEntity::user_true_name},
        {"wx_image_file_addr", &UserEntity::wx_image_file_addr},
        {"wx_nick_name", &UserEntity::wx_nick_name},
        {"wx_number", &UserEntity::wx_number},
        {"wx_union_id", &UserEntity::wx_union_id},
    };
    const AccountEntity account(signInFixtureResult());
    for (const auto &field : fields)
        QTest::newRow(field.first) << account.accountDetails.*field.second << QString::fromLatin1(field.first);
}

void TestAccountEntity::textFields()
{
    QFETCH(QString, member);
    QFETCH(QString, key);
    QCOMPARE(member, signInFixtureResult().value("accountDetails").toObject().value(key).toString());
    QVERIFY(member.startsWith(key + " O'Brien \"引号\""));
}

void TestAccountEntity::numberAndFlagFields()
{
    const AccountEntity account(signInFixtureResult());
    const UserEntity &user = account.accountDetails;
    QCOMPARE(user.user_id, QStringLiteral("12345678"));
    QCOMPARE(user.curr_school_year, 2020);
    QCOMPARE(user.user_type, 2);
    QVERIFY(user.camera_on);
    QCOMPARE(user.individual, 1);
    QCOMPARE(user.number_of_course_schedules, 12); // sent as the text "12"
    QCOMPARE(user.number_of_valid_course_schedules, 3);
    QCOMPARE(user.org_id, 9);
    QCOMPARE(user.show_invitation_input, 0);
    QVERIFY(account.tokenStatus.token.startsWith("token O'Brien"));
    QCOMPARE(account.tokenStatus.valid_duration, 604800);
    QVERIFY(!account.isNewUser);
}

void TestAccountEntity::organisations()
{
    const UserEntity user = AccountEntity(signInFixtureResult()).accountDetails;
    QCOMPARE(user.orgs.size(), 3);
    const OrgEntity &first = user.orgs.at(0);
    QCOMPARE(first.org_id, 7);
    QCOMPARE(first.org_name, QStringLiteral("王's 机构"));
    QCOMPARE(first.roles.size(), 2);
    QCOMPARE(first.roles.at(1).role_id, 2);
    QCOMPARE(user.orgs.at(1).org_id, 4);
    QVERIFY(user.orgs.at(1).roles.isEmpty());
    // An element that is no object is an organisation with empty fields.
    QCOMPARE(user.orgs.at(2).org_id, 0);
    QCOMPARE(user.orgs.at(2).org_name, QString());

    const QJsonArray json = user.orgsToJson();
    QCOMPARE(json.size(), 3);
    const QJsonObject firstJson = json.at(0).toObject();
    QCOMPARE(firstJson.value("org_id"), QJsonValue(7));
    QCOMPARE(firstJson.value("user_id"), QJsonValue(7));
    QCOMPARE(firstJson.value("org_name"), QJsonValue("王's 机构"));
    QCOMPARE(firstJson.value("org_banner"), QJsonValue(first.org_banner));
    QCOMPARE(firstJson.value("roles").toArray(),
             QJsonArray({QJsonObject{{"role_id", 1}, {"role_name", "主讲's"}},
                         QJsonObject{{"role_id", 2}, {"role_name", first.roles.at(1).role_name}}}));
    QCOMPARE(json.at(1).toObject().value("roles"), QJsonValue(QJsonArray()));
}

void TestAccountEntity::orgId_data()
{
    QTest::addColumn<QJsonObject>("org");
    QTest::addColumn<int>("orgId");
    QTest::newRow("user_id wins") << QJsonObject{{"user_id", 7}, {"org_id", 3}} << 7;
    QTest::newRow("org_id only") << QJsonObject{{"org_id", 3}} << 3;
    QTest::newRow("neither") << QJsonObject{{"org_name", "x"}} << 0;
    QTest::newRow("user_id as text") << QJsonObject{{"user_id", "9"}} << 9;
    QTest::newRow("user_id null") << QJsonObject{{"user_id", QJsonValue()}, {"org_id", 3}} << 0;
}

void TestAccountEntity::orgId()
{
    QFETCH(QJsonObject, org);
    QFETCH(int, orgId);
    const OrgEntity entity(org);
    QCOMPARE(entity.org_id, orgId);
    QCOMPARE(entity.toJson().value("org_id"), QJsonValue(orgId));
    QCOMPARE(entity.toJson().value("user_id"), QJsonValue(orgId));
}

void TestAccountEntity::cameraOn_data()
{
    QTest::addColumn<QJsonObject>("details");
    QTest::addColumn<bool>("on");
    QTest::newRow("text 1") << QJsonObject{{"camera_on", "1"}} << true;
    QTest::newRow("number 1") << QJsonObject{{"camera_on", 1}} << true;
    QTest::newRow("true") << QJsonObject{{"camera_on", true}} << true;
    QTest::newRow("text 0") << QJsonObject{{"camera_on", "0"}} << false;
    QTest::newRow("number 0") << QJsonObject{{"camera_on", 0}} << false;
    QTest::newRow("false") << QJsonObject{{"camera_on", false}} << false;
    QTest::newRow("text yes") << QJsonObject{{"camera_on", "yes"}} << false;
    QTest::newRow("missing") << QJsonObject() << false;
}

void TestAccountEntity::cameraOn()
{
    QFETCH(QJsonObject, details);
    QFETCH(bool, on);
    QCOMPARE(AccountEntity(QJsonObject{{"accountDetails", details}}).accountDetails.camera_on, on);
}

void TestAccountEntity::emptyAndMalformedParts_data()
{
    QTest::addColumn<QJsonObject>("result");
    QTest::newRow("empty") << QJsonObject();
    QTest::newRow("parts of the wrong type")
        << QJsonObject{{"tokenStatus", "t"}, {"accountDetails", QJsonArray{1}}, {"isNewUser", "x"}};
    QTest::newRow("orgs not an array") << QJsonObject{{"accountDetails", QJsonObject{{"orgs", QJsonObject{{"a", 1}}}}}};
    QTest::newRow("orgs a text") << QJsonObject{{"accountDetails", QJsonObject{{"orgs", "[]"}}}};
}

void TestAccountEntity::emptyAndMalformedParts()
{
    QFETCH(QJsonObject, result);
    const AccountEntity account(result);
    QVERIFY(!account.isNewUser);
    QCOMPARE(account.tokenStatus.token, QString());
    QCOMPARE(account.accountDetails.user_id, QString());
    QVERIFY(account.accountDetails.orgs.isEmpty());
    QCOMPARE(account.accountDetails.orgsToJson(), QJsonArray());
    QCOMPARE(account.accountDetails.toLoginUserJson(),
             (QJsonObject{{"userID", ""}, {"userType", 0}, {"mobilePhone", ""}, {"userName", ""}, {"imageServerPath", ""}}));
}

void TestAccountEntity::loginUserJson_data()
{
    QTest::addColumn<QJsonValue>("userId");
    QTest::addColumn<QString>("userIdText");
    QTest::newRow("number") << QJsonValue(12345) << "12345";
    // Ids of seven or more digits stay exact.
    QTest::newRow("long number") << QJsonValue(12345678) << "12345678";
    QTest::newRow("text") << QJsonValue("abc'1") << "abc'1";
}

void TestAccountEntity::loginUserJson()
{
    QFETCH(QJsonValue, userId);
    QFETCH(QString, userIdText);
    const QJsonObject details{{"user_id", userId},
                              {"user_type", "3"},
                              {"mobile_phone", 13800138000.0},
                              {"user_nick_name", "王's"},
                              {"image_file_addr", "/a b.png"}};
    const QJsonObject json = UserEntity(details).toLoginUserJson();
    QCOMPARE(json, (QJsonObject{{"userID", userIdText},
                                {"userType", 3},
                                {"mobilePhone", "13800138000"},
                                {"userName", "王's"},
                                {"imageServerPath", "/a b.png"}}));
}

QTEST_GUILESS_MAIN(TestAccountEntity)
#include "tst_accountentity.moc"
