#pragma once

#include "RtmMessage.h"
#include "ServiceSink.h"

namespace rtsdk {

/** Turns the core's service events into calls of a vendor's listener. */
template <class Api> class ServiceSinkFor final : public ServiceSink
{
public:
    using Handler = typename Api::IRtmServiceEventHandler;
    explicit ServiceSinkFor(Handler *handler)
        : mHandler(handler)
    { }

    void loginSuccess() override
    {
        if (mHandler)
            mHandler->onLoginSuccess();
    }
    void loginFailure(int errorCode) override
    {
        if (mHandler)
            mHandler->onLoginFailure(errorCode);
    }
    void tokenExpired() override
    {
        if (mHandler)
            mHandler->onTokenExpired();
    }
    void logout(int errorCode) override
    {
        if (mHandler)
            mHandler->onLogout(errorCode);
    }
    void connectionStateChanged(int state, int reason) override
    {
        if (mHandler)
            mHandler->onConnectionStateChanged(state, reason);
    }
    void sendResult(long long messageId, int state) override
    {
        if (mHandler)
            mHandler->onSendMessageResult(messageId, state);
    }
    void peerMessage(const Packet &packet) override
    {
        if (!mHandler)
            return;
        RtmMessage<Api> message(packet);
        mHandler->onMessageReceivedFromPeer(packet.from.c_str(), &message);
    }

private:
    Handler *const mHandler;
};

} // namespace rtsdk
