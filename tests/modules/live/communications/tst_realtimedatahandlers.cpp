// The manager's two data handlers: reports made on an SDK-like thread of
// their own reach the recording class window on the GUI thread, with the
// manager's state updated on the way. The manager is the real one over
// recording engines; the envelopes are literal texts.

#include "modules/live/communications/TQRTCDataHanlder.h"
#include "modules/live/communications/TQRTMDataHandler.h"

#include "actions/message/TQPublicMessageAction.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/TQAudioVolumeInfo.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/login/LoginManager.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include "RecordingRealTimeEngines.h"
#include "RecordingWindow.h"
#include "SimStudent.h"

#include <functional>
#include <memory>
#include <thread>

Q_DECLARE_METATYPE(std::function<void(TQRTMDataHandler &, TQRTCDataHanlder &)>)

using Report = std::function<void(TQRTMDataHandler &, TQRTCDataHanlder &)>;

class TestRealTimeDataHandlers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reports_data();
    void reports();
    void stateChanges_data();
    void stateChanges();
    void volumeRecordWithoutWindowIsFreed();
    void remoteVideoStateHiddenInImageVideoMode();
    void chatCarriesEnvelopeSender();

private:
    // Runs the report on a thread of its own, then lets the queued slots run.
    void fromSdkThread(const Report &report);

    RealTimeJournal m_journal;
    RecordingWindow m_window;
    CourseDetailBean *m_course = nullptr;
    std::unique_ptr<TQRealTimeManager> m_manager;
    std::unique_ptr<TQRTMDataHandler> m_rtm;
    std::unique_ptr<TQRTCDataHanlder> m_rtc;
};

void TestRealTimeDataHandlers::initTestCase()
{
    LoginManager::saveLoginInfo(QJsonObject{{"tokenStatus", QJsonObject{{"token", "t"}}},
                                            {"accountDetails", QJsonObject{{"user_id", "900"}}}});
}

void TestRealTimeDataHandlers::init()
{
    m_journal = RealTimeJournal();
    m_window = RecordingWindow();
    m_course = new CourseDetailBean(QJsonObject{});
    TQDataModelBean::m_pOngoingCourse = m_course;
    m_manager = std::make_unique<TQRealTimeManager>(std::make_unique<RecordingEngineFactory>(&m_journal));
    m_manager->setDelegate(&m_window);
    m_rtm = std::make_unique<TQRTMDataHandler>(m_manager.get());
    m_rtc = std::make_unique<TQRTCDataHanlder>(m_manager.get());
}

void TestRealTimeDataHandlers::cleanup()
{
    m_rtc.reset();
    m_rtm.reset();
    m_manager.reset();
    TQDataModelBean::m_pOngoingCourse = nullptr;
    delete m_course;
    m_course = nullptr;
}

void TestRealTimeDataHandlers::fromSdkThread(const Report &report)
{
    std::thread sdk([&] { report(*m_rtm, *m_rtc); });
    sdk.join();
    QCoreApplication::processEvents();
}

void TestRealTimeDataHandlers::reports_data()
{
    QTest::addColumn<int>("rtmType");
    QTest::addColumn<Report>("report");
    QTest::addColumn<QStringList>("calls");
    // Whether the data (1) or media (2) receive time moved.
    QTest::addColumn<int>("received");

    const auto envelope = [](int type) {
        return QString::fromUtf8(SimStudent::envelopeText(QStringLiteral("[0,127,0]"), type, -1, 1715913000123));
    };
    const QString control = envelope(3);
    const QString duration = envelope(7);
    QTest::newRow("channel envelope") << 4 << Report([=](TQRTMDataHandler &h, TQRTCDataHanlder &) {
        h.onMessageArrived(control, QByteArray(), 42, true);
    }) << QStringList{"actions from 42 type 3: 1"} << 1;
    QTest::newRow("duration envelope on the alternate channel") << 4 << Report([=](TQRTMDataHandler &h, TQRTCDataHanlder &) {
        h.onMessageArrived(duration, QByteArray(), 42, false);
    }) << QStringList{"durations from 42 type 7: 0"} << 1;
    QTest::newRow("own envelope on the channel") << 4 << Report([=](TQRTMDataHandler &h, TQRTCDataHanlder &) {
        h.onMessageArrived(control, QByteArray(), 900, true);
    }) << QStringList() << 0;
    QTest::newRow("no envelope") << 4 << Report([](TQRTMDataHandler &h, TQRTCDataHanlder &) {
        h.onMessageArrived(QStringLiteral("{not json"), QByteArray("abc"), 42, true);
    }) << QStringList() << 1;
    QTest::newRow("media stream envelope, own id too") << 4 << Report([=](TQRTMDataHandler &, TQRTCDataHanlder &h) {
        h.onStreamMessageRTC(42, duration);
        h.onStreamMessageRTC(900, control);
    }) << QStringList{"durations from 42 type 7: 0", "actions from 900 type 3: 1"} << 2;
    QTest::newRow("members: main passed on, alternate not") << 4 << Report([](TQRTMDataHandler &h, TQRTCDataHanlder &) {
        h.onMemberJoined(5, false);
        h.onMemberJoined(6, true);
        h.onMemberLeft(5, false);
        h.onMemberLeft(6, true);
    }) << QStringList{"online 6", "offline 6"} << 0;
    QTest::newRow("joins: only the main one connects") << 4 << Report([](TQRTMDataHandler &h, TQRTCDataHanlder &) {
        h.onJoinDataChannelSuccess(true);
        h.onJoinDataChannelSuccess(false);
        h.onJoinDataChannelFailure(false);
        h.onJoinDataChannelFailure(true);
    }) << QStringList{"dataNetworkConnected", "dataNetworkConnectFailure"} << 0;
    QTest::newRow("login refused later") << 4 << Report([](TQRTMDataHandler &h, TQRTCDataHanlder &) {
        h.onLoginRtmFailure();
        h.onLogout();
        h.onConnectRTMFailure();
        h.onDataChannelTokenExpired();
    }) << QStringList{"dataNetworkConnectFailure", "logoutData"} << 0;
    QTest::newRow("volume report") << 4 << Report([](TQRTMDataHandler &, TQRTCDataHanlder &h) {
        auto *info = new TQAudioVolumeInfo;
        info->totalVolume = 30;
        h.onUserAudioVolumeIndication(info);
        h.onUserAudioVolumeIndication(nullptr);
    }) << QStringList{"volume 30"} << 0;
    QTest::newRow("media users and states") << 4 << Report([](TQRTMDataHandler &, TQRTCDataHanlder &h) {
        h.onUserJoinedRTC(7, 10);
        h.onRemoteVideoStateChanged(7, 2, 0, 0);
        h.onRemoteAudioStateChanged(7, 2, 0, 0);
        h.onUserOffLineRTC(7, 0);
        h.onJoinChannelSuccessRTC(900, 1);
        h.onLeaveChannelRTC();
    }) << QStringList{"rtc online 7", "video state 7", "audio state 7", "rtc offline 7", "mediaNetworkConnected",
                      "logoutRtc"} << 0;
}

void TestRealTimeDataHandlers::reports()
{
    QFETCH(int, rtmType);
    QFETCH(Report, report);
    QFETCH(QStringList, calls);
    QFETCH(int, received);
    m_manager->init(0, 1, rtmType);
    m_manager->setLastDataReceiveMs(0);
    m_manager->setLastMediaReceiveMs(0);
    fromSdkThread(report);
    QCOMPARE(m_window.calls, calls);
    QVERIFY(m_window.allOnGuiThread);
    QCOMPARE(m_manager->getLastDataReceiveMs() > 0, received == 1);
    QCOMPARE(m_manager->getLastMediaReceiveMs() > 0, received == 2);
}

void TestRealTimeDataHandlers::stateChanges_data()
{
    QTest::addColumn<int>("rtmType");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("reason");
    QTest::addColumn<int>("kickouts");
    QTest::addColumn<QString>("network"); // "ok", "down" or "" (no report)
    QTest::newRow("agora signed in elsewhere") << 4 << 5 << 8 << 1 << "down";
    QTest::newRow("tessel signed in elsewhere") << 5 << 5 << 8 << 1 << "down";
    QTest::newRow("disconnected for the other login") << 4 << 1 << 8 << 1 << "down";
    QTest::newRow("connected") << 4 << 3 << 2 << 0 << "ok";
    QTest::newRow("connecting") << 4 << 2 << 1 << 0 << "";
    QTest::newRow("reconnecting") << 5 << 4 << 5 << 0 << "down";
    QTest::newRow("local channel does not kick out") << 0 << 5 << 8 << 0 << "down";
}

void TestRealTimeDataHandlers::stateChanges()
{
    QFETCH(int, rtmType);
    QFETCH(int, state);
    QFETCH(int, reason);
    QFETCH(int, kickouts);
    QFETCH(QString, network);
    m_manager->init(0, 1, rtmType);
    QSignalSpy spy(m_manager.get(), &TQRealTimeManager::onNetworkChange_signal);
    fromSdkThread([=](TQRTMDataHandler &h, TQRTCDataHanlder &) { h.onStateChanged(state, reason); });
    QCOMPARE(m_window.count("kickout"), kickouts);
    QCOMPARE(m_manager->getRtmState(), state);
    QCOMPARE(spy.size(), network.isEmpty() ? 0 : 1);
    if (!network.isEmpty())
        QCOMPARE(spy.first(), (QList<QVariant>{true, network == "ok"}));
}

void TestRealTimeDataHandlers::volumeRecordWithoutWindowIsFreed()
{
    // Run under AddressSanitizer, a record left behind shows as a leak.
    m_manager->init(0, 1, 4);
    m_manager->clearDelegate();
    fromSdkThread([](TQRTMDataHandler &, TQRTCDataHanlder &h) { h.onUserAudioVolumeIndication(new TQAudioVolumeInfo); });
    QVERIFY(m_window.calls.isEmpty());
}

void TestRealTimeDataHandlers::remoteVideoStateHiddenInImageVideoMode()
{
    m_course->rtm = 1;
    m_manager->init(0, 1, 4);
    fromSdkThread([](TQRTMDataHandler &, TQRTCDataHanlder &h) {
        h.onRemoteVideoStateChanged(7, 2, 0, 0);
        h.onRemoteAudioStateChanged(7, 2, 0, 0);
    });
    QCOMPARE(m_window.calls, QStringList{"audio state 7"});
}

QTEST_MAIN(TestRealTimeDataHandlers)
// A student who writes another id into a chat message's text still speaks as
// itself, on both receiving paths.
void TestRealTimeDataHandlers::chatCarriesEnvelopeSender()
{
    m_manager->init(0, 1, 4);
    TQPublicMessageAction forged;
    for (int claimed : {900, 7}) {
        auto *message = new TQInClassMessage;
        message->mFromUserID = claimed;
        message->mIndexStamp = 3;
        message->mMessageBody = "hello";
        forged.mMessages.push_back(message);
    }
    std::string text;
    forged.toString(text);
    forged.deleteMessages();
    const QString envelope = QString::fromUtf8(SimStudent::envelopeText(QString::fromStdString(text), 5, -1, 1));

    QList<int> senders;
    m_window.inspect = [&](TQActionsFromNet &actions) {
        for (TQAction *a : actions.mActionArray) {
            auto *chat = dynamic_cast<TQPublicMessageAction *>(a);
            QVERIFY(chat);
            for (const TQInClassMessage *m : chat->mMessages)
                senders << m->mFromUserID;
            chat->deleteMessages();
        }
    };
    fromSdkThread([&](TQRTMDataHandler &rtm, TQRTCDataHanlder &rtc) {
        rtm.onMessageArrived(envelope, QByteArray(), 42, true);
        rtc.onStreamMessageRTC(43, envelope);
    });
    QCOMPARE(senders, (QList<int>{42, 42, 43, 43}));
}

#include "tst_realtimedatahandlers.moc"
