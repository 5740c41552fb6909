#pragma once
// Shared by the two vendors' entry point files.

#include <string>

#include "RtmService.h"

// The vendor's interface types that the templates of RtmService.h take.
#define RTSDK_RTM_API_TYPES(ns)                                                                                        \
    using IRtmService = ns::IRtmService;                                                                               \
    using IChannel = ns::IChannel;                                                                                     \
    using IMessage = ns::IMessage;                                                                                     \
    using IChannelMember = ns::IChannelMember;                                                                         \
    using IRtmServiceEventHandler = ns::IRtmServiceEventHandler;                                                       \
    using IChannelEventHandler = ns::IChannelEventHandler;                                                             \
    using SendMessageOptions = ns::SendMessageOptions;

namespace rtsdk {

/** Writes a library-level call (object "agora" or "tessel") to the log. */
void recordLibraryCall(const char *library, const std::string &call);
/** Whether createRtmService must fail now. */
bool createRtmServiceFails();
/** The version text of both messaging libraries, logged as a call. */
const char *rtmVersion(const char *library);

template <class Api> typename Api::IRtmService *createRtmServiceFor(const char *library)
{
    if (createRtmServiceFails()) {
        recordLibraryCall(library, "createRtmService() = null");
        return nullptr;
    }
    auto *service = new RtmService<Api>;
    recordLibraryCall(library, "createRtmService()");
    return service;
}

} // namespace rtsdk
