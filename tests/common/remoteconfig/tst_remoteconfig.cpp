// Remote and live configuration: reading replies, the normalised stored
// form, the upgrade decision, the live picture predicates, and what a fresh
// process finds in the key-value table after a restart.
#include "StandInService.h"
#include "TestChildProcess.h"

#include "common/CommonService.h"
#include "modules/coach/course/CourseService.h"
#include "modules/login/UserService.h"
#include "common/remoteconfig/LiveConfig.h"
#include "common/remoteconfig/RemoteConfig.h"
#include "common/remoteconfig/RemoteConfigViewModel.h"
#include "platform/http/ApiPaths.h"
#include "utils/CHttpClient.h"
#include "utils/GlobalConfig.h"
#include "utils/KV.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QJsonObject parse(const char *text)
{
    return QJsonDocument::fromJson(QByteArray(text)).object();
}

// The value at "a/b/c" of a JSON object.
QJsonValue at(const QJsonObject &object, const QString &path)
{
    QJsonValue value = object;
    for (const QString &key : path.split('/'))
        value = value.toObject().value(key);
    return value;
}

QJsonObject storedRemoteConfig()
{
    return KV::getJsonValue(RemoteConfig::kStoreKey).toObject();
}

// Everything the live class reads of the live configuration.
QJsonObject liveSummary(const LiveConfig *config)
{
    return {{"live_profile", config->live_profile},
            {"camera_on", config->camera_on},
            {"profile_filter", config->profile_filter},
            {"profiles", QJsonArray::fromStringList(config->default_live_profiles)},
            {"men", config->isMenSelected()},
            {"women", config->isWomenSelected()},
            {"myself", config->isMyselfSelected()}};
}

// A fresh process: what it finds before any reply.
int childMain(const QString &mode)
{
    if (mode == QLatin1String("restart")) {
        TestChildProcess::report({{"live", liveSummary(LiveConfig::getInstance())},
                                  {"noCurrentRemote", RemoteConfig::currentUpgradeInfo() == nullptr},
                                  {"storedRemote", storedRemoteConfig()}});
        return 0;
    }
    return 2;
}

QJsonObject childReport(const QString &dataHome = QString())
{
    const TestChildProcess::Result result = TestChildProcess::run(QStringLiteral("restart"), dataHome);
    if (!result.finished || result.exitCode != 0)
        return {{"error", QString::fromUtf8(result.err.right(2000))}};
    return QJsonDocument::fromJson(result.out.trimmed().split('\n').last()).object();
}

} // namespace

class TestRemoteConfig : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reading_data();
    void reading();
    void checkUpgrade_data();
    void checkUpgrade();
    void fetchedRemoteConfigIsCurrentAndStored();
    void laterRepliesKeepEarlierUpgradeInfo();
    void failedFetchChangesNothing();

    void livePredicates_data();
    void livePredicates();
    void liveUpdateAndSave_data();
    void liveUpdateAndSave();
    void liveFetchInstallsAndStores();
    void brokenStoredLiveConfigReadsEmpty();

    void configurationsSurviveARestart();

private:
    StandInService m_service;
    CommonService m_commonService;
    CourseService m_courseService;
    UserService m_userService;
};

void TestRemoteConfig::initTestCase()
{
    QVERIFY(m_service.listen());
    GlobalConfig().setValue(QStringLiteral("api_host"), m_service.baseUrl());
}

void TestRemoteConfig::init()
{
    m_service.clearReplies();
    m_service.clearRequests();
}

void TestRemoteConfig::cleanup()
{
    QTRY_COMPARE(CHttpClient::poolSize(), 0);
}

void TestRemoteConfig::reading_data()
{
    QTest::addColumn<QJsonObject>("reply");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonValue>("stored");
    QTest::newRow("package size as a number") << parse(R"({"upgradeInfo":{"upgradeContent":{"packageSize":12}}})")
                                              << "upgradeInfo/upgradeContent/packageSize" << QJsonValue("");
    QTest::newRow("charging as text 1") << parse(R"({"chargeEnable":"1"})") << "chargeEnable" << QJsonValue(1);
    QTest::newRow("charging as true") << parse(R"({"chargeEnable":true})") << "chargeEnable" << QJsonValue(1);
    QTest::newRow("charging as words") << parse(R"({"chargeEnable":"yes"})") << "chargeEnable" << QJsonValue(0);
    QTest::newRow("version code as text") << parse(R"({"upgradeInfo":{"upgradeVersionCode":"5100"}})")
                                          << "upgradeInfo/upgradeVersionCode" << QJsonValue(5100);
    QTest::newRow("version as a number") << parse(R"({"upgradeInfo":{"currentVersion":5.1}})")
                                         << "upgradeInfo/currentVersion" << QJsonValue("");
    QTest::newRow("nothing: empty grade list") << QJsonObject() << "gradeMap" << QJsonValue(QJsonArray());
    QTest::newRow("nothing: empty help text") << QJsonObject() << "help/import_material/contact_tips"
                                              << QJsonValue("");
    QTest::newRow("nothing: no ping address") << QJsonObject() << "networkConfig"
                                              << QJsonValue(QJsonObject{{"pingAddresses", QJsonArray()}});
    QTest::newRow("ping address not a text") << parse(R"({"networkConfig":{"pingAddresses":["a",3,null]}})")
                                             << "networkConfig/pingAddresses" << QJsonValue(QJsonArray{"a", "", ""});
    QTest::newRow("grades in order") << parse(R"({"gradeMap":[{"gradeId":"2","gradeName":"二年级"},{"gradeId":1}]})")
                                     << "gradeMap"
                                     << QJsonValue(QJsonArray{QJsonObject{{"gradeId", "2"}, {"gradeName", "二年级"}},
                                                              QJsonObject{{"gradeId", ""}, {"gradeName", ""}}});
    QTest::newRow("help items are not kept")
        << parse(R"({"help":{"get_started":{"help_tips":"t","items":[{"name":"n"}]}}})") << "help/get_started"
        << QJsonValue(QJsonObject{{"help_tips", "t"}, {"contact_tips", ""}, {"help_image", ""}});
    QTest::newRow("unknown keys are dropped") << parse(R"({"extra":1})") << "extra" << QJsonValue(QJsonValue::Undefined);
}

void TestRemoteConfig::reading()
{
    QFETCH(QJsonObject, reply);
    QFETCH(QString, path);
    QFETCH(QJsonValue, stored);
    const QJsonObject json = RemoteConfig(reply).toJson();
    QCOMPARE(at(json, path), stored);
    // The normalised form reads back to itself.
    QCOMPARE(RemoteConfig(json).toJson(), json);
}

void TestRemoteConfig::checkUpgrade_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("upgrade");
    QTest::addColumn<QString>("local");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<bool>("forced");
    QTest::newRow("no local version") << "5.2.0" << "5.3.0" << "" << false << false;
    QTest::newRow("upgrade newer") << "5.2.0" << "5.3.0" << "5.1.0" << true << true;
    QTest::newRow("at upgrade, below current") << "5.2.0" << "5.1.0" << "5.1.0" << true << false;
    QTest::newRow("up to date") << "5.2.0" << "5.2.0" << "5.2.0" << false << false;
    QTest::newRow("newer than both") << "5.2.0" << "5.3.0" << "5.10.0" << false << false;
    QTest::newRow("nothing announced") << "" << "" << "5.1.0" << false << false;
}

void TestRemoteConfig::checkUpgrade()
{
    QFETCH(QString, current);
    QFETCH(QString, upgrade);
    QFETCH(QString, local);
    QFETCH(bool, offered);
    QFETCH(bool, forced);
    UpgradeInfo info;
    info.currentVersion = current;
    info.upgradeVersion = upgrade;
    const std::pair<bool, bool> result = info.checkUpgrade(local);
    QCOMPARE(result.first, offered);
    QCOMPARE(result.second, forced);
}

void TestRemoteConfig::fetchedRemoteConfigIsCurrentAndStored()
{
    RemoteConfigViewModel model(&m_commonService, &m_userService, &m_courseService);
    QStringList order;
    UpgradeInfo *handed = nullptr;
    QJsonObject returnResult;
    connect(&model, &RemoteConfigViewModel::upgradeInfoComming_signal, this, [&](UpgradeInfo *info) {
        order << "upgradeInfo";
        handed = info;
    });
    connect(&model, &RemoteConfigViewModel::getRemoteConfigSuccess_signal, this, [&](QJsonObject &result) {
        order << "success";
        returnResult = result;
    });

    model.getRemoteConfig();
    QTRY_COMPARE(order, QStringList({"upgradeInfo", "success"}));
    QVERIFY(handed);
    QCOMPARE(handed, RemoteConfig::currentUpgradeInfo());
    QCOMPARE(handed->currentVersion, QStringLiteral("5.10.0"));
    QCOMPARE(handed->upgradeVersionCode, 5100);
    QCOMPARE(returnResult.value("gradeMap").toArray().size(), 12);
    QCOMPARE(RemoteConfig::current()->networkConfig.pingAddresses, QStringList{"127.0.0.1"});
    QCOMPARE(storedRemoteConfig(), RemoteConfig::current()->toJson());

    const auto request = m_service.requestsTo(ApiPaths::kAppRemoteConfig).value(0);
    QCOMPARE(request.formKeys(), QStringList{"apptype"});
    QCOMPARE(request.formValue("apptype"), QStringLiteral("lecturerWindows"));
}

void TestRemoteConfig::laterRepliesKeepEarlierUpgradeInfo()
{
    RemoteConfigViewModel model(&m_commonService, &m_userService, &m_courseService);
    QList<UpgradeInfo *> handed;
    connect(&model, &RemoteConfigViewModel::upgradeInfoComming_signal, this,
            [&](UpgradeInfo *info) { handed << info; });
    auto replyWith = [&](const char *version) {
        m_service.setReply(ApiPaths::kAppRemoteConfig,
                           StandInService::Reply::ok({{"upgradeInfo", QJsonObject{{"upgradeVersion", version}}}}));
        model.getRemoteConfig();
    };
    replyWith("6.0.0");
    QTRY_COMPARE(handed.size(), 1);
    replyWith("6.1.0");
    QTRY_COMPARE(handed.size(), 2);
    QVERIFY(handed[0] != handed[1]);
    QCOMPARE(handed[0]->upgradeVersion, QStringLiteral("6.0.0"));
    QCOMPARE(handed[1]->upgradeVersion, QStringLiteral("6.1.0"));
    QCOMPARE(at(storedRemoteConfig(), "upgradeInfo/upgradeVersion"), QJsonValue("6.1.0"));
}

void TestRemoteConfig::failedFetchChangesNothing()
{
    RemoteConfigViewModel model(&m_commonService, &m_userService, &m_courseService);
    model.getRemoteConfig();
    QTRY_VERIFY(RemoteConfig::current() && RemoteConfig::current()->upgradeInfo.currentVersion == "5.10.0");
    const RemoteConfig *before = RemoteConfig::current();
    const QJsonObject stored = storedRemoteConfig();

    m_service.setReply(ApiPaths::kAppRemoteConfig, StandInService::Reply::failure(9, QStringLiteral("维护中")));
    int failures = 0;
    int upgrades = 0;
    connect(&model, &RemoteConfigViewModel::failure_signal, this, [&](Failure &f) { failures += f.getCode() == 9; });
    connect(&model, &RemoteConfigViewModel::upgradeInfoComming_signal, this, [&] { ++upgrades; });
    model.getRemoteConfig();
    QTRY_COMPARE(failures, 1);
    QCOMPARE(upgrades, 0);
    QCOMPARE(RemoteConfig::current(), before);
    QCOMPARE(storedRemoteConfig(), stored);
}

void TestRemoteConfig::livePredicates_data()
{
    QTest::addColumn<QStringList>("defaults");
    QTest::addColumn<QString>("uploaded");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<bool>("men");
    QTest::addColumn<bool>("women");
    QTest::addColumn<bool>("myself");
    const QStringList both{"m.png", "w.png"};
    QTest::newRow("men's default") << both << "" << "m.png" << true << false << false;
    QTest::newRow("women's default") << both << "u.png" << "w.png" << false << true << false;
    QTest::newRow("only one default") << QStringList{"m.png"} << "" << "w.png" << false << false << false;
    QTest::newRow("women's default is also mine") << both << "w.png" << "w.png" << false << true << true;
    QTest::newRow("own picture") << both << "u.png" << "u.png" << false << false << true;
    QTest::newRow("letter case counts") << both << "" << "M.png" << false << false << false;
    QTest::newRow("nothing chosen") << QStringList{"", ""} << "" << "" << false << false << false;
}

void TestRemoteConfig::livePredicates()
{
    QFETCH(QStringList, defaults);
    QFETCH(QString, uploaded);
    QFETCH(QString, profile);
    QFETCH(bool, men);
    QFETCH(bool, women);
    QFETCH(bool, myself);
    LiveConfig config(QJsonObject{{"default_live_profiles", QJsonArray::fromStringList(defaults)},
                                  {"user_uploaded_live_profile", uploaded},
                                  {"live_profile", profile}});
    QCOMPARE(config.isMenSelected(), men);
    QCOMPARE(config.isWomenSelected(), women);
    QCOMPARE(config.isMyselfSelected(), myself);
    const QJsonObject json = config.toJson();
    QCOMPARE(json.value("isMenSelected").toBool(), men);
    QCOMPARE(json.value("isWomenSelected").toBool(), women);
    QCOMPARE(json.value("isMyselfSelected").toBool(), myself);
    // The stored form reads back to the same record.
    QCOMPARE(LiveConfig(json).toJson(), json);
}

void TestRemoteConfig::liveUpdateAndSave_data()
{
    QTest::addColumn<int>("camera");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("cameraOn");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<int>("profileFilter");
    QTest::newRow("choose a picture") << -1 << "p2.png" << -1 << 1 << "p2.png" << 4;
    QTest::newRow("camera on") << 1 << "" << -1 << 1 << "p1.png" << 4;
    QTest::newRow("camera off with a picture") << 0 << "p3.png" << -1 << 0 << "p3.png" << 4;
    QTest::newRow("filter 0") << -1 << "" << 0 << 1 << "p1.png" << 0;
    QTest::newRow("nothing valid") << 2 << "" << -5 << 1 << "p1.png" << 4;
}

void TestRemoteConfig::liveUpdateAndSave()
{
    QFETCH(int, camera);
    QFETCH(QString, picture);
    QFETCH(int, filter);
    QFETCH(int, cameraOn);
    QFETCH(QString, profile);
    QFETCH(int, profileFilter);
    LiveConfig::updateFromServer({{"camera_on", 1}, {"live_profile", "p1.png"}, {"profile_filter", 4}});
    LiveConfig *config = LiveConfig::getInstance();
    config->cameraIndex = 2;
    QVERIFY(KV::remove(LiveConfig::kStoreKey));

    LiveConfig::updateAndSave(camera, picture, filter);
    QCOMPARE(LiveConfig::getInstance(), config);
    QCOMPARE(config->camera_on, cameraOn);
    QCOMPARE(config->live_profile, profile);
    QCOMPARE(config->profile_filter, profileFilter);
    QCOMPARE(config->cameraIndex, 2);
    // The stored copy is written again in every case, without the camera index.
    const QJsonObject stored = KV::getJsonValue(LiveConfig::kStoreKey).toObject();
    QCOMPARE(stored, config->toJson());
    QVERIFY(!stored.contains("cameraIndex"));
}

void TestRemoteConfig::liveFetchInstallsAndStores()
{
    LiveConfig::updateFromServer({{"live_profile", "old.png"}});
    LiveConfig *earlier = LiveConfig::getInstance();
    RemoteConfigViewModel model(&m_commonService, &m_userService, &m_courseService);
    QJsonObject received;
    connect(&model, &RemoteConfigViewModel::getLiveConfigSuccess_signal, this,
            [&](QJsonObject &result) { received = result; });

    model.getLiveConfig();
    QTRY_VERIFY(!received.isEmpty());
    LiveConfig *current = LiveConfig::getInstance();
    QVERIFY(current != earlier);
    QCOMPARE(earlier->live_profile, QStringLiteral("old.png"));
    QCOMPARE(current->default_live_profiles,
             QStringList({m_service.baseUrl() + "/files/pages/page1.png", m_service.baseUrl() + "/files/pages/page2.png"}));
    QVERIFY(current->isCameraOn());
    QCOMPARE(KV::getJsonValue(LiveConfig::kStoreKey).toObject(), current->toJson());
    const auto request = m_service.requestsTo(ApiPaths::kGetLiveConfig).value(0);
    QCOMPARE(request.formKeys(), QStringList({"orgID", "userID", "userToken"}));

    // A failure leaves the singleton as it is.
    m_service.setReply(ApiPaths::kGetLiveConfig, StandInService::Reply::failure(2, QString()));
    int failures = 0;
    connect(&model, &RemoteConfigViewModel::getLiveConfigFailure_signal, this, [&] { ++failures; });
    model.getLiveConfig();
    QTRY_COMPARE(failures, 1);
    QCOMPARE(LiveConfig::getInstance(), current);
}

void TestRemoteConfig::brokenStoredLiveConfigReadsEmpty()
{
    for (const QString &stored : {QStringLiteral("not json"), QStringLiteral("[1,2]"), QString()}) {
        QVERIFY(KV::set(LiveConfig::kStoreKey, stored));
        LiveConfig::loadFromStore();
        const LiveConfig *config = LiveConfig::getInstance();
        QCOMPARE(config->camera_on, 0);
        QVERIFY(config->live_profile.isEmpty());
        QVERIFY(config->default_live_profiles.isEmpty());
        // Loading never writes.
        QCOMPARE(KV::get(LiveConfig::kStoreKey), stored);
    }
}

void TestRemoteConfig::configurationsSurviveARestart()
{
    // A fresh data folder: nothing stored, an empty live record, no remote one.
    QTemporaryDir empty;
    const QJsonObject fresh = childReport(empty.path());
    QVERIFY2(!fresh.contains("error"), qPrintable(fresh.value("error").toString()));
    QCOMPARE(fresh.value("noCurrentRemote").toBool(), true);
    QCOMPARE(fresh.value("storedRemote").toObject(), QJsonObject());
    QCOMPARE(fresh.value("live").toObject().value("camera_on").toInt(-1), 0);

    // Fetched here, then a restart over the same data folder.
    m_service.clearReplies();
    RemoteConfigViewModel model(&m_commonService, &m_userService, &m_courseService);
    int replies = 0;
    connect(&model, &RemoteConfigViewModel::getRemoteConfigSuccess_signal, this, [&] { ++replies; });
    connect(&model, &RemoteConfigViewModel::getLiveConfigSuccess_signal, this, [&] { ++replies; });
    model.getRemoteConfig();
    model.getLiveConfig();
    QTRY_COMPARE(replies, 2);
    // The teacher picks the women's default picture.
    LiveConfig::updateAndSave(-1, LiveConfig::getInstance()->default_live_profiles.value(1), -1);

    const QJsonObject restarted = childReport();
    QVERIFY2(!restarted.contains("error"), qPrintable(restarted.value("error").toString()));
    QCOMPARE(restarted.value("live").toObject(), liveSummary(LiveConfig::getInstance()));
    QCOMPARE(restarted.value("live").toObject().value("women").toBool(), true);
    // The remote configuration is kept in the table but only a reply makes one current.
    QCOMPARE(restarted.value("noCurrentRemote").toBool(), true);
    QCOMPARE(restarted.value("storedRemote").toObject(), RemoteConfig::current()->toJson());
}

VELTRO_TEST_MAIN_WITH_CHILD(TestRemoteConfig, childMain)
#include "tst_remoteconfig.moc"
