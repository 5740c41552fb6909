#include "FaultPlan.h"

namespace rtsdk {

namespace {
bool matches(const std::string &pattern, const std::string &value)
{
    return pattern.empty() || pattern == value;
}
bool isChannelKind(LateCallback kind)
{
    switch (kind) {
    case LateCallback::JoinSuccess:
    case LateCallback::JoinFailure:
    case LateCallback::MemberJoined:
    case LateCallback::MemberLeft:
    case LateCallback::ChannelMessage:
    case LateCallback::GetMembers:
    case LateCallback::SendResult:
        return true;
    default:
        return false;
    }
}
} // namespace

void FaultPlan::setInitFault(InitStep step, int code)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mInitFaults[step] = code;
}

void FaultPlan::clearInitFaults()
{
    std::lock_guard<std::mutex> lock(mMutex);
    mInitFaults.clear();
}

bool FaultPlan::initFault(InitStep step, int *code) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    auto it = mInitFaults.find(step);
    if (it == mInitFaults.end())
        return false;
    *code = it->second;
    return true;
}

void FaultPlan::setLoginFault(FaultMode mode, int code, const std::string &userId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mLogin = Failure { mode, code };
    mLoginUser = userId;
}

FaultPlan::Failure FaultPlan::loginFault(const std::string &userId) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return matches(mLoginUser, userId) ? mLogin : Failure {};
}

void FaultPlan::setJoinFault(FaultMode mode, int code, const std::string &channelId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mJoin = Failure { mode, code };
    mJoinChannel = channelId;
}

FaultPlan::Failure FaultPlan::joinFault(const std::string &channelId) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return matches(mJoinChannel, channelId) ? mJoin : Failure {};
}

void FaultPlan::setMessageFault(MessageFault fault, int count, int delayMs, const std::string &channelId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mMessageFault = count == 0 ? MessageFault::None : fault;
    mMessageCount = count;
    mMessageDelayMs = delayMs;
    mMessageChannel = channelId;
}

FaultPlan::MessageEffect FaultPlan::takeMessageEffect(const std::string &channelId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (mMessageFault == MessageFault::None || !matches(mMessageChannel, channelId))
        return MessageEffect {};
    MessageEffect effect { mMessageFault, mMessageDelayMs };
    if (mMessageCount > 0 && --mMessageCount == 0)
        mMessageFault = MessageFault::None;
    return effect;
}

void FaultPlan::setSizeCap(int bytes)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mSizeCap = bytes;
}

int FaultPlan::sizeCap() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mSizeCap;
}

void FaultPlan::setStallMs(int ms)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mStallMs = ms;
}

int FaultPlan::stallMs() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mStallMs;
}

void FaultPlan::armLate(LateCallback kind, const std::string &userId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mLate.emplace_back(kind, userId);
}

std::vector<LateCallback> FaultPlan::takeLate(bool channel, const std::string &userId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    std::vector<LateCallback> taken;
    std::vector<std::pair<LateCallback, std::string>> kept;
    for (const auto &armed : mLate) {
        if (isChannelKind(armed.first) == channel && matches(armed.second, userId))
            taken.push_back(armed.first);
        else
            kept.push_back(armed);
    }
    mLate.swap(kept);
    return taken;
}

void FaultPlan::clear()
{
    std::lock_guard<std::mutex> lock(mMutex);
    mInitFaults.clear();
    mLogin = Failure {};
    mLoginUser.clear();
    mJoin = Failure {};
    mJoinChannel.clear();
    mMessageFault = MessageFault::None;
    mMessageCount = 0;
    mMessageDelayMs = 0;
    mMessageChannel.clear();
    mSizeCap = kDefaultSizeCap;
    mStallMs = 0;
    mLate.clear();
}

} // namespace rtsdk
