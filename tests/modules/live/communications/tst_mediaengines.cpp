// The Agora and Tessel media engines over the stand-in SDK: the calls loadRTC
// and leaveRTC make (read back from the stand-in's call log), the SDK's
// events as the class's handlers receive them, and data-stream messages
// really carried to and from a student's engine in the same channel, which
// hears nothing when its encryption differs.

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/TQRTCEventDelegate.h"
#include "modules/live/communications/agora/TQRTCCommonAgoraImpl.h"
#include "modules/live/communications/agora/TQRTCCommonTessel.h"
#include "modules/live/videoprocess/ExternalVideoFrame.h"
#include "modules/login/LoginManager.h"

#include "RecordingHandlers.h"
#include "RtcTestPeer.h"
#include "TestLoadConfig.h"
#include "rtsdk/StandInControl.h"
#include "utils/FileUtils.h"

#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

using rtsdk::RtcEvent;
using rtsdk::RtcEventKind;
using rtsdk::StandInControl;

Q_DECLARE_METATYPE(RtcEventKind)
Q_DECLARE_METATYPE(std::vector<int>)

namespace {

const unsigned kOwnUid = 12345;
const long kCourse = 55;
const long kSchedule = 678;

std::unique_ptr<TQRTCCommon> makeEngine(const QString &sdk)
{
    if (sdk == QLatin1String("agora"))
        return std::make_unique<TQRTCCommonAgoraImpl>();
    return std::make_unique<TQRTCCommonTessel>();
}

TQRTCLoadConfig loadConfig(TQRTCEventDelegate *delegate)
{
    return testLoadConfig(delegate, kCourse, kSchedule);
}

// The media calls in order as "object: call", engine numbers and the moving
// parts of file paths taken out.
QStringList mediaCalls()
{
    QStringList out;
    const QString logDir = FileUtils::getLogDir();
    const QString tmpDir = FileUtils::getTmpDir();
    for (const auto &record : StandInControl::calls()) {
        const QString object = QString::fromStdString(record.object);
        if (!object.contains(QLatin1String(".rtc")) && object != QLatin1String("agora")
            && object != QLatin1String("tessel"))
            continue;
        QString line = object + QStringLiteral(": ") + QString::fromStdString(record.call);
        line.replace(QStringLiteral("#1"), QString());
        line.replace(logDir, QStringLiteral("<log>"));
        line.replace(tmpDir, QStringLiteral("<tmp>"));
        line.replace(QRegularExpression(QStringLiteral("\\d{4}_\\d\\d_\\d\\d_\\d\\d_\\d\\d_\\d\\d")), QStringLiteral("<time>"));
        out << line;
    }
    return out;
}

// Keeps every volume record it is given, so that two handlers' records can
// be told apart.
class VolumeKeeper : public RecordingRTCHandler
{
public:
    ~VolumeKeeper() override { qDeleteAll(records); }
    void onUserAudioVolumeIndication(TQAudioVolumeInfo *info) override
    {
        std::lock_guard<std::mutex> lock(m);
        records.append(info);
    }
    QList<TQAudioVolumeInfo *> kept()
    {
        std::lock_guard<std::mutex> lock(m);
        return records;
    }

private:
    std::mutex m;
    QList<TQAudioVolumeInfo *> records;
};

// The reports that are not the stand-in's own periodic ones.
QStringList eventReports(const RecordingRTCHandler &handler)
{
    QStringList out;
    for (const QString &r : handler.reports())
        if (!r.startsWith(QLatin1String("onUserAudioVolumeIndication")) && r != QLatin1String("onNetworkQuality(12345,1,1)"))
            out << r;
    return out;
}

} // namespace

class TestMediaEngines : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void loadAndLeave_data();
    void loadAndLeave();
    void injectedEvents_data();
    void injectedEvents();
    void volumeRecordPerHandler();
    void streamWithStudent_data();
    void streamWithStudent();
    void operationsReachTheSdk_data();
    void operationsReachTheSdk();
    void longAppIdIsCut();

private:
    void setVideo(bool enabled);
    std::unique_ptr<CourseDetailBean> m_course;
};

void TestMediaEngines::initTestCase()
{
    LoginManager::saveLoginInfo(QJsonObject{{"tokenStatus", QJsonObject{{"token", "tk"}}},
                                            {"accountDetails", QJsonObject{{"user_id", "12345"}}}});
    m_course = std::make_unique<CourseDetailBean>(QJsonObject());
    TQDataModelBean::m_pOngoingCourse = m_course.get();
}

void TestMediaEngines::cleanup()
{
    setVideo(true);
    StandInControl::reset();
}

void TestMediaEngines::setVideo(bool enabled)
{
    // The fast mode of a priced course has no media-engine video.
    m_course->price_type = enabled ? 0 : 1;
    m_course->rtm = enabled ? 0 : 2;
    QCOMPARE(m_course->isRtcVideoEnabled(), enabled);
}

void TestMediaEngines::loadAndLeave_data()
{
    QTest::addColumn<QString>("sdk");
    QTest::addColumn<bool>("video");
    QTest::newRow("agora") << "agora" << true;
    QTest::newRow("agora, no video") << "agora" << false;
    QTest::newRow("tessel") << "tessel" << true;
    QTest::newRow("tessel, no video") << "tessel" << false;
}

void TestMediaEngines::loadAndLeave()
{
    QFETCH(QString, sdk);
    QFETCH(bool, video);
    setVideo(video);
    const bool agora = sdk == QLatin1String("agora");
    const QString e = sdk + QStringLiteral(".rtc: ");
    const QString m = sdk + QStringLiteral(".rtc.media: ");
    const QString secret = QString(int(TQRTCCommonAgoraImpl::encryptionSecret(kCourse, kSchedule).size()), QLatin1Char('*'));

    TQAgoraAudioFrameObserver agoraObserver;
    TQTesselAudioFrameObserver tesselObserver;
    TQRTCEventDelegate handlers;
    {
        auto engine = makeEngine(sdk);
        if (agora)
            engine->setAgoraAudioFrameObserver(&agoraObserver);
        else
            engine->setTesselAudioFrameObserver(&tesselObserver);
        QCOMPARE(engine->loadRTC(loadConfig(&handlers)), 0);
        engine->leaveRTC();
    }

    QStringList expected;
    expected << (agora ? QStringLiteral("agora: createAgoraRtcEngine()") : QStringLiteral("tessel: createTesselRtcEngine()"))
             << e + (agora ? QStringLiteral("initialize(ptr, \"app\") = 0") : QStringLiteral("initialize(ptr, \"app\", null, -1) = 0"))
             << e + "queryInterface(4) = 0";
    if (video)
        expected << m + "registerVideoRenderFactory(ptr) = 0";
    expected << e + QStringLiteral("setLogFile(\"<log>/%1_rtc-<time>.log\") = 0").arg(sdk)
             << e + QStringLiteral("setLogFilter(%1) = 0").arg(agora ? 15 : 0) << e + "setLogFileSize(1024) = 0"
             << e + "setClientRole(1) = 0" << e + "setChannelProfile(1) = 0"
             << e + "enableWebSdkInteroperability(true) = 0" << e + "enableAudioQualityIndication(true) = 0"
             << e + "adjustRecordingSignalVolume(100) = 0"
             << e + (agora ? QStringLiteral("enableAudioVolumeIndication(2000, 3) = 0")
                           : QStringLiteral("enableAudioVolumeIndication(2000, 3, false) = 0"))
             << e + "setAudioTransportParameters(0, 8000, 2) = 0"
             << e + QStringLiteral("setEncryptionSecret(\"%1\") = 0").arg(secret)
             << e + "setEncryptionMode(\"aes-128-xts\") = 0" << e + "setMixedAudioFrameParameters(48000, 1024) = 0";
    if (video) {
        expected << m + "setExternalVideoSource(true, false) = 0"
                 << e + "setLocalPublishFallbackOption(2) = 0" << e + "setRemoteSubscribeFallbackOption(2) = 0"
                 << e + "setLocalVideoMirrorMode(0) = 0" << e + "setRemoteDefaultVideoStreamType(0) = 0"
                 << e + "enableDualStreamMode(true) = 0" << e + "createDataStream(false, false) -> 1 = 0"
                 << m + "registerAudioFrameObserver(ptr) = 0"
                 << e + "enableVideo() = 0" << e + "setVideoEncoderConfiguration(240, 240, 15, -1, -1, -1, 0, 0, 0) = 0";
        if (agora)
            expected << e + "queryInterface(3) = 0"
                     << sdk + ".rtc.param: setParameters(\"{\"che.video.moreFecSchemeEnable\":true}\") = 0"
                     << sdk + ".rtc.param: setParameters(\"{\"che.video.lowBitRateStreamParameter\":{\"width\":120,"
                               "\"height\":120,\"frameRate\":15,\"bitRate\":50}}\") = 0"
                     << sdk + ".rtc.param: release()";
    }
    expected << e + "setAudioProfile(1, 2) = 0" << e + "enableAudio() = 0" << e + "enableLocalAudio(true) = 0"
             << e + "muteLocalAudioStream(false) = 0" << e + "adjustRecordingSignalVolume(100) = 0";
    if (video)
        expected << e + "startPreview() = 0";
    expected << e + "getVersion() = \"3.7.2-standin\"" << e + "setClientRole(1) = 0"
             << e + "joinChannel(\"key\", \"678\", \"\", 12345) = 0";
    // leaveRTC
    expected << m + "registerAudioFrameObserver(null) = 0";
    if (video)
        expected << e + "setupLocalVideo(null, 1, 0) = 0";
    expected << e + QStringLiteral("setLogFile(\"<tmp>/%1_rtc_leaved.log\") = 0").arg(sdk) << e + "stopPreview() = 0"
             << e + "enableLocalVideo(false) = 0" << e + "enableLocalAudio(false) = 0" << e + "leaveChannel() = 0";
    expected << (agora ? e + "release(false) = 0" : QStringLiteral("tessel: IRtcEngine::release(false) -> tessel.rtc"));

    const QStringList calls = mediaCalls();
    for (int i = 0; i < qMax(calls.size(), expected.size()); ++i)
        QCOMPARE(calls.value(i), expected.value(i));
}

void TestMediaEngines::injectedEvents_data()
{
    QTest::addColumn<QString>("sdk");
    QTest::addColumn<RtcEventKind>("kind");
    QTest::addColumn<int>("uid");
    QTest::addColumn<std::vector<int>>("values");
    QTest::addColumn<QString>("report"); // empty: none

    using K = RtcEventKind;
    const std::vector<int> none;
    for (const char *sdk : {"agora", "tessel"}) {
        auto row = [sdk](const char *name) -> QTestData & { return QTest::addRow("%s: %s", sdk, name); };
        row("video frozen, congestion") << sdk << K::RemoteVideoState << 7 << std::vector<int>{3, 8, 40} << "onRemoteVideoStateChanged(7,1,5,40)";
        row("video frozen") << sdk << K::RemoteVideoState << 7 << std::vector<int>{3, 1, 40} << "onRemoteVideoStateChanged(7,1,1,40)";
        row("video decoding, recovered") << sdk << K::RemoteVideoState << 7 << std::vector<int>{2, 9, 41} << "onRemoteVideoStateChanged(7,2,6,41)";
        row("video decoding") << sdk << K::RemoteVideoState << 7 << std::vector<int>{2, 2, 41} << "onRemoteVideoStateChanged(7,2,3,41)";
        row("video starting") << sdk << K::RemoteVideoState << 7 << std::vector<int>{1, 0, 1} << "onRemoteVideoStateChanged(7,0,2,1)";
        row("audio failed") << sdk << K::RemoteAudioState << 7 << std::vector<int>{4, 0, 2} << "onRemoteAudioStateChanged(7,0,2,2)";
        row("audio frozen") << sdk << K::RemoteAudioState << 7 << std::vector<int>{3, 1, 2} << "onRemoteAudioStateChanged(7,1,1,2)";
        row("audio playing") << sdk << K::RemoteAudioState << 7 << std::vector<int>{2, 6, 2} << "onRemoteAudioStateChanged(7,2,3,2)";
        row("quality, own uid") << sdk << K::NetworkQuality << 0 << std::vector<int>{2, 3} << "onNetworkQuality(12345,2,3)";
        row("quality, student") << sdk << K::NetworkQuality << 7 << std::vector<int>{5, 1} << "onNetworkQuality(7,5,1)";
        row("quality unknown") << sdk << K::NetworkQuality << 7 << std::vector<int>{0, 1} << "";
        row("quality down") << sdk << K::NetworkQuality << 7 << std::vector<int>{1, 6} << "";
        row("quality detecting") << sdk << K::NetworkQuality << 7 << std::vector<int>{8, 2} << "";
        row("rejoin") << sdk << K::Rejoin << 0 << none << "onJoinChannelSuccessRTC(12345,"; // elapsed varies
        row("null stream payload") << sdk << K::NullStreamMessage << 7 << none << "";
        row("last mile taken and ignored") << sdk << K::LastmileQuality << 0 << std::vector<int>{3} << "";
        row("video stats") << sdk << K::RemoteVideoStats << 7 << std::vector<int>{99, 320, 240, 500, 15, 14, 3, 1, 20, 4}
                           << "onRemoteVideoStats(7,320,240,500,15,14,3,1,4,20)";
        row("audio stats") << sdk << K::RemoteAudioStats << 7 << std::vector<int>{2, 30, 40, 1, 2, 48000, 64, 10, 5}
                           << "onRemoteAudioStats(7,2,30,40,1,2,48000,64,10,5)";
        row("local fallback") << sdk << K::LocalFallback << 0 << std::vector<int>{1} << "onLocalVideoFallBackToAudioOnly(1)";
        row("remote fallback") << sdk << K::RemoteFallback << 7 << std::vector<int>{1} << "onRemoteVideoFallBackToAudioOnly(7,1)";
        row("mixing state") << sdk << K::AudioMixingState << 0 << std::vector<int>{710, 0} << "onAudioMixingStateChanged(710,0)";
        row("local audio off") << sdk << K::LocalAudioState << 0 << std::vector<int>{0, 0} << "onLocalAudioStateChanged(0)";
        row("local video on") << sdk << K::LocalVideoState << 0 << std::vector<int>{2, 0} << "onLocalVideoStateChanged(1)";
        row("role") << sdk << K::ClientRoleChanged << 0 << std::vector<int>{2, 1} << "onClientRoleChanged(2,1)";
        row("first local frame") << sdk << K::FirstLocalVideoFrame << 0 << std::vector<int>{240, 240, 9} << "onFirstLocalVideoFrame(240,240,9)";
        row("audio route") << sdk << K::AudioRoute << 0 << std::vector<int>{3} << "";
    }
}

void TestMediaEngines::injectedEvents()
{
    QFETCH(QString, sdk);
    QFETCH(RtcEventKind, kind);
    QFETCH(int, uid);
    QFETCH(std::vector<int>, values);
    QFETCH(QString, report);

    TQRTCEventDelegate handlers;
    RecordingRTCHandler handler;
    handlers.addEventHandler(&handler);
    auto engine = makeEngine(sdk);
    QCOMPARE(engine->loadRTC(loadConfig(&handlers)), 0);
    QTRY_COMPARE(eventReports(handler), QStringList{"onJoinChannelSuccessRTC(12345,0)"});
    handler.clear();

    QCOMPARE(StandInControl::injectRtcEvent(kOwnUid, RtcEvent{kind, unsigned(uid), values}), 1);
    // A last event shows that everything before it was handled.
    StandInControl::injectRtcEvent(kOwnUid, RtcEvent{RtcEventKind::AudioMixingState, 0, {9, 9}});
    QTRY_VERIFY(eventReports(handler).contains(QStringLiteral("onAudioMixingStateChanged(9,9)")));

    QStringList got = eventReports(handler);
    got.removeLast();
    if (report.isEmpty()) {
        QCOMPARE(got, QStringList());
    } else {
        QCOMPARE(got.size(), 1);
        QVERIFY2(got.first().startsWith(report), qPrintable(got.first()));
    }
    for (QThread *thread : handler.threads())
        QVERIFY(thread != QThread::currentThread()); // the SDK's own thread
    engine->leaveRTC();
}

void TestMediaEngines::volumeRecordPerHandler()
{
    TQRTCEventDelegate handlers;
    VolumeKeeper first, second;
    handlers.addEventHandler(&first);
    handlers.addEventHandler(&second);
    TQRTCCommonAgoraImpl engine;
    QCOMPARE(engine.loadRTC(loadConfig(&handlers)), 0);
    QTRY_VERIFY(first.reports().contains(QStringLiteral("onJoinChannelSuccessRTC(12345,0)")));

    StandInControl::injectRtcEvent(kOwnUid, RtcEvent{RtcEventKind::VolumeIndication, 0, {0, 30, 7, 80, 80}});
    StandInControl::injectRtcEvent(kOwnUid, RtcEvent{RtcEventKind::VolumeIndication, 0, {12}});
    QTRY_VERIFY(second.kept().size() >= 2);
    engine.leaveRTC();

    TQAudioVolumeInfo *a = first.kept().at(0);
    TQAudioVolumeInfo *b = second.kept().at(0);
    QVERIFY(a != b);
    QCOMPARE(a->userIds, (std::vector<int>{0, 7}));
    QCOMPARE(a->volumes, (std::vector<int>{30, 80}));
    QCOMPARE(b->userIds, a->userIds);
    QCOMPARE(b->totalVolume, 80);
    // No speakers: empty lists, the total still travels.
    QVERIFY(first.kept().at(1)->userIds.empty());
    QCOMPARE(first.kept().at(1)->totalVolume, 12);
}

void TestMediaEngines::streamWithStudent_data()
{
    QTest::addColumn<QString>("sdk");
    QTest::addColumn<bool>("sameSecret");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("hears");
    QTest::newRow("agora") << "agora" << true << "aes-128-xts" << true;
    QTest::newRow("tessel") << "tessel" << true << "aes-128-xts" << true;
    QTest::newRow("agora, other secret") << "agora" << false << "aes-128-xts" << false;
    QTest::newRow("tessel, other mode") << "tessel" << true << "aes-256-xts" << false;
}

void TestMediaEngines::streamWithStudent()
{
    QFETCH(QString, sdk);
    QFETCH(bool, sameSecret);
    QFETCH(QString, mode);
    QFETCH(bool, hears);
    const std::string envelope = R"({"type":"chat","tqTm":1,"body":"好"})";

    TQRTCEventDelegate handlers;
    RecordingRTCHandler handler;
    handlers.addEventHandler(&handler);
    auto teacher = makeEngine(sdk);
    QCOMPARE(teacher->loadRTC(loadConfig(&handlers)), 0);
    RtcTestPeer student;
    const std::string secret = sameSecret ? TQRTCCommonAgoraImpl::encryptionSecret(kCourse, kSchedule) : "1";
    QCOMPARE(student.join("678", 777, secret, mode.toUtf8().constData()), 0);
    QVERIFY(student.waitFor("joined 678 777"));

    teacher->sendRTCMessage(envelope);
    QCOMPARE(student.send(envelope), 0);
    const QString expected = QStringLiteral("onStreamMessageRTC(777,%1)").arg(QString::fromStdString(envelope));
    if (hears) {
        QVERIFY(student.waitFor("stream 12345 " + envelope));
        QTRY_VERIFY(handler.reports().contains(expected));
        QCOMPARE(handler.reports().filter(QStringLiteral("onUserJoinedRTC(777,")).size(), 1);
    } else {
        QVERIFY(!student.waitFor("stream 12345 " + envelope, 300));
        QVERIFY(handler.reports().filter(QStringLiteral("777")).isEmpty());
        QVERIFY(student.events() == std::vector<std::string>{"joined 678 777"});
    }
    teacher->leaveRTC();
    if (hears)
        QVERIFY(student.waitFor("offline 12345 0"));
}

void TestMediaEngines::operationsReachTheSdk_data()
{
    QTest::addColumn<QString>("sdk");
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("call"); // the last media call made

    for (const char *sdk : {"agora", "tessel"}) {
        const QString e = QString::fromLatin1(sdk) + QStringLiteral(".rtc: ");
        const QString vad = QString::fromLatin1(sdk) == QLatin1String("agora") ? QString() : QStringLiteral(", false");
        QTest::addRow("%s: volume 3 s", sdk) << sdk << 0 << e + "enableAudioVolumeIndication(3000, 3" + vad + ") = 0";
        QTest::addRow("%s: volume 200 ms", sdk) << sdk << 1 << e + "enableAudioVolumeIndication(2000, 3" + vad + ") = 0";
        QTest::addRow("%s: volume 1500 ms", sdk) << sdk << 2 << e + "enableAudioVolumeIndication(1500, 3" + vad + ") = 0";
        QTest::addRow("%s: stream type high", sdk) << sdk << 3 << e + "setRemoteVideoStreamType(7, 0) = 0";
        QTest::addRow("%s: stream type low", sdk) << sdk << 4 << e + "setRemoteVideoStreamType(7, 1) = 0";
        QTest::addRow("%s: screen encoder", sdk) << sdk << 5 << e + "enableVideo() = 0";
        QTest::addRow("%s: audience", sdk) << sdk << 6 << e + "setClientRole(2) = 0";
        QTest::addRow("%s: loopback", sdk) << sdk << 7 << e + "enableLoopbackRecording(true, null) = 0";
        QTest::addRow("%s: mixing a missing file", sdk) << sdk << 8 << e + "setAudioMixingPosition(0) = -3";
        QTest::addRow("%s: remote video mute", sdk) << sdk << 9 << e + "muteRemoteVideoStream(7, true) = 0";
    }
}

void TestMediaEngines::operationsReachTheSdk()
{
    QFETCH(QString, sdk);
    QFETCH(int, op);
    QFETCH(QString, call);
    TQRTCEventDelegate handlers;
    auto engine = makeEngine(sdk);
    QCOMPARE(engine->loadRTC(loadConfig(&handlers)), 0);
    switch (op) {
    case 0: engine->enableAudioVolumeIndication(3, 3, true); break;
    case 1: engine->enableAudioVolumeIndication(200, 3, true); break;
    case 2: engine->enableAudioVolumeIndication(1500, 3, true); break;
    case 3: engine->setRemoteVideoStreamType(1, 7); break;
    case 4: engine->setRemoteVideoStreamType(2, 7); break;
    case 5: engine->setVideoEncoderConfiguration(2); break;
    case 6: engine->changeClientRole(false); break;
    case 7: engine->enableLoopbackRecording(true); break;
    case 8: QVERIFY(!engine->startAudioMixing(QStringLiteral("/nonexistent/bgm.mp3"))); break;
    case 9: engine->muteRemoteVideo(7, true); break;
    }
    QCOMPARE(mediaCalls().last(), call);
    if (op == 5)
        QCOMPARE(mediaCalls().at(mediaCalls().size() - 2),
                 sdk + ".rtc: setVideoEncoderConfiguration(820, 520, 10, -1, 1000, 800, 0, 0, 0) = 0");
    engine->leaveRTC();
}

void TestMediaEngines::longAppIdIsCut()
{
    TQRTCEventDelegate handlers;
    TQRTCLoadConfig config = loadConfig(&handlers);
    config.appId = std::string(150, 'a');
    TQRTCCommonAgoraImpl engine;
    QCOMPARE(engine.loadRTC(config), 0);
    engine.leaveRTC();
    QVERIFY(mediaCalls().contains(QStringLiteral("agora.rtc: initialize(ptr, \"%1\") = 0").arg(QString(99, 'a'))));
}

QTEST_GUILESS_MAIN(TestMediaEngines)
#include "tst_mediaengines.moc"
