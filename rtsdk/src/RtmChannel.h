#pragma once

#include <memory>

#include "ChannelCore.h"
#include "RtmMessage.h"

namespace rtsdk {

/** The channel object of vendor Api that the product holds. */
template <class Api> class RtmChannel final : public Api::IChannel
{
public:
    explicit RtmChannel(std::shared_ptr<ChannelCore> core)
        : mCore(std::move(core))
    { }

    int join() override { return mCore->join(); }
    int leave() override { return mCore->leave(); }
    int getMembers() override { return mCore->getMembers(); }
    int sendMessage(const typename Api::IMessage *message) override
    {
        auto *ours = dynamic_cast<const RtmMessage<Api> *>(message);
        return mCore->sendMessage(ours ? &ours->packet() : nullptr);
    }
    const char *getId() const override { return mCore->id().c_str(); }
    void release() override
    {
        mCore->release();
        delete this;
    }

private:
    ~RtmChannel() override = default;
    const std::shared_ptr<ChannelCore> mCore;
};

} // namespace rtsdk
