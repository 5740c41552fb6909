#pragma once

#include "modules/live/communications/agora/TQRTCCommon.h"

// The media engine of classes that never go on the network (recorded lesson,
// rehearsal, big class): it logs each call and reports the join at once, on
// the calling thread, so the rest of the class runs unchanged.
class TQRTCCommonLocal : public TQRTCCommon
{
public:
    TQRTCCommonLocal();
    ~TQRTCCommonLocal() override;

    int loadRTC(TQRTCLoadConfig config) override;
    void setAgoraAudioFrameObserver(TQAgoraAudioFrameObserver *observer) override;
    void setTesselAudioFrameObserver(TQTesselAudioFrameObserver *observer) override;
    bool isInterrupted() override;
    int setVideoEncoderConfiguration(int kind) override;
    int enableLoopbackRecording(bool enabled) override;
    void leaveRTC() override;
    void checkAudioFocusState(bool focused) override;
    int pushExternalVideoFrame(ExternalVideoFrame *frame) override;
    int setLocalVideoRenderer(long uid, void *view) override;
    int setRemoteVideoRenderer(long uid, void *view) override;
    void enableLocalAudio(bool enabled) override;
    void enableLocalVideo(bool enabled) override;
    bool isLocalAudioEnabled() override;
    bool isLocalVideoEnabled() override;
    void sendRTCMessage(std::string messageBody) override;
    int enableLocalCamera(bool enabled) override;
    int muteRemoteVideo(long uid, bool muted) override;
    int setRemoteVideoStreamType(int kind, long uid) override;
    void enableAudioVolumeIndication(int interval, int smooth, bool reportVad) override;
    bool startAudioMixing(QString filePath) override;
    bool pauseAudioMixing() override;
    bool resumeAudioMixing() override;
    bool stopAudioMixing() override;
    bool seekToTime(int positionMs) override;
    int getAudioMixingCurPosition() override;
    int getAudioMixingDuration() override;
    int changeClientRole(bool isBroadcast) override;

private:
    const char *const mName = "TQRTCCommonLocal";
    TQRTCEventDelegate *mEventDelegate = nullptr; // of the last loadRTC; not owned
};
