#pragma once

#include "modules/live/communications/TQRTCEventHandlerInterface.h"

class TQRealTimeManager;

// The real-time manager's one handler in its media engine's handler list.
// The engine calls it on SDK threads; each report is re-emitted as a signal
// and handled by the matching slot, queued onto the GUI thread, where the
// manager and its delegate are touched.
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
    void onRemoteVideoStats(long uid, int width, int height, int receivedBitrate, int decoderOutputFps, int rendererOutputFps, int packetLossRate, int rxStreamType, int frozenRate, int totalFrozenTime) override;
    void onRemoteAudioStats(long uid, int quality, int networkTransportDelay, int jitterBufferDelay, int audioLossRate, int numChannels, int receivedSampleRate, int receivedBitrate, int totalFrozenTime, int frozenRate) override;
    void onLocalVideoFallBackToAudioOnly(bool isFallBackToAudio) override;
    void onRemoteVideoFallBackToAudioOnly(long uid, bool isFallBackToAudio) override;
    void onUserAudioVolumeIndication(TQAudioVolumeInfo *pAudioVolumeInfo) override;
    void onAudioMixingStateChanged(int state, int errorCode) override;
    void onLocalVideoStateChanged(bool enabled) override;
    void onLocalAudioStateChanged(bool enabled) override;
    void onClientRoleChanged(int oldRole, int newRole) override;

signals:
    void onFirstLocalVideoFrame_signal(int width, int height, int elapsed);
    void onUserJoinedRTC_signal(long uid, int elapsed);
    void onUserOffLineRTC_signal(long uid, int reason);
    void onStreamMessageRTC_signal(long uid, QString messageBody);
    void onJoinChannelSuccessRTC_signal(long uid, int elapsed);
    void onLeaveChannelRTC_signal();
    void onRemoteVideoStateChanged_signal(long uid, int state, int reason, int elapsed);
    void onRemoteAudioStateChanged_signal(long uid, int state, int reason, int elapsed);
    void onNetworkQuality_signal(long uid, int txQuality, int rxQuality);
    void onRemoteVideoStats_signal(long uid, int width, int height, int receivedBitrate, int decoderOutputFps, int rendererOutputFps, int packetLossRate, int rxStreamType, int frozenRate, int totalFrozenTime);
    void onRemoteAudioStats_signal(long uid, int quality, int networkTransportDelay, int jitterBufferDelay, int audioLossRate, int numChannels, int receivedSampleRate, int receivedBitrate, int totalFrozenTime, int frozenRate);
    void onLocalVideoFallBackToAudioOnly_signal(bool isFallBackToAudio);
    void onRemoteVideoFallBackToAudioOnly_signal(long uid, bool isFallBackToAudio);
    void onUserAudioVolumeIndication_signal(TQAudioVolumeInfo *pAudioVolumeInfo);
    void onAudioMixingStateChanged_signal(int state, int errorCode);
    void onLocalVideoStateChanged_signal(bool enabled);
    void onLocalAudioStateChanged_signal(bool enabled);
    void onClientRoleChanged_signal(int oldRole, int newRole);

private slots:
    void onFirstLocalVideoFrame_slot(int width, int height, int elapsed);
    void onUserJoinedRTC_slot(long uid, int elapsed);
    void onUserOffLineRTC_slot(long uid, int reason);
    void onStreamMessageRTC_slot(long uid, QString messageBody);
    void onJoinChannelSuccessRTC_slot(long uid, int elapsed);
    void onLeaveChannelRTC_slot();
    void onRemoteVideoStateChanged_slot(long uid, int state, int reason, int elapsed);
    void onRemoteAudioStateChanged_slot(long uid, int state, int reason, int elapsed);
    void onNetworkQuality_slot(long uid, int txQuality, int rxQuality);
    void onRemoteVideoStats_slot(long uid, int width, int height, int receivedBitrate, int decoderOutputFps, int rendererOutputFps, int packetLossRate, int rxStreamType, int frozenRate, int totalFrozenTime);
    void onRemoteAudioStats_slot(long uid, int quality, int networkTransportDelay, int jitterBufferDelay, int audioLossRate, int numChannels, int receivedSampleRate, int receivedBitrate, int totalFrozenTime, int frozenRate);
    void onLocalVideoFallBackToAudioOnly_slot(bool isFallBackToAudio);
    void onRemoteVideoFallBackToAudioOnly_slot(long uid, bool isFallBackToAudio);
    // Owns the record: it is deleted once the delegate has seen it.
    void onUserAudioVolumeIndication_slot(TQAudioVolumeInfo *pAudioVolumeInfo);
    void onAudioMixingStateChanged_slot(int state, int errorCode);
    void onLocalVideoStateChanged_slot(bool enabled);
    void onLocalAudioStateChanged_slot(bool enabled);
    void onClientRoleChanged_slot(int oldRole, int newRole);

private:
    TQRealTimeManager *m_manager; // not owned
};
