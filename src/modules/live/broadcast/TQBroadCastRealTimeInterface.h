#pragma once

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/communications/TQRealTimeInterface.h"

#include <QList>
#include <QString>

#include <string>
#include <vector>

class CParticipantBean;
class CourseDetailBean;
class TQAction;
class TQTeachingAssistant;
class TQUserListManager;

// The class window's delegate of the real-time layer: turns every report of
// the networks and every action a student sends into changes of the current
// course's participants, the class context's flags and calls on the window's
// managers. It keeps no state of its own. The window deletes it after the
// real-time manager has let go of it. GUI thread only.
//
// Ownership: every batch handed in is this delegate's. What a handler keeps
// or hands on (student writing to the writing manager, a relayed chat record
// to the real-time manager, messages to the course) leaves the batch; the
// batch and everything still in it is freed when the call returns.
class TQBroadCastRealTimeInterface : public TQRealTimeInterface, public TQLiveClassAccess
{
public:
    TQBroadCastRealTimeInterface(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);

    void mediaNetworkConnected() override;
    void mediaNetworkConnectFailure() override;
    void dataNetworkConnected() override;
    void dataNetworkConnectFailure() override;
    void logoutData() override;
    void logoutRtc() override;
    void userGetOnlineRTC(long uid) override;
    void userGetOfflineRTC(long uid) override;
    void userGetOnlineData(long uid) override;
    void userGetOfflineData(long uid) override;
    void onRemoteAudioStateChanged(long uid, int state, int reason) override;
    void onRemoteVideoStateChanged(long uid, int state, int reason) override;
    void actionMessageFromStudent(TQActionsFromNet *actions) override;
    void durationActionsFromStudent(TQActionsFromNet *actions) override;
    void onNetworkQuality(long uid, int txQuality, int rxQuality) override;
    void onRemoteVideoStats(long uid, int width, int height, int receivedBitrate, int decoderOutputFps,
                            int rendererOutputFps, int packetLossRate, int rxStreamType, int frozenRate,
                            int totalFrozenTime) override;
    void onRemoteAudioStats(long uid, int quality, int networkTransportDelay, int jitterBufferDelay,
                            int audioLossRate, int numChannels, int receivedSampleRate, int receivedBitrate,
                            int totalFrozenTime, int frozenRate) override;
    void onDataChannelKickout() override;
    void onLocalVideoFallBackToAudioOnly(bool isFallBackToAudio) override;
    void onUserAudioVolumeIndication(TQAudioVolumeInfo *pAudioVolumeInfo) override;
    void onAudioMixingStateChanged(int state, int errorCode) override;
    void onLocalVideoStateChanged(bool enabled) override;
    void onLocalAudioStateChanged(bool enabled) override;
    void onClientRoleChanged(int oldRole, int newRole) override;

    // Keeps the student video list filled with online students after one
    // came online or went offline.
    void checkLiveRoomUserState(CParticipantBean *participant, bool isOnline);
    // Stores whichever flag is given (null leaves it) and starts teaching
    // once both networks are connected.
    void updateNetworkStatus(const bool *mediaConnected, const bool *dataConnected);
    // Asks the server for one participant's record; the window takes the reply.
    void requestParticipantInfo(int userId);

    // The order of candidates for a free video place: earlier entry into the
    // video room first; on equal stamps the larger user id first.
    static bool participantComparator(const CParticipantBean *a, const CParticipantBean *b);

    // A student's chosen answers (character codes 65 "A" to 70 "F") as the
    // letters and the option indexes. Answers outside the options (not a
    // number, or not 65-70) are dropped; false when none is left.
    static bool readAnswers(const std::vector<std::string> &answers, QString *letters, QList<int> *indexes);

private:
    // One action of a batch. A handler that keeps or hands on the action
    // sets `slot` to null; whatever is left there is freed with the batch.
    void dispatchAction(TQAction *&slot, CParticipantBean *participant, int sender, int index);
    void handleStudentWriting(TQAction *&slot, int sender);
    void handleDrawImage(const TQAction *action, const CParticipantBean *participant, int sender);
    void handleRequestBulkData(const TQAction *action, int sender);
    void handleRaiseHand(CParticipantBean *participant);
    void handlePrivateMessage(TQAction *action, CParticipantBean *participant, int sender);
    void handlePublicMessage(TQAction *&slot, const CParticipantBean *participant, int sender);
    void handlePresence(int code, CParticipantBean *participant, int sender);
    void handleAnswer(const TQAction *action, const CParticipantBean *participant, int sender);
    void handleUserResponse(const TQAction *action, CParticipantBean *participant, int sender);
    void handleCameraVideo(const TQAction *action, int sender);

    // Looks the user up; asks the server for him first when the course says so.
    CParticipantBean *participantSeen(long uid, bool mayMoveBystander);
    // The window's, or null while there is no window.
    TQTeachingAssistant *teachingAssistant() const;
    TQUserListManager *userListManager() const;
    // Refreshes the student list's flags (and its order with `sort`).
    void refreshStudentList(bool sort) const;
    // The participant record of the signed-in teacher, or null.
    CParticipantBean *ownParticipant() const;
    static CourseDetailBean *course();
    static int ownUserId();
};
