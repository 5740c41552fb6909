#include "modules/live/communications/agora/TQRTCCommonAgoraImpl.h"

#include "modules/live/communications/agora/TQAgoraSdkResolver.h"
#include "modules/live/communications/agora/video_render_impl.h"

TQRTCCommonAgoraTraits::Engine *TQRTCCommonAgoraTraits::createEngine()
{
    const TQAgoraSdkResolver::EngineFactory factory = TQAgoraSdkResolver::engineFactory();
    if (!factory) {
        CLog::error(QStringLiteral("[RTC] the RTC library has no engine factory"),
                    QStringLiteral("TQRTCCommonAgoraImpl::TQRTCCommonAgoraImpl "));
        return nullptr;
    }
    return factory();
}

void TQRTCCommonAgoraTraits::releaseEngine(Engine *engine)
{
    engine->release(false);
}

int TQRTCCommonAgoraTraits::enableVolumeIndication(Engine *engine, int interval, int smooth)
{
    return engine->enableAudioVolumeIndication(interval, smooth);
}

void TQRTCCommonAgoraTraits::setVideoParameters(Engine *engine)
{
    void *found = nullptr;
    if (engine->queryInterface(agora::rtc::IID_RTC_ENGINE_PARAMETER, &found) != 0 || !found)
        return;
    auto *parameter = static_cast<agora::rtc::IRtcEngineParameter *>(found);
    parameter->setParameters("{\"che.video.moreFecSchemeEnable\":true}");
    parameter->setParameters(
        "{\"che.video.lowBitRateStreamParameter\":{\"width\":120,\"height\":120,\"frameRate\":15,\"bitRate\":50}}");
    parameter->release();
}

void TQRTCCommonAgoraImpl::setAgoraAudioFrameObserver(TQAgoraAudioFrameObserver *observer)
{
    storeObserver(observer);
}

void TQRTCCommonAgoraImpl::setTesselAudioFrameObserver(TQTesselAudioFrameObserver *)
{
    storeObserver(nullptr);
    CLog::error(QStringLiteral("agora impl should not set tessel audio frame observer"),
                tag("setTesselAudioFrameObserver"));
}

agora::media::IExternalVideoRender *TQRTCCommonAgoraImpl::createRenderInstance(
    const agora::media::ExternalVideoRenderContext &context)
{
    if (!context.view)
        return nullptr;
    // The SDK owns the renderer from here and ends it with release().
    return new VideoRenderImpl(context);
}
