#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "CallLog.h"
#include "CallbackQueue.h"
#include "FaultPlan.h"
#include "Hub.h"
#include "RelayRtc.h"
#include "RelayTransport.h"
#include "RtcHub.h"

namespace rtsdk {

/** The stand-in's process-wide state: the network, the faults, the call log
 *  and every callback thread. It is never destroyed, so that an SDK object
 *  or a callback thread still alive at exit never meets a dead hub. */
class Runtime
{
public:
    static Runtime &instance();

    FaultPlan &faults() { return mFaults; }
    CallLog &log() { return mLog; }
    /** The relay when the stand-in's configuration names one, else the hub. */
    Transport &transport() { return mRelay ? static_cast<Transport &>(*mRelay) : mHub; }
    RtcNetwork &rtcNetwork() { return mRelayRtc ? static_cast<RtcNetwork &>(*mRelayRtc) : mRtcHub; }
    Hub &hub() { return mHub; }
    RtcHub &rtcHub() { return mRtcHub; }

    /** A callback thread for one service; it lives while the service state
     *  uses it and is ended at a later reap. */
    std::shared_ptr<CallbackQueue> newQueue(const std::string &name);
    long long nextMessageId() { return ++mMessageIds; }

    bool waitIdle(int timeoutMs);
    void reset();

private:
    Runtime();
    /** Joins the threads that no service state uses and that ran dry. */
    void reapQueues();

    FaultPlan mFaults;
    CallLog mLog;
    Hub mHub;
    RtcHub mRtcHub;
    std::unique_ptr<RelayTransport> mRelay;
    std::unique_ptr<RelayRtc> mRelayRtc;
    std::atomic<long long> mMessageIds { 0 };
    std::mutex mQueuesMutex;
    std::vector<std::shared_ptr<CallbackQueue>> mQueues;
};

} // namespace rtsdk
