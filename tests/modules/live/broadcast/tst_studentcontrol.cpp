// The teacher's control of single students: the class's service object and
// the random-pick adapter drive the product's real-time manager, which sends
// over the stand-in SDK to SimStudents on the same in-process hub. The
// control queue is paced on the settable clock (one action per half second),
// so the tests pump it in 100 ms steps of simulated time; assertions are on
// the envelopes the students really decoded, on the course's records and on
// the student-writing manager's buffers.

#include "modules/live/broadcast/TQBroadCastMethodService.h"

#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQBroadCastRandomSelectInterface.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/draws/TQStudentWritingManager.h"
#include "modules/live/userlist/TQRemoteUser.h"
#include "modules/live/userlist/TQUserListManager.h"
#include "modules/login/LoginManager.h"

#include "rtsdk/StandInControl.h"

#include <QJsonObject>
#include <QtTest>

#include "ClassHarness.h"
#include "CourseWithHistory.h"
#include "RecordingWindow.h"
#include "SimStudent.h"
#include "TQRealTimeManagerProbe.h"
#include "TestClock.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr long kTeacher = 900;
constexpr long kSchedule = 30001;
constexpr qint64 kT0 = 1700000000000;

struct Class
{
    TQBroadCastMethodService &service;
    TQBroadCastRandomSelectInterface &randomSelect;
    CourseDetailBean &course;
    CParticipantBean &s7;
    CParticipantBean &s8;
};

using Step = std::function<void(Class &)>;

} // namespace

Q_DECLARE_METATYPE(Step)

class TestStudentControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlTexts_data();
    void controlTexts();
    void randomPickClearsTheRunningPick();
    void silentStudentsKeepTheQueueShort();
    void suspendedWritersAllLeaveAfterASecond();
    void quickRestoreKeepsTheWriters();
    void suspendWithoutWritersRestoresNothing();
    void iconClickLowersTheHand();
    void stageAndFullscreen_data();
    void stageAndFullscreen();

private:
    // The class's context with its real-time manager logged in to the
    // stand-in, a window that never started, the service and the adapter.
    bool openClass();
    // Students 1..count join the class's channels and the course's list.
    void addStudents(int count);
    CParticipantBean *student(int id) const { return m_course->getParticipant(id); }
    // Simulated time passes in 100 ms steps, the control queue sending as
    // the class window's tick makes it; `each` runs after every step.
    void pump(int ms, const std::function<void(qint64)> &each = nullptr);
    // "text>receiver" of every control envelope a student decoded, in order.
    QStringList controlTexts(const SimStudent &student) const;

    std::unique_ptr<CourseDetailBean> m_course;
    RecordingWindow m_delegate;
    TQLiveBroadCastContext *m_context = nullptr;
    std::unique_ptr<TQLiveBroadCastActivity> m_window;
    std::unique_ptr<TQBroadCastMethodService> m_service;
    std::unique_ptr<TQBroadCastRandomSelectInterface> m_randomSelect;
    std::map<int, std::unique_ptr<SimStudent>> m_students;
    std::unique_ptr<TestClock> m_clock;
};

void TestStudentControl::init()
{
    m_course.reset(newCourseWithHistory(kSchedule, 0));
    TQDataModelBean::m_pOngoingCourse = m_course.get();
}

bool TestStudentControl::openClass()
{
    LoginManager::saveLoginInfo(QJsonObject{
        {"tokenStatus", QJsonObject{{"token", "t"}}},
        {"accountDetails", QJsonObject{{"user_id", QString::number(kTeacher)}, {"user_nick_name", "T"}}}});
    rtsdk::StandInControl::reset();
    m_delegate = RecordingWindow();
    m_context = new TQLiveBroadCastContext();
    m_context->m_pRealTimeManager->setDelegate(&m_delegate);
    m_context->m_pRealTimeManager->init(0, 1, 4);
    m_context->m_pRealTimeManager->loadDataChannel();
    if (!SimStudent::waitUntil([&] { return m_delegate.count("dataNetworkConnected") == 1; }))
        return false;

    // A window that never started: it keeps the suspended writers and has
    // no student list.
    m_window = std::make_unique<TQLiveBroadCastActivity>(3001, int(kSchedule));
    m_service = std::make_unique<TQBroadCastMethodService>(m_window.get(), m_context);
    m_randomSelect = std::make_unique<TQBroadCastRandomSelectInterface>(m_service.get(), m_context);
    m_clock = std::make_unique<TestClock>(kT0);
    return true;
}

void TestStudentControl::cleanup()
{
    m_randomSelect.reset();
    m_service.reset();
    m_window.reset();
    for (auto &s : m_students)
        s.second->leave();
    m_students.clear();
    delete m_context;
    m_context = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    rtsdk::StandInControl::reset();
    TQDataModelBean::m_pOngoingCourse = nullptr;
    m_course.reset();
    m_clock.reset();
}

void TestStudentControl::addStudents(int count)
{
    for (int id = 1; id <= count; ++id) {
        auto sim = std::make_unique<SimStudent>(id, kSchedule);
        QVERIFY2(sim->enter(), qPrintable(QString::number(id)));
        m_students[id] = std::move(sim);
        auto *p = new CParticipantBean;
        p->mUserId = id;
        p->userBriefInfo.userId = std::to_string(id);
        p->bystander = "0";
        p->mClassJoinedInData = true;
        m_course->participants << p;
        m_course->addUserToHashMap(p);
    }
    QVERIFY(SimStudent::waitUntil([&] { return m_delegate.calls.filter("online").size() >= count; }));
}

void TestStudentControl::pump(int ms, const std::function<void(qint64)> &each)
{
    for (int t = 0; t < ms; t += 100) {
        m_clock->advance(100);
        m_context->m_pRealTimeManager->sendPendingControlActions();
        if (each)
            each(m_clock->now() - kT0);
    }
}

QStringList TestStudentControl::controlTexts(const SimStudent &student) const
{
    QStringList texts;
    for (const SimStudent::Envelope &e : student.envelopes())
        if (e.tqType == 3)
            texts << QStringLiteral("%1>%2").arg(e.tqMsg).arg(e.tqRec);
    return texts;
}

void TestStudentControl::controlTexts_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("off stage, students' audio off")
        << Step([](Class &c) {
               c.course.mDefaultStudentAudioOn = false;
               c.s7.mPickedForTalk = 1;
               c.service.studentOffStage(7);
               QCOMPARE(c.s7.mPickedForTalk, 0);
               QVERIFY(!c.s7.mShouldAudioOn);
           })
        << QStringList{"[-1,121,7]>-1", "[-1,101,7]>7"};
    QTest::newRow("off stage, students' audio on")
        << Step([](Class &c) {
               c.s7.mPickedForTalk = 1;
               c.service.studentOffStage(7);
               QVERIFY(c.s7.mShouldAudioOn);
           })
        << QStringList{"[-1,121,7]>-1"};
    QTest::newRow("off stage, already off")
        << Step([](Class &c) { c.service.studentOffStage(7); }) << QStringList{};
    QTest::newRow("off stage, unknown student")
        << Step([](Class &c) { c.service.studentOffStage(99); }) << QStringList{};
    QTest::newRow("writing granted")
        << Step([](Class &c) {
               c.service.assignWritingRight(7);
               QVERIFY(c.s7.mWritingEnabled);
           })
        << QStringList{"[-1,105,7]>7"};
    QTest::newRow("writing revoked in the popover")
        << Step([](Class &c) {
               c.s7.mWritingEnabled = true;
               c.service.revokeStudentWriting(0, 7);
               QVERIFY(!c.s7.mWritingEnabled);
           })
        << QStringList{"[-1,106,7,0]>7"};
    QTest::newRow("every writer revoked at the end of the class")
        << Step([](Class &c) {
               c.s7.mWritingEnabled = true;
               c.s8.mWritingEnabled = true;
               c.service.revokeAllStudentWriting();
           })
        << QStringList{"[-1,106,7,8]>7", "[-1,106,8,8]>8"};
    QTest::newRow("teacher off stage")
        << Step([](Class &c) {
               c.course.mTeacherOnStage = 1;
               c.service.teacherOffStage();
               QCOMPARE(c.course.mTeacherOnStage, 0);
               c.service.teacherOffStage();
           })
        << QStringList{"[-1,155,900]>-1"};
    QTest::newRow("all off stage")
        << Step([](Class &c) {
               c.course.mTeacherOnStage = 3;
               c.s7.mPickedForTalk = 3;
               c.s8.mPickedForTalk = 1;
               c.service.allOffStage();
               QCOMPARE(c.s8.mPickedForTalk, 0);
           })
        << QStringList{"[-1,155,900]>-1", "[-1,121,7]>-1", "[-1,121,8]>-1"};
    QTest::newRow("permission request to everyone")
        << Step([](Class &c) { c.service.requestPermissionInfo(true); }) << QStringList{"[-1,156,-1,default]>-1"};
    QTest::newRow("random pick rolls")
        << Step([](Class &c) { c.randomSelect.startRandomSelect({"11", "22", "33"}); })
        << QStringList{"[-1,123,11,22,33]>-1"};
    QTest::newRow("random pick rolls over nobody")
        << Step([](Class &c) { c.randomSelect.startRandomSelect({}); }) << QStringList{"[-1,123,]>-1"};
    QTest::newRow("random pick stops")
        << Step([](Class &c) { c.randomSelect.stopRandomSelect(22); }) << QStringList{"[-1,124,22]>-1"};
    QTest::newRow("random pick closes")
        << Step([](Class &c) { c.randomSelect.closeRandomSelect(); }) << QStringList{"[-1,125,0]>-1"};
    QTest::newRow("picked student goes up")
        << Step([](Class &c) { c.randomSelect.upstage(22); }) << QStringList{"[-1,125,0]>-1"};
}

void TestStudentControl::controlTexts()
{
    QFETCH(Step, step);
    QFETCH(QStringList, expected);
    QVERIFY(openClass());
    addStudents(8);
    Class c{*m_service, *m_randomSelect, *m_course, *student(7), *student(8)};
    step(c);
    if (QTest::currentTestFailed())
        return;
    pump(3000);
    // Channel messages reach every student: student 1 sees them all.
    const SimStudent &observer = *m_students.at(1);
    QVERIFY(SimStudent::waitUntil([&] { return controlTexts(observer).size() >= expected.size(); }));
    QTest::qWait(100);
    QCOMPARE(controlTexts(observer), expected);
}

void TestStudentControl::randomPickClearsTheRunningPick()
{
    QVERIFY(openClass());
    m_course->mRandomPickRunning = true;
    m_context->m_pRunningRandomSelect = reinterpret_cast<TQRandomSelectLayout *>(0x1);
    m_randomSelect->closeRandomSelect();
    QVERIFY(!m_course->mRandomPickRunning);
    QVERIFY(!m_context->m_pRunningRandomSelect);
}

// Thirty students who never answer the permission request, asked as the
// window does on every third status tick: the queue stays short, everyone is
// asked, nobody more often than every 30 s, and a revoke at 60 s is on its
// way within about a second.
void TestStudentControl::silentStudentsKeepTheQueueShort()
{
    QVERIFY(openClass());
    addStudents(30);
    TQRealTimeManager &manager = *m_context->m_pRealTimeManager;
    int longestQueue = 0;
    pump(60000, [&](qint64 elapsed) {
        if (elapsed % 3000 == 0)
            m_service->requestPermissionInfo(false);
        longestQueue = std::max(longestQueue, TQRealTimeManagerProbe::controlQueued(manager));
    });
    QVERIFY2(longestQueue <= 3, qPrintable(QString::number(longestQueue)));

    m_service->revokeStudentWriting(0, 7);
    pump(1100);
    SimStudent &seven = *m_students.at(7);
    QVERIFY(SimStudent::waitUntil([&] { return controlTexts(seven).contains("[-1,106,7,0]>7"); }));

    QMap<QString, int> asked;
    for (const QString &text : controlTexts(seven))
        if (text.startsWith("[-1,156,"))
            ++asked[text.section(',', 2, 2)];
    QCOMPARE(asked.size(), 30);
    for (auto it = asked.cbegin(); it != asked.cend(); ++it)
        QVERIFY2(it.value() <= 2, qPrintable(it.key()));
}

// An exercise suspends three writers at once: their buffers stay while
// their last strokes may still come, and all three go a second later.
void TestStudentControl::suspendedWritersAllLeaveAfterASecond()
{
    QVERIFY(openClass());
    addStudents(4);
    TQStudentWritingManager &writing = *m_context->m_pStudentWritingManager;
    for (int id : {2, 3, 4})
        m_service->assignWritingRight(id);
    for (int id : {2, 3, 4})
        QVERIFY(writing.buffer(id));

    QVERIFY(m_service->suspendAllStudentWriting(4));
    QCOMPARE(m_window->suspendedWritingUserIds(), (std::vector<int>{2, 3, 4}));
    for (int id : {2, 3, 4})
        QVERIFY(writing.buffer(id));
    QTRY_VERIFY_WITH_TIMEOUT(!writing.buffer(2) && !writing.buffer(3) && !writing.buffer(4), 3000);

    m_service->restoreStudentWriting();
    QVERIFY(m_window->suspendedWritingUserIds().empty());
    for (int id : {2, 3, 4}) {
        QVERIFY(student(id)->mWritingEnabled);
        QVERIFY(writing.buffer(id));
    }
    pump(4000);
    const QStringList expected{"[-1,105,2]>2", "[-1,105,3]>3", "[-1,105,4]>4", "[-1,106,2,4]>2",
                               "[-1,106,3,4]>3", "[-1,106,4,4]>4", "[-1,105,2]>2", "[-1,105,3]>3",
                               "[-1,105,4]>4"};
    const SimStudent &observer = *m_students.at(1);
    QVERIFY(SimStudent::waitUntil([&] { return controlTexts(observer).size() >= expected.size(); }));
    QCOMPARE(controlTexts(observer), expected);
}

// An exercise that ends within the second: the students write again, so
// the delayed removal must not take their buffers.
void TestStudentControl::quickRestoreKeepsTheWriters()
{
    QVERIFY(openClass());
    addStudents(3);
    TQStudentWritingManager &writing = *m_context->m_pStudentWritingManager;
    for (int id : {2, 3})
        m_service->assignWritingRight(id);
    QVERIFY(m_service->suspendAllStudentWriting(5));
    m_service->restoreStudentWriting();
    QTest::qWait(TQBroadCastMethodService::kWriterRemovalDelayMs + 300);
    QVERIFY(writing.buffer(2));
    QVERIFY(writing.buffer(3));
}

void TestStudentControl::suspendWithoutWritersRestoresNothing()
{
    QVERIFY(openClass());
    addStudents(2);
    m_window->suspendedWritingUserIds() = {5};
    QVERIFY(!m_service->suspendAllStudentWriting(4));
    QVERIFY(m_window->suspendedWritingUserIds().empty());
    m_service->restoreStudentWriting();
    QVERIFY(!student(1)->mWritingEnabled);
    QCOMPARE(TQRealTimeManagerProbe::controlQueued(*m_context->m_pRealTimeManager), 0);
}

void TestStudentControl::iconClickLowersTheHand()
{
    QVERIFY(openClass());
    addStudents(2);
    student(2)->mTimeStampHandRaised = kT0 - 500;
    m_service->commonStudentIconClicked(2);
    QCOMPARE(student(2)->mTimeStampHandRaised, qint64(0));
    m_service->commonStudentIconClicked(77);
}

// Stage states against a started window's student list (the window is
// never shown, so it asks for no course detail and the test's course holds).
// States: 0 off stage, 1 on stage, 2 the only one in full screen, 3 on
// stage while all are in full screen. Student 0 is the lecturing teacher.
void TestStudentControl::stageAndFullscreen_data()
{
    QTest::addColumn<QList<int>>("before");  // students 0..3
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<QList<int>>("onStageAfter");

    QTest::newRow("full screen takes the others off") << QList<int>{0, 1, 1, 1} << "full 2" << QList<int>{0, 0, 2, 0}
                                                      << QList<int>{2};
    QTest::newRow("full screen of a student off stage") << QList<int>{0, 1, 0, 0} << "full 2"
                                                        << QList<int>{0, 0, 0, 0} << QList<int>{};
    QTest::newRow("leaving full screen") << QList<int>{0, 0, 2, 0} << "exit 2" << QList<int>{0, 0, 1, 0}
                                         << QList<int>{2};
    QTest::newRow("leaving a full screen never entered") << QList<int>{0, 0, 1, 0} << "exit 2"
                                                         << QList<int>{0, 0, 1, 0} << QList<int>{2};
    QTest::newRow("all in full screen") << QList<int>{1, 1, 0, 2} << "all" << QList<int>{3, 3, 0, 2}
                                        << QList<int>{0, 1, 3};
    QTest::newRow("all back from full screen") << QList<int>{3, 3, 0, 2} << "exit all" << QList<int>{1, 1, 0, 2}
                                               << QList<int>{0, 1, 3};
}

void TestStudentControl::stageAndFullscreen()
{
    QFETCH(QList<int>, before);
    QFETCH(QString, operation);
    QFETCH(QList<int>, after);
    QFETCH(QList<int>, onStageAfter);

    ClassHarness harness;
    QVERIFY(harness.isReady());
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(), false);
    QVERIFY(window && window->userListManager());
    TQUserListManager &list = *window->userListManager();
    constexpr int kLecturer = 500;
    m_course->lecture_teacher = std::make_unique<CParticipantBean>();
    m_course->lecture_teacher->mUserId = kLecturer;
    const auto idOf = [&](int i) { return i == 0 ? kLecturer : i; };
    for (int i = 1; i < before.size(); ++i) {
        auto *p = new CParticipantBean;
        p->mUserId = i;
        p->userBriefInfo.userId = std::to_string(i);
        m_course->participants << p;
        m_course->addUserToHashMap(p);
    }
    const auto stateOf = [&](int i) {
        return i == 0 ? m_course->lecture_teacher->mPickedForTalk : m_course->getParticipant(i)->mPickedForTalk;
    };
    for (int i = 0; i < before.size(); ++i) {
        (i == 0 ? m_course->lecture_teacher->mPickedForTalk : m_course->getParticipant(i)->mPickedForTalk) = before[i];
        if (before[i] != 0)
            list.addOnStageStudent(TQRemoteUser(idOf(i), "S"));
    }
    m_course->mTeacherOnStage = before[0];
    if (operation == "exit all")
        list.allStudentFullscreen(true);

    TQBroadCastMethodService service(window, window->context());
    QSignalSpy fullscreen(&list, &TQUserListManager::sendStudentFullscreen_signal);
    QSignalSpy offStage(&list, &TQUserListManager::sendStudentOffStage_signal);
    QSignalSpy all(&list, &TQUserListManager::sendAllStudentFullscreen_signal);
    if (operation == "full 2")
        service.studentFullscreen(2);
    else if (operation == "exit 2")
        service.exitStudentFullscreen(2);
    else if (operation == "all")
        service.allStudentFullscreen();
    else
        service.exitAllStudentFullscreen();

    QList<int> states;
    for (int i = 0; i < before.size(); ++i)
        states << stateOf(i);
    QCOMPARE(states, after);
    QCOMPARE(m_course->mTeacherOnStage, after[0]);
    QList<int> onStage;
    for (int id : list.onStageUserIDs())
        onStage << (id == kLecturer ? 0 : id);
    QCOMPARE(onStage, onStageAfter);
    QCOMPARE(fullscreen.size(), after[2] == 2 && before[2] != 2 ? 1 : 0);
    int wentOff = 0;
    for (int i = 1; i < before.size(); ++i)
        wentOff += before[i] != 0 && after[i] == 0 ? 1 : 0;
    QCOMPARE(offStage.size(), wentOff);
    if (operation.contains("all")) {
        QCOMPARE(all.size(), 1);
        QCOMPARE(all.first().first().toBool(), operation == "all");
        QCOMPARE(list.isAllStudentsFullscreen(), false);
    }
    TQDataModelBean::m_pOngoingCourse = nullptr;
    QVERIFY(harness.close());
}

QTEST_MAIN(TestStudentControl)
#include "tst_studentcontrol.moc"
