// The real-time manager driven as the class window drives it, against
// recording engines (tests/support/RecordingRealTimeEngines) that note every
// join, leave and send with the time of the settable clock. Pacing is checked
// without sleeping: the clock is set, and the manager's timers are fired by
// hand (the drawing tick through its slot, the public and resend timers
// through a probe). The product's local engines are used where teardown
// meets real engine code.

#include "modules/live/communications/TQRealTimeManager.h"

#include "actions/TQControlAction.h"
#include "actions/TQDrawingAction.h"
#include "actions/control/TQControlClearAll.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/message/TQPublicMessageAction.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/communications/TQRealTimeEngineFactory.h"
#include "modules/live/videoprocess/ExternalVideoFrame.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "RecordingRealTimeEngines.h"
#include "StdTestPrinting.h"
#include "TestClock.h"
#include "TQRealTimeManagerProbe.h"
#include "TestLogCapture.h"

#include <memory>

using Probe = TQRealTimeManagerProbe;

namespace {

constexpr qint64 kT0 = 1700000000000;

// "[-1,777,<id>,ppp...]", exactly `length` characters (at least the header).
class TextControl : public TQControlAction
{
public:
    TextControl(int id, int length) : TQControlAction(777), m_id(id), m_length(length) {}
    void toString(std::string &out) const override
    {
        out = "[-1,777," + std::to_string(m_id) + ",";
        out += std::string(size_t(qMax(0, m_length - int(out.size()) - 1)), 'p');
        out += ']';
    }

private:
    int m_id;
    int m_length;
};

// "[<index>,77,ppp...]", exactly `length` characters for indexes below 1000.
class TextDrawing : public TQDrawingAction
{
public:
    explicit TextDrawing(int length) : TQDrawingAction(77), m_length(length) {}
    void toString(std::string &out) const override
    {
        out = "[" + std::to_string(drawingIndex) + ",77,";
        out += std::string(size_t(qMax(0, m_length - 8)), 'p');
        out.resize(size_t(qMax(0, m_length - 1)), 'p');
        out += ']';
    }
    TQDrawingAction *clone() const override { return new TextDrawing(*this); }

private:
    int m_length;
};

// The action texts of an envelope (its "tqMsg" cut at "],[").
QStringList records(const std::string &envelope)
{
    const QString msg = QJsonDocument::fromJson(QByteArray::fromStdString(envelope)).object().value("tqMsg").toString();
    QStringList parts = msg.split(QStringLiteral("],["));
    return msg.isEmpty() ? QStringList() : parts;
}

// Element `index` of the first record of an envelope.
int element(const std::string &envelope, int index)
{
    QString first = records(envelope).value(0);
    first.remove('[').remove(']');
    return first.split(',').value(index).toInt();
}

int controlId(const std::string &envelope)
{
    return element(envelope, 2);
}

std::vector<int> controlIds(const std::vector<RealTimeJournal::ChannelSend> &sends)
{
    std::vector<int> ids;
    for (const auto &s : sends)
        ids.push_back(controlId(s.body));
    return ids;
}

TQInClassMessage *chatMessage(qint64 index, const std::string &body)
{
    auto *m = new TQInClassMessage;
    m->mIndexStamp = index;
    m->mFromUserID = 42;
    m->mMessageBody = body;
    return m;
}

} // namespace

class TestRealTimeManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Engine choice and life cycle
    void initChoosesEnginesOnce_data();
    void initChoosesEnginesOnce();
    void loadRTCTwiceJoinsOnce();
    void refusedJoinReportsFailureAndRetries();
    void dataChannelLoginAndLeave();
    void dataChannelInterrupted_data();
    void dataChannelInterrupted();
    void rehearsalJoinsNothingSendsNothingConsumesQueues();
    void teardownReleasesRefusedJoinAndPendingLogin();
    void teardownWithLocalEngines();
    void forwardsWithoutEngine();
    void missingEngineIsAFailedJoin();

    // Common send step
    void mediaCopiesBelowThreshold_data();
    void mediaCopiesBelowThreshold();
    void copiesLeaveInDueOrder();

    // Public, private, control queues
    void publicMessageLeavesOnTimer();
    void publicMessagesSpacedAndCapped();
    void publicMessagesOwnCopies();
    void publicMessageCappedBySize();
    void privateMessagesPacedAndCapped();
    void controlActionsPaced();

    // Drawing send
    void drawingEnvelopes_data();
    void drawingEnvelopes();
    void drawingMergesOnAdd();
    void drawingHeldBackByClearAll();
    void drawingPause();
    void fetchesShareAndSupersede();
    void fastFetchesBeforeSlow();

    void binaryPartition();

private:
    TQRealTimeManager *makeManager();
    void fillHistoryAndHoldDrawing(int count);
    void setPlayMode(int mode) { m_course->mPlayMode = mode; }
    void advance(qint64 ms) { m_clock->advance(ms); }
    // The drawing tick as the drawing timer runs it.
    void tick(qint64 ms)
    {
        advance(ms);
        m_manager->runnableSendDrawingTask();
    }

    std::unique_ptr<TestClock> m_clock;
    RealTimeJournal m_journal;
    CountingRealTimeDelegate m_delegate;
    CourseDetailBean *m_course = nullptr;
    TQRealTimeManager *m_manager = nullptr;
};

TQRealTimeManager *TestRealTimeManager::makeManager()
{
    auto *manager = new TQRealTimeManager(std::make_unique<RecordingEngineFactory>(&m_journal));
    manager->setDelegate(&m_delegate);
    return manager;
}

void TestRealTimeManager::init()
{
    m_clock = std::make_unique<TestClock>(kT0);
    m_journal = RealTimeJournal();
    m_delegate = CountingRealTimeDelegate();
    m_course = new CourseDetailBean(QJsonObject{});
    m_course->course_id = "11";
    m_course->course_schedule_id = "22";
    m_course->app_id = "app";
    m_course->dynamic_key = "key";
    m_course->rtm_token = "rtm";
    TQDataModelBean::m_pOngoingCourse = m_course;
    m_manager = makeManager();
    m_manager->init(0, 1, 4);
}

void TestRealTimeManager::cleanup()
{
    delete m_manager;
    m_manager = nullptr;
    TQDataModelBean::m_pOngoingCourse = nullptr;
    delete m_course;
    m_course = nullptr;
    m_clock.reset();
}

// Engine choice and life cycle --------------------------------------------------------

void TestRealTimeManager::initChoosesEnginesOnce_data()
{
    using K = TQRealTimeEngineFactory;
    QTest::addColumn<int>("startType");
    QTest::addColumn<int>("rtcType");
    QTest::addColumn<int>("rtmType");
    QTest::addColumn<int>("rtcKind");
    QTest::addColumn<int>("rtmKind");
    QTest::addColumn<QString>("line");
    QTest::newRow("live agora") << 0 << 1 << 4 << int(K::Agora) << int(K::Agora) << "current is rtc agora";
    QTest::newRow("live tessel") << 0 << 3 << 5 << int(K::Tessel) << int(K::Tessel) << "current is rtc tessel";
    QTest::newRow("tessel media, agora channel") << 0 << 3 << 4 << int(K::Tessel) << int(K::Agora)
                                                 << "current is rtc tessel";
    QTest::newRow("recorded lesson beats tessel") << 1 << 3 << 5 << int(K::Local) << int(K::Local)
                                                  << "current is rtc local";
    QTest::newRow("rehearsal") << 2 << 1 << 4 << int(K::Local) << int(K::Local) << "current is rtc local";
}

void TestRealTimeManager::initChoosesEnginesOnce()
{
    QFETCH(int, startType);
    QFETCH(int, rtcType);
    QFETCH(int, rtmType);
    QFETCH(int, rtcKind);
    QFETCH(int, rtmKind);
    QFETCH(QString, line);

    delete m_manager;
    m_journal = RealTimeJournal();
    m_manager = makeManager();
    TestLogCapture log;
    m_manager->init(startType, rtcType, rtmType);
    QCOMPARE(m_journal.rtcKinds.size(), size_t(1));
    QCOMPARE(int(m_journal.rtcKinds[0]), rtcKind);
    QCOMPARE(int(m_journal.rtmKinds[0]), rtmKind);
    QCOMPARE(log.messages().filter(line).size(), 1);
    QCOMPARE(m_manager->getRtmType(), rtmType);

    // A later course-detail reply keeps the engines chosen first, silently.
    log.clear();
    m_manager->init(0, rtcType == 3 ? 1 : 3, rtmType == 5 ? 4 : 5);
    QCOMPARE(m_journal.rtcKinds.size(), size_t(1));
    QCOMPARE(m_journal.rtmKinds.size(), size_t(1));
    QCOMPARE(m_manager->getRtmType(), rtmType);
    QVERIFY(log.messages().filter("TQRealTimeManager").isEmpty());
}

void TestRealTimeManager::loadRTCTwiceJoinsOnce()
{
    TestLogCapture log;
    m_manager->loadRTC();
    QVERIFY(m_manager->isRTCLoaded());
    m_manager->loadRTC();
    QCOMPARE(m_journal.events, QStringList{"rtc load"});
    QCOMPARE(log.messages().filter("already in RTC").size(), 1);

    m_manager->leaveRTCManager();
    QVERIFY(!m_manager->isRTCLoaded());
    // The handler left the list before the engine was told to leave.
    QCOMPARE(m_journal.rtcHandlersAtLeave, std::vector<int>{0});
    m_manager->leaveRTCManager();
    QCOMPARE(m_journal.events, (QStringList{"rtc load", "rtc leave"}));
    QCOMPARE(log.messages().filter("leaveRTCManager skipped, because it is not in RTC").size(), 1);
}

void TestRealTimeManager::refusedJoinReportsFailureAndRetries()
{
    m_journal.loadResults = {-17};
    TestLogCapture log;
    m_manager->loadRTC();
    QCOMPARE(m_delegate.mediaFailures, 1);
    QVERIFY(!m_manager->isRTCLoaded());
    QCOMPARE(log.messages().filter("TQRealTimeManager::loadRTC success -17").size(), 1);
    // Nothing was joined, so there is nothing to leave yet.
    m_manager->leaveRTCManager();
    QCOMPARE(m_journal.events, QStringList{"rtc load"});

    m_manager->loadRTC();
    QCOMPARE(m_journal.events, (QStringList{"rtc load", "rtc load"}));
    QVERIFY(m_manager->isRTCLoaded());
    QCOMPARE(m_delegate.mediaFailures, 1);
}

void TestRealTimeManager::dataChannelLoginAndLeave()
{
    TestLogCapture log;
    m_manager->loadDataChannel();
    QCOMPARE(m_manager->getRtmState(), 1);
    QVERIFY(!m_manager->isDataChannelLoggedIn());

    // Left before the login result came: only the error line, no leave.
    m_manager->leaveDataChannelManager();
    QCOMPARE(m_journal.events, QStringList{"rtm init"});
    QCOMPARE(log.messages().filter("leaveDataChannelManager() skipped, because it is not in rtm").size(), 1);

    m_manager->handleLoginStatus(true);
    QVERIFY(m_manager->isDataChannelLoggedIn());
    QCOMPARE(log.messages().filter("handle login status, isSuccess=1").size(), 1);
    m_manager->loadDataChannel();
    QCOMPARE(log.messages().filter("already in rtm").size(), 1);
    QCOMPARE(m_journal.events, QStringList{"rtm init"});

    m_manager->leaveDataChannelManager();
    QCOMPARE(m_journal.events, (QStringList{"rtm init", "rtm leave"}));
    QCOMPARE(m_journal.rtmHandlersAtLeave, std::vector<int>{0});
    QVERIFY(!m_manager->isDataChannelLoggedIn());
}

void TestRealTimeManager::dataChannelInterrupted_data()
{
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("interrupted");
    QTest::newRow("not logged in, disconnected") << false << 1 << false;
    QTest::newRow("not logged in, aborted") << false << 5 << false;
    QTest::newRow("disconnected") << true << 1 << true;
    QTest::newRow("connected") << true << 3 << false;
    QTest::newRow("reconnecting") << true << 4 << false;
    QTest::newRow("aborted") << true << 5 << true;
}

void TestRealTimeManager::dataChannelInterrupted()
{
    QFETCH(bool, loggedIn);
    QFETCH(int, state);
    QFETCH(bool, interrupted);
    m_manager->loadDataChannel();
    m_manager->handleLoginStatus(loggedIn);
    m_manager->setRtmState(state);
    QCOMPARE(m_manager->isDataChannelInterrupted(), interrupted);
}

void TestRealTimeManager::rehearsalJoinsNothingSendsNothingConsumesQueues()
{
    setPlayMode(2);
    TestLogCapture log;
    m_manager->loadRTC();
    m_manager->loadDataChannel();
    QVERIFY(m_journal.events.isEmpty());
    QVERIFY(log.messages().filter("TQRealTimeManager").isEmpty());
    QCOMPARE(m_manager->getRtmState(), 0);

    m_manager->sendControlAction(new TextControl(1, 40));
    m_manager->sendControlAction(new TextControl(2, 40));
    m_manager->sendPrivateMessage(new TextControl(3, 40));
    m_manager->sendPrivateMessage(new TextControl(4, 40));
    m_manager->sendPublicMessage(new TextControl(5, 40));
    m_manager->sendActionImmediately(new TextControl(6, 40));
    m_manager->addDrawingAction(new TextDrawing(40));
    QCOMPARE(Probe::controlQueued(*m_manager), 1);
    QCOMPARE(Probe::privateQueued(*m_manager), 1);
    QCOMPARE(Probe::pendingDrawing(*m_manager), 0);
    QCOMPARE(m_course->getDrawingActionCount(), 1);

    advance(1000);
    m_manager->sendPendingControlActions();
    m_manager->sendPendingPrivateMessages();
    QVERIFY(Probe::publicTimerActive(*m_manager));
    Probe::firePublicTimer(*m_manager);
    QCOMPARE(Probe::controlQueued(*m_manager), 0);
    QCOMPARE(Probe::privateQueued(*m_manager), 0);
    QCOMPARE(Probe::publicQueued(*m_manager), 0);
    QVERIFY(m_journal.media.empty());
    QVERIFY(m_journal.channel.empty());
    QVERIFY(!Probe::resendTimerActive(*m_manager));
}

void TestRealTimeManager::teardownReleasesRefusedJoinAndPendingLogin()
{
    m_journal.loadResults = {-1};
    m_manager->loadRTC();
    m_manager->loadDataChannel();
    m_manager->sendControlAction(new TextControl(1, 40));
    m_manager->sendControlAction(new TextControl(2, 40));
    m_manager->sendPublicMessage(new TextControl(3, 40));
    m_manager->registerUserIDForBulkSending({7, 0, 100, 0, true});
    m_manager->pauseDrawingSending(5);
    m_manager->addDrawingAction(new TextDrawing(40));
    m_journal.events.clear();

    delete m_manager;
    m_manager = nullptr;
    // Channel first, then the engine, each told to leave while the handler
    // was still listed (it leaves the lists only once nothing can report).
    QCOMPARE(m_journal.events, (QStringList{"rtm leave", "rtm deleted", "rtc leave", "rtc deleted"}));
    QCOMPARE(m_journal.rtmHandlersAtLeave, std::vector<int>{1});
    QCOMPARE(m_journal.rtcHandlersAtLeave, std::vector<int>{1});
}

void TestRealTimeManager::teardownWithLocalEngines()
{
    // The product's local pair joins synchronously and reports on this thread.
    delete m_manager;
    m_manager = new TQRealTimeManager;
    m_manager->setDelegate(&m_delegate);
    m_manager->init(1, 1, 4);
    m_manager->loadRTC();
    QVERIFY(m_manager->isRTCLoaded());
    m_manager->loadDataChannel();
    m_manager->sendActionImmediately(new TextControl(1, 40));
    m_manager->addDrawingAction(new TextDrawing(40));
    m_manager->clearDelegate();
    delete m_manager;
    m_manager = nullptr;
    QCOMPARE(m_delegate.rtcLogouts, 0);
}

void TestRealTimeManager::forwardsWithoutEngine()
{
    delete m_manager;
    m_journal = RealTimeJournal();
    m_manager = makeManager();
    // A camera frame before the course detail: freed, not dereferenced.
    QCOMPARE(m_manager->pushExternalVideoFrame(new ExternalVideoFrame), 0);
    QCOMPARE(m_manager->setVideoEncoderConfiguration(2), 0);
    QVERIFY(!m_manager->startAudioMixing("/tmp/x.mp3"));
    m_manager->enableAudioVolumeIndication(200, 3, true);
    m_manager->enableLocalAudio(true);
    m_manager->loadRTC();
    m_manager->addDrawingAction(new TextDrawing(40));
    QVERIFY(m_journal.rtcKinds.empty());

    m_manager->init(0, 1, 4);
    QCOMPARE(m_manager->setVideoEncoderConfiguration(2), 2);
}

void TestRealTimeManager::missingEngineIsAFailedJoin()
{
    // A build without the chosen vendor's engines: the joins fail openly.
    struct NoEngines : TQRealTimeEngineFactory
    {
        TQRTCCommon *createRTC(Kind) override { return nullptr; }
        TQRTMCommon *createRTM(Kind) override { return nullptr; }
    };
    delete m_manager;
    m_manager = new TQRealTimeManager(std::make_unique<NoEngines>());
    m_manager->setDelegate(&m_delegate);
    m_manager->init(0, 1, 4);
    m_manager->loadRTC();
    m_manager->loadDataChannel();
    QCOMPARE(m_delegate.mediaFailures, 1);
    QCOMPARE(m_delegate.dataFailures, 1);
    QVERIFY(!m_manager->isRTCLoaded());
    m_manager->sendActionImmediately(new TextControl(1, 40));
    m_manager->addDrawingAction(new TextDrawing(40));
    m_manager->sendBinaryPartition("{}", nullptr, 3);
}

// Common send step ----------------------------------------------------------------------

void TestRealTimeManager::mediaCopiesBelowThreshold_data()
{
    QTest::addColumn<int>("envelopeBytes");
    QTest::addColumn<int>("mediaNow");
    QTest::addColumn<bool>("copiesDue");
    QTest::newRow("799 bytes") << 799 << 1 << true;
    QTest::newRow("800 bytes") << 800 << 0 << false;
}

void TestRealTimeManager::mediaCopiesBelowThreshold()
{
    QFETCH(int, envelopeBytes);
    QFETCH(int, mediaNow);
    QFETCH(bool, copiesDue);

    // The envelope adds a fixed frame around the action text.
    m_manager->sendControlAction(new TextControl(1, 100));
    const int frame = int(m_journal.channel.at(0).body.size()) - 100;
    m_journal = RealTimeJournal();
    Probe::fireResendTimer(*m_manager);
    Probe::fireResendTimer(*m_manager);
    m_journal.media.clear();

    advance(1000);
    m_manager->sendControlAction(new TextControl(2, envelopeBytes - frame));
    QCOMPARE(int(m_journal.channel.at(0).body.size()), envelopeBytes);
    QCOMPARE(int(m_journal.media.size()), mediaNow);
    QCOMPARE(Probe::resendTimerActive(*m_manager), copiesDue);
    QVERIFY(m_journal.channel.at(0).thruMainChannel);
    QCOMPARE(m_journal.channel.at(0).targetUserID, -1L);
    QVERIFY(m_journal.channel.at(0).raw.isNull());
}

void TestRealTimeManager::copiesLeaveInDueOrder()
{
    // A control action (3 copies) at 0 and a private message (2 copies) at
    // 100: copies at 300 (control), 400 (private), 600 (control).
    m_manager->sendControlAction(new TextControl(1, 40));
    advance(100);
    m_manager->sendPrivateMessage(new TextControl(2, 40));
    QCOMPARE(m_journal.media.size(), size_t(2));

    for (qint64 due : {300, 400, 600}) {
        m_clock->set(kT0 + due);
        QVERIFY(Probe::resendTimerActive(*m_manager));
        Probe::fireResendTimer(*m_manager);
    }
    QVERIFY(!Probe::resendTimerActive(*m_manager));
    std::vector<std::pair<qint64, int>> sent;
    for (const auto &m : m_journal.media)
        sent.emplace_back(m.atMs - kT0, controlId(m.body));
    QCOMPARE(sent, (std::vector<std::pair<qint64, int>>{{0, 1}, {100, 2}, {300, 1}, {400, 2}, {600, 1}}));
}

// Public, private, control queues --------------------------------------------------------

void TestRealTimeManager::publicMessageLeavesOnTimer()
{
    m_manager->sendPublicMessage(new TextControl(1, 40));
    QVERIFY(m_journal.channel.empty());
    QVERIFY(Probe::publicTimerActive(*m_manager));
    advance(50);
    Probe::firePublicTimer(*m_manager);
    QCOMPARE(m_journal.channel.size(), size_t(1));
    QCOMPARE(m_journal.media.size(), size_t(1));
    QVERIFY(!Probe::publicTimerActive(*m_manager));
    QVERIFY(!Probe::resendTimerActive(*m_manager));
}

void TestRealTimeManager::publicMessagesSpacedAndCapped()
{
    m_manager->sendPublicMessage(new TextControl(1, 40));
    advance(10);
    m_manager->sendPublicMessage(new TextControl(2, 40));
    advance(40);
    Probe::firePublicTimer(*m_manager);
    QCOMPARE(controlIds(m_journal.channel), std::vector<int>{1});
    // The timer fires early: under 45 ms since the last send nothing leaves.
    advance(30);
    Probe::firePublicTimer(*m_manager);
    QCOMPARE(m_journal.channel.size(), size_t(1));
    advance(15);
    Probe::firePublicTimer(*m_manager);
    QCOMPARE(controlIds(m_journal.channel), (std::vector<int>{1, 2}));
    QCOMPARE(m_journal.channel[1].atMs - m_journal.channel[0].atMs, qint64(45));

    // Handed in faster than they leave: never more than 501 wait, the
    // oldest go first; while more than 5 wait no media copy is sent.
    m_journal = RealTimeJournal();
    TestLogCapture log;
    for (int id = 100; id < 603; ++id)
        m_manager->sendPublicMessage(new TextControl(id, 40));
    QCOMPARE(Probe::publicQueued(*m_manager), 501);
    QCOMPARE(log.messages().filter("public message count larger than 500").size(), 2);
    // Handed in within 70 ms of the last send: the status tick starts the timer.
    QVERIFY(!Probe::publicTimerActive(*m_manager));
    advance(70);
    m_manager->schedulePublicMessages();
    QVERIFY(Probe::publicTimerActive(*m_manager));
    Probe::firePublicTimer(*m_manager);
    QCOMPARE(controlIds(m_journal.channel), std::vector<int>{102});
    QVERIFY(m_journal.media.empty());
    while (Probe::publicQueued(*m_manager) > 5) {
        advance(50);
        Probe::firePublicTimer(*m_manager);
    }
    QVERIFY(m_journal.media.empty());
    advance(50);
    Probe::firePublicTimer(*m_manager);
    QCOMPARE(m_journal.media.size(), size_t(1));
}

void TestRealTimeManager::publicMessagesOwnCopies()
{
    m_course->addPublicMessage(chatMessage(1, "first"));
    m_course->addPublicMessage(chatMessage(2, "second"));
    auto *chat = new TQPublicMessageAction;
    for (TQInClassMessage *m : m_course->getRecentPublicMessages())
        chat->mMessages.push_back(m);
    m_manager->sendPublicMessage(chat);

    // The course record goes (a new course-detail reply) while it waits.
    TQDataModelBean::m_pOngoingCourse = nullptr;
    delete m_course;
    m_course = new CourseDetailBean(QJsonObject{});
    TQDataModelBean::m_pOngoingCourse = m_course;

    advance(50);
    Probe::firePublicTimer(*m_manager);
    QCOMPARE(m_journal.channel.size(), size_t(1));
    const QString text = records(m_journal.channel[0].body).join(',');
    QVERIFY2(text.contains("first") && text.contains("second"), qPrintable(text));
}

void TestRealTimeManager::publicMessageCappedBySize()
{
    // The messages stay the caller's; the queue works on its own copies.
    std::vector<std::unique_ptr<TQInClassMessage>> kept;
    auto *chat = new TQPublicMessageAction;
    const std::string body(900, 'x');
    for (int i = 0; i < 30; ++i) {
        kept.emplace_back(chatMessage(i, "<m" + std::to_string(i) + ">" + body));
        chat->mMessages.push_back(kept.back().get());
    }
    m_manager->sendPublicMessage(chat);
    advance(50);
    Probe::firePublicTimer(*m_manager);
    const std::string &sent = m_journal.channel.at(0).body;
    QVERIFY2(sent.size() <= size_t(TQRealTimeManager::kPublicMessageMaxChars) + 200, std::to_string(sent.size()).c_str());
    QVERIFY(sent.size() > size_t(TQRealTimeManager::kPublicMessageMaxChars) - 1000);
    // The newest messages are the ones kept.
    QVERIFY(sent.find("<m29>") != std::string::npos);
    QVERIFY(sent.find("<m0>") == std::string::npos);
}

void TestRealTimeManager::privateMessagesPacedAndCapped()
{
    TestLogCapture log;
    m_manager->sendPrivateMessage(new TextControl(1, 40));
    QCOMPARE(controlIds(m_journal.channel), std::vector<int>{1});
    QCOMPARE(m_journal.media.size(), size_t(1));

    advance(10);
    for (int id = 2; id <= 8; ++id)
        m_manager->sendPrivateMessage(new TextControl(id, 40));
    // The seventh waiting message pushed the oldest out.
    QCOMPARE(Probe::privateQueued(*m_manager), 6);
    QCOMPARE(log.messages().filter("private message count larger than 5").size(), 1);

    advance(979);
    m_manager->sendPendingPrivateMessages();
    QCOMPARE(m_journal.channel.size(), size_t(1));
    advance(1);
    m_manager->sendPendingPrivateMessages();
    m_manager->sendPendingPrivateMessages();
    QCOMPARE(controlIds(m_journal.channel), (std::vector<int>{1, 3}));
    QCOMPARE(m_journal.channel[1].atMs - m_journal.channel[0].atMs, qint64(990));
}

void TestRealTimeManager::controlActionsPaced()
{
    TestLogCapture log;
    for (int id = 1; id <= 12; ++id)
        m_manager->sendControlAction(new TextControl(id, 40));
    QCOMPARE(controlIds(m_journal.channel), std::vector<int>{1});
    for (int i = 0; i < 11; ++i) {
        advance(489);
        m_manager->sendPendingControlActions();
        advance(1);
        m_manager->sendPendingControlActions();
    }
    QCOMPARE(m_journal.channel.size(), size_t(12));
    for (size_t i = 1; i < m_journal.channel.size(); ++i)
        QCOMPARE(m_journal.channel[i].atMs - m_journal.channel[i - 1].atMs, qint64(490));
    // Only the send that found 11 waiting says so.
    QCOMPARE(log.messages().filter("control message count larger than 10").size(), 1);
}

// Drawing send ------------------------------------------------------------------------------

void TestRealTimeManager::drawingEnvelopes_data()
{
    QTest::addColumn<QList<int>>("lengths");
    QTest::addColumn<QList<int>>("perEnvelope");
    QTest::newRow("500 + 400") << QList<int>{500, 400} << QList<int>{1, 1};
    QTest::newRow("400 + 400 fill one") << QList<int>{400, 400} << QList<int>{2};
    QTest::newRow("1200 alone") << QList<int>{1200, 10, 10} << QList<int>{1, 2};
    QTest::newRow("10 + 1200") << QList<int>{10, 1200} << QList<int>{1, 1};
    QTest::newRow("many small") << QList<int>{100, 100, 100, 100, 100, 100, 100, 100, 100} << QList<int>{8, 1};
}

void TestRealTimeManager::drawingEnvelopes()
{
    QFETCH(QList<int>, lengths);
    QFETCH(QList<int>, perEnvelope);

    // Added while idle: sent in the same call.
    m_manager->addDrawingAction(new TextDrawing(20));
    QCOMPARE(m_journal.channel.size(), size_t(1));
    QCOMPARE(m_journal.media.size(), size_t(1));
    m_journal.channel.clear();

    advance(5);
    for (int length : lengths)
        m_manager->addDrawingAction(new TextDrawing(length));
    QVERIFY(m_journal.channel.empty());
    // Under 30 ms since the last drawing send: the tick waits.
    tick(20);
    QVERIFY(m_journal.channel.empty());
    for (int i = 0; i < perEnvelope.size() + 2; ++i)
        tick(30);

    QList<int> counts;
    int next = 1;
    for (const auto &send : m_journal.channel) {
        const QStringList texts = records(send.body);
        counts << texts.size();
        for (const QString &t : texts)
            QCOMPARE(QString(t).remove('[').section(',', 0, 0).toInt(), next++);
    }
    QCOMPARE(counts, perEnvelope);
    QCOMPARE(m_course->getDrawingActionCount(), lengths.size() + 1);
}

void TestRealTimeManager::drawingMergesOnAdd()
{
    auto piece = [](int first) {
        auto *line = new TQDrawingActionLine;
        line->strokeId = 5;
        for (int i = 0; i < 3; ++i)
            line->points.emplace_back(first + i, first + i, 0);
        return line;
    };
    m_manager->addDrawingAction(piece(0));
    // Three more pieces of the stroke while the first is on its way: they
    // merge into one pending action and one history entry.
    m_manager->addDrawingAction(piece(10));
    m_manager->addDrawingAction(piece(20));
    m_manager->addDrawingAction(piece(30));
    QCOMPARE(Probe::pendingDrawing(*m_manager), 1);
    QCOMPARE(m_course->getDrawingActionCount(), 2);
    std::string history;
    m_course->drawingActionAt(1)->toString(history);
    // The three later pieces, three points each, in one action.
    QCOMPARE(dynamic_cast<TQDrawingActionLine *>(m_course->drawingActionAt(1))->points.size(), size_t(9));
    tick(30);
    QCOMPARE(m_journal.channel.size(), size_t(2));
    const QStringList texts = records(m_journal.channel[1].body);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(QString(texts[0]).remove('[').remove(']'), QString::fromStdString(history).remove('[').remove(']'));
}

void TestRealTimeManager::drawingHeldBackByClearAll()
{
    m_manager->sendControlAction(new TextControl(1, 40));
    m_manager->sendControlAction(new TQControlClearAll);
    m_manager->addDrawingAction(new TextDrawing(40));
    tick(30);
    tick(30);
    QCOMPARE(m_journal.channel.size(), size_t(1));

    m_clock->set(kT0 + 490);
    m_manager->sendPendingControlActions();
    tick(30);
    QCOMPARE(m_journal.channel.size(), size_t(3));
    QCOMPARE(element(m_journal.channel[1].body, 1), 119);
    QCOMPARE(element(m_journal.channel[2].body, 1), 77);
}

void TestRealTimeManager::drawingPause()
{
    m_manager->pauseDrawingSending(8);
    QCOMPARE(m_manager->getDrawingPauseSeconds(), 5);
    m_manager->countDownDrawingPause();
    m_manager->pauseDrawingSending(3);
    QCOMPARE(m_manager->getDrawingPauseSeconds(), 4);
    m_manager->pauseDrawingSending(-1);
    QCOMPARE(m_manager->getDrawingPauseSeconds(), 4);

    for (int i = 0; i < 3; ++i)
        m_manager->addDrawingAction(new TextDrawing(40));
    // Numbered and recorded at once, held back while the pause lasts.
    QCOMPARE(m_course->getDrawingActionCount(), 3);
    for (int second = 0; second < 4; ++second) {
        tick(1000);
        QVERIFY(m_journal.channel.empty());
        m_manager->countDownDrawingPause();
    }
    QCOMPARE(m_manager->getDrawingPauseSeconds(), 0);
    tick(30);
    QCOMPARE(m_journal.channel.size(), size_t(1));
    QCOMPARE(records(m_journal.channel[0].body).size(), 3);
}

void TestRealTimeManager::fetchesShareAndSupersede()
{
    fillHistoryAndHoldDrawing(300);
    TestLogCapture log;
    m_manager->registerUserIDForBulkSending({7, 0, 299, 0, true});
    m_manager->registerUserIDForBulkSending({8, 0, 299, 0, true});
    QCOMPARE(log.messages().filter("merge update 8, total: 2").size(), 1);
    QCOMPARE(Probe::fetchUids(*m_manager, true), (std::vector<std::vector<int>>{{7, 8}}));
    tick(30);

    // Student 7 asks again for another range: he leaves the first fetch,
    // which still runs to its end for student 8.
    m_manager->registerUserIDForBulkSending({7, 200, 299, 200, true});
    QCOMPARE(Probe::fetchUids(*m_manager, true), (std::vector<std::vector<int>>{{8}, {7}}));
    QCOMPARE(log.messages().filter("create TQLateRequestFetch uid=7 start-end(200, 299)").size(), 1);
    for (int i = 0; i < 10 && !Probe::fetchUids(*m_manager, true).empty(); ++i)
        tick(30);
    QVERIFY(Probe::fetchUids(*m_manager, true).empty());

    QStringList receivers;
    QStringList ends;
    for (const auto &send : m_journal.channel) {
        const QStringList texts = records(send.body);
        receivers << texts.value(1);
        if (texts.last() == "end]")
            ends << texts.value(1);
    }
    QVERIFY(m_journal.media.empty());
    QCOMPARE(receivers.mid(0, 2), (QStringList{"7,8", "7,8"}));
    QCOMPARE(receivers.count("8"), 2);
    QCOMPARE(receivers.count("7"), 2);
    // Both fetches ran to their ends.
    ends.sort();
    QCOMPARE(ends, (QStringList{"7", "8"}));
}

// A history of `count` actions of 100 characters (96 fill a chunk), and a
// paused drawing that keeps the drawing side busy, so that a registration
// does not send a chunk at once.
void TestRealTimeManager::fillHistoryAndHoldDrawing(int count)
{
    for (int i = 0; i < count; ++i) {
        auto *a = new TextDrawing(100);
        a->drawingIndex = i;
        m_course->addDrawingAction(a, -1);
    }
    m_manager->pauseDrawingSending(5);
    m_manager->addDrawingAction(new TextDrawing(40));
    m_journal.channel.clear();
}

void TestRealTimeManager::fastFetchesBeforeSlow()
{
    fillHistoryAndHoldDrawing(100);
    // Slow 0-99 (two chunks); fast 0-99 (two chunks), 10-99 and 20-99 (one each).
    m_manager->registerUserIDForBulkSending({1, 0, 99, 0, false});
    m_manager->registerUserIDForBulkSending({2, 0, 99, 0, true});
    m_manager->registerUserIDForBulkSending({3, 10, 99, 10, true});
    m_manager->registerUserIDForBulkSending({4, 20, 99, 20, true});
    QVERIFY(m_journal.channel.empty());

    // Per tick, the modes of the chunks sent (0 fast, 1 slow): two fast
    // chunks a tick, the slow fetch only in ticks that sent nothing else.
    QList<QList<int>> ticks;
    for (int i = 0; i < 5; ++i) {
        tick(30);
        QList<int> modes;
        for (const auto &s : m_journal.channel)
            modes << element(s.body, 2);
        m_journal.channel.clear();
        ticks << modes;
    }
    QCOMPARE(ticks, (QList<QList<int>>{{0, 0}, {0, 0}, {1}, {1}, {}}));
}

void TestRealTimeManager::binaryPartition()
{
    setPlayMode(2);
    const QByteArray raw("\x01\x00\x02\x03", 4);
    m_manager->sendBinaryPartition("{\"p\":1}", &raw, 42);
    m_manager->sendBinaryPartition("{\"p\":2}", nullptr, 43);
    QCOMPARE(m_journal.channel.size(), size_t(2));
    QCOMPARE(m_journal.channel[0].raw, raw);
    QVERIFY(!m_journal.channel[0].thruMainChannel);
    QCOMPARE(m_journal.channel[0].targetUserID, 42L);
    QVERIFY(m_journal.channel[1].raw.isNull());
    const QJsonObject envelope = QJsonDocument::fromJson(QByteArray::fromStdString(m_journal.channel[0].body)).object();
    QCOMPARE(envelope.value("tqType").toString(), QString("6"));
    QVERIFY(m_journal.media.empty());
}

QTEST_GUILESS_MAIN(TestRealTimeManager)
#include "tst_realtimemanager.moc"
