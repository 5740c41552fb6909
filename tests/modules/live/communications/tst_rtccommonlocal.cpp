// The local media engine of classes that never go on the network: its join is
// reported to every handler on the calling (GUI) thread before loadRTC
// returns, its leave likewise, each call writes its one log line, and pushed
// frame records are freed (the pixel buffer stays the producer's).

#include "modules/live/communications/TQRTCEventDelegate.h"
#include "modules/live/communications/agora/TQRTCCommonLocal.h"
#include "modules/live/videoprocess/ExternalVideoFrame.h"
#include "modules/login/LoginManager.h"

#include "RecordingHandlers.h"
#include "TestLogCapture.h"

#include <QJsonObject>
#include <QtTest>

#include <functional>

using EngineCall = std::function<void(TQRTCCommon &)>;
Q_DECLARE_METATYPE(EngineCall)

class TestRTCCommonLocal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void joinIsReportedBeforeLoadReturns();
    void leaveReachesOnlyListedHandlers();
    void logLines_data();
    void logLines();
    void pushedFramesAreFreed();
};

void TestRTCCommonLocal::initTestCase()
{
    LoginManager::saveLoginInfo(QJsonObject{{"tokenStatus", QJsonObject{{"token", "tk"}}},
                                            {"accountDetails", QJsonObject{{"user_id", "12345"}}}});
}

namespace {

// Checks, from inside the report, that loadRTC has not returned yet.
class JoinProbe : public RecordingRTCHandler
{
public:
    bool loadReturned = false;
    bool reportedInsideLoad = false;
    void onJoinChannelSuccessRTC(long uid, int elapsed) override
    {
        reportedInsideLoad = !loadReturned;
        RecordingRTCHandler::onJoinChannelSuccessRTC(uid, elapsed);
    }
};

} // namespace

void TestRTCCommonLocal::joinIsReportedBeforeLoadReturns()
{
    TQRTCEventDelegate handlers;
    JoinProbe first;
    RecordingRTCHandler second;
    handlers.addEventHandler(&first);
    handlers.addEventHandler(&second);
    TQRTCCommonLocal engine;

    TQRTCLoadConfig config;
    config.appId = "app";
    config.token = "key";
    config.eventDelegate = &handlers;
    config.courseScheduleId = 678;
    QCOMPARE(engine.loadRTC(config), 0);
    first.loadReturned = true;

    QVERIFY(first.reportedInsideLoad);
    QCOMPARE(first.reports(), QStringList{"onJoinChannelSuccessRTC(12345,0)"});
    QCOMPARE(second.reports(), QStringList{"onJoinChannelSuccessRTC(12345,0)"});
    QCOMPARE(first.threads().value(0), QThread::currentThread());

    // A second load reports the join again.
    QCOMPARE(engine.loadRTC(config), 0);
    QCOMPARE(second.reports().size(), 2);
}

void TestRTCCommonLocal::leaveReachesOnlyListedHandlers()
{
    TQRTCEventDelegate handlers;
    RecordingRTCHandler manager;
    handlers.addEventHandler(&manager);
    TQRTCCommonLocal engine;
    TQRTCLoadConfig config;
    config.eventDelegate = &handlers;
    engine.loadRTC(config);
    manager.clear();

    TestLogCapture log;
    engine.leaveRTC();
    QCOMPARE(manager.reports(), QStringList{"onLeaveChannelRTC()"});

    // At a normal end of class the manager leaves the list first.
    handlers.removeEventHandler(&manager);
    engine.leaveRTC();
    QCOMPARE(manager.reports().size(), 1);
    QCOMPARE(log.messages().filter(QStringLiteral("TQRTCCommonLocal leaveRTC")).size(), 2);
}

void TestRTCCommonLocal::logLines_data()
{
    QTest::addColumn<EngineCall>("call");
    QTest::addColumn<QString>("line"); // empty: the call writes nothing
    QTest::addColumn<int>("type");

    const int debug = QtDebugMsg;
    const int warning = QtWarningMsg; // error lines reach the console as warnings
    auto row = [](const char *name, EngineCall call, const QString &line, int type) {
        QTest::newRow(name) << call << line << type;
    };
    row("encoder", [](TQRTCCommon &e) { QCOMPARE(e.setVideoEncoderConfiguration(2), 0); },
        "TQRTCCommonLocal setVideoEncoderConfiguration", debug);
    row("mute remote", [](TQRTCCommon &e) { QCOMPARE(e.muteRemoteVideo(42, true), 0); },
        "TQRTCCommonLocal muteRemoteVideo uid=42 muted=1", debug);
    row("audience role", [](TQRTCCommon &e) { QCOMPARE(e.changeClientRole(false), 0); },
        "TQRTCCommonLocal changeClientRole isBroadcast=0", debug);
    row("start mixing", [](TQRTCCommon &e) { QVERIFY(e.startAudioMixing("/tmp/a.mp3")); },
        "TQRTCCommonLocal startAudioMixing", debug);
    row("mixing position", [](TQRTCCommon &e) { QCOMPARE(e.getAudioMixingCurPosition(), 0); },
        "TQRTCCommonLocal getAudioMixingCurPosition", debug);
    row("agora observer", [](TQRTCCommon &e) { e.setAgoraAudioFrameObserver(nullptr); },
        "TQRTCCommonLocal::setAgoraAudioFrameObserver local impl should not set agora audio frame observer", warning);
    row("tessel observer", [](TQRTCCommon &e) { e.setTesselAudioFrameObserver(nullptr); },
        "TQRTCCommonLocal::setTesselAudioFrameObserver local impl should not set tessel audio frame observer", warning);
    row("data stream", [](TQRTCCommon &e) { e.sendRTCMessage("[-1,101]"); }, QString(), debug);
    row("interrupted", [](TQRTCCommon &e) { QVERIFY(!e.isInterrupted()); }, QString(), debug);
    row("audio state", [](TQRTCCommon &e) { e.enableLocalAudio(true); QVERIFY(!e.isLocalAudioEnabled()); },
        "TQRTCCommonLocal enableLocalAudio", debug);
}

void TestRTCCommonLocal::logLines()
{
    QFETCH(EngineCall, call);
    QFETCH(QString, line);
    QFETCH(int, type);
    TQRTCCommonLocal engine;
    TestLogCapture log;
    call(engine);
    const QStringList lines = log.messages();
    if (line.isEmpty()) {
        QCOMPARE(lines, QStringList());
        return;
    }
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.at(0).endsWith(line), qPrintable(lines.at(0)));
    QCOMPARE(int(log.types().at(0)), type);
}

void TestRTCCommonLocal::pushedFramesAreFreed()
{
    QByteArray pixels(16 * 4 * 4, char(0x5a));
    TQRTCCommonLocal engine;
    for (int i = 0; i < 3; ++i) {
        auto *frame = new ExternalVideoFrame;
        frame->buffer = pixels.data();
        frame->stride = 16;
        frame->height = 4;
        QCOMPARE(engine.pushExternalVideoFrame(frame), 0); // the record is gone (ASan would tell)
    }
    QCOMPARE(pixels, QByteArray(16 * 4 * 4, char(0x5a)));
}

QTEST_GUILESS_MAIN(TestRTCCommonLocal)
#include "tst_rtccommonlocal.moc"
