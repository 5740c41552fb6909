// The first teacher-student exchange: the real real-time manager with the
// product's message channel (Agora or Tessel, one table row each) over the
// stand-in SDK, against a SimStudent on the same in-process hub. The class
// window is a recording TQRealTimeInterface that also plays the window's part
// of answering a history request. Assertions are on what the student really
// decoded and on what the stand-in's call log saw.

#include "modules/live/communications/TQRealTimeManager.h"

#include "actions/TQActionsFromNet.h"
#include "actions/TQDrawingAction.h"
#include "actions/control/TQControlRequestBulkData.h"
#include "actions/control/TQControlSilence.h"
#include "actions/control/TQControlStudentJoinClass.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/TQRealTimeEngineFactory.h"
#include "modules/live/communications/TQRealTimeInterface.h"
#include "modules/login/LoginManager.h"

#include "agora/IAgoraRtmService.h"
#include "rtsdk/StandInControl.h"

#include <QJsonObject>
#include <QtTest>

#include "CourseWithHistory.h"
#include "RecordingWindow.h"
#include "SimStudent.h"
#include "TestLogCapture.h"

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

constexpr long kTeacher = 900;
constexpr long kStudent = 42;
constexpr long kSchedule = 678;
constexpr int kHistory = 30;

// A second client that signs in with the teacher's id.
struct Intruder : agora::rtm::IRtmServiceEventHandler
{
};

bool waitFor(const std::function<bool()> &done, int timeoutMs = 5000)
{
    return SimStudent::waitUntil(done, timeoutMs);
}

int callsMatching(const std::string &needle)
{
    const auto calls = rtsdk::StandInControl::calls();
    return int(std::count_if(calls.begin(), calls.end(),
                             [&](const rtsdk::CallRecord &c) { return c.call.find(needle) != std::string::npos; }));
}

} // namespace

class TestClassExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void exchange_data();
    void exchange();
    void refusedLogin_data();
    void refusedLogin();
    void lateCallbackAfterDestruction_data();
    void lateCallbackAfterDestruction();

private:
    void addSdkRows();
    void startManager(int rtmType);

    CourseDetailBean *m_course = nullptr;
    std::unique_ptr<TQRealTimeManager> m_manager;
    RecordingWindow m_window;
    // The classes of the actions the window was handed, in order.
    QStringList m_received;
};

void TestClassExchange::initTestCase()
{
    LoginManager::saveLoginInfo(QJsonObject{
        {"tokenStatus", QJsonObject{{"token", "t"}}},
        {"accountDetails", QJsonObject{{"user_id", QString::number(kTeacher)}, {"user_nick_name", "T"}}}});
    QCOMPARE(LoginManager::getUserID(), QString::number(kTeacher));
}

void TestClassExchange::init()
{
    rtsdk::StandInControl::reset();
    m_window = RecordingWindow();
    m_course = newCourseWithHistory(kSchedule, kHistory);
    TQDataModelBean::m_pOngoingCourse = m_course;
}

void TestClassExchange::cleanup()
{
    m_manager.reset();
    rtsdk::StandInControl::reset();
    TQDataModelBean::m_pOngoingCourse = nullptr;
    delete m_course;
    m_course = nullptr;
}

void TestClassExchange::addSdkRows()
{
    QTest::addColumn<int>("rtmType");
    QTest::newRow("agora") << 4;
    QTest::newRow("tessel") << 5;
}

void TestClassExchange::startManager(int rtmType)
{
    m_manager = std::make_unique<TQRealTimeManager>();
    m_manager->setDelegate(&m_window);
    TQRealTimeManager *manager = m_manager.get();
    m_received.clear();
    // As the class window: a history request is registered for bulk sending.
    m_window.inspect = [this, manager](TQActionsFromNet &actions) {
        for (TQAction *action : actions.mActionArray) {
            if (dynamic_cast<TQControlStudentJoinClass *>(action)) {
                m_received << "join";
            } else if (dynamic_cast<TQControlRequestBulkData *>(action)) {
                m_received << "request";
                manager->registerUserIDForBulkSending({actions.from, 0, kHistory - 1, 0, true});
            } else {
                m_received << "other";
            }
        }
    };
    m_manager->init(0, 1, rtmType);
}

void TestClassExchange::exchange_data()
{
    addSdkRows();
}

void TestClassExchange::exchange()
{
    QFETCH(int, rtmType);
    startManager(rtmType);

    // 1. Login, then the main and the alternate join; connected once.
    m_manager->loadDataChannel();
    QVERIFY(waitFor([&] { return m_window.count("dataNetworkConnected") == 1 && callsMatching("join() = 0") == 2; }));
    QVERIFY(m_manager->isDataChannelLoggedIn());
    const std::string service = rtsdk::StandInControl::serviceOf("900_rtm");
    QCOMPARE(QString::fromStdString(service).section('#', 0, 0), rtmType == 5 ? "tessel.rtm" : "agora.rtm");
    QCOMPARE(callsMatching("login(\"tok\", \"900_rtm\") = 0"), 1);
    QCOMPARE(rtsdk::StandInControl::membersOf("678_rtm"), std::vector<std::string>{"900_rtm"});
    QCOMPARE(rtsdk::StandInControl::membersOf("678_alt"), std::vector<std::string>{"900_rtm"});
    QTest::qWait(50);
    QCOMPARE(m_window.count("dataNetworkConnected"), 1);

    // 2. The student comes in and the teacher hears it.
    SimStudent student(kStudent, kSchedule);
    QVERIFY(student.enter());
    QVERIFY(waitFor([&] { return m_window.count("online 42") == 1; }));

    // 3. A control action to the student arrives as the protocol's envelope.
    auto *silence = new TQControlSilence;
    silence->targetUserId = int(kStudent);
    m_manager->sendActionImmediately(silence);
    QVERIFY(student.waitForEnvelopes(1));
    SimStudent::Envelope envelope = student.envelopes().first();
    QCOMPARE(envelope.tqMsg, QStringLiteral("[-1,101,42]"));
    QCOMPARE(envelope.tqType, 3);
    QCOMPARE(envelope.tqRec, qint64(-1));
    QCOMPARE(envelope.fromUid, qint64(kTeacher));
    QCOMPARE(envelope.channel, QStringLiteral("678_rtm"));
    QVERIFY(!envelope.peer);
    QVERIFY(envelope.tqTm > 0);

    // 4. Join notice and history request reach the window; the history goes
    // back in fast chunks, the last one with the end marker.
    QCOMPARE(student.sendEnvelope(QStringLiteral("[0,127,0]"), 3), 0);
    QCOMPARE(student.sendEnvelope(QStringLiteral("[-1,107,0,0]"), 3), 0);
    QVERIFY(waitFor([&] { return m_window.calls.filter("actions from").size() == 2; }));
    QCOMPARE(m_window.calls.filter("actions from"),
             (QStringList{"actions from 42 type 3: 1", "actions from 42 type 3: 1"}));
    QCOMPARE(m_received, (QStringList{"join", "request"}));
    const auto chunks = [&] {
        QList<SimStudent::Envelope> found;
        for (const SimStudent::Envelope &e : student.envelopes())
            if (e.tqMsg.startsWith(QStringLiteral("[-1,108,")))
                found << e;
        return found;
    };
    QVERIFY(waitFor([&] { return !chunks().isEmpty() && chunks().last().tqMsg.endsWith(QStringLiteral(",[end]")); }));
    const QList<SimStudent::Envelope> history = chunks();
    for (int i = 0; i + 1 < history.size(); ++i)
        QVERIFY2(!history.at(i).tqMsg.endsWith(QStringLiteral("[end]")), qPrintable(history.at(i).tqMsg));
    QVERIFY(history.last().tqMsg.contains(QStringLiteral("[29,77,1,2]")));
    QCOMPARE(history.last().tqType, 0);

    // 5. Leave and load again: the send loop is armed again.
    m_manager->leaveDataChannelManager();
    QVERIFY(waitFor([&] { return rtsdk::StandInControl::membersOf("678_rtm").size() == 1; }));
    m_manager->loadDataChannel();
    QVERIFY(waitFor([&] { return m_window.count("dataNetworkConnected") == 2; }));
    const int before = student.envelopes().size();
    auto *again = new TQControlSilence;
    again->targetUserId = int(kStudent);
    m_manager->sendActionImmediately(again);
    QVERIFY(student.waitForEnvelopes(before + 1));
    QCOMPARE(student.envelopes().last().tqMsg, QStringLiteral("[-1,101,42]"));

    // 6. The same teacher signs in elsewhere: one kick-out.
    Intruder listener;
    agora::rtm::IRtmService *intruder = agora::rtm::createRtmService();
    QCOMPARE(intruder->initialize("app", &listener), 0);
    QCOMPARE(intruder->login("tok", "900_rtm"), 0);
    QVERIFY(waitFor([&] { return m_window.count("kickout") == 1; }));
    QTest::qWait(50);
    QCOMPARE(m_window.count("kickout"), 1);
    QVERIFY(m_manager->isDataChannelInterrupted());
    intruder->release(true);

    QVERIFY(m_window.allOnGuiThread);
    student.leave();
}

void TestClassExchange::refusedLogin_data()
{
    QTest::addColumn<int>("rtmType");
    QTest::addColumn<QString>("line");
    QTest::newRow("agora") << 4 << "[RTM] TQRTMCommon::initDataChannels user(900_rtm)  login onFail";
    QTest::newRow("tessel") << 5 << "[RTM] user(900_rtm)  login onFailure, errorCode(3)";
}

void TestClassExchange::refusedLogin()
{
    QFETCH(int, rtmType);
    QFETCH(QString, line);
    TestLogCapture log;
    rtsdk::StandInControl::setLoginFault(rtsdk::FaultMode::RefuseAtOnce, 3, "900_rtm");
    startManager(rtmType);
    m_manager->loadDataChannel();
    QVERIFY(waitFor([&] { return !log.messages().filter("[RTM] TQRTMDataHandler::onConnectRTMFailure").isEmpty(); }));
    QCOMPARE(log.messages().filter(line).size(), 1);
    QCOMPARE(log.messages().filter("[RTM] TQRTMDataHandler::onConnectRTMFailure").size(), 1);
    QCOMPARE(callsMatching("join()"), 0);
    QVERIFY(!m_manager->isDataChannelLoggedIn());
}

void TestClassExchange::lateCallbackAfterDestruction_data()
{
    addSdkRows();
}

void TestClassExchange::lateCallbackAfterDestruction()
{
    QFETCH(int, rtmType);
    startManager(rtmType);
    m_manager->loadDataChannel();
    QVERIFY(waitFor([&] { return m_window.count("dataNetworkConnected") == 1; }));

    TestLogCapture log;
    rtsdk::StandInControl::armLateCallback(rtsdk::LateCallback::PeerMessage, "900_rtm");
    rtsdk::StandInControl::armLateCallback(rtsdk::LateCallback::TokenExpired, "900_rtm");
    const QStringList before = m_window.calls;
    m_manager.reset();
    QVERIFY(rtsdk::StandInControl::waitIdle());
    QCoreApplication::processEvents();
    // The leave's own logout reports may come late too; the two armed ones must.
    const QStringList released = log.messages().filter("delegate released");
    QCOMPARE(released.filter("ClientListener::onTokenExpired").size(), 1);
    QCOMPARE(released.filter("ClientListener::onMessageReceivedFromPeer").size(), 1);
    QCOMPARE(m_window.calls, before);
}

QTEST_MAIN(TestClassExchange)
#include "tst_classexchange.moc"
