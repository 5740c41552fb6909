// The class start in the test process, through the class harness against the
// stand-in service and the stand-in real-time SDK: the course detail's
// decisions (class type, refused entry, the overdue big class, the
// communication-fee box answered every way, the speaking-mode notice), the
// keep-board question on re-entry, the 40 s connect guard on the product
// clock, the forced start on the post-delay tick, one balance unit in both
// balance boxes, the live-stream timers from server figures, and a class
// that starts for real: a simulated student in the channel receives the
// teacher's clear-all sent at the start.
#include "ClassHarness.h"
#include "SimStudent.h"
#include "TestClock.h"
#include "TestLogCapture.h"

#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/broadcast/TQLiveStreamInfo.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/login/LoginManager.h"
#include "platform/http/ApiPaths.h"
#include "rtsdk/StandInControl.h"

#include <QAbstractEventDispatcher>
#include <QDateTime>
#include <QJsonArray>
#include <QSignalSpy>
#include <QtTest>

#include <climits>

Q_DECLARE_METATYPE(ModalAnswerer::Answer)

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
const QString kPayTitle = QStringLiteral("本堂课将由您代缴正式学生的通讯费");
const QString kPayNote = QStringLiteral("，(注意: 课程一旦开始，将无法更改代缴通讯费设置)");
const QString kFreeNotice =
    QStringLiteral("提示|本节课正式生不到10人，我们默认为你切换到自由发言模式。\n你可以在“课堂设置”里随时切换此设置");
const QString kMutedNotice =
    QStringLiteral("提示|本节课正式生超过10人，我们将默认为你切换到禁言模式。\n你可以在“课堂设置”里随时切换此设置");
const QString kForceStartNotice = QStringLiteral(
    "|直播网络服务可能有问题。如果开始上课后学生看不到板书或者您看不到/听不到学生，请退出课堂，重新进入");

qint64 secsOf(const QJsonObject &detail, const char *key)
{
    return QDateTime::fromString(detail.value(QLatin1String(key)).toString(), kTimeFormat).toSecsSinceEpoch();
}

QJsonObject patched(QJsonObject detail, const QJsonObject &patch)
{
    for (auto it = patch.begin(); it != patch.end(); ++it)
        detail.insert(it.key(), it.value());
    return detail;
}

// Intervals of the timers the object has registered now. Qt keeps long
// timers in whole seconds and reports them in ms as an int, which wraps for
// the longest: read back as unsigned.
QList<qint64> timerIntervals(QObject *object)
{
    QList<qint64> intervals;
    for (const QAbstractEventDispatcher::TimerInfo &info :
         QAbstractEventDispatcher::instance()->registeredTimers(object))
        intervals << qint64(quint32(info.interval));
    return intervals;
}

} // namespace

class TestClassStart : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void courseDetail_data();
    void courseDetail();
    void keepBoardQuestion_data();
    void keepBoardQuestion();
    void connectGuard();
    void interruptedDataChannelIsReloaded();
    void forcedStartOnTheFifteenthTick();
    void balanceBoxesShareOneUnit();
    void liveStreamTimers_data();
    void liveStreamTimers();
    void classStartsAndReachesAStudent();
};

void TestClassStart::init()
{
    // Each case starts as a first entry: no course of an earlier class.
    delete TQDataModelBean::m_pOngoingCourse;
    TQDataModelBean::m_pOngoingCourse = nullptr;
}

void TestClassStart::courseDetail_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("students");
    QTest::addColumn<QJsonObject>("patch");
    // Seconds past the course's end time at which the detail arrives.
    QTest::addColumn<int>("pastEnd");
    QTest::addColumn<ModalAnswerer::Answer>("answer");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<int>("finalType");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("notice");

    const QJsonObject pay{{"pay_for_communication", 1}, {"l_balance", 600}, {"price_per_hour", 150}};
    // 600 fen for 3 students at 2.5 per minute each: 80 minutes.
    const QString payBox = kPayTitle + QStringLiteral("|当前余额6元，本节课正式生人数3人，预计可以使用80分钟") + kPayNote
                           + QStringLiteral("|开始上课,取消");
    const QString overdueBox = QStringLiteral("|已超过课堂预设结束时间15分钟，课程即将结束。|知道了");
    const auto A = ModalAnswerer::PressSecond;

    QTest::newRow("live class") << 0 << 3 << QJsonObject() << 0 << A << true << 0 << QStringList() << kFreeNotice;
    QTest::newRow("recorded lesson keeps its type")
        << 1 << 3 << QJsonObject() << 0 << A << true << 1 << QStringList() << kFreeNotice;
    QTest::newRow("price type 3 is a big class")
        << 0 << 3 << QJsonObject{{"price_type", 3}} << 0 << A << true << 3 << QStringList() << kFreeNotice;
    QTest::newRow("big class 900 s past its end starts")
        << 0 << 3 << QJsonObject{{"price_type", 4}} << 900 << A << true << 3 << QStringList() << kFreeNotice;
    QTest::newRow("big class 901 s past its end closes")
        << 0 << 3 << QJsonObject{{"price_type", 4}} << 901 << A << false << 3 << QStringList{overdueBox}
        << QString();
    QTest::newRow("live class long past its end starts")
        << 0 << 3 << QJsonObject() << 86400 << A << true << 0 << QStringList() << kFreeNotice;
    QTest::newRow("refused entry closes")
        << 0 << 3 << QJsonObject{{"entry_class_state", 0}, {"entry_class_state_info", "课程已结束"}} << 0 << A << false
        << 0 << QStringList{QStringLiteral("|课程已结束|知道了")} << QString();
    QTest::newRow("refused entry still enters a rehearsal")
        << 2 << 3 << QJsonObject{{"entry_class_state", 0}, {"entry_class_state_info", "课程已结束"}} << 0 << A << true
        << 2 << QStringList() << QString();
    QTest::newRow("10 students speak freely")
        << 0 << 10 << QJsonObject() << 0 << A << true << 0 << QStringList() << kFreeNotice;
    QTest::newRow("11 students are muted")
        << 0 << 11 << QJsonObject() << 0 << A << true << 0 << QStringList() << kMutedNotice;
    QTest::newRow("pay box: start") << 0 << 3 << pay << 0 << ModalAnswerer::PressFirst << true << 0
                                    << QStringList{payBox} << kFreeNotice;
    QTest::newRow("pay box: cancel") << 0 << 3 << pay << 0 << ModalAnswerer::PressSecond << false << 0
                                     << QStringList{payBox} << QString();
    QTest::newRow("pay box: escape is no consent")
        << 0 << 3 << pay << 0 << ModalAnswerer::Escape << false << 0 << QStringList{payBox} << QString();
    QTest::newRow("pay box: closed is no consent")
        << 0 << 3 << pay << 0 << ModalAnswerer::Close << false << 0 << QStringList{payBox} << QString();
    QTest::newRow("pay without students asks nothing")
        << 0 << 0 << pay << 0 << A << true << 0 << QStringList() << kFreeNotice;
    QTest::newRow("pay below 60 an hour asks nothing")
        << 0 << 3 << patched(pay, {{"price_per_hour", 59}}) << 0 << A << true << 0 << QStringList() << kFreeNotice;
}

void TestClassStart::courseDetail()
{
    QFETCH(int, type);
    QFETCH(int, students);
    QFETCH(QJsonObject, patch);
    QFETCH(int, pastEnd);
    QFETCH(ModalAnswerer::Answer, answer);
    QFETCH(bool, starts);
    QFETCH(int, finalType);
    QFETCH(QStringList, boxes);
    QFETCH(QString, notice);

    ClassHarness harness;
    QVERIFY(harness.isReady());
    const QJsonObject detail = patched(harness.courseDetailWithStudents(students), patch);
    harness.setCourseDetail(detail);
    harness.answerDialogs(answer);
    harness.clock().set((secsOf(detail, "course_end_time") + pastEnd) * 1000);

    QPointer<TQLiveBroadCastActivity> window = harness.open(type, QSize(1350, 800));
    QVERIFY(window);
    QSignalSpy closed(window.data(), &TQLiveBroadCastActivity::closed);
    TQRealTimeManager *manager = window->context()->m_pRealTimeManager;

    if (starts) {
        QTRY_VERIFY(manager->isInitialised());
        QVERIFY(window);
        QCOMPARE(closed.count(), 0);
        // The engines follow the class type: above 0 the local ones.
        QCOMPARE(window->startType(), finalType);
        QCOMPARE(manager->getStartType(), finalType);
        QCOMPARE(manager->getRtcType(), 1);
        QCOMPARE(manager->getRtmType(), 4);
        QVERIFY(window->isPostDelayTimerActive());
        const CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
        QVERIFY(course);
        QCOMPARE(course->participants.size(), students);
        QCOMPARE(window->windowTitle(), QStringLiteral("二次函数的图像与性质 (30001)"));
        QCOMPARE(window->coinsPerSecond(), course->price_per_hour / 3600.0);
        QVERIFY(course->mClassEntryStamp != 0);
        if (type == TQLiveBroadCastActivity::kRehearsal) {
            QCOMPARE(course->mPlayMode, 2);
            QCOMPARE(qint64(window->rehearsalSecondsToStart()),
                     secsOf(detail, "course_time") - harness.clock().now() / 1000 - 840);
        }
        if (!notice.isEmpty()) {
            QCOMPARE(ClassHarness::openNotices(), QStringList{notice});
            for (const CParticipantBean *p : course->participants)
                QCOMPARE(p->mShouldAudioOn, notice == kFreeNotice);
            QCOMPARE(course->mDefaultStudentAudioOn, notice == kFreeNotice);
            QCOMPARE(course->mSessionStatusDue, 1);
        }
        // The on-line report went out once.
        QTRY_COMPARE(harness.service().requestsTo(ApiPaths::kPushCourseScheduleFeedback).size(), 1);
    } else {
        QTRY_VERIFY(window.isNull());
        QCOMPARE(closed.count(), 1);
    }
    QCOMPARE(harness.dialogTexts(), boxes);
}

void TestClassStart::keepBoardQuestion_data()
{
    QTest::addColumn<ModalAnswerer::Answer>("answer");
    QTest::addColumn<bool>("kept");

    QTest::newRow("keep") << ModalAnswerer::PressFirst << true;
    QTest::newRow("start afresh") << ModalAnswerer::PressSecond << false;
    QTest::newRow("dismissed starts afresh") << ModalAnswerer::Escape << false;
}

void TestClassStart::keepBoardQuestion()
{
    QFETCH(ModalAnswerer::Answer, answer);
    QFETCH(bool, kept);

    ClassHarness harness;
    QVERIFY(harness.isReady());
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
    QTRY_VERIFY(TQDataModelBean::m_pOngoingCourse);
    // A mark of the first class's record (a new record may reuse its address).
    TQDataModelBean::m_pOngoingCourse->mClassroomChangeCount = 4242;
    QVERIFY(harness.dialogTexts().isEmpty());
    QVERIFY(harness.close());

    harness.answerDialogs(answer);
    window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
    QTRY_VERIFY(window->context()->m_pRealTimeManager->isInitialised());
    QCOMPARE(harness.dialogTexts(), QStringList{QStringLiteral("|保存这节课之前的板书？|保留板书,重新开始")});
    QCOMPARE(window->keepsBoard(), kept);
    QCOMPARE(TQDataModelBean::m_pOngoingCourse->mClassroomChangeCount == 4242, kept);
}

void TestClassStart::connectGuard()
{
    ClassHarness harness;
    QVERIFY(harness.isReady());
    TestClock &clock = harness.clock();
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
    QTRY_VERIFY(window->context()->m_pRealTimeManager->isInitialised());

    TestLogCapture log;
    const QString refused = QStringLiteral("connect RTC/RTM error for time");
    const QString accepted = QStringLiteral("connectToRealTimeNetworks start data engine");
    auto count = [&log](const QString &text) { return log.messages().filter(text).size(); };

    clock.advance(40000);
    window->connectToRealTimeNetworks();
    QCOMPARE(count(refused), 1);
    QCOMPARE(count(accepted), 0);

    clock.advance(1);
    window->connectToRealTimeNetworks();
    QCOMPARE(count(refused), 1);
    QCOMPARE(count(accepted), 1);

    // The accepted call restarted the guard.
    clock.advance(39999);
    window->connectToRealTimeNetworks();
    QCOMPARE(count(refused), 2);
}

void TestClassStart::interruptedDataChannelIsReloaded()
{
    ClassHarness harness;
    QVERIFY(harness.isReady());
    TestClock &clock = harness.clock();
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
    TQRealTimeManager *manager = window->context()->m_pRealTimeManager;
    QTRY_VERIFY(manager->isDataChannelLoggedIn());

    // The message channel drops the teacher's session (state 5, no kick-out).
    const std::string teacher = LoginManager::getUserID().toStdString() + "_rtm";
    QCOMPARE(rtsdk::StandInControl::forceConnectionState(teacher, 5, 2), 1);
    QTRY_VERIFY(manager->isDataChannelInterrupted());

    TestLogCapture log;
    clock.advance(TQLiveBroadCastActivity::kConnectGuardMs + 1);
    window->connectToRealTimeNetworks();
    QCOMPARE(log.messages().filter(QStringLiteral("restarting data engine on resume")).size(), 1);
    QVERIFY(!manager->isDataChannelLoggedIn());
    QVERIFY(timerIntervals(window).contains(TQLiveBroadCastActivity::kPostDelayReloadMs));

    // The post-delay tick loads it again, the last load being long past.
    window->timedPostDelayCheck();
    QTRY_VERIFY(manager->isDataChannelLoggedIn());
    QVERIFY(rtsdk::StandInControl::isOnline(teacher));
}

void TestClassStart::forcedStartOnTheFifteenthTick()
{
    ClassHarness harness;
    QVERIFY(harness.isReady());
    // A window never shown: no board, no resize, so no deferred redraw keeps
    // the post-delay tick alive; only the pending forced start may.
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(), false);
    QJsonObject detail = harness.fixtureCourseDetail();
    window->lbca_handleCourseScheduleDetail_slot(detail);
    QVERIFY(window->isPostDelayTimerActive());
    QVERIFY(timerIntervals(window).contains(TQLiveBroadCastActivity::kPostDelayMs));

    // The ticks run here, without the event loop, so no network report can
    // start teaching in between.
    for (int tick = 1; tick < TQLiveBroadCastActivity::kForceStartTicks; ++tick) {
        window->timedPostDelayCheck();
        QVERIFY2(window->isPostDelayTimerActive(), qPrintable(QStringLiteral("tick %1").arg(tick)));
        QVERIFY(!window->context()->teachingStarted);
    }
    QVERIFY(!ClassHarness::openNotices().contains(kForceStartNotice));

    window->timedPostDelayCheck();
    QVERIFY(window->context()->teachingStarted);
    QVERIFY(ClassHarness::openNotices().contains(kForceStartNotice));
    // Nothing else pending: the tick stops.
    QVERIFY(!window->isPostDelayTimerActive());

    // Once only.
    window->checkForceStartTeaching();
    QCOMPARE(ClassHarness::openNotices().filter(kForceStartNotice).size(), 1);
}

void TestClassStart::balanceBoxesShareOneUnit()
{
    ClassHarness harness;
    QVERIFY(harness.isReady());
    harness.answerDialogs(ModalAnswerer::PressFirst);
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(), false);
    QJsonObject detail = patched(harness.courseDetailWithStudents(1),
                                 {{"pay_for_communication", 1}, {"l_balance", 1050}, {"price_per_hour", 150}});
    window->lbca_handleCourseScheduleDetail_slot(detail);
    QCOMPARE(harness.dialogTexts().size(), 1);
    QVERIFY2(harness.dialogTexts().at(0).contains(QStringLiteral("当前余额10.5元，本节课正式生人数1人，预计可以使用420分钟")),
             qPrintable(harness.dialogTexts().at(0)));

    // The warning takes the balance as the service sends it: the same fen.
    TQDataModelBean::m_pOngoingCourse->participants.at(0)->mClassJoinedInData = true;
    window->showBalanceWarning(1050, 0);
    QVERIFY(!ClassHarness::openNotices().filter(QStringLiteral("当前余额")).size());
    window->showBalanceWarning(10, 0);
    QVERIFY(ClassHarness::openNotices().contains(
        QStringLiteral("|当前余额0.1元，本节课正式生人数1人，预计可以使用4分钟")));
}

void TestClassStart::liveStreamTimers_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("secondsToStart");
    QTest::addColumn<int>("duration");
    QTest::addColumn<QList<qint64>>("intervals");

    QTest::newRow("waiting") << 1 << 60 << 2700 << QList<qint64>{65000};
    // 3,000,000 s in ms is beyond an int: the check waits as long as a timer can.
    QTest::newRow("far-off start") << 1 << 3000000 << 2700 << QList<qint64>{INT_MAX};
    QTest::newRow("running") << 2 << 0 << 2700 << QList<qint64>();
    QTest::newRow("ended") << 4 << 0 << 2700 << QList<qint64>{10000};
    QTest::newRow("start and length used up") << 2 << -2700 << 2700 << QList<qint64>{10000};
    QTest::newRow("waiting and over") << 1 << -3000 << 2700 << QList<qint64>{0, 10000};
}

void TestClassStart::liveStreamTimers()
{
    QFETCH(int, status);
    QFETCH(int, secondsToStart);
    QFETCH(int, duration);
    QFETCH(QList<qint64>, intervals);

    ClassHarness harness;
    QVERIFY(harness.isReady());
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kRecordedLesson, QSize(), false);
    const QList<qint64> before = timerIntervals(window);
    TQLiveStreamInfo info;
    info.course_schedule_status = status;
    info.seconds_to_start = secondsToStart;
    info.duration = duration;
    window->onCourseLiveStreamInfoGet(info);
    QList<qint64> added = timerIntervals(window);
    for (qint64 interval : before)
        added.removeOne(interval);
    std::sort(added.begin(), added.end());
    QCOMPARE(added.size(), intervals.size());
    // Long timers are kept to the second.
    for (int i = 0; i < added.size(); ++i)
        QVERIFY2(qAbs(added.at(i) - intervals.at(i)) <= 1000, qPrintable(QString::number(added.at(i))));
}

void TestClassStart::classStartsAndReachesAStudent()
{
    ClassHarness harness;
    QVERIFY(harness.isReady());
    SimStudent *student = harness.addStudent(20001);
    QVERIFY(student);
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(1350, 800));
    TQRealTimeManager *manager = window->context()->m_pRealTimeManager;
    // Both networks joined through the stand-in SDK.
    QTRY_VERIFY(manager->isRTCLoaded() && manager->isDataChannelLoggedIn());
    QVERIFY(SimStudent::waitUntil([student] {
        // In both channels.
        return student->events().filter(QStringLiteral("member joined %1").arg(LoginManager::getUserID())).size() >= 2;
    }));

    // The real-time adapter starts teaching when both report; a second call
    // does nothing.
    window->startTeachingOrLearning();
    QVERIFY(window->context()->teachingStarted);
    window->startTeachingOrLearning();

    // Control actions are spaced and wait out a drawing pause; the class's
    // status tick counts the pause down and sends what waits.
    const bool received = SimStudent::waitUntil([student, manager] {
        manager->countDownDrawingPause();
        manager->sendPendingControlActions();
        for (const SimStudent::Envelope &envelope : student->envelopes())
            if (envelope.tqMsg.contains(QStringLiteral("[-1,119,0]")))
                return true;
        return false;
    });
    QVERIFY(received);
    int clearAlls = 0;
    for (const SimStudent::Envelope &envelope : student->envelopes())
        if (envelope.tqMsg.contains(QStringLiteral("[-1,119,0]")) && !envelope.peer
            && envelope.channel == student->mainChannel())
            ++clearAlls;
    QCOMPARE(clearAlls, 1);
    QVERIFY(window->context()->m_pCameraPlayer);
}

QTEST_MAIN(TestClassStart)
#include "tst_classstart.moc"
