#pragma once

#include "modules/live/communications/TQRTCEventHandlerInterface.h"

class TQRealTimeManager;

// The real-time manager's one handler in its media engine's handler list.
// Reports of the engine reach the manager and its delegate through it.
class TQRTCDataHanlder : public TQRTCEventHandlerInterface
{
    Q_OBJECT

public:
    explicit TQRTCDataHanlder(TQRealTimeManager *manager);
    ~TQRTCDataHanlder() override;

    void onFirstLocalVideoFrame(int width, int height, int elapsed) override;
    void onUserJoinedRTC(long uid, int elapsed) override;
    void onUserOffLineRTC(long uid, int reason) override;
    void onStreamMessageRTC(long uid, QString messageBody) override;
    void onJoinChannelSuccessRTC(long uid, int elapsed) override;
    void onLeaveChannelRTC() override;
    void onRemoteVideoStateChanged(long uid, int state, int reason, int elapsed) override;
    void onRemoteAudioStateChanged(long uid, int state, int reason, int elapsed) override;
    void onNetworkQuality(long uid, int txQuality, int rxQuality) override;
    void onRemoteVideoStats(long uid, int width, int height, int receivedBitrate, int decoderOutputFps,
                            int rendererOutputFps, int packetLossRate, int rxStreamType, int frozenRate,
                            int totalFrozenTime) override;
    void onRemoteAudioStats(long uid, int quality, int networkTransportDelay, int jitterBufferDelay,
                            int audioLossRate, int numChannels, int receivedSampleRate, int receivedBitrate,
                            int totalFrozenTime, int frozenRate) override;
    void onLocalVideoFallBackToAudioOnly(bool isFallBackToAudio) override;
    void onRemoteVideoFallBackToAudioOnly(long uid, bool isFallBackToAudio) override;
    // The record is deleted here.
    void onUserAudioVolumeIndication(TQAudioVolumeInfo *pAudioVolumeInfo) override;
    void onAudioMixingStateChanged(int state, int errorCode) override;
    void onLocalVideoStateChanged(bool enabled) override;
    void onLocalAudioStateChanged(bool enabled) override;
    void onClientRoleChanged(int oldRole, int newRole) override;

private:
    TQRealTimeManager *m_manager; // not owned
};
