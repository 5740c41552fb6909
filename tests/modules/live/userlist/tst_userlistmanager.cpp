// The student list manager against a course of five students on the settable
// clock, with the class context's real-time manager running recording media
// engines: who enters and leaves the video room, when a self-joined student's
// video is attached, which scrolled-away videos are paused at the engine, the
// ranking and status the list is sent, raised hands running out, the stage
// list, and students' snapshots arriving through the binary transporter into
// a tile built by QML in an offscreen Qt Quick view.

#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/communications/TQAudioVolumeInfo.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/communications/binary/TQBinaryTransporterManager.h"
#include "modules/live/userlist/TQUserListManager.h"

#include "ClassHarness.h"
#include "RecordingRealTimeEngines.h"
#include "TestClock.h"

#include <QBasicTimer>
#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QTimerEvent>
#include <QtQml>
#include <QtTest>

#include <memory>
#include <utility>
#include <vector>

// Reads the manager's lists and drives its deferred-render timer by hand, so
// that the one-second delay is measured on the settable clock.
class TQUserListManagerProbe
{
public:
    static void fireRenderTimer(TQUserListManager &m)
    {
        QTimerEvent event(m.mRenderTimer->timerId());
        m.timerEvent(&event);
    }
    static bool renderTimerActive(const TQUserListManager &m) { return m.mRenderTimer->isActive(); }
    static int pendingRenders(const TQUserListManager &m) { return int(m.mPendingRenders.size()); }
    static int studentViews(const TQUserListManager &m) { return int(m.mStudentViews.size()); }
    static bool refreshRequested(const TQUserListManager &m) { return m.mRefreshRequested; }
    static std::vector<int> videoRoom(const TQUserListManager &m) { return m.mVideoRoomUsers; }
};

namespace {

constexpr qint64 kT0 = 1760000000000;
constexpr int kTeacher = 900;
// Five listed students, 101 to 105.
constexpr int kFirst = 101;
constexpr int kStudents = 5;
constexpr int kViewport = 300;

// A picture item as the student tile's "videoBitmapWidget": keeps what it
// was given.
class PictureProbe : public QQuickItem
{
    Q_OBJECT

public:
    QList<QImage> frames;

public slots:
    void deliverVideoFrame(const QImage &frame) { frames.append(frame); }
};

// The teacher's camera preview, noting what it was asked to show.
class PreviewProbe : public TQPreviewView
{
    Q_OBJECT

public:
    QStringList shown;

public slots:
    void showImageFromUrl(const QString &url) { shown.append(url); }
    void showDefaultImage() { shown.append(QStringLiteral("default")); }
};

QJsonObject courseJson()
{
    QJsonArray participants;
    for (int i = 0; i < kStudents; ++i) {
        const QString id = QString::number(kFirst + i);
        participants.append(QJsonObject{
            {"bystander", "0"},
            {"user_brief_info", QJsonObject{{"user_id", id}, {"user_nick_name", "S" + id}}},
        });
    }
    return QJsonObject{{"participants", participants},
                       {"lecture_teacher", QJsonObject{{"user_id", QString::number(kTeacher)}}}};
}

QByteArray pngBytes(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

using Renderers = std::vector<std::pair<long, void *>>;
using Mutes = std::vector<std::pair<long, bool>>;

} // namespace

class TestUserListManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void videoRoomAddRemove_data();
    void videoRoomAddRemove();
    void removalDetachesAndKeepsStage();
    void findersChooseFromTheRoom();

    void deferredRender_data();
    void deferredRender();

    void scrollPause_data();
    void scrollPause();
    void scrollingRefreshesOnceAfterItStops();

    void sortKeys_data();
    void sortKeys();
    void sortOrderAndStatus();
    void handExpiry_data();
    void handExpiry();

    void stageList();
    void stageButtonsThroughTheService();
    void listenAreaOnlineFirst();
    void qmlReachesTheManager();
    void snapshotReachesTheTilePicture_data();
    void snapshotReachesTheTilePicture();
    void teacherPreviewPictures_data();
    void teacherPreviewPictures();

private:
    CParticipantBean *student(int id) const { return m_course->getParticipant(id); }
    // Lists the students with a tile each, 100 high, stacked from y 0.
    void fillRoom(int count);

    std::unique_ptr<TestClock> m_clock;
    RealTimeJournal m_journal;
    std::unique_ptr<CourseDetailBean> m_course;
    TQLiveBroadCastContext *m_context = nullptr;
    // The context's own (engine-less) real-time manager, set aside for the
    // recording one.
    std::unique_ptr<TQRealTimeManager> m_setAside;
    std::unique_ptr<TQBroadCastMethodService> m_service;
    std::unique_ptr<TQUserListManager> m_manager;
    std::unique_ptr<QQuickItem> m_list;
};

void TestUserListManager::initTestCase()
{
    qmlRegisterType<PictureProbe>("UserListTest", 1, 0, "PictureProbe");
}

void TestUserListManager::init()
{
    m_clock = std::make_unique<TestClock>(kT0);
    m_journal = RealTimeJournal();
    m_course = std::make_unique<CourseDetailBean>(courseJson());
    m_course->resetParticipantsForNewSession();
    for (CParticipantBean *p : qAsConst(m_course->participants))
        p->mClassJoinedInData = true;
    TQDataModelBean::m_pOngoingCourse = m_course.get();

    m_context = new TQLiveBroadCastContext();
    m_setAside.reset(m_context->m_pRealTimeManager);
    m_context->m_pRealTimeManager = new TQRealTimeManager(std::make_unique<RecordingEngineFactory>(&m_journal));
    m_context->m_pRealTimeManager->init(0, 1, 4);
    m_service = std::make_unique<TQBroadCastMethodService>(nullptr, m_context);
    m_manager = std::make_unique<TQUserListManager>(m_service.get(), m_context);
    m_list = std::make_unique<QQuickItem>();
}

void TestUserListManager::cleanup()
{
    m_manager.reset();
    m_list.reset();
    m_service.reset();
    delete m_context;
    m_context = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_setAside.reset();
    TQDataModelBean::m_pOngoingCourse = nullptr;
    m_course.reset();
    m_clock.reset();
}

void TestUserListManager::fillRoom(int count)
{
    for (int i = 0; i < count; ++i) {
        const int id = kFirst + i;
        m_manager->addRemoteUser(TQRemoteUser(id, "S" + std::to_string(id)));
        auto *tile = new QQuickItem(m_list.get());
        tile->setY(100 * i);
        tile->setHeight(100);
        m_manager->setStudentView(id, tile);
    }
}

// Video room --------------------------------------------------------------------

void TestUserListManager::videoRoomAddRemove_data()
{
    QTest::addColumn<QList<int>>("adds");
    QTest::addColumn<bool>("withCourse");
    QTest::addColumn<QList<int>>("listed");
    QTest::addColumn<QList<int>>("signalled");

    QTest::newRow("in order of entry") << QList<int>{103, 101} << true << QList<int>{103, 101} << QList<int>{103, 101};
    // The second add only asks the view to set the tile's renderer again.
    QTest::newRow("same id twice") << QList<int>{102, 102} << true << QList<int>{102} << QList<int>{102, 102};
    QTest::newRow("not a participant") << QList<int>{999} << true << QList<int>{} << QList<int>{};
    QTest::newRow("no course") << QList<int>{101} << false << QList<int>{} << QList<int>{};
}

void TestUserListManager::videoRoomAddRemove()
{
    QFETCH(QList<int>, adds);
    QFETCH(bool, withCourse);
    QFETCH(QList<int>, listed);
    QFETCH(QList<int>, signalled);

    if (!withCourse)
        TQDataModelBean::m_pOngoingCourse = nullptr;
    QSignalSpy added(m_manager.get(), &TQUserListManager::addRemoteAgoraUserVideoItem_signal);
    for (int id : adds) {
        m_clock->advance(5);
        m_manager->addRemoteAgoraUser(TQRemoteUser(id, "名" + std::to_string(id)));
    }

    const std::vector<int> room = TQUserListManagerProbe::videoRoom(*m_manager);
    QCOMPARE(QList<int>(room.begin(), room.end()), listed);
    QCOMPARE(m_manager->getRemoteUserCount(), listed.size());
    QCOMPARE(added.size(), signalled.size());
    for (int i = 0; i < signalled.size(); ++i) {
        QCOMPARE(added.at(i).at(0).toLongLong(), qlonglong(signalled.at(i)));
        QCOMPARE(added.at(i).at(1).toString(), "名" + QString::number(signalled.at(i)));
    }
    for (int id : listed) {
        QVERIFY(m_manager->hasRemoteUser(id));
        QVERIFY(student(id)->mSelectedToVideoRoom);
        // Stamped at the first entry; the repeated add leaves the stamp.
        QCOMPARE(student(id)->mVideoRoomEntryTimeStamp, kT0 + 5 * (adds.indexOf(id) + 1));
    }
    QVERIFY(m_journal.remoteRenderers.empty());
}

void TestUserListManager::removalDetachesAndKeepsStage()
{
    fillRoom(2);
    m_manager->addOnStageStudent(TQRemoteUser(101, "S101"));
    QSignalSpy removed(m_manager.get(), &TQUserListManager::removeRemoteAgoraUserVideoItem_signal);

    m_manager->removeRemoteUser(101);
    // Not listed: the renderer is still detached and the view still told.
    m_manager->removeRemoteAgoraUser(104);

    QCOMPARE(m_manager->getRemoteUserCount(), 1);
    QVERIFY(!m_manager->hasRemoteUser(101));
    QVERIFY(!student(101)->mSelectedToVideoRoom);
    QVERIFY(!student(104)->mSelectedToVideoRoom);
    QCOMPARE(m_journal.remoteRenderers, (Renderers{{101, nullptr}, {104, nullptr}}));
    QCOMPARE(removed.size(), 2);
    QCOMPARE(removed.at(0).at(0).toLongLong(), 101);
    QCOMPARE(removed.at(1).at(0).toLongLong(), 104);
    QCOMPARE(TQUserListManagerProbe::studentViews(*m_manager), 1);
    // The stage is the service object's to change.
    QVERIFY(m_manager->isStudentOnStage(101));
}

void TestUserListManager::findersChooseFromTheRoom()
{
    QCOMPARE(m_manager->findOldVideoRoomUser(), -1);
    QCOMPARE(m_manager->findOfflineVideoRoomUser(), -1);

    for (int id : {101, 102, 103, 104}) {
        m_manager->addRemoteUser(TQRemoteUser(id, ""));
        m_clock->advance(1000);
    }
    student(101)->mPickedForTalk = 1;
    student(103)->mClassJoinedInData = false;
    student(104)->mClassJoinedInData = false;

    // The earliest entered of those off stage.
    QCOMPARE(m_manager->findOldVideoRoomUser(), 102);
    QCOMPARE(m_manager->findOfflineVideoRoomUser(), 103);
    QCOMPARE(m_manager->usersInVideoRoomLongerThan(3001), (std::vector<int>{101}));
    QCOMPARE(m_manager->usersInVideoRoomLongerThan(3000), (std::vector<int>{101, 102}));

    student(102)->mPickedForTalk = 2;
    student(103)->mPickedForTalk = 3;
    student(104)->mPickedForTalk = 1;
    QCOMPARE(m_manager->findOldVideoRoomUser(), -1);

    TQDataModelBean::m_pOngoingCourse = nullptr;
    QCOMPARE(m_manager->findOfflineVideoRoomUser(), -1);
    QVERIFY(m_manager->usersInVideoRoomLongerThan(0).empty());
}

// Deferred renders ----------------------------------------------------------------

enum class Change { None, Offline, LeftRoom, TileDeleted };
Q_DECLARE_METATYPE(Change)

void TestUserListManager::deferredRender_data()
{
    QTest::addColumn<bool>("renderLater");
    QTest::addColumn<bool>("rtcVideo");
    QTest::addColumn<Change>("change");
    // Times after the entry at which the timer fires; the renderer is set at
    // the fire of index `attachedAt` (-1 never, -2 at once).
    QTest::addColumn<QList<int>>("fires");
    QTest::addColumn<int>("attachedAt");

    QTest::newRow("added by a caller: at once") << false << true << Change::None << QList<int>{} << -2;
    QTest::newRow("self-joined: after more than a second")
        << true << true << Change::None << QList<int>{1000, 1001} << 1;
    QTest::newRow("self-joined, late first fire") << true << true << Change::None << QList<int>{2000} << 0;
    QTest::newRow("offline within the first second") << true << true << Change::Offline << QList<int>{1000} << -1;
    QTest::newRow("left the room before") << true << true << Change::LeftRoom << QList<int>{1500} << -1;
    // QML deleted the tile: nothing may be handed to the engine.
    QTest::newRow("tile deleted before") << true << true << Change::TileDeleted << QList<int>{1500} << -1;
    QTest::newRow("course without RTC video") << false << false << Change::None << QList<int>{} << -1;
}

void TestUserListManager::deferredRender()
{
    QFETCH(bool, renderLater);
    QFETCH(bool, rtcVideo);
    QFETCH(Change, change);
    QFETCH(QList<int>, fires);
    QFETCH(int, attachedAt);

    if (!rtcVideo)
        m_course->mPlayMode = 2;
    m_manager->addRemoteAgoraUser(TQRemoteUser(102, "S102", renderLater));
    auto *tile = new QQuickItem(m_list.get());
    m_manager->setupRemoteVideo(102, tile);
    QCOMPARE(TQUserListManagerProbe::renderTimerActive(*m_manager), renderLater);

    m_clock->advance(500);
    if (change == Change::Offline)
        student(102)->mClassJoinedInData = false;
    if (change == Change::LeftRoom)
        m_manager->removeRemoteAgoraUser(102);
    if (change == Change::TileDeleted)
        delete tile;

    const Renderers detach = change == Change::LeftRoom ? Renderers{{102, nullptr}} : Renderers{};
    const Renderers attach = Renderers{{102, tile}};
    if (attachedAt == -2)
        QCOMPARE(m_journal.remoteRenderers, attach);
    for (int i = 0; i < fires.size(); ++i) {
        m_clock->set(kT0 + fires.at(i));
        TQUserListManagerProbe::fireRenderTimer(*m_manager);
        QCOMPARE(m_journal.remoteRenderers, (attachedAt >= 0 && i >= attachedAt) ? attach : detach);
    }
    if (attachedAt == -1)
        QCOMPARE(m_journal.remoteRenderers, detach);
    // The timer runs only while something waits.
    QCOMPARE(TQUserListManagerProbe::pendingRenders(*m_manager), 0);
    QVERIFY(!TQUserListManagerProbe::renderTimerActive(*m_manager));
}

// Pausing what is scrolled away -------------------------------------------------------

void TestUserListManager::scrollPause_data()
{
    QTest::addColumn<int>("scrollY");
    QTest::addColumn<int>("tileY"); // the tile is 100 high
    QTest::addColumn<int>("pickedForTalk");
    QTest::addColumn<bool>("randomPick");
    QTest::addColumn<bool>("onStageList");
    QTest::addColumn<bool>("wasPaused");
    QTest::addColumn<bool>("paused");

    QTest::newRow("in sight") << 0 << 100 << 0 << false << false << false << false;
    QTest::newRow("below, one pixel out") << 0 << 301 << 0 << false << false << false << true;
    QTest::newRow("below, touching the edge") << 0 << 300 << 0 << false << false << false << false;
    QTest::newRow("above, one pixel out") << 201 << 100 << 0 << false << false << false << true;
    QTest::newRow("above, touching the edge") << 200 << 100 << 0 << false << false << false << false;
    QTest::newRow("back in sight resumes") << 0 << 100 << 0 << false << false << true << false;
    QTest::newRow("out of sight on stage by state") << 0 << 900 << 2 << false << false << true << false;
    QTest::newRow("out of sight but picked") << 0 << 900 << 0 << true << false << false << false;
    QTest::newRow("on the stage list resumes out of sight") << 0 << 900 << 0 << false << true << true << false;
    QTest::newRow("already paused stays quiet") << 0 << 900 << 0 << false << false << true << true;
}

void TestUserListManager::scrollPause()
{
    QFETCH(int, scrollY);
    QFETCH(int, tileY);
    QFETCH(int, pickedForTalk);
    QFETCH(bool, randomPick);
    QFETCH(bool, onStageList);
    QFETCH(bool, wasPaused);
    QFETCH(bool, paused);

    m_manager->addRemoteUser(TQRemoteUser(102, "S102"));
    auto *tile = new QQuickItem(m_list.get());
    tile->setY(tileY);
    tile->setHeight(100);
    m_manager->setStudentView(102, tile);
    CParticipantBean *p = student(102);
    p->mPickedForTalk = pickedForTalk;
    p->mRandomlyPickedForDiscussion = randomPick;
    p->mRemoteVideoMuted = wasPaused;
    if (onStageList)
        m_manager->addOnStageStudent(TQRemoteUser(102, "S102"));
    m_manager->setScrollY(scrollY, kViewport);

    // A re-sort asks for the refresh; the next tick runs it.
    m_manager->updateStudentVideoSession(true);
    m_manager->statusTick();

    QCOMPARE(p->mRemoteVideoMuted, paused);
    QCOMPARE(m_journal.remoteVideoMutes, (wasPaused == paused ? Mutes{} : Mutes{{102, paused}}));
}

void TestUserListManager::scrollingRefreshesOnceAfterItStops()
{
    fillRoom(5);
    m_manager->setScrollY(0, kViewport);
    const Mutes pauseBottom{{105, true}}; // the tile at 400 is out of sight at 0 to 50

    for (int y : {10, 30, 50}) {
        m_manager->setScrollY(y, kViewport);
        m_manager->statusTick();
    }
    QCOMPARE(m_journal.remoteVideoMutes, Mutes{});

    m_manager->statusTick();
    QCOMPARE(m_journal.remoteVideoMutes, pauseBottom);

    // Another refresh would pause him again: none may run while nothing moves.
    student(105)->mRemoteVideoMuted = false;
    m_manager->statusTick();
    m_manager->statusTick();
    QCOMPARE(m_journal.remoteVideoMutes, pauseBottom);

    // QML deleted his tile: the refresh reads no tile, not freed memory,
    // and lets his video play.
    student(105)->mRemoteVideoMuted = true;
    delete m_manager->getStudentView(105);
    m_manager->updateStudentVideoSession(true);
    m_manager->statusTick();
    QCOMPARE(m_journal.remoteVideoMutes, (Mutes{{105, true}, {105, false}}));
}

// Ordering and status ---------------------------------------------------------------------

void TestUserListManager::sortKeys_data()
{
    QTest::addColumn<bool>("inMedia");
    QTest::addColumn<bool>("writing");
    QTest::addColumn<int>("pickedForTalk");
    QTest::addColumn<qint64>("handAgeMs"); // -1: never raised
    QTest::addColumn<qint64>("messageAgeMs");
    QTest::addColumn<int>("key");

    QTest::newRow("nothing") << false << false << 0 << qint64(-1) << qint64(-1) << 10000000;
    QTest::newRow("in media") << true << false << 0 << qint64(-1) << qint64(-1) << 9000000;
    QTest::newRow("writing") << false << true << 0 << qint64(-1) << qint64(-1) << 9900000;
    QTest::newRow("full screen counts as stage") << false << false << 2 << qint64(-1) << qint64(-1) << 9990000;
    QTest::newRow("hand 9,999 ms ago") << false << false << 0 << qint64(9999) << qint64(-1) << 9999900;
    QTest::newRow("hand 10,000 ms ago") << false << false << 0 << qint64(10000) << qint64(-1) << 10000000;
    QTest::newRow("message 9,999 ms ago") << false << false << 0 << qint64(-1) << qint64(9999) << 9999990;
    QTest::newRow("message 10,000 ms ago") << false << false << 0 << qint64(-1) << qint64(10000) << 10000000;
    QTest::newRow("everything") << true << true << 1 << qint64(0) << qint64(0) << 8889890;
}

void TestUserListManager::sortKeys()
{
    QFETCH(bool, inMedia);
    QFETCH(bool, writing);
    QFETCH(int, pickedForTalk);
    QFETCH(qint64, handAgeMs);
    QFETCH(qint64, messageAgeMs);
    QFETCH(int, key);

    m_manager->addRemoteUser(TQRemoteUser(103, ""));
    CParticipantBean *p = student(103);
    p->mClassJoinedInMedia = inMedia;
    p->mWritingEnabled = writing;
    p->mPickedForTalk = pickedForTalk;
    if (handAgeMs >= 0)
        p->mTimeStampHandRaised = kT0 - handAgeMs;
    if (messageAgeMs >= 0)
        p->mTimeStampOfLastStudentMessage = kT0 - messageAgeMs;
    QSignalSpy sorted(m_manager.get(), &TQUserListManager::sortStudentViews_signal);

    m_manager->updateStudentVideoSession(true);

    QCOMPARE(sorted.size(), 1);
    const QJsonArray keys = sorted.at(0).at(0).toJsonArray();
    QCOMPARE(keys, (QJsonArray{QJsonObject{{"userID", "103"}, {"sortIndex", key}}}));
}

void TestUserListManager::sortOrderAndStatus()
{
    for (int id : {104, 102, 103})
        m_manager->addRemoteUser(TQRemoteUser(id, ""));
    CParticipantBean *p = student(102);
    p->mTimeStampInBackground = kT0 - 1;
    p->mAudioState = 1;
    p->mVideoState = 2;
    p->mVideoReason = 5;
    p->mWritingEnabled = true;
    student(103)->mClassJoinedInData = false;
    student(103)->mAudioState = 2;
    student(103)->mVideoState = 0;
    // A listed student whose record left the course ranks last and gets no status.
    m_course->removeUserFromHashMap(student(104));
    QSignalSpy sorted(m_manager.get(), &TQUserListManager::sortStudentViews_signal);
    QSignalSpy status(m_manager.get(), &TQUserListManager::updateStudentViewStatus_signal);

    m_manager->updateStudentVideoSession(false);
    QCOMPARE(sorted.size(), 0);
    QVERIFY(!TQUserListManagerProbe::refreshRequested(*m_manager));
    QCOMPARE(status.size(), 2);

    m_manager->updateStudentVideoSession(true);
    QVERIFY(TQUserListManagerProbe::refreshRequested(*m_manager));
    QCOMPARE(sorted.size(), 1);
    // Ascending ids, whatever the order of entry.
    QCOMPARE(sorted.at(0).at(0).toJsonArray(), (QJsonArray{
                                                   QJsonObject{{"userID", "102"}, {"sortIndex", 9900000}},
                                                   QJsonObject{{"userID", "103"}, {"sortIndex", 10000000}},
                                                   QJsonObject{{"userID", "104"}, {"sortIndex", 10000000}},
                                               }));
    // In list order; the key-less record is skipped.
    QCOMPARE(status.size(), 4);
    QCOMPARE(status.at(2).at(0).toJsonObject(), (QJsonObject{{"userID", "102"},
                                                             {"isInBackground", true},
                                                             {"isOnline", true},
                                                             {"isAudioMuted", true},
                                                             {"isVideoMuted", false},
                                                             {"videoReason", 5},
                                                             {"writingEnabled", true}}));
    QCOMPARE(status.at(3).at(0).toJsonObject(), (QJsonObject{{"userID", "103"},
                                                             {"isInBackground", false},
                                                             {"isOnline", false},
                                                             {"isAudioMuted", false},
                                                             {"isVideoMuted", true},
                                                             {"videoReason", 4},
                                                             {"writingEnabled", false}}));
}

void TestUserListManager::handExpiry_data()
{
    QTest::addColumn<qint64>("ageMs");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<bool>("kept");

    QTest::newRow("9,999 ms") << qint64(9999) << true << true;
    QTest::newRow("10,000 ms") << qint64(10000) << true << true;
    QTest::newRow("10,001 ms") << qint64(10001) << true << false;
    QTest::newRow("not in the video room") << qint64(60000) << false << true;
}

void TestUserListManager::handExpiry()
{
    QFETCH(qint64, ageMs);
    QFETCH(bool, listed);
    QFETCH(bool, kept);

    if (listed)
        m_manager->addRemoteUser(TQRemoteUser(101, ""));
    student(101)->mTimeStampHandRaised = kT0;
    m_clock->advance(ageMs);

    m_manager->statusTick();
    QCOMPARE(student(101)->mTimeStampHandRaised, kept ? kT0 : 0);
}

// Stage ---------------------------------------------------------------------------------

void TestUserListManager::stageList()
{
    QSignalSpy on(m_manager.get(), &TQUserListManager::sendStudentOnStage_signal);
    QSignalSpy off(m_manager.get(), &TQUserListManager::sendStudentOffStage_signal);
    QSignalSpy teacherOn(m_manager.get(), &TQUserListManager::sendTeacherOnStage_signal);
    QSignalSpy teacherOff(m_manager.get(), &TQUserListManager::sendTeacherOffStage_signal);

    for (int id : {101, 102, 101, 102})
        m_manager->addOnStageStudent(TQRemoteUser(id, ""));
    m_manager->setTeacherOnStage(true);
    m_manager->setTeacherOnStage(false);
    QCOMPARE(on.size(), 4);
    QCOMPARE(teacherOn.size(), 2);
    QCOMPARE(teacherOn.at(0).at(0).toBool(), true);
    QCOMPARE(m_manager->onStageUserIDs(), (std::vector<int>{101, 102, 101, 102, kTeacher}));

    // Every occurrence goes, one signal each.
    m_manager->removeOnStageStudent(101);
    QCOMPARE(off.size(), 2);
    QVERIFY(!m_manager->isStudentOnStage(101));
    // The service object's call takes only the first.
    m_manager->studentOffStage(102);
    QCOMPARE(off.size(), 3);
    QCOMPARE(off.at(2).at(0).value<long>(), 102L);
    QVERIFY(m_manager->isStudentOnStage(102));
    m_manager->setTeacherOffStage();
    QCOMPARE(teacherOff.size(), 1);
    QCOMPARE(m_manager->onStageUserIDs(), (std::vector<int>{102}));
}

// The list's full-screen and off-stage buttons in a started class window: the
// window's service object changes the students' stage states and calls the
// list back.
void TestUserListManager::stageButtonsThroughTheService()
{
    ClassHarness harness;
    QVERIFY(harness.isReady());
    TQLiveBroadCastActivity *window = harness.open(TQLiveBroadCastActivity::kLiveClass, QSize(), false);
    QVERIFY(window && window->userListManager());
    TQUserListManager &list = *window->userListManager();
    TQDataModelBean::m_pOngoingCourse = m_course.get();
    for (int id : {101, 102}) {
        student(id)->mPickedForTalk = 1;
        list.addOnStageStudent(TQRemoteUser(id, ""));
    }
    QSignalSpy all(&list, &TQUserListManager::sendAllStudentFullscreen_signal);
    const auto states = [&] { return QList<int>{student(101)->mPickedForTalk, student(102)->mPickedForTalk}; };

    QVERIFY(QMetaObject::invokeMethod(&list, "setAllStudentFullscreen", Q_ARG(bool, true)));
    QCOMPARE(states(), (QList<int>{3, 3}));
    QVERIFY(list.isAllStudentsFullscreen());

    // One student left on the stage: the all-students full screen ends.
    QVERIFY(QMetaObject::invokeMethod(&list, "setStudentOffStage", Q_ARG(qlonglong, 101)));
    QCOMPARE(states(), (QList<int>{0, 1}));
    QCOMPARE(list.onStageUserIDs(), (std::vector<int>{102}));
    QVERIFY(!list.isAllStudentsFullscreen());
    QCOMPARE(all.size(), 2);
    QCOMPARE(all.at(1).at(0).toBool(), false);

    // An id beyond the course's int ids is no student, not 102 cut short.
    QVERIFY(QMetaObject::invokeMethod(&list, "setStudentFullscreen", Q_ARG(qlonglong, 102 + (1LL << 32))));
    QCOMPARE(states(), (QList<int>{0, 1}));
    QVERIFY(QMetaObject::invokeMethod(&list, "setStudentFullscreen", Q_ARG(qlonglong, 102)));
    QCOMPARE(states(), (QList<int>{0, 2}));
    QVERIFY(QMetaObject::invokeMethod(&list, "setStudentExitFullscreen", Q_ARG(qlonglong, 102)));
    QCOMPARE(states(), (QList<int>{0, 1}));
    QVERIFY(QMetaObject::invokeMethod(&list, "setAllStudentOffStage"));
    QCOMPARE(states(), (QList<int>{0, 0}));
    QVERIFY(list.onStageUserIDs().empty());

    TQDataModelBean::m_pOngoingCourse = nullptr;
    QVERIFY(harness.close());
}

// Listen area, pictures and volume ---------------------------------------------------------

void TestUserListManager::listenAreaOnlineFirst()
{
    m_manager->addRemoteUser(TQRemoteUser(101, ""));
    student(102)->mPickedForTalk = 1;
    student(103)->mClassJoinedInData = false;
    QSignalSpy listen(m_manager.get(), &TQUserListManager::updateListenAreaStudents_signal);

    m_manager->updateListenArea();

    QCOMPARE(listen.size(), 1);
    QStringList ids;
    const QJsonArray students = listen.at(0).at(0).toJsonObject().value("students").toArray();
    for (const QJsonValue &s : students)
        ids << s.toObject().value("userID").toString();
    QCOMPARE(ids, (QStringList{"104", "105", "103"}));
    QCOMPARE(students.at(2).toObject(), student(103)->toJson());

    TQDataModelBean::m_pOngoingCourse = nullptr;
    m_manager->updateListenArea();
    QCOMPARE(listen.size(), 1);

    // The volume meters pass straight through.
    QSignalSpy volume(m_manager.get(), &TQUserListManager::updateUserVolume_signal);
    TQAudioVolumeInfo info;
    info.userIds = {101};
    info.volumes = {30};
    m_manager->updateUserVolume(&info);
    m_manager->updateUserVolume(nullptr);
    QCOMPARE(volume.size(), 1);
    QCOMPARE(volume.at(0).at(0).toJsonObject(), info.toJson());
}

// The list's own calls and signal handlers, 64-bit and `long` ids included,
// through the context property the window sets.
void TestUserListManager::qmlReachesTheManager()
{
    m_manager->addRemoteUser(TQRemoteUser(102, "S102"));
    QQuickView view;
    view.rootContext()->setContextProperty(QStringLiteral("userListManager"), m_manager.get());
    QQmlComponent component(view.engine());
    component.setData(R"(
        import QtQuick 2.15
        Item {
            property var onStage: 0
            property var offStage: 0
            Item { id: tile; objectName: "tile"; y: 400; height: 100 }
            Connections {
                target: userListManager
                function onSendStudentOnStage_signal(userID) { onStage = userID }
                function onSendStudentOffStage_signal(userID) { offStage = userID }
            }
            Component.onCompleted: {
                userListManager.setStudentView(102, tile)
                userListManager.setupRemoteVideo(102, tile)
                userListManager.setScrollY(0, 300)
            }
        })",
                      QUrl());
    const std::unique_ptr<QQuickItem> root(qobject_cast<QQuickItem *>(component.create()));
    QVERIFY2(root, qPrintable(component.errorString()));
    auto *tile = root->findChild<QQuickItem *>("tile");

    QCOMPARE(m_manager->getStudentView(102), tile);
    QCOMPARE(m_journal.remoteRenderers, (Renderers{{102, tile}}));
    m_manager->updateStudentVideoSession(true);
    m_manager->statusTick();
    QCOMPARE(m_journal.remoteVideoMutes, (Mutes{{102, true}}));

    m_manager->addOnStageStudent(TQRemoteUser(102, "S102"));
    QCOMPARE(root->property("onStage").toLongLong(), 102);
    QMetaObject::invokeMethod(m_manager.get(), "setStudentOffStage", Q_ARG(qlonglong, 102));
    QCOMPARE(root->property("offStage").toLongLong(), 102);
    QVERIFY(!m_manager->isStudentOnStage(102));
}

void TestUserListManager::snapshotReachesTheTilePicture_data()
{
    QTest::addColumn<QString>("fromId");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("delivered"); // invalid: nothing delivered

    QTest::newRow("student with a tile") << "102" << pngBytes(64, 48) << QSize(64, 48);
    // Undecodable bytes still reach the picture, which then shows nothing.
    QTest::newRow("not a picture") << "102" << QByteArray("garbage") << QSize(0, 0);
    QTest::newRow("no tile") << "103" << pngBytes(64, 48) << QSize();
    QTest::newRow("not a number") << "x102" << pngBytes(64, 48) << QSize();
}

void TestUserListManager::snapshotReachesTheTilePicture()
{
    QFETCH(QString, fromId);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, delivered);

    QQuickView view;
    QQmlComponent component(view.engine());
    component.setData(R"(
        import QtQuick 2.15
        import UserListTest 1.0
        Item {
            width: 200; height: 300
            Item {
                objectName: "tile"
                width: 200; height: 100
                Rectangle { anchors.fill: parent; color: "black"
                    PictureProbe { objectName: "videoBitmapWidget"; anchors.fill: parent; visible: false }
                }
            }
        })",
                      QUrl());
    const std::unique_ptr<QQuickItem> root(qobject_cast<QQuickItem *>(component.create()));
    QVERIFY2(root, qPrintable(component.errorString()));
    root->setParentItem(view.contentItem());
    view.show();
    auto *tile = root->findChild<QQuickItem *>("tile");
    auto *picture = root->findChild<PictureProbe *>("videoBitmapWidget");
    QVERIFY(tile && picture);
    m_manager->setStudentView(102, tile);

    // Through the transporter, which hands the array over with the signal.
    emit m_context->m_pBinaryTransporter->dispatchBinaryData(fromId, 1, new QByteArray(bytes));

    QCOMPARE(picture->isVisible(), delivered.isValid());
    QCOMPARE(picture->frames.size(), delivered.isValid() ? 1 : 0);
    if (delivered.isValid())
        QCOMPARE(picture->frames.first().size(), delivered);
    // Unknown senders leave no entries behind.
    QCOMPARE(TQUserListManagerProbe::studentViews(*m_manager), 1);
}

void TestUserListManager::teacherPreviewPictures_data()
{
    QTest::addColumn<bool>("cameraOff");
    QTest::addColumn<QString>("headImage");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("camera off") << true << "http://127.0.0.1/t.png" << QStringList{"http://127.0.0.1/t.png"};
    QTest::newRow("camera on") << false << "http://127.0.0.1/t.png" << QStringList{};
    QTest::newRow("no head image") << true << "" << QStringList{};
}

void TestUserListManager::teacherPreviewPictures()
{
    QFETCH(bool, cameraOff);
    QFETCH(QString, headImage);
    QFETCH(QStringList, shown);

    PreviewProbe preview;
    m_course->mTeacherVideoOff = cameraOff;
    m_course->mTeacherHeadImage = headImage.toStdString();
    m_manager->showTeacherHeadImage();
    m_manager->setPreviewView(&preview);
    m_manager->showTeacherHeadImage();
    QCOMPARE(preview.shown, shown);

    m_manager->showTeacherDefaultImage();
    QCOMPARE(preview.shown, shown + QStringList{"default"});
}

QTEST_MAIN(TestUserListManager)
#include "tst_userlistmanager.moc"
