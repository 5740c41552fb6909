#pragma once

#include "modules/live/communications/agora/TQAudioFrameObserverSdk.h"

#include "agora/IAgoraRtcEngine.h"

struct TQAgoraAudioFrameObserverTraits
{
    using Observer = agora::media::IAudioFrameObserver;
    static constexpr const char *kName = "TQAgoraAudioFrameObserver";
    static constexpr const char *kVendor = "agora";
};

// The class recording's audio source in a class on the Agora engine.
class TQAgoraAudioFrameObserver : public TQAudioFrameObserverSdk<TQAgoraAudioFrameObserverTraits>
{
};
