#include "modules/live/broadcast/TQBroadCastMethodService.h"

#include "actions/TQAction.h"
#include "actions/control/TQControlDisableWriting.h"
#include "actions/control/TQControlEnableWriting.h"
#include "actions/control/TQControlSilence.h"
#include "actions/control/TQControlStudentOffStage.h"
#include "actions/control/TQControlStudentPermissionInfo.h"
#include "actions/control/TQControlTeacherOffStage.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/broadcast/TQStageTimeTracker.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQStudentWritingManager.h"
#include "modules/live/userlist/TQUserListManager.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QBasicTimer>
#include <QTimerEvent>

#include <algorithm>

namespace {

CourseDetailBean *course()
{
    return TQDataModelBean::m_pOngoingCourse;
}

CParticipantBean *participant(qint64 userId)
{
    CourseDetailBean *c = course();
    return c ? c->getParticipant(userId) : nullptr;
}

bool hasParticipants()
{
    CourseDetailBean *c = course();
    return c && !c->participants.isEmpty();
}

// A target-and-receiver command for one student.
template <class Action>
Action *commandFor(int userId)
{
    auto *action = new Action;
    action->targetUserId = userId;
    action->receiver = userId;
    return action;
}

} // namespace

TQBroadCastMethodService::TQBroadCastMethodService(TQLiveBroadCastActivity *activity, TQLiveBroadCastContext *context)
    : mActivity(activity)
    , mContext(context)
    , mTimer(new QBasicTimer)
{
}

TQBroadCastMethodService::~TQBroadCastMethodService()
{
    mTimer->stop();
    delete mTimer;
}

TQDrawManager *TQBroadCastMethodService::getDrawManager() const
{
    TQDrawLayout *layout = mActivity ? mActivity->getDrawLayout() : nullptr;
    return layout ? layout->drawManager() : nullptr;
}

void TQBroadCastMethodService::startTeachingOrLearning()
{
    if (mActivity)
        mActivity->startTeachingOrLearning();
}

TQUserListManager *TQBroadCastMethodService::userList() const
{
    return mActivity ? mActivity->userListManager() : nullptr;
}

void TQBroadCastMethodService::send(TQAction *action)
{
    if (mContext && mContext->m_pRealTimeManager)
        mContext->m_pRealTimeManager->sendControlAction(action);
    else
        delete action;
}

// Device permissions -----------------------------------------------------------------

void TQBroadCastMethodService::requestPermissionInfo(bool toEveryone)
{
    CourseDetailBean *c = course();
    if (!hasParticipants())
        return;
    if (toEveryone) {
        auto *request = new TQControlStudentPermissionInfo;
        request->targetUserId = TQAction::GENERAL_AUDIENCE;
        request->receiver = TQAction::GENERAL_AUDIENCE;
        request->mHeadImageUrl = c->mTeacherHeadImage;
        CLog::printf("LiveBroadcast: permission request %p to user %d=%d:TQAction::GENERAL_AUDIENCE, url %s",
                     static_cast<void *>(request), request->receiver, TQAction::GENERAL_AUDIENCE,
                     request->mHeadImageUrl.c_str());
        send(request);
        return;
    }
    const qint64 now = currentTimeMillis();
    int asked = 0;
    for (CParticipantBean *p : c->participants) {
        if (p->getUserId().empty())
            continue;
        const int userId = p->mUserId;
        if (p->mTimeStampPermissionResponse != 0) {
            // He answered; should his media drop, he is asked again at once.
            mPermissionAskedMs.erase(userId);
            continue;
        }
        if (!p->mClassJoinedInData && !p->mClassJoinedInMedia)
            continue;
        const auto last = mPermissionAskedMs.find(userId);
        if (last != mPermissionAskedMs.end() && now - last->second < kPermissionRetryMs)
            continue;
        if (asked == kPermissionRequestsPerCall)
            break;
        auto *request = commandFor<TQControlStudentPermissionInfo>(userId);
        request->mHeadImageUrl = c->mTeacherHeadImage;
        CLog::printf("LiveBroadcast: permission request %p to user %d=%d: url %s", static_cast<void *>(request),
                     request->receiver, userId, request->mHeadImageUrl.c_str());
        send(request);
        mPermissionAskedMs[userId] = now;
        ++asked;
    }
}

// Stage and full screen --------------------------------------------------------------

void TQBroadCastMethodService::studentOffStage(int userId)
{
    CLog::printf("TQBroadCastMethodService studentOffStage with userId %d", userId);
    CParticipantBean *p = participant(userId);
    if (!p || p->mPickedForTalk == 0)
        return;
    p->mPickedForTalk = 0;
    auto *offStage = new TQControlStudentOffStage;
    offStage->targetUserId = userId;
    send(offStage);

    CourseDetailBean *c = course();
    TQUserListManager *list = userList();
    if (!c->mDefaultStudentAudioOn) {
        p->mShouldAudioOn = false;
        if (list)
            list->updateStudentVideoSession(true);
        send(commandFor<TQControlSilence>(userId));
    }
    if (list)
        list->studentOffStage(userId);
    // The student's small picture is enough off the stage.
    if (mContext && mContext->m_pRealTimeManager)
        mContext->m_pRealTimeManager->setRemoteVideoStreamType(2, userId);
    if (c->mStageTimeTracker)
        c->mStageTimeTracker->addSpan(userId, 3, -1, currentTimeMillis());
}

void TQBroadCastMethodService::studentFullscreen(int userId)
{
    TQUserListManager *list = userList();
    if (list) {
        // A copy: taking a student off the stage changes the list.
        const std::vector<int> onStage = list->onStageUserIDs();
        for (int other : onStage) {
            CParticipantBean *p = participant(other);
            if (other != userId && p && p->mPickedForTalk == 1)
                studentOffStage(other);
        }
    }
    CParticipantBean *p = participant(userId);
    if (!p)
        return;
    if (p->mPickedForTalk != 1) {
        CLog::printf("TQBroadCastMethodService studentFullscreen %d: not on stage or fullscreened", userId);
        return;
    }
    p->mPickedForTalk = 2;
    if (list)
        list->studentFullscreen(userId);
}

void TQBroadCastMethodService::exitStudentFullscreen(int userId)
{
    CParticipantBean *p = participant(userId);
    if (!p)
        return;
    if (p->mPickedForTalk != 2) {
        CLog::printf("TQBroadCastMethodService exitStudentFullscreen %d: not on stage or not fullscreen", userId);
        return;
    }
    if (TQUserListManager *list = userList())
        list->studentExitFullscreen(userId);
    p->mPickedForTalk = 1;
}

void TQBroadCastMethodService::setAllStudentFullscreen(bool fullscreen)
{
    CourseDetailBean *c = course();
    TQUserListManager *list = userList();
    if (!c || !list)
        return;
    const int from = fullscreen ? 1 : 3;
    const int to = fullscreen ? 3 : 1;
    const int teacherId = c->lecture_teacher ? c->lecture_teacher->mUserId : 0;
    for (int userId : std::vector<int>(list->onStageUserIDs())) {
        if (teacherId != 0 && userId == teacherId) {
            c->lecture_teacher->mPickedForTalk = to;
            c->mTeacherOnStage = to;
            continue;
        }
        CParticipantBean *p = participant(userId);
        if (p && p->mPickedForTalk == from)
            p->mPickedForTalk = to;
    }
    list->allStudentFullscreen(fullscreen);
    if (!fullscreen)
        list->clearAllStudentsFullscreen();
}

void TQBroadCastMethodService::allStudentFullscreen()
{
    setAllStudentFullscreen(true);
}

void TQBroadCastMethodService::exitAllStudentFullscreen()
{
    setAllStudentFullscreen(false);
}

void TQBroadCastMethodService::teacherOffStage()
{
    CourseDetailBean *c = course();
    if (!c || c->mTeacherOnStage == 0)
        return;
    c->mTeacherOnStage = 0;
    auto *offStage = new TQControlTeacherOffStage;
    offStage->targetUserId = LoginManager::getUserID().toInt();
    send(offStage);
}

void TQBroadCastMethodService::allOffStage()
{
    CourseDetailBean *c = course();
    if (!c)
        return;
    if (c->mTeacherOnStage != 0) {
        teacherOffStage();
        if (TQUserListManager *list = userList())
            list->setTeacherOffStage();
    }
    // Ids first: studentOffStage changes the records as it goes.
    std::vector<int> onStage;
    for (CParticipantBean *p : c->participants)
        if (p->mPickedForTalk != 0)
            onStage.push_back(p->mUserId);
    for (int userId : onStage)
        studentOffStage(userId);
}

// Writing rights ---------------------------------------------------------------------

void TQBroadCastMethodService::assignWritingRight(int userId)
{
    CLog::printf("assignWritingRight assign student writing with userId: %d", userId);
    if (hasParticipants())
        assignStudentWriting(userId);
}

void TQBroadCastMethodService::assignStudentWriting(int userId)
{
    CLog::printf("TQBroadCastMethodService assign student writing with userId: %d", userId);
    CParticipantBean *p = participant(userId);
    if (!p)
        return;
    p->mWritingEnabled = true;
    if (TQUserListManager *list = userList())
        list->updateStudentVideoSession(true);
    send(commandFor<TQControlEnableWriting>(userId));
    // Given back before the delayed removal ran: he stays a writer.
    mPendingWriterIds.erase(userId);
    if (mContext && mContext->m_pStudentWritingManager) {
        mContext->m_pStudentWritingManager->setStudentWritingEnabled(true, userId);
        mContext->m_pStudentWritingManager->resetStudentWritingBuffer(userId);
    }
}

void TQBroadCastMethodService::revokeStudentWriting(int reason, int userId)
{
    CLog::printf("TQBroadCastMethodService revoke student writing with userId: %d", userId);
    CParticipantBean *p = participant(userId);
    if (!p)
        return;
    p->mWritingEnabled = false;
    if (TQUserListManager *list = userList())
        list->updateStudentVideoSession(true);
    auto *disable = commandFor<TQControlDisableWriting>(userId);
    disable->mReason = reason;
    send(disable);
    mPendingWriterIds.insert(userId);
    mTimer->start(kWriterRemovalDelayMs, Qt::PreciseTimer, this);
}

void TQBroadCastMethodService::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != mTimer->timerId()) {
        QObject::timerEvent(event);
        return;
    }
    mTimer->stop();
    const std::set<int> ids = std::move(mPendingWriterIds);
    mPendingWriterIds.clear();
    if (mContext && mContext->m_pStudentWritingManager)
        for (int userId : ids)
            mContext->m_pStudentWritingManager->setStudentWritingEnabled(false, userId);
}

std::vector<int> TQBroadCastMethodService::writerIds() const
{
    std::vector<int> ids;
    if (CourseDetailBean *c = course())
        for (CParticipantBean *p : c->participants)
            if (p->mWritingEnabled && !p->getUserId().empty())
                ids.push_back(p->mUserId);
    return ids;
}

void TQBroadCastMethodService::revokeAllStudentWriting()
{
    for (int userId : writerIds())
        revokeStudentWriting(8, userId);
}

bool TQBroadCastMethodService::suspendAllStudentWriting(int reason)
{
    if (!mActivity)
        return false;
    std::vector<int> &suspended = mActivity->suspendedWritingUserIds();
    suspended.clear();
    if (!hasParticipants())
        return false;
    for (int userId : writerIds()) {
        suspended.push_back(userId);
        revokeStudentWriting(reason, userId);
    }
    return !suspended.empty();
}

void TQBroadCastMethodService::restoreStudentWriting()
{
    if (!mActivity)
        return;
    std::vector<int> &suspended = mActivity->suspendedWritingUserIds();
    const std::vector<int> ids = std::move(suspended);
    suspended.clear();
    for (int userId : ids)
        assignWritingRight(userId);
}

// Popovers ---------------------------------------------------------------------------

void TQBroadCastMethodService::commonStudentIconClicked(long userId)
{
    CLog::print(QStringLiteral("student clicked %1").arg(userId));
    if (!course()) {
        CLog::error(QStringLiteral("student clicked %1, but there is no ongoing course").arg(userId));
        return;
    }
    CParticipantBean *p = participant(userId);
    if (!p) {
        CLog::error(QStringLiteral("student clicked %1, but no student find").arg(userId));
        return;
    }
    if (p->mTimeStampHandRaised > 0)
        p->mTimeStampHandRaised = 0;
}

void TQBroadCastMethodService::showTeacherPopover(int x, int y)
{
    // The popover manager has no show operation yet: nothing to open.
    (void)x;
    (void)y;
}

// Panels -----------------------------------------------------------------------------

void TQBroadCastMethodService::refreshListenArea()
{
    TQUserListManager *list = userList();
    if (course() && list)
        list->updateListenArea();
}

void TQBroadCastMethodService::refreshBystanderPanel()
{
    CourseDetailBean *c = course();
    if (!c)
        return;
    std::stable_sort(c->bystanders.begin(), c->bystanders.end(), [](const CParticipantBean *a, const CParticipantBean *b) {
        if (a->mClassJoinedInData != b->mClassJoinedInData)
            return !a->mClassJoinedInData;
        return a->mUserId < b->mUserId;
    });
    if (TQUserListManager *list = userList())
        emit list->updateNumberOfStudents_signal(c->participants.size(), c->bystanders.size());
}

void TQBroadCastMethodService::refreshBlackRoomPanel()
{
    CourseDetailBean *c = course();
    if (!c)
        return;
    int inside = 0;
    for (const CParticipantBean *p : c->participants)
        inside += p->mInsideBlackroom ? 1 : 0;
    if (TQUserListManager *list = userList())
        emit list->updateNumberOfStudentsInBlackRoom_signal(inside);
}
