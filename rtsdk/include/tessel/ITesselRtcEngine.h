#pragma once
// Media half of the Tessel SDK stand-in: the shapes of the Agora one, a
// context of four fields, a volume indication that takes reportVad, and a
// static release of the engine.

namespace tessel {

#define RTSDK_RTC_CONTEXT_EXTRA                                                                                       \
    void *context = nullptr;                                                                                           \
    int areaCode = -1;
#define RTSDK_RTC_VOLUME_EXTRA , bool reportVad
#define RTSDK_RTC_ENGINE_RELEASE                                                                                      \
    /** Ends the engine made last by createTesselRtcEngine and not yet ended;                                         \
     *  false when there is none. */                                                                                   \
    static bool release(bool sync);
#include "rtsdk/detail/RtcShapes.inc"
#undef RTSDK_RTC_CONTEXT_EXTRA
#undef RTSDK_RTC_VOLUME_EXTRA
#undef RTSDK_RTC_ENGINE_RELEASE

} // namespace tessel

extern "C" tessel::rtc::IRtcEngine *createTesselRtcEngine();
