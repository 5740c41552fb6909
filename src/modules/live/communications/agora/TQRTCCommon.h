#pragma once

#include "modules/live/communications/agora/TQRTCLoadConfig.h"

#include <QString>

#include <string>

struct ExternalVideoFrame;
class TQAgoraAudioFrameObserver;
class TQTesselAudioFrameObserver;

// The media engine of one class: the channel, the local microphone, camera
// and pushed video, remote video renderers, the small data stream, volume
// reports and audio-file mixing. Called on the GUI thread only; it reports
// through the handler list given to loadRTC.
class TQRTCCommon
{
public:
    virtual ~TQRTCCommon() = default;

    // 0 when the join request was accepted; the join itself is reported.
    virtual int loadRTC(TQRTCLoadConfig config) = 0;
    virtual void setAgoraAudioFrameObserver(TQAgoraAudioFrameObserver *observer) = 0;
    virtual void setTesselAudioFrameObserver(TQTesselAudioFrameObserver *observer) = 0;
    virtual bool isInterrupted() = 0;
    // kind 0: 240 x 240, 1: 640 x 480, 2: 820 x 520 (screen sharing).
    virtual int setVideoEncoderConfiguration(int kind) = 0;
    virtual int enableLoopbackRecording(bool enabled) = 0;
    virtual void leaveRTC() = 0;
    virtual void checkAudioFocusState(bool focused) = 0;
    // Takes the record (not its pixel buffer) and deletes it before returning.
    virtual int pushExternalVideoFrame(ExternalVideoFrame *frame) = 0;
    virtual int setLocalVideoRenderer(long uid, void *view) = 0;
    // A null view unbinds.
    virtual int setRemoteVideoRenderer(long uid, void *view) = 0;
    virtual void enableLocalAudio(bool enabled) = 0;
    virtual void enableLocalVideo(bool enabled) = 0;
    virtual bool isLocalAudioEnabled() = 0;
    virtual bool isLocalVideoEnabled() = 0;
    virtual void sendRTCMessage(std::string messageBody) = 0;
    virtual int enableLocalCamera(bool enabled) = 0;
    virtual int muteRemoteVideo(long uid, bool muted) = 0;
    // kind 1: the high-quality stream (on stage), 2: the low-quality one.
    virtual int setRemoteVideoStreamType(int kind, long uid) = 0;
    virtual void enableAudioVolumeIndication(int interval, int smooth, bool reportVad) = 0;
    virtual bool startAudioMixing(QString filePath) = 0;
    virtual bool pauseAudioMixing() = 0;
    virtual bool resumeAudioMixing() = 0;
    virtual bool stopAudioMixing() = 0;
    virtual bool seekToTime(int positionMs) = 0;
    virtual int getAudioMixingCurPosition() = 0;
    virtual int getAudioMixingDuration() = 0;
    virtual int changeClientRole(bool isBroadcast) = 0;
};
