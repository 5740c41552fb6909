// The message channel's names on the service and how ids read back from it,
// and the local channel's login and join chain, which runs whole inside
// initDataChannels and reports both joins, main first, on every login.

#include "modules/live/communications/TQRTMEventDelegate.h"
#include "modules/live/communications/agora/rtm/TQRTMCommonLocal.h"
#include "modules/login/LoginManager.h"

#include "RecordingHandlers.h"
#include "StdTestPrinting.h"
#include "TestLogCapture.h"

#include <QJsonObject>
#include <QtTest>

class TestRTMCommon : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void names();
    void uidFromServiceId_data();
    void uidFromServiceId();
    void mainChannelId_data();
    void mainChannelId();
    void localChainOnFirstLogin();
    void localChainAgainAfterLeave();
    void localSendDiscards();
};

void TestRTMCommon::initTestCase()
{
    LoginManager::saveLoginInfo(QJsonObject{{"tokenStatus", QJsonObject{{"token", "tk"}}},
                                            {"accountDetails", QJsonObject{{"user_id", "12345"}}}});
}

void TestRTMCommon::names()
{
    QCOMPARE(TQRTMCommon::loginId(LoginManager::getUserID()), std::string("12345_rtm"));
    QCOMPARE(TQRTMCommon::mainChannelName(678), std::string("678_rtm"));
    QCOMPARE(TQRTMCommon::altChannelName(678), std::string("678_alt"));
    QCOMPARE(TQRTMCommon::peerId(42), std::string("42_rtm"));
}

void TestRTMCommon::uidFromServiceId_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<long>("uid");
    QTest::newRow("member") << "12345_rtm" << 12345L;
    QTest::newRow("no suffix") << "12345" << 12345L;
    QTest::newRow("first suffix counts") << "12_rtm_rtm" << 12L;
    QTest::newRow("letters") << "abc_rtm" << 0L;
    QTest::newRow("letters, no suffix") << "abc" << 0L;
    QTest::newRow("suffix alone") << "_rtm" << 0L;
    QTest::newRow("empty") << "" << 0L;
    QTest::newRow("number then text") << "12x_rtm" << 0L;
    QTest::newRow("blank inside") << " 12_rtm" << 0L;
    QTest::newRow("suffix is case-sensitive") << "12_RTM" << 0L;
    QTest::newRow("too large") << "99999999999999999999_rtm" << 0L;
}

void TestRTMCommon::uidFromServiceId()
{
    QFETCH(QString, id);
    QFETCH(long, uid);
    QCOMPARE(TQRTMCommon::uidFromServiceId(id), uid);
}

void TestRTMCommon::mainChannelId_data()
{
    QTest::addColumn<QString>("channel");
    QTest::addColumn<bool>("main");
    QTest::newRow("main") << "678_rtm" << true;
    QTest::newRow("alternate") << "678_alt" << false;
    QTest::newRow("upper case") << "678_RTM" << false;
}

void TestRTMCommon::mainChannelId()
{
    QFETCH(QString, channel);
    QFETCH(bool, main);
    QCOMPARE(TQRTMCommon::isMainChannelId(channel), main);
}

namespace {

TQRTMLoadConfig localConfig(TQRTMEventDelegate *handlers)
{
    TQRTMLoadConfig config;
    config.appId = "app";
    config.rtmToken = "tok";
    config.courseScheduleId = 678;
    config.eventDelegate = handlers;
    return config;
}

// The local channel's own lines, without the time stamps and level tags.
QStringList channelLines(const TestLogCapture &log)
{
    QStringList lines;
    for (const QString &line : log.messages()) {
        const int at = line.indexOf(QStringLiteral("TQRTMCommonLocal "));
        if (at >= 0)
            lines.append(line.mid(at));
    }
    return lines;
}

// A local channel whose handler list holds one recording handler.
struct LocalChannel
{
    LocalChannel() { handlers.addEventHandler(&manager); }
    void login() { channel.initDataChannels(localConfig(&handlers)); }

    TQRTMEventDelegate handlers;
    RecordingDataHandler manager;
    TQRTMCommonLocal channel;
};

} // namespace

void TestRTMCommon::localChainOnFirstLogin()
{
    LocalChannel local;
    RecordingDataHandler &manager = local.manager;
    TestLogCapture log;
    local.login();

    QCOMPARE(manager.reports(), (QStringList{"onJoinDataChannelSuccess(1)", "onJoinDataChannelSuccess(0)"}));
    QCOMPARE(manager.threads().value(1), QThread::currentThread());
    QCOMPARE(channelLines(log), (QStringList{
                                    "TQRTMCommonLocal initDataChannels",
                                    "TQRTMCommonLocal onLoginSuccess",
                                    "TQRTMCommonLocal joinMainDataChannel",
                                    "TQRTMCommonLocal onJoinChannelSuccess isMain=1",
                                    "TQRTMCommonLocal joinAltDataChannel",
                                    "TQRTMCommonLocal onJoinChannelSuccess isMain=0",
                                }));
}

void TestRTMCommon::localChainAgainAfterLeave()
{
    // The classroom's recovery: leave, then log in again on the same object.
    // The new login's first join is the main channel's again, so the class
    // window hears that the data network is back.
    LocalChannel local;
    local.login();
    local.channel.leaveDataChannels();
    local.manager.clear();

    local.login();

    QCOMPARE(local.manager.reports(), (QStringList{"onJoinDataChannelSuccess(1)", "onJoinDataChannelSuccess(0)"}));
}

void TestRTMCommon::localSendDiscards()
{
    LocalChannel local;
    local.login();
    local.manager.clear();

    TestLogCapture log;
    local.channel.sendDataMessage("{\"tqType\":6}", new char[28000](), 28000, false, 42); // freed (ASan)
    local.channel.sendDataMessage("{\"tqType\":0}", true, -1);
    QCOMPARE(local.manager.reports(), QStringList());
    QCOMPARE(log.messages(), QStringList());
}

QTEST_GUILESS_MAIN(TestRTMCommon)
#include "tst_rtmcommon.moc"
