// The networks, presence, statistics and the teacher's own media. What
// students send is in TQBroadCastRealTimeInterfaceActions.cpp.
#include "modules/live/broadcast/TQBroadCastRealTimeInterface.h"

#include "actions/control/TQControlStudentPermissionInfo.h"
#include "base/dialog/CDialogManager.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/broadcast/TQBroadCastMethodService.h"
#include "modules/live/broadcast/TQBroadcastViewModel.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/communications/TQCallQualityStats.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "modules/live/userlist/TQUserListManager.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <algorithm>

namespace {

// A video that decodes above this rate plays, whatever the engine said last.
constexpr int kPlayingDecodeFps = 5;
constexpr qint64 kVideoStateSettleMs = 10000;
constexpr int kVideoPlaying = 2;
constexpr int kVideoOff = 0;
constexpr int kReasonLocal = 3;
constexpr int kTeacherVideoFallenBack = 5;
constexpr int kTeacherVideoRecovered = 6;

} // namespace

TQBroadCastRealTimeInterface::TQBroadCastRealTimeInterface(TQBroadCastMethodService *methodService,
                                                           TQLiveBroadCastContext *context)
    : TQLiveClassAccess(methodService, context)
{
}

CourseDetailBean *TQBroadCastRealTimeInterface::course()
{
    return TQDataModelBean::m_pOngoingCourse;
}

int TQBroadCastRealTimeInterface::ownUserId()
{
    return LoginManager::getUserID().toInt();
}

TQUserListManager *TQBroadCastRealTimeInterface::userListManager() const
{
    TQLiveBroadCastActivity *window = methodService()->getActivity();
    return window ? window->userListManager() : nullptr;
}

void TQBroadCastRealTimeInterface::refreshStudentList(bool sort) const
{
    if (TQUserListManager *list = userListManager())
        list->updateStudentVideoSession(sort);
}

CParticipantBean *TQBroadCastRealTimeInterface::ownParticipant() const
{
    CourseDetailBean *currentCourse = course();
    return currentCourse ? currentCourse->getParticipant(ownUserId()) : nullptr;
}

CParticipantBean *TQBroadCastRealTimeInterface::participantSeen(long uid, bool mayMoveBystander)
{
    CourseDetailBean *currentCourse = course();
    if (!currentCourse)
        return nullptr;
    if (currentCourse->checkStudentStatus(uid, mayMoveBystander))
        requestParticipantInfo(int(uid));
    CParticipantBean *participant = currentCourse->getParticipant(uid);
    return participant;
}

void TQBroadCastRealTimeInterface::requestParticipantInfo(int userId)
{
    TQLiveBroadCastContext *context = liveContext();
    if (context->m_pViewModel)
        context->m_pViewModel->requestCourseScheduleParticipant(context->courseScheduleID, QString::number(userId));
}

// Networks ---------------------------------------------------------------------------

void TQBroadCastRealTimeInterface::mediaNetworkConnected()
{
    const bool connected = true;
    updateNetworkStatus(&connected, nullptr);
    CLog::log(QStringLiteral("[RTC] TQBroadCastRealTimeInterface::mediaNetworkConnected after updateNetworkStatus do "
                             "enableAudioVolumeIndication"));
    liveContext()->m_pRealTimeManager->enableAudioVolumeIndication(2000, 3, true);
    if (TQLiveBroadCastActivity *window = methodService()->getActivity())
        window->scheduleAutoRecordCheck();
}

void TQBroadCastRealTimeInterface::mediaNetworkConnectFailure() {}

void TQBroadCastRealTimeInterface::dataNetworkConnected()
{
    CLog::log(QStringLiteral("data connected for updateNetworkStatus"));
    const bool connected = true;
    updateNetworkStatus(nullptr, &connected);
}

void TQBroadCastRealTimeInterface::dataNetworkConnectFailure()
{
    if (TQLiveBroadCastActivity *window = methodService()->getActivity())
        window->handleDataConnectFailure();
}

void TQBroadCastRealTimeInterface::updateNetworkStatus(const bool *mediaConnected, const bool *dataConnected)
{
    TQLiveBroadCastContext *context = liveContext();
    if (mediaConnected)
        context->mediaConnected = *mediaConnected;
    if (dataConnected)
        context->dataConnected = *dataConnected;
    if (!context->mediaConnected || !context->dataConnected)
        return;
    CLog::log(QStringLiteral("TQBroadCastRealTimeInterface::updateNetworkStatus startTeaching"));
    // The window starts teaching once per class; later reports return there.
    if (TQLiveBroadCastActivity *window = methodService()->getActivity())
        window->startTeachingOrLearning();
}

void TQBroadCastRealTimeInterface::logoutData()
{
    CLog::print(QStringLiteral("[RTM] TQBroadCastRealTimeInterface::logoutData"));
    if (TQLiveBroadCastActivity *window = methodService()->getActivity())
        window->logoutData();
}

void TQBroadCastRealTimeInterface::logoutRtc()
{
    CLog::print(QStringLiteral("[RTC] TQBroadCastRealTimeInterface::logoutRtc"));
    if (TQLiveBroadCastActivity *window = methodService()->getActivity())
        window->logoutRtc();
}

void TQBroadCastRealTimeInterface::onDataChannelKickout()
{
    if (TQLiveBroadCastActivity *window = methodService()->getActivity()) {
        CDialogManager::oneButtonDialog(window, QStringLiteral("提示"), QStringLiteral("另外一台设备登录了您的账号在上课."),
                                        QStringLiteral("退出"), 10);
    }
    CLog::log(QStringLiteral("user Kickout"));
}

// Presence -----------------------------------------------------------------------------

void TQBroadCastRealTimeInterface::userGetOnlineRTC(long uid)
{
    CLog::printf("TQBroadCastRealTimeInterface::userGetOnlineRTC userId=%d", int(uid));
    CParticipantBean *participant = participantSeen(uid, true);
    if (!participant)
        return;
    participant->mClassJoinedInMedia = true;
    participant->mTimeStampInBackground = 0;
    participant->mWritingEnabled = false;
    liveContext()->participantsChanged = true;
}

void TQBroadCastRealTimeInterface::userGetOfflineRTC(long uid)
{
    CLog::printf("TQBroadCastRealTimeInterface::userGetOfflineRTC userId=%d ", int(uid));
    CParticipantBean *participant = participantSeen(uid, true);
    if (!participant)
        return;
    participant->mClassJoinedInMedia = false;
    participant->mTimeStampInBackground = 0;
    participant->mTimeStampPermissionResponse = 0;
    if (participant->mAvgAudioVideoQuality)
        participant->mAvgAudioVideoQuality->clear();
    participant->mWritingEnabled = false;
    if (!participant->mClassJoinedInData)
        checkLiveRoomUserState(participant, false);
    liveContext()->participantsChanged = true;
}

void TQBroadCastRealTimeInterface::userGetOnlineData(long uid)
{
    CLog::printf("TQBroadCastRealTimeInterface::userGetOnlineData userId=%d", int(uid));
    CourseDetailBean *currentCourse = course();
    if (!currentCourse)
        return;
    // The student is asked for its device permissions at once.
    auto *permission = new TQControlStudentPermissionInfo;
    permission->targetUserId = int(uid);
    permission->receiver = int(uid);
    permission->mHeadImageUrl = currentCourse->mTeacherHeadImage;
    liveContext()->m_pRealTimeManager->sendControlAction(permission);

    CParticipantBean *participant = participantSeen(uid, false);
    if (!participant)
        return;
    participant->mClassJoinedInData = true;
    participant->mTimeStampInBackground = 0;
    participant->mWritingEnabled = false;
    // A rejoined client counts its time stamps afresh: a stamp from before,
    // even one far in the future, must not silence him.
    participant->mTimeStampOfLastStudentMessage = 0;
    checkLiveRoomUserState(participant, true);
    liveContext()->participantsChanged = true;
}

void TQBroadCastRealTimeInterface::userGetOfflineData(long uid)
{
    CLog::printf("TQBroadCastRealTimeInterface::userGetOfflineData userId=%d", int(uid));
    CParticipantBean *participant = participantSeen(uid, false);
    if (!participant)
        return;
    participant->mClassJoinedInData = false;
    checkLiveRoomUserState(participant, false);
    liveContext()->participantsChanged = true;
}

bool TQBroadCastRealTimeInterface::participantComparator(const CParticipantBean *a, const CParticipantBean *b)
{
    if (a->mVideoRoomEntryTimeStamp != b->mVideoRoomEntryTimeStamp)
        return a->mVideoRoomEntryTimeStamp < b->mVideoRoomEntryTimeStamp;
    return a->mUserId > b->mUserId;
}

void TQBroadCastRealTimeInterface::checkLiveRoomUserState(CParticipantBean *participant, bool isOnline)
{
    CLog::printf("TQBroadCastRealTimeInterface::checkLiveRoomUserState check student %ld,%d,%d,%d,isOnline %d",
                 long(participant->mUserId), int(participant->mInsideBlackroom), int(participant->mClassJoinedInData),
                 int(participant->mSelectedToVideoRoom), int(isOnline));
    TQLiveBroadCastContext *context = liveContext();
    CourseDetailBean *currentCourse = course();
    if (!context->teachingStarted) {
        CLog::print(QStringLiteral("TQBroadCastRealTimeInterface::checkLiveRoomUserState teaching not start"));
        return;
    }
    if (participant->getRoleType() != 0) {
        CLog::printf("TQBroadCastRealTimeInterface::checkLiveRoomUserState student role not student: %d",
                     participant->getRoleType());
        return;
    }
    const auto sameUser = [participant](const CParticipantBean *p) { return p->mUserId == participant->mUserId; };
    if (std::any_of(currentCourse->mArrayOfNewlyAddedStudents.begin(),
                    currentCourse->mArrayOfNewlyAddedStudents.end(), sameUser)) {
        CLog::printf("TQBroadCastRealTimeInterface::checkLiveRoomUserState user(%ld) already exist.",
                     long(participant->mUserId));
        return;
    }
    TQUserListManager *list = userListManager();
    const std::string userIdText = participant->userBriefInfo.userId;
    if (isOnline) {
        if (!participant->mInsideBlackroom && participant->mClassJoinedInData && !participant->mSelectedToVideoRoom) {
            if (list && list->getRemoteUserCount() >= currentCourse->mStageCapacity) {
                const int evicted = list->findOfflineVideoRoomUser();
                if (evicted != -1) {
                    list->removeRemoteUser(evicted);
                    list->addRemoteUser(TQRemoteUser(participant->mUserId, participant->getDisplayName(), true));
                    CLog::printf("TQBroadCastRealTimeInterface::checkLiveRoomUserState online : %s replace %d",
                                 userIdText.c_str(), evicted);
                }
            } else if (list) {
                list->addRemoteUser(TQRemoteUser(participant->mUserId, participant->getDisplayName(), true));
                CLog::printf("TQBroadCastRealTimeInterface::checkLiveRoomUserState online : %s", userIdText.c_str());
            }
            // Also when nobody could make room: he is out of the black room.
            participant->mShouldAudioOn = currentCourse->mDefaultStudentAudioOn;
            participant->mInsideBlackroom = false;
            refreshStudentList(true);
        }
    } else {
        if (!participant->mClassJoinedInData && !participant->mClassJoinedInMedia
            && participant->mSelectedToVideoRoom) {
            if (participant->mPickedForTalk != 0) {
                methodService()->studentOffStage(participant->mUserId);
                if (list)
                    list->removeOnStageStudent(participant->mUserId);
            }
            if (list)
                list->removeRemoteUser(participant->mUserId);
            QList<CParticipantBean *> candidates = currentCourse->getOnlineStudentsNotOnStage();
            CLog::debug(QStringLiteral("candidate student count %1").arg(candidates.size()));
            if (!candidates.isEmpty()) {
                std::sort(candidates.begin(), candidates.end(), participantComparator);
                const CParticipantBean *next = candidates.first();
                if (list)
                    list->addRemoteUser(TQRemoteUser(next->mUserId, next->getDisplayName(), false));
                CLog::printf("TQBroadCastRealTimeInterface::checkLiveRoomUserState offLine : %s with %s",
                             userIdText.c_str(), next->userBriefInfo.userId.c_str());
            }
        }
    }
    currentCourse->mSessionStatusDue += 1;
    context->participantsChanged = true;
}

// Remote state changes and statistics -----------------------------------------------

void TQBroadCastRealTimeInterface::onRemoteAudioStateChanged(long uid, int state, int reason)
{
    CParticipantBean *participant = participantSeen(uid, true);
    if (!participant)
        return;
    participant->mAudioState = state;
    participant->mAudioReason = reason;
    refreshStudentList(false);
}

void TQBroadCastRealTimeInterface::onRemoteVideoStateChanged(long uid, int state, int reason)
{
    CParticipantBean *participant = participantSeen(uid, true);
    if (!participant)
        return;
    participant->mVideoState = state;
    participant->mVideoReason = reason;
    participant->mTimeStampVideoStateChanged = currentTimeMillis();
    refreshStudentList(false);
}

void TQBroadCastRealTimeInterface::onNetworkQuality(long uid, int txQuality, int rxQuality)
{
    CourseDetailBean *currentCourse = course();
    if (!currentCourse)
        return;
    const TQNetworkQuality sample{currentTimeMillis(), txQuality, rxQuality};
    if (uid == ownUserId()) {
        if (currentCourse->mCallQualityStats)
            currentCourse->mCallQualityStats->addNetworkQuality(sample);
        return;
    }
    CParticipantBean *participant = currentCourse->getParticipant(uid);
    if (participant && participant->mAvgAudioVideoQuality)
        participant->mAvgAudioVideoQuality->addNetworkQuality(sample);
}

void TQBroadCastRealTimeInterface::onRemoteVideoStats(long uid, int width, int height, int receivedBitrate,
                                                      int decoderOutputFps, int rendererOutputFps, int packetLossRate,
                                                      int rxStreamType, int frozenRate, int totalFrozenTime)
{
    CourseDetailBean *currentCourse = course();
    CParticipantBean *participant = currentCourse ? currentCourse->getParticipant(uid) : nullptr;
    if (!participant)
        return;
    const qint64 now = currentTimeMillis();
    const TQVideoStatistics sample{now,           width,          height,       receivedBitrate, decoderOutputFps,
                                   rendererOutputFps, packetLossRate, rxStreamType, frozenRate,     totalFrozenTime};
    if (decoderOutputFps > kPlayingDecodeFps && now - participant->mTimeStampVideoStateChanged > kVideoStateSettleMs
        && participant->mVideoState != kVideoPlaying) {
        CLog::log(QStringLiteral("video stat change decode output > 5, student user_id:%1, videoState:%2")
                      .arg(participant->mUserId)
                      .arg(participant->mVideoState));
        participant->mVideoState = kVideoPlaying;
        participant->mVideoReason = kReasonLocal;
        refreshStudentList(false);
    }
    if (participant->mAvgAudioVideoQuality)
        participant->mAvgAudioVideoQuality->addVideoStatistics(sample);
}

void TQBroadCastRealTimeInterface::onRemoteAudioStats(long uid, int quality, int networkTransportDelay,
                                                      int jitterBufferDelay, int audioLossRate, int numChannels,
                                                      int receivedSampleRate, int receivedBitrate, int totalFrozenTime,
                                                      int frozenRate)
{
    Q_UNUSED(receivedBitrate)
    CourseDetailBean *currentCourse = course();
    CParticipantBean *participant = currentCourse ? currentCourse->getParticipant(uid) : nullptr;
    if (!participant || !participant->mAvgAudioVideoQuality)
        return;
    participant->mAvgAudioVideoQuality->addAudioStatistics({currentTimeMillis(), quality, networkTransportDelay,
                                                            jitterBufferDelay, audioLossRate, numChannels,
                                                            receivedSampleRate, totalFrozenTime, frozenRate});
}

// The teacher's own media and the rest --------------------------------------------------

void TQBroadCastRealTimeInterface::onLocalVideoStateChanged(bool enabled)
{
    if (CParticipantBean *own = ownParticipant()) {
        own->mVideoState = enabled ? kVideoPlaying : kVideoOff;
        own->mVideoReason = kReasonLocal;
    }
}

void TQBroadCastRealTimeInterface::onLocalAudioStateChanged(bool enabled)
{
    if (CParticipantBean *own = ownParticipant()) {
        own->mAudioState = enabled ? kVideoPlaying : kVideoOff;
        own->mAudioReason = kReasonLocal;
    }
}

void TQBroadCastRealTimeInterface::onLocalVideoFallBackToAudioOnly(bool isFallBackToAudio)
{
    if (CourseDetailBean *currentCourse = course()) {
        currentCourse->mTeacherVideoOff = isFallBackToAudio;
        currentCourse->mTeacherVideoState = isFallBackToAudio ? kTeacherVideoFallenBack : kTeacherVideoRecovered;
    }
}

void TQBroadCastRealTimeInterface::onUserAudioVolumeIndication(TQAudioVolumeInfo *pAudioVolumeInfo)
{
    // The record stays the real-time layer's.
    if (TQUserListManager *list = userListManager())
        list->updateUserVolume(pAudioVolumeInfo);
}

void TQBroadCastRealTimeInterface::onAudioMixingStateChanged(int state, int errorCode)
{
    Q_UNUSED(state)
    Q_UNUSED(errorCode)
}

void TQBroadCastRealTimeInterface::onClientRoleChanged(int oldRole, int newRole)
{
    CLog::log(QStringLiteral("client changed %1=>%2").arg(oldRole).arg(newRole));
}
