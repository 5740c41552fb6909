#pragma once
// Messaging half of the Tessel SDK stand-in. Same shapes as the Agora one;
// the channel listener has one more entry.

namespace tessel {
namespace rtm {

#define RTSDK_RTM_SERVICE_HANDLER_EXTRA
#define RTSDK_RTM_CHANNEL_HANDLER_EXTRA                                                                                \
    virtual void onMemberCountUpdated(int memberCount)                                                                 \
    {                                                                                                                  \
        (void)memberCount;                                                                                             \
    }
#include "rtsdk/detail/RtmShapes.inc"
#undef RTSDK_RTM_SERVICE_HANDLER_EXTRA
#undef RTSDK_RTM_CHANNEL_HANDLER_EXTRA

IRtmService *createRtmService();
const char *getRtmSdkVersion();

} // namespace rtm
} // namespace tessel
