#include "rtsdk/StandInControl.h"

#include "Runtime.h"

namespace rtsdk {

namespace {
Runtime &rt()
{
    return Runtime::instance();
}
} // namespace

void StandInControl::reset()
{
    rt().reset();
}
bool StandInControl::waitIdle(int timeoutMs)
{
    return rt().waitIdle(timeoutMs);
}

std::vector<CallRecord> StandInControl::calls()
{
    return rt().log().calls();
}
std::vector<std::string> StandInControl::callsOf(const std::string &object)
{
    return rt().log().callsOf(object);
}
std::vector<std::string> StandInControl::objects()
{
    return rt().log().objects();
}
std::string StandInControl::serviceOf(const std::string &userId)
{
    return rt().log().serviceOf(userId);
}

void StandInControl::setInitFault(InitStep step, int code)
{
    rt().faults().setInitFault(step, code);
}
void StandInControl::clearInitFaults()
{
    rt().faults().clearInitFaults();
}
void StandInControl::setLoginFault(FaultMode mode, int code, const std::string &userId)
{
    rt().faults().setLoginFault(mode, code, userId);
}
void StandInControl::setJoinFault(FaultMode mode, int code, const std::string &channelId)
{
    rt().faults().setJoinFault(mode, code, channelId);
}
void StandInControl::setChannelMessageFault(MessageFault fault, int count, int delayMs, const std::string &channelId)
{
    rt().faults().setMessageFault(fault, count, delayMs, channelId);
}
void StandInControl::setMessageSizeCap(int bytes)
{
    rt().faults().setSizeCap(bytes);
}
int StandInControl::messageSizeCap()
{
    return rt().faults().sizeCap();
}
void StandInControl::setSendStall(int ms)
{
    rt().faults().setStallMs(ms);
}
void StandInControl::armLateCallback(LateCallback kind, const std::string &userId)
{
    rt().faults().armLate(kind, userId);
}

int StandInControl::forceConnectionState(const std::string &userId, int state, int reason)
{
    return rt().hub().forceState(userId, state, reason);
}
int StandInControl::expireToken(const std::string &userId)
{
    return rt().hub().expireToken(userId);
}
bool StandInControl::isOnline(const std::string &userId)
{
    return rt().hub().isOnline(userId);
}
std::vector<std::string> StandInControl::membersOf(const std::string &channelId)
{
    return rt().hub().membersOf(channelId);
}

void StandInControl::setStreamFault(const StreamFault &fault)
{
    rt().rtcHub().setStreamFault(fault);
}
int StandInControl::injectRtcEvent(unsigned int engineUid, const RtcEvent &event)
{
    return rt().rtcHub().inject(engineUid, event);
}
std::vector<unsigned int> StandInControl::rtcMembersOf(const std::string &channel)
{
    return rt().rtcHub().membersOf(channel);
}

} // namespace rtsdk
