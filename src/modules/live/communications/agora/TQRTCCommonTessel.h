#pragma once

#include "modules/live/communications/agora/TQRTCCommonSdk.h"
#include "modules/live/communications/agora/TQTesselAudioFrameObserver.h"
#include "modules/live/communications/agora/TQTesselRTCEventHandler.h"

#include "tessel/ITesselRtcEngine.h"

struct TQRTCCommonTesselTraits
{
    using Engine = tessel::rtc::IRtcEngine;
    using MediaEngine = tessel::media::IMediaEngine;
    using RenderFactory = tessel::media::IExternalVideoRenderFactory;
    using Context = tessel::rtc::RtcEngineContext;
    using Canvas = tessel::rtc::VideoCanvas;
    using EncoderConfig = tessel::rtc::VideoEncoderConfiguration;
    using SdkFrame = tessel::media::ExternalVideoFrame;
    using uid_t = tessel::rtc::uid_t;
    using Handler = TQTesselRTCEventHandler;
    using AudioObserver = TQTesselAudioFrameObserver;

    static constexpr const char *kName = "TQRTCCommonTessel";
    static constexpr const char *kInitializeName = "initializeTesselEngine";
    static constexpr const char *kVendor = "tessel";
    static constexpr const char *kLogFileTemplate = "tessel_rtc-%2.log";
    static constexpr const char *kLeaveLogFile = "tessel_rtc_leaved.log";
    static constexpr unsigned int kLogFilter = 0;
    static constexpr tessel::rtc::INTERFACE_ID_TYPE kMediaEngineId = tessel::rtc::IID_MEDIA_ENGINE;

    static Engine *createEngine();
    static void releaseEngine(Engine *engine);
    static int enableVolumeIndication(Engine *engine, int interval, int smooth);
    static void setVideoParameters(Engine *) { }
};

// The media engine of live classes on the Tessel network; also the SDK's
// render factory for remote video.
class TQRTCCommonTessel : public TQRTCCommonSdk<TQRTCCommonTesselTraits>
{
public:
    void setAgoraAudioFrameObserver(TQAgoraAudioFrameObserver *observer) override;
    void setTesselAudioFrameObserver(TQTesselAudioFrameObserver *observer) override;

    tessel::media::IExternalVideoRender *createRenderInstance(
        const tessel::media::ExternalVideoRenderContext &context) override;
};
