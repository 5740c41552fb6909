#pragma once

#include <string>

namespace rtsdk {

/** A channel member of vendor Api, alive for one listener call. */
template <class Api> class RtmMember final : public Api::IChannelMember
{
public:
    RtmMember(std::string userId, std::string channelId)
        : mUserId(std::move(userId))
        , mChannelId(std::move(channelId))
    { }
    ~RtmMember() override = default;

    const char *getUserId() const override { return mUserId.c_str(); }
    const char *getChannelId() const override { return mChannelId.c_str(); }
    /** The SDK owns reported members; nothing to free. */
    void release() override { }

private:
    std::string mUserId;
    std::string mChannelId;
};

} // namespace rtsdk
