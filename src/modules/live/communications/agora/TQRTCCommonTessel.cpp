#include "modules/live/communications/agora/TQRTCCommonTessel.h"

#include "modules/live/communications/agora/tessel_video_render_impl.h"

TQRTCCommonTesselTraits::Engine *TQRTCCommonTesselTraits::createEngine()
{
    return createTesselRtcEngine();
}

void TQRTCCommonTesselTraits::releaseEngine(Engine *)
{
    tessel::rtc::IRtcEngine::release(false);
}

int TQRTCCommonTesselTraits::enableVolumeIndication(Engine *engine, int interval, int smooth)
{
    // The SDK's own voice detection is not wanted.
    return engine->enableAudioVolumeIndication(interval, smooth, false);
}

void TQRTCCommonTessel::setAgoraAudioFrameObserver(TQAgoraAudioFrameObserver *)
{
    storeObserver(nullptr);
}

void TQRTCCommonTessel::setTesselAudioFrameObserver(TQTesselAudioFrameObserver *observer)
{
    storeObserver(observer);
}

tessel::media::IExternalVideoRender *TQRTCCommonTessel::createRenderInstance(
    const tessel::media::ExternalVideoRenderContext &context)
{
    const QString tagText = QStringLiteral("TQRTCCommonTessel::createRenderInstance ");
    if (!context.view) {
        CLog::debug(QStringLiteral("tessel create render instance get null view"), tagText);
        return nullptr;
    }
    CLog::debug(QStringLiteral("tessel create render instance for TesselVideoRenderImpl"), tagText);
    // The SDK owns the renderer from here and ends it with release().
    return new TesselVideoRenderImpl(context);
}
