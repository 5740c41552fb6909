#pragma once

#include "modules/live/communications/agora/TQAudioFrameObserverSdk.h"

#include "tessel/ITesselRtcEngine.h"

struct TQTesselAudioFrameObserverTraits
{
    using Observer = tessel::media::IAudioFrameObserver;
    static constexpr const char *kName = "TQTesselAudioFrameObserver";
    static constexpr const char *kVendor = "tessel";
};

// The class recording's audio source in a class on the Tessel engine.
class TQTesselAudioFrameObserver : public TQAudioFrameObserverSdk<TQTesselAudioFrameObserverTraits>
{
};
