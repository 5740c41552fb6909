#pragma once

#include "agora/IAgoraRtcEngine.h"

// The class recording's ear on the Agora engine's audio thread. For now it
// takes every frame and keeps none; the recording fills onAudioFrame.
class TQAgoraAudioFrameObserver : public agora::media::IAudioFrameObserver
{
public:
    TQAgoraAudioFrameObserver() = default;
    virtual ~TQAgoraAudioFrameObserver() = default;

    bool onRecordAudioFrame(AudioFrame &) override { return true; }
    bool onPlaybackAudioFrame(AudioFrame &) override { return true; }
    bool onMixedAudioFrame(AudioFrame &frame) override { return onAudioFrame(frame); }
    bool onPlaybackAudioFrameBeforeMixing(unsigned int, AudioFrame &) override { return true; }

    virtual bool onAudioFrame(AudioFrame &frame);
};
