#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "rtsdk/StandInControl.h"

namespace rtsdk {

/** The faults a test asked for, read by the SDK objects and the hub at the
 *  moment a call or a message passes. Thread-safe. */
class FaultPlan
{
public:
    struct Failure
    {
        FaultMode mode = FaultMode::Off;
        int code = 0;
    };
    struct MessageEffect
    {
        MessageFault fault = MessageFault::None;
        int delayMs = 0;
    };

    static const int kDefaultSizeCap = 32 * 1024;

    void setInitFault(InitStep step, int code);
    void clearInitFaults();
    /** Whether the step fails, and with which code. */
    bool initFault(InitStep step, int *code) const;

    void setLoginFault(FaultMode mode, int code, const std::string &userId);
    Failure loginFault(const std::string &userId) const;
    void setJoinFault(FaultMode mode, int code, const std::string &channelId);
    Failure joinFault(const std::string &channelId) const;

    void setMessageFault(MessageFault fault, int count, int delayMs, const std::string &channelId);
    /** The effect on one channel message; a counted fault is used up here. */
    MessageEffect takeMessageEffect(const std::string &channelId);

    void setSizeCap(int bytes);
    int sizeCap() const;
    void setStallMs(int ms);
    int stallMs() const;

    void armLate(LateCallback kind, const std::string &userId);
    /** Takes the armed calls that belong to a service (channel false) or to a
     *  channel (channel true) of userId. */
    std::vector<LateCallback> takeLate(bool channel, const std::string &userId);

    void clear();

private:
    mutable std::mutex mMutex;
    std::map<InitStep, int> mInitFaults;
    Failure mLogin;
    std::string mLoginUser;
    Failure mJoin;
    std::string mJoinChannel;
    MessageFault mMessageFault = MessageFault::None;
    int mMessageCount = 0;
    int mMessageDelayMs = 0;
    std::string mMessageChannel;
    int mSizeCap = kDefaultSizeCap;
    int mStallMs = 0;
    std::vector<std::pair<LateCallback, std::string>> mLate;
};

} // namespace rtsdk
