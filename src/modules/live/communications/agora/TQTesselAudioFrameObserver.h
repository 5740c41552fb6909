#pragma once

#include "tessel/ITesselRtcEngine.h"

// The class recording's ear on the Tessel engine's audio thread. For now it
// takes every frame and keeps none; the recording fills onAudioFrame.
class TQTesselAudioFrameObserver : public tessel::media::IAudioFrameObserver
{
public:
    TQTesselAudioFrameObserver() = default;
    virtual ~TQTesselAudioFrameObserver() = default;

    bool onRecordAudioFrame(AudioFrame &) override { return true; }
    bool onPlaybackAudioFrame(AudioFrame &) override { return true; }
    bool onMixedAudioFrame(AudioFrame &frame) override { return onAudioFrame(frame); }
    bool onPlaybackAudioFrameBeforeMixing(unsigned int, AudioFrame &) override { return true; }

    virtual bool onAudioFrame(AudioFrame &frame);
};
