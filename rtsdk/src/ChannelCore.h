#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "ChannelSink.h"
#include "Transport.h"

namespace rtsdk {

class ServiceCore;

/** What one channel object is, apart from its vendor's interface. Its
 *  listener calls run on its service's callback thread, in order with the
 *  service's own. */
class ChannelCore : public std::enable_shared_from_this<ChannelCore>
{
public:
    ChannelCore(std::shared_ptr<ServiceCore> service, std::string channelId, std::unique_ptr<ChannelSink> sink);

    const std::string &id() const { return mId; }
    const std::string &name() const { return mName; }
    bool released() const { return !mAlive.load(); }
    ChannelSink &sink() { return *mSink; }

    // The SDK calls; each is written to the call log with its result.
    int join();
    int leave();
    int getMembers();
    int sendMessage(const Packet *packet);
    void release();

private:
    void record(const std::string &call) const;
    /** Released when this channel or its service was. */
    bool gone() const;

    const std::shared_ptr<ServiceCore> mService;
    const std::string mId;
    const std::string mName;
    const std::unique_ptr<ChannelSink> mSink;
    std::atomic<bool> mAlive { true };
};

} // namespace rtsdk
