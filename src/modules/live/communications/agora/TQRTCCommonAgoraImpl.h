#pragma once

#include "modules/live/communications/agora/TQAgoraAudioFrameObserver.h"
#include "modules/live/communications/agora/TQRTCCommonSdk.h"
#include "modules/live/communications/agora/TQRTCEventHandler.h"

#include "agora/IAgoraRtcEngine.h"

struct TQRTCCommonAgoraTraits
{
    using Engine = agora::rtc::IRtcEngine;
    using MediaEngine = agora::media::IMediaEngine;
    using RenderFactory = agora::media::IExternalVideoRenderFactory;
    using Context = agora::rtc::RtcEngineContext;
    using Canvas = agora::rtc::VideoCanvas;
    using EncoderConfig = agora::rtc::VideoEncoderConfiguration;
    using SdkFrame = agora::media::ExternalVideoFrame;
    using uid_t = agora::rtc::uid_t;
    using Handler = TQRTCEventHandler;
    using AudioObserver = TQAgoraAudioFrameObserver;

    static constexpr const char *kName = "TQRTCCommonAgoraImpl";
    static constexpr const char *kInitializeName = "initializeAgoraEngine";
    static constexpr const char *kVendor = "agora";
    static constexpr const char *kLogFileTemplate = "agora_rtc-%2.log";
    static constexpr const char *kLeaveLogFile = "agora_rtc_leaved.log";
    static constexpr unsigned int kLogFilter = 15;
    static constexpr agora::rtc::INTERFACE_ID_TYPE kMediaEngineId = agora::rtc::IID_MEDIA_ENGINE;

    // The engine factory, found by ordinal in the RTC library.
    static Engine *createEngine();
    static void releaseEngine(Engine *engine);
    static int enableVolumeIndication(Engine *engine, int interval, int smooth);
    static void setVideoParameters(Engine *engine);
};

// The media engine of live classes on the Agora network; also the SDK's
// render factory for remote video.
class TQRTCCommonAgoraImpl : public TQRTCCommonSdk<TQRTCCommonAgoraTraits>
{
public:
    void setAgoraAudioFrameObserver(TQAgoraAudioFrameObserver *observer) override;
    void setTesselAudioFrameObserver(TQTesselAudioFrameObserver *observer) override;

    agora::media::IExternalVideoRender *createRenderInstance(
        const agora::media::ExternalVideoRenderContext &context) override;
};
