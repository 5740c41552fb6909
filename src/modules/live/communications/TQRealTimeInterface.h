#pragma once

class TQActionsFromNet;
struct TQAudioVolumeInfo;

// What the real-time layer tells the class window. Every call comes on the
// GUI thread.
class TQRealTimeInterface
{
public:
    virtual ~TQRealTimeInterface() = default;

    virtual void mediaNetworkConnected() = 0;
    virtual void mediaNetworkConnectFailure() = 0;
    virtual void dataNetworkConnected() = 0;
    virtual void dataNetworkConnectFailure() = 0;
    virtual void logoutData() = 0;
    virtual void logoutRtc() = 0;
    virtual void userGetOnlineRTC(long uid) = 0;
    virtual void userGetOfflineRTC(long uid) = 0;
    virtual void userGetOnlineData(long uid) = 0;
    virtual void userGetOfflineData(long uid) = 0;
    virtual void onRemoteAudioStateChanged(long uid, int state, int reason) = 0;
    virtual void onRemoteVideoStateChanged(long uid, int state, int reason) = 0;
    // The record is the delegate's from here on.
    virtual void actionMessageFromStudent(TQActionsFromNet *actions) = 0;
    // The record is the delegate's from here on.
    virtual void durationActionsFromStudent(TQActionsFromNet *actions) = 0;
    virtual void onNetworkQuality(long uid, int txQuality, int rxQuality) = 0;
    virtual void onRemoteVideoStats(long uid, int width, int height, int receivedBitrate,
                                    int decoderOutputFps, int rendererOutputFps,
                                    int packetLossRate, int rxStreamType, int frozenRate,
                                    int totalFrozenTime) = 0;
    virtual void onRemoteAudioStats(long uid, int quality, int networkTransportDelay,
                                    int jitterBufferDelay, int audioLossRate, int numChannels,
                                    int receivedSampleRate, int receivedBitrate,
                                    int totalFrozenTime, int frozenRate) = 0;
    virtual void onDataChannelKickout() = 0;
    virtual void onLocalVideoFallBackToAudioOnly(bool isFallBackToAudio) = 0;
    // The record is deleted when the call returns: do not keep the pointer.
    virtual void onUserAudioVolumeIndication(TQAudioVolumeInfo *pAudioVolumeInfo) = 0;
    virtual void onAudioMixingStateChanged(int state, int errorCode) = 0;
    virtual void onLocalVideoStateChanged(bool enabled) = 0;
    virtual void onLocalAudioStateChanged(bool enabled) = 0;
    virtual void onClientRoleChanged(int oldRole, int newRole) = 0;
};
