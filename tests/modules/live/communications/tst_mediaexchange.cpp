// The media channel end to end: the real real-time manager with the product's
// media engine (Agora or Tessel, one table row each) over the stand-in SDK,
// with a student's engine in the same channel. The class window is a
// recording TQRealTimeInterface; every report must reach it on the GUI thread
// with the states and values the window works with.

#include "modules/live/communications/TQRealTimeManager.h"

#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/TQRealTimeEngineFactory.h"
#include "modules/live/communications/agora/TQRTCCommonAgoraImpl.h"
#include "modules/login/LoginManager.h"

#include "RecordingWindow.h"
#include "RtcTestPeer.h"
#include "SimStudent.h"
#include "TestLogCapture.h"
#include "rtsdk/StandInControl.h"

#include <QDateTime>
#include <QJsonObject>
#include <QtTest>

#include <algorithm>
#include <memory>

using rtsdk::RtcEvent;
using rtsdk::RtcEventKind;
using rtsdk::StandInControl;

namespace {

constexpr long kTeacher = 900;
constexpr unsigned kStudent = 42;
constexpr long kCourse = 11;
constexpr long kSchedule = 678;

// The recording window, also writing down the values of remote video states
// and network quality, which the plain one leaves out.
class MediaWindow : public RecordingWindow
{
public:
    void onRemoteVideoStateChanged(long uid, int state, int reason) override
    {
        noteHere(QStringLiteral("video state %1 %2 %3").arg(uid).arg(state).arg(reason));
    }
    void onNetworkQuality(long uid, int tx, int rx) override
    {
        noteHere(QStringLiteral("quality %1 %2 %3").arg(uid).arg(tx).arg(rx));
    }

private:
    void noteHere(const QString &call)
    {
        allOnGuiThread = allOnGuiThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        calls.append(call);
    }
};

// Whether an object whose name holds `object` was sent a call starting with
// `call` (names of later objects carry numbers).
bool logged(const std::string &object, const std::string &call)
{
    const auto calls = StandInControl::calls();
    return std::any_of(calls.begin(), calls.end(), [&](const rtsdk::CallRecord &c) {
        return c.object.find(object) != std::string::npos && c.call.compare(0, call.size(), call) == 0;
    });
}

} // namespace

class TestMediaExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void exchange_data();
    void exchange();

private:
    std::unique_ptr<CourseDetailBean> m_course;
};

void TestMediaExchange::initTestCase()
{
    LoginManager::saveLoginInfo(QJsonObject{
        {"tokenStatus", QJsonObject{{"token", "t"}}},
        {"accountDetails", QJsonObject{{"user_id", QString::number(kTeacher)}, {"user_nick_name", "T"}}}});
    m_course = std::make_unique<CourseDetailBean>(QJsonObject{});
    m_course->course_id = QByteArray::number(qlonglong(kCourse)).toStdString();
    m_course->course_schedule_id = QByteArray::number(qlonglong(kSchedule)).toStdString();
    m_course->app_id = "app";
    m_course->dynamic_key = "key";
    // A live course that sends its video through the media engine.
    QVERIFY(m_course->isLiveMode());
    QVERIFY(m_course->isRtcVideoEnabled());
    QVERIFY(!m_course->isImageVideoMode());
    TQDataModelBean::m_pOngoingCourse = m_course.get();
}

void TestMediaExchange::cleanup()
{
    StandInControl::reset();
}

void TestMediaExchange::exchange_data()
{
    QTest::addColumn<int>("rtcType");
    QTest::addColumn<QString>("sdk");
    QTest::addColumn<QString>("release");
    QTest::newRow("agora") << 1 << "agora.rtc" << "release(false) = 0";
    QTest::newRow("tessel") << 3 << "tessel" << "IRtcEngine::release(false) -> tessel.rtc";
}

void TestMediaExchange::exchange()
{
    QFETCH(int, rtcType);
    QFETCH(QString, sdk);
    QFETCH(QString, release);

    MediaWindow window;
    auto manager = std::make_unique<TQRealTimeManager>();
    manager->setDelegate(&window);
    manager->init(0, rtcType, 4);

    // 1. The teacher joins the media channel under the own id.
    TestLogCapture log;
    manager->loadRTC();
    QVERIFY(manager->isRTCLoaded());
    QTRY_COMPARE(window.count("mediaNetworkConnected"), 1);
    QCOMPARE(log.messages().filter("TQRTCDataHanlder::onJoinChannelSuccessRTC uid=900").size(), 1);
    QCOMPARE(StandInControl::rtcMembersOf("678"), std::vector<unsigned>{unsigned(kTeacher)});

    // 2. A student's engine comes in and the window hears it.
    RtcTestPeer student;
    QCOMPARE(student.join("678", kStudent, TQRTCCommonAgoraImpl::encryptionSecret(kCourse, kSchedule)), 0);
    QVERIFY(student.waitFor("joined 678 42"));
    QTRY_COMPARE(window.count("rtc online 42"), 1);

    // 3. Reports from the network arrive with the window's own states; a
    // quality the SDK could not measure never gets there.
    QCOMPARE(StandInControl::injectRtcEvent(kTeacher, RtcEvent{RtcEventKind::RemoteVideoState, kStudent, {3, 8, 40}}), 1);
    QCOMPARE(StandInControl::injectRtcEvent(kTeacher, RtcEvent{RtcEventKind::NetworkQuality, kStudent, {6, 1}}), 1);
    QCOMPARE(StandInControl::injectRtcEvent(kTeacher, RtcEvent{RtcEventKind::NetworkQuality, 0, {2, 3}}), 1);
    QTRY_COMPARE(window.count("quality 900 2 3"), 1);
    QCOMPARE(window.calls.filter("video state"), QStringList{"video state 42 1 5"});
    QVERIFY(window.calls.filter("quality 42").isEmpty());

    // 4. The student's envelope on its data stream reaches the window as
    // actions from that student.
    const QByteArray envelope =
        SimStudent::envelopeText(QStringLiteral("[0,127,0]"), 3, -1, QDateTime::currentMSecsSinceEpoch());
    QCOMPARE(student.send(envelope.toStdString()), 0);
    QTRY_COMPARE(window.calls.filter("actions from"), QStringList{"actions from 42 type 3: 1"});

    // 5. Leaving tells the SDK to leave and ends the engine; the student sees
    // the teacher go.
    manager->leaveRTCManager();
    QVERIFY(!manager->isRTCLoaded());
    QVERIFY(logged(sdk.toStdString(), "leaveChannel() = 0"));
    QVERIFY(logged(sdk.toStdString(), release.toStdString()));
    QVERIFY(student.waitFor("offline 900 0"));

    QVERIFY(window.allOnGuiThread);
    manager.reset();
}

QTEST_MAIN(TestMediaExchange)
#include "tst_mediaexchange.moc"
