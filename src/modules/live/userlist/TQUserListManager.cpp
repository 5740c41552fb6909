#include "modules/live/userlist/TQUserListManager.h"

#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/communications/TQAudioVolumeInfo.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/communications/agora/TQRTCCommon.h"
#include "modules/live/communications/binary/TQBinaryTransporterManager.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QBasicTimer>
#include <QByteArray>
#include <QImage>
#include <QJsonArray>
#include <QMetaObject>
#include <QTimerEvent>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

const CourseDetailBean *course()
{
    return TQDataModelBean::m_pOngoingCourse;
}

CParticipantBean *participant(qint64 userID)
{
    const CourseDetailBean *c = course();
    return c ? c->getParticipant(userID) : nullptr;
}

// Ids from QML arrive 64-bit; the service object takes the course's int ids.
bool isCourseId(qlonglong userID)
{
    return userID >= INT_MIN && userID <= INT_MAX;
}

int bit(bool b)
{
    return b ? 1 : 0;
}

QString idText(qint64 userID)
{
    return QString::number(userID);
}

// The first item named `name` below `root` in the item tree.
QQuickItem *findItemBelow(QQuickItem *root, const QString &name)
{
    const QList<QQuickItem *> children = root->childItems();
    for (QQuickItem *child : children) {
        if (child->objectName() == name)
            return child;
        if (QQuickItem *found = findItemBelow(child, name))
            return found;
    }
    return nullptr;
}

// QML parents an item as an object and as an item; an item placed into a
// tile later may have only the second.
QQuickItem *findDescendant(QQuickItem *root, const QString &name)
{
    if (QQuickItem *found = root->findChild<QQuickItem *>(name))
        return found;
    return findItemBelow(root, name);
}

} // namespace

TQUserListManager::TQUserListManager(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
    , mRenderTimer(new QBasicTimer())
{
    if (context && context->m_pBinaryTransporter)
        connect(context->m_pBinaryTransporter, &TQBinaryTransporterManager::dispatchBinaryData, this,
                &TQUserListManager::receiveBinaryData);
}

TQUserListManager::~TQUserListManager()
{
    mRenderTimer->stop();
    delete mRenderTimer;
}

// Video room ----------------------------------------------------------------------

void TQUserListManager::addRemoteUser(TQRemoteUser user)
{
    addRemoteAgoraUser(std::move(user));
}

void TQUserListManager::addRemoteAgoraUser(TQRemoteUser user)
{
    static const QString tag = QStringLiteral("TQUserListManager::addRemoteAgoraUser");
    const int id = user.mUserId;
    const QString name = QString::fromStdString(user.mUserName);
    CLog::debug(QStringLiteral("add user %1 to list, origin list size %2 delay %3")
                    .arg(id)
                    .arg(mVideoRoomUsers.size())
                    .arg(bit(user.mRenderLater)),
                tag);
    if (hasRemoteUser(id)) {
        CLog::debug(QStringLiteral("user %1 alread exists").arg(id), tag);
        // The view finds the tile it has and sets its renderer again.
        emit addRemoteAgoraUserVideoItem_signal(id, name);
        return;
    }
    if (CParticipantBean *p = participant(id)) {
        p->mSelectedToVideoRoom = true;
        p->mVideoRoomEntryTimeStamp = currentTimeMillis();
        mVideoRoomUsers.push_back(id);
        if (user.mRenderLater) {
            CLog::debug(QStringLiteral("user %1 set render later").arg(id), tag);
            mPendingRenders[id] = nullptr;
        }
        emit addRemoteAgoraUserVideoItem_signal(id, name);
    }
    CLog::debug(QStringLiteral("add user %1 to list done, now list size %2").arg(id).arg(mVideoRoomUsers.size()), tag);
}

void TQUserListManager::removeRemoteUser(long userID)
{
    removeRemoteAgoraUser(userID);
}

void TQUserListManager::removeRemoteAgoraUser(long userID)
{
    static const QString tag = QStringLiteral("TQUserListManager::removeRemoteAgoraUser");
    CLog::debug(QStringLiteral("remove user %1 from list, list size %2").arg(userID).arg(mVideoRoomUsers.size()), tag);
    for (auto it = mVideoRoomUsers.begin(); it != mVideoRoomUsers.end();) {
        if (*it == userID) {
            CLog::debug(QStringLiteral("find user %1").arg(userID), tag);
            it = mVideoRoomUsers.erase(it);
        } else {
            ++it;
        }
    }
    CLog::debug(QStringLiteral("remove user %1 from list done, list size %2").arg(userID).arg(mVideoRoomUsers.size()),
                tag);
    mPendingRenders.erase(int(userID));
    mStudentViews.erase(userID);
    if (CParticipantBean *p = participant(userID))
        p->mSelectedToVideoRoom = false;
    setRemoteRenderer(userID, nullptr);
    emit removeRemoteAgoraUserVideoItem_signal(userID);
}

bool TQUserListManager::hasRemoteUser(int userID) const
{
    return std::find(mVideoRoomUsers.begin(), mVideoRoomUsers.end(), userID) != mVideoRoomUsers.end();
}

int TQUserListManager::getRemoteUserCount() const
{
    return int(mVideoRoomUsers.size());
}

int TQUserListManager::findOldVideoRoomUser() const
{
    if (!course())
        return -1;
    // The list is in order of entry: the first candidate has been in longest.
    for (int id : mVideoRoomUsers) {
        const CParticipantBean *p = participant(id);
        if (p && p->mPickedForTalk == 0 && p->mVideoRoomEntryTimeStamp > 0)
            return id;
    }
    return -1;
}

int TQUserListManager::findOfflineVideoRoomUser() const
{
    if (!course())
        return -1;
    for (int id : mVideoRoomUsers) {
        const CParticipantBean *p = participant(id);
        if (p && !p->mClassJoinedInData)
            return id;
    }
    return -1;
}

std::vector<int> TQUserListManager::usersInVideoRoomLongerThan(qint64 ms) const
{
    std::vector<int> users;
    if (!course())
        return users;
    const qint64 now = currentTimeMillis();
    for (int id : mVideoRoomUsers) {
        const CParticipantBean *p = participant(id);
        if (p && now - p->mVideoRoomEntryTimeStamp >= ms)
            users.push_back(id);
    }
    return users;
}

void TQUserListManager::setRemoteRenderer(long userID, QQuickItem *item)
{
    TQRealTimeManager *manager = liveContext() ? liveContext()->m_pRealTimeManager : nullptr;
    if (TQRTCCommon *engine = manager ? manager->getRtcEngine() : nullptr)
        engine->setRemoteVideoRenderer(userID, item);
}

void TQUserListManager::setupRemoteVideo(long userID, QQuickItem *pVideoItem)
{
    const CourseDetailBean *c = course();
    if (!c || !c->isRtcVideoEnabled())
        return;
    const auto pending = mPendingRenders.find(int(userID));
    if (pending == mPendingRenders.end()) {
        setRemoteRenderer(userID, pVideoItem);
        return;
    }
    CLog::debug(QStringLiteral("user %1 will render later").arg(userID), QStringLiteral("TQUserListManager::setupRemoteVideo"));
    pending->second = pVideoItem;
    mRenderTimer->start(mRenderDelayMs, Qt::PreciseTimer, this);
}

void TQUserListManager::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != mRenderTimer->timerId()) {
        QObject::timerEvent(event);
        return;
    }
    static const QString tag = QStringLiteral("TQUserListManager::timerEvent");
    const qint64 now = currentTimeMillis();
    for (auto it = mPendingRenders.begin(); it != mPendingRenders.end();) {
        const int id = it->first;
        const CParticipantBean *p = participant(id);
        if (p)
            CLog::debug(QStringLiteral("timer %1,%2,%3")
                            .arg(id)
                            .arg(bit(p->mSelectedToVideoRoom))
                            .arg(bit(p->mClassJoinedInData)),
                        tag);
        if (!p || !p->mSelectedToVideoRoom || !p->mClassJoinedInData) {
            it = mPendingRenders.erase(it);
            continue;
        }
        if (now - p->mVideoRoomEntryTimeStamp > mRenderDelayMs) {
            CLog::debug(QStringLiteral("user %1 delay render now").arg(id), tag);
            // A tile QML deleted meanwhile has nothing left to render into.
            QQuickItem *item = it->second.data();
            it = mPendingRenders.erase(it);
            if (item)
                setRemoteRenderer(id, item);
            continue;
        }
        ++it;
    }
    if (mPendingRenders.empty())
        mRenderTimer->stop();
}

// Scrolling and status ---------------------------------------------------------------

void TQUserListManager::setScrollY(int y, int height)
{
    mScrollY = y;
    mScrollHeight = height;
}

void TQUserListManager::setStudentView(qlonglong userID, QQuickItem *pQuickItem)
{
    mStudentViews[userID] = pQuickItem;
}

QQuickItem *TQUserListManager::getStudentView(qint64 userID)
{
    return mStudentViews[userID].data();
}

void TQUserListManager::refreshRemoteVideoPausing()
{
    TQRealTimeManager *manager = liveContext() ? liveContext()->m_pRealTimeManager : nullptr;
    for (int id : mVideoRoomUsers) {
        CParticipantBean *p = participant(id);
        if (!p)
            continue;
        bool pause = false;
        if (!isStudentOnStage(id)) {
            const auto view = mStudentViews.find(id);
            const QQuickItem *item = view == mStudentViews.end() ? nullptr : view->second.data();
            if (item) {
                const double top = item->y();
                const bool outOfSight = mScrollY > top + item->height() || top > double(mScrollY) + mScrollHeight;
                pause = outOfSight && p->mPickedForTalk == 0 && !p->mRandomlyPickedForDiscussion;
            }
        }
        if (pause == p->mRemoteVideoMuted)
            continue;
        if (manager)
            manager->muteRemoteVideo(id, pause);
        p->mRemoteVideoMuted = pause;
    }
}

void TQUserListManager::statusTick()
{
    const CourseDetailBean *c = course();
    if (!c)
        return;
    if (c->isRtcVideoEnabled()) {
        bool refreshed = false;
        if (mScrollY != mLastScrollY) {
            mScrollMoved = true;
            mLastScrollY = mScrollY;
        } else if (mScrollMoved) {
            // Scrolling stopped: look once at what is now in sight.
            mScrollMoved = false;
            refreshRemoteVideoPausing();
            refreshed = true;
        }
        if (!refreshed && mRefreshRequested) {
            mRefreshRequested = false;
            refreshRemoteVideoPausing();
        }
    }
    const qint64 now = currentTimeMillis();
    for (int id : mVideoRoomUsers) {
        CParticipantBean *p = participant(id);
        if (p && p->mTimeStampHandRaised > 0 && now - p->mTimeStampHandRaised > kHandRaiseMs)
            p->mTimeStampHandRaised = 0;
    }
}

void TQUserListManager::updateStudentVideoSession(bool sort)
{
    static const QString tag = QStringLiteral("TQUserListManager::updateStudentVideoSession");
    CLog::log(QStringLiteral("reSort %1").arg(bit(sort)), tag);
    if (sort) {
        mRefreshRequested = true;
        const qint64 now = currentTimeMillis();
        std::map<int, int> keys;
        for (int id : mVideoRoomUsers) {
            int key = kSortBase;
            if (const CParticipantBean *p = participant(id)) {
                if (p->mClassJoinedInMedia)
                    key -= kSortInMedia;
                if (p->mWritingEnabled)
                    key -= kSortWriting;
                if (p->mPickedForTalk != 0)
                    key -= kSortOnStage;
                if (now - p->mTimeStampHandRaised < kHandRaiseMs)
                    key -= kSortHandRaised;
                if (now - p->mTimeStampOfLastStudentMessage < kHandRaiseMs)
                    key -= kSortRecentMessage;
            }
            keys[id] = key;
        }
        QJsonArray indexes;
        for (const auto &entry : keys)
            indexes.append(QJsonObject{{QStringLiteral("userID"), idText(entry.first)},
                                       {QStringLiteral("sortIndex"), entry.second}});
        emit sortStudentViews_signal(indexes);
    }
    for (int id : mVideoRoomUsers) {
        const CParticipantBean *p = participant(id);
        if (!p)
            continue;
        emit updateStudentViewStatus_signal(QJsonObject{
            {QStringLiteral("userID"), idText(id)},
            {QStringLiteral("isInBackground"), p->mTimeStampInBackground > 0},
            {QStringLiteral("isOnline"), p->mClassJoinedInData},
            {QStringLiteral("isAudioMuted"), p->mAudioState == 0 || p->mAudioState == 1},
            {QStringLiteral("isVideoMuted"), p->mVideoState == 0 || p->mVideoState == 1},
            {QStringLiteral("videoReason"), p->mVideoReason},
            {QStringLiteral("writingEnabled"), p->mWritingEnabled},
        });
    }
    CLog::log(QStringLiteral("reSort %1 done").arg(bit(sort)), tag);
}

void TQUserListManager::updateListenArea()
{
    const CourseDetailBean *c = course();
    if (!c)
        return;
    std::vector<QJsonObject> students;
    for (const CParticipantBean *p : c->participants) {
        if (p->mPickedForTalk == 0 && !p->mSelectedToVideoRoom)
            students.push_back(p->toJson());
    }
    std::stable_partition(students.begin(), students.end(),
                          [](const QJsonObject &s) { return s.value(QStringLiteral("isOnline")).toBool(); });
    QJsonArray array;
    for (const QJsonObject &s : students)
        array.append(s);
    emit updateListenAreaStudents_signal(QJsonObject{{QStringLiteral("students"), array}});
}

void TQUserListManager::updateUserVolume(TQAudioVolumeInfo *volumeInfo)
{
    if (volumeInfo)
        emit updateUserVolume_signal(volumeInfo->toJson());
}

// Stage ---------------------------------------------------------------------------

bool TQUserListManager::isStudentOnStage(qint64 userID) const
{
    return std::find(mStageUsers.begin(), mStageUsers.end(), userID) != mStageUsers.end();
}

void TQUserListManager::addOnStageStudent(TQRemoteUser user)
{
    emit sendStudentOnStage_signal(user.mUserId);
    mStageUsers.push_back(user.mUserId);
}

void TQUserListManager::removeOnStageStudent(qint64 userID)
{
    const auto removed = std::remove(mStageUsers.begin(), mStageUsers.end(), userID);
    const long count = long(mStageUsers.end() - removed);
    // The list is settled before the view hears of it, so that a view
    // calling back finds it as it now is.
    mStageUsers.erase(removed, mStageUsers.end());
    for (long i = 0; i < count; ++i)
        emit sendStudentOffStage_signal(long(userID));
}

void TQUserListManager::studentOffStage(long userID)
{
    emit sendStudentOffStage_signal(userID);
    const auto it = std::find(mStageUsers.begin(), mStageUsers.end(), userID);
    if (it != mStageUsers.end())
        mStageUsers.erase(it);
    // No full screen of all students with one or nobody left on the stage.
    if (mStageUsers.size() <= 1 && mAllStudentsFullscreen && methodService())
        methodService()->exitAllStudentFullscreen();
}

void TQUserListManager::studentFullscreen(long userID)
{
    emit sendStudentFullscreen_signal(userID);
}

void TQUserListManager::studentExitFullscreen(long userID)
{
    emit sendStudentExitFullscreen_signal(userID);
}

void TQUserListManager::allStudentFullscreen(bool isFullscreen)
{
    emit sendAllStudentFullscreen_signal(isFullscreen);
}

void TQUserListManager::setTeacherOnStage(bool fullScreen)
{
    emit sendTeacherOnStage_signal(fullScreen);
    const CourseDetailBean *c = course();
    if (!c || !c->lecture_teacher)
        return;
    const int teacher = c->lecture_teacher->mUserId;
    if (!isStudentOnStage(teacher))
        mStageUsers.push_back(teacher);
}

void TQUserListManager::setTeacherOffStage()
{
    emit sendTeacherOffStage_signal();
    const CourseDetailBean *c = course();
    if (!c || !c->lecture_teacher)
        return;
    const auto it = std::find(mStageUsers.begin(), mStageUsers.end(), c->lecture_teacher->mUserId);
    if (it != mStageUsers.end())
        mStageUsers.erase(it);
}

void TQUserListManager::setStudentFullscreen(qlonglong userId)
{
    if (methodService() && isCourseId(userId))
        methodService()->studentFullscreen(int(userId));
}

void TQUserListManager::setStudentExitFullscreen(qlonglong userId)
{
    if (methodService() && isCourseId(userId))
        methodService()->exitStudentFullscreen(int(userId));
}

void TQUserListManager::setStudentOffStage(qlonglong userId)
{
    if (methodService() && isCourseId(userId))
        methodService()->studentOffStage(int(userId));
    removeOnStageStudent(userId);
}

void TQUserListManager::setAllStudentOffStage()
{
    if (!methodService())
        return;
    if (mAllStudentsFullscreen)
        methodService()->exitAllStudentFullscreen();
    methodService()->allOffStage();
}

void TQUserListManager::setAllStudentFullscreen(bool isFullscreen)
{
    mAllStudentsFullscreen = isFullscreen;
    if (!methodService())
        return;
    if (isFullscreen)
        methodService()->allStudentFullscreen();
    else
        methodService()->exitAllStudentFullscreen();
}

// Pictures ----------------------------------------------------------------------------

void TQUserListManager::receiveBinaryData(QString fromId, int, QByteArray *rawDataArray)
{
    // The transporter hands the array over to whoever receives it.
    const std::unique_ptr<QByteArray> bytes(rawDataArray);
    if (!bytes)
        return;
    bool ok = false;
    const qint64 userID = fromId.toLongLong(&ok);
    // Senders are untrusted: an unknown sender must not grow the view map.
    const auto view = ok ? mStudentViews.find(userID) : mStudentViews.end();
    QQuickItem *tile = view == mStudentViews.end() ? nullptr : view->second.data();
    QQuickItem *bitmap = tile ? findDescendant(tile, QStringLiteral("videoBitmapWidget")) : nullptr;
    if (!bitmap)
        return;
    const QImage image = QImage::fromData(*bytes);
    bitmap->setVisible(true);
    // The tile's picture item is found by name in the QML tree and takes
    // frames through its slot.
    QMetaObject::invokeMethod(bitmap, "deliverVideoFrame", Qt::DirectConnection, Q_ARG(QImage, image));
}

void TQUserListManager::showTeacherHeadImage()
{
    const CourseDetailBean *c = course();
    if (!c || !c->mTeacherVideoOff || c->mTeacherHeadImage.empty() || !mPreviewView)
        return;
    QMetaObject::invokeMethod(mPreviewView.data(), "showImageFromUrl", Qt::DirectConnection,
                              Q_ARG(QString, QString::fromStdString(c->mTeacherHeadImage)));
}

void TQUserListManager::showTeacherDefaultImage()
{
    if (mPreviewView)
        QMetaObject::invokeMethod(mPreviewView.data(), "showDefaultImage", Qt::DirectConnection);
}
