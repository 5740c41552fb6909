#pragma once

#include "modules/live/communications/agora/TQRTCEventHandlerSdk.h"

#include "tessel/ITesselRtcEngine.h"

struct TQTesselRTCEventHandlerTraits
{
    using Base = tessel::rtc::IRtcEngineEventHandler;
    using uid_t = tessel::rtc::uid_t;
    using RtcStats = tessel::rtc::RtcStats;
    using RemoteVideoStats = tessel::rtc::RemoteVideoStats;
    using RemoteAudioStats = tessel::rtc::RemoteAudioStats;
    using AudioVolumeInfo = tessel::rtc::AudioVolumeInfo;
    static constexpr const char *kName = "TQTesselRTCEventHandler";

    static void logJoin(const char *channel, uid_t uid, int elapsed);
    static void logRejoin(const char *channel, uid_t uid, int elapsed);
    static void logLeave();
    static void logUserJoined(uid_t uid, int elapsed);
    static void logUserOffline(uid_t uid, int reason);
    static void logRemoteAudioState(uid_t uid, int state, int reason, int elapsed);
    static void logFirstLocalVideoFrame(int width, int height, int elapsed);
};

// The Tessel engine's listener: the twin of TQRTCEventHandler with its own
// log lines.
class TQTesselRTCEventHandler : public TQRTCEventHandlerSdk<TQTesselRTCEventHandlerTraits>
{
public:
    using TQRTCEventHandlerSdk::TQRTCEventHandlerSdk;
};
