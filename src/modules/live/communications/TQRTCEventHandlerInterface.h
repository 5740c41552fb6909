#pragma once

#include <QObject>
#include <QString>

struct TQAudioVolumeInfo;

// What a media engine reports. Engines call it on their SDK's threads (the
// local engine on the GUI thread); an implementation hands each report on to
// the GUI thread itself.
class TQRTCEventHandlerInterface : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void onFirstLocalVideoFrame(int width, int height, int elapsed) = 0;
    virtual void onUserJoinedRTC(long uid, int elapsed) = 0;
    virtual void onUserOffLineRTC(long uid, int reason) = 0;
    virtual void onStreamMessageRTC(long uid, QString messageBody) = 0;
    virtual void onJoinChannelSuccessRTC(long uid, int elapsed) = 0;
    virtual void onLeaveChannelRTC() = 0;
    virtual void onRemoteVideoStateChanged(long uid, int state, int reason, int elapsed) = 0;
    virtual void onRemoteAudioStateChanged(long uid, int state, int reason, int elapsed) = 0;
    virtual void onNetworkQuality(long uid, int txQuality, int rxQuality) = 0;
    virtual void onRemoteVideoStats(long uid, int width, int height, int receivedBitrate,
                                    int decoderOutputFps, int rendererOutputFps,
                                    int packetLossRate, int rxStreamType, int frozenRate,
                                    int totalFrozenTime) = 0;
    virtual void onRemoteAudioStats(long uid, int quality, int networkTransportDelay,
                                    int jitterBufferDelay, int audioLossRate, int numChannels,
                                    int receivedSampleRate, int receivedBitrate,
                                    int totalFrozenTime, int frozenRate) = 0;
    virtual void onLocalVideoFallBackToAudioOnly(bool isFallBackToAudio) = 0;
    virtual void onRemoteVideoFallBackToAudioOnly(long uid, bool isFallBackToAudio) = 0;
    // The record is the receiver's from here on.
    virtual void onUserAudioVolumeIndication(TQAudioVolumeInfo *pAudioVolumeInfo) = 0;
    virtual void onAudioMixingStateChanged(int state, int errorCode) = 0;
    virtual void onLocalVideoStateChanged(bool enabled) = 0;
    virtual void onLocalAudioStateChanged(bool enabled) = 0;
    virtual void onClientRoleChanged(int oldRole, int newRole) = 0;
};
