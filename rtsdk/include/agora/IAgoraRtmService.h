#pragma once
// Messaging half of the Agora SDK stand-in: the RTM service, channels,
// messages, members and the two listener interfaces.

namespace agora {
namespace rtm {

#define RTSDK_RTM_SERVICE_HANDLER_EXTRA
#define RTSDK_RTM_CHANNEL_HANDLER_EXTRA
#include "rtsdk/detail/RtmShapes.inc"
#undef RTSDK_RTM_SERVICE_HANDLER_EXTRA
#undef RTSDK_RTM_CHANNEL_HANDLER_EXTRA

/** A new RTM service, or null when none can be made. */
IRtmService *createRtmService();
/** Version text of the messaging library. */
const char *getRtmSdkVersion();

} // namespace rtm
} // namespace agora
