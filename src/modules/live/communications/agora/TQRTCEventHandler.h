#pragma once

#include "modules/live/communications/agora/TQRTCEventHandlerSdk.h"

#include "agora/IAgoraRtcEngine.h"

struct TQRTCEventHandlerTraits
{
    using Base = agora::rtc::IRtcEngineEventHandler;
    using uid_t = agora::rtc::uid_t;
    using RtcStats = agora::rtc::RtcStats;
    using RemoteVideoStats = agora::rtc::RemoteVideoStats;
    using RemoteAudioStats = agora::rtc::RemoteAudioStats;
    using AudioVolumeInfo = agora::rtc::AudioVolumeInfo;
    static constexpr const char *kName = "TQRTCEventHandler";

    static void logJoin(const char *channel, uid_t uid, int elapsed);
    static void logRejoin(const char *channel, uid_t uid, int elapsed);
    static void logLeave();
    static void logUserJoined(uid_t uid, int elapsed);
    static void logUserOffline(uid_t uid, int reason);
    static void logRemoteAudioState(uid_t uid, int state, int reason, int elapsed);
    static void logFirstLocalVideoFrame(int width, int height, int elapsed);
};

// The Agora engine's listener: passes its callbacks on to the class's
// handler list.
class TQRTCEventHandler : public TQRTCEventHandlerSdk<TQRTCEventHandlerTraits>
{
public:
    using TQRTCEventHandlerSdk::TQRTCEventHandlerSdk;
};
