#pragma once

#include "Transport.h"

namespace rtsdk {

/** A service listener seen through the vendor-neutral core: each call turns
 *  into the vendor's listener call (ServiceSinkFor). Called only on the
 *  service's callback thread. */
class ServiceSink
{
public:
    virtual ~ServiceSink() = default;
    virtual void loginSuccess() = 0;
    virtual void loginFailure(int errorCode) = 0;
    virtual void tokenExpired() = 0;
    virtual void logout(int errorCode) = 0;
    virtual void connectionStateChanged(int state, int reason) = 0;
    virtual void sendResult(long long messageId, int state) = 0;
    virtual void peerMessage(const Packet &packet) = 0;
};

} // namespace rtsdk
