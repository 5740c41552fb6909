#pragma once

#include <vector>

#include "ChannelSink.h"
#include "RtmMember.h"
#include "RtmMessage.h"

namespace rtsdk {

/** Turns the core's channel events into calls of a vendor's listener. */
template <class Api> class ChannelSinkFor final : public ChannelSink
{
public:
    using Handler = typename Api::IChannelEventHandler;
    explicit ChannelSinkFor(Handler *handler)
        : mHandler(handler)
    { }

    void joinSuccess() override
    {
        if (mHandler)
            mHandler->onJoinSuccess();
    }
    void joinFailure(int errorCode) override
    {
        if (mHandler)
            mHandler->onJoinFailure(errorCode);
    }
    void leave(int errorCode) override
    {
        if (mHandler)
            mHandler->onLeave(errorCode);
    }
    void message(const Packet &packet) override
    {
        if (!mHandler)
            return;
        RtmMessage<Api> received(packet);
        mHandler->onMessageReceived(packet.from.c_str(), &received);
    }
    void sendResult(long long messageId, int state) override
    {
        if (mHandler)
            mHandler->onSendMessageResult(messageId, state);
    }
    void memberJoined(const std::string &userId, const std::string &channelId) override
    {
        if (!mHandler)
            return;
        RtmMember<Api> member(userId, channelId);
        mHandler->onMemberJoined(&member);
    }
    void memberLeft(const std::string &userId, const std::string &channelId) override
    {
        if (!mHandler)
            return;
        RtmMember<Api> member(userId, channelId);
        mHandler->onMemberLeft(&member);
    }
    void members(const std::vector<std::string> &userIds, const std::string &channelId, int errorCode) override
    {
        if (!mHandler)
            return;
        std::vector<RtmMember<Api>> members;
        members.reserve(userIds.size());
        for (const std::string &userId : userIds)
            members.emplace_back(userId, channelId);
        std::vector<typename Api::IChannelMember *> pointers;
        for (RtmMember<Api> &member : members)
            pointers.push_back(&member);
        mHandler->onGetMembers(
            pointers.empty() ? nullptr : pointers.data(), static_cast<int>(pointers.size()), errorCode);
    }
    void memberCount(int count) override
    {
        if (mHandler)
            Api::memberCountUpdated(mHandler, count);
    }

private:
    Handler *const mHandler;
};

} // namespace rtsdk
