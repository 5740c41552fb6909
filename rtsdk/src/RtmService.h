#pragma once

#include <memory>

#include "ChannelSinkFor.h"
#include "RtmChannel.h"
#include "RtmMessage.h"
#include "ServiceCore.h"
#include "ServiceSinkFor.h"

namespace rtsdk {

/** The RTM service object of vendor Api that the product holds. */
template <class Api> class RtmService final : public Api::IRtmService
{
public:
    RtmService()
        : mCore(std::make_shared<ServiceCore>(Api::kServiceKind))
    { }

    int initialize(const char *appId, typename Api::IRtmServiceEventHandler *eventHandler) override
    {
        return mCore->initialize(appId, std::make_unique<ServiceSinkFor<Api>>(eventHandler));
    }
    int setLogFile(const char *logFile) override { return mCore->setLogFile(logFile); }
    int login(const char *token, const char *userId) override { return mCore->login(token, userId); }
    int logout() override { return mCore->logout(); }
    typename Api::IChannel *createChannel(
        const char *channelId, typename Api::IChannelEventHandler *eventHandler) override
    {
        std::shared_ptr<ChannelCore> channel
            = mCore->createChannel(channelId, std::make_unique<ChannelSinkFor<Api>>(eventHandler));
        return channel ? new RtmChannel<Api>(std::move(channel)) : nullptr;
    }
    typename Api::IMessage *createMessage() override { return newMessage(nullptr, 0, false); }
    typename Api::IMessage *createRawMessage(const char *rawData, int length) override
    {
        return newMessage(rawData, length, true);
    }
    int sendMessageToPeer(const char *peerId, const typename Api::IMessage *message,
        const typename Api::SendMessageOptions &options) override
    {
        (void)options; // offline and history delivery are not carried
        auto *ours = dynamic_cast<const RtmMessage<Api> *>(message);
        return mCore->sendToPeer(peerId, ours ? &ours->packet() : nullptr);
    }
    void release(bool sync) override
    {
        mCore->release(sync);
        delete this;
    }

private:
    ~RtmService() override = default;
    typename Api::IMessage *newMessage(const char *rawData, int length, bool raw)
    {
        std::string name;
        Packet packet = mCore->createMessage(rawData, length, raw, &name);
        return new RtmMessage<Api>(std::move(name), std::move(packet));
    }

    const std::shared_ptr<ServiceCore> mCore;
};

} // namespace rtsdk
