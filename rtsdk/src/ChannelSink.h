#pragma once

#include <string>
#include <vector>

#include "Transport.h"

namespace rtsdk {

/** A channel listener seen through the vendor-neutral core (ChannelSinkFor
 *  makes the vendor's calls). Called only on the service's callback thread. */
class ChannelSink
{
public:
    virtual ~ChannelSink() = default;
    virtual void joinSuccess() = 0;
    virtual void joinFailure(int errorCode) = 0;
    virtual void leave(int errorCode) = 0;
    virtual void message(const Packet &packet) = 0;
    virtual void sendResult(long long messageId, int state) = 0;
    virtual void memberJoined(const std::string &userId, const std::string &channelId) = 0;
    virtual void memberLeft(const std::string &userId, const std::string &channelId) = 0;
    virtual void members(const std::vector<std::string> &userIds, const std::string &channelId, int errorCode) = 0;
    virtual void memberCount(int count) = 0;
};

} // namespace rtsdk
