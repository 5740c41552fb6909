#pragma once
// Media half of the Agora SDK stand-in: the engine, its media-engine and
// parameter interfaces, the listener, the audio observer and the external
// render factory. The engine factory is the RTC library's export under
// ordinal 2 (`createAgoraRtcEngine`, reached through the product's resolver).

namespace agora {

#define RTSDK_RTC_CONTEXT_EXTRA
#define RTSDK_RTC_VOLUME_EXTRA
#define RTSDK_RTC_ENGINE_RELEASE                                                                                      \
    /** Ends the engine; with sync, a running listener call has returned too. */                                       \
    virtual void release(bool sync) = 0;
#include "rtsdk/detail/RtcShapes.inc"
#undef RTSDK_RTC_CONTEXT_EXTRA
#undef RTSDK_RTC_VOLUME_EXTRA
#undef RTSDK_RTC_ENGINE_RELEASE

} // namespace agora

/** Engine factory: what the RTC library exports under ordinal 2. */
extern "C" agora::rtc::IRtcEngine *createAgoraRtcEngine();
