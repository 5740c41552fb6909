#pragma once

#include "modules/live/broadcast/TQLiveClassAccess.h"
#include "modules/live/communications/TQRealTimeInterface.h"

// The class window's delegate of the real-time layer. The window deletes it
// after the real-time manager has let go of it.
//
// Until the class reacts to the networks and the students, every report is
// taken and dropped; the records the layer hands over are freed here, since
// the delegate owns them.
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
};
