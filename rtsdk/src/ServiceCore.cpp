#include "ServiceCore.h"

#include <chrono>
#include <thread>

#include "CallbackQueue.h"
#include "ChannelCore.h"
#include "ChannelSink.h"
#include "Codes.h"
#include "Runtime.h"

namespace rtsdk {

namespace {
std::string result(int rc)
{
    return " = " + std::to_string(rc);
}
} // namespace

ServiceCore::ServiceCore(const std::string &kind)
    : mName(Runtime::instance().log().newObject(kind))
    , mQueue(Runtime::instance().newQueue(mName))
{
}

ServiceCore::~ServiceCore() = default;

void ServiceCore::record(const std::string &call) const
{
    Runtime::instance().log().record(mName, call);
}

int ServiceCore::initialize(const char *appId, std::unique_ptr<ServiceSink> sink)
{
    int rc = code::Ok;
    int faultCode = 0;
    {
        std::lock_guard<std::mutex> lock(mStateMutex);
        if (released())
            rc = code::Released;
        else if (!appId || !*appId)
            rc = code::InvalidArgument;
        else if (mInitialized)
            rc = code::Already;
        else if (Runtime::instance().faults().initFault(InitStep::RtmInitialize, &faultCode))
            rc = faultCode ? faultCode : code::Failure;
        else {
            mSink = std::move(sink);
            mInitialized = true;
        }
    }
    record("initialize(" + CallLog::quoted(appId) + ")" + result(rc));
    return rc;
}

int ServiceCore::setLogFile(const char *logFile)
{
    const int rc = released() ? code::Released : (logFile && *logFile ? code::Ok : code::InvalidArgument);
    record("setLogFile(" + CallLog::quoted(logFile) + ")" + result(rc));
    return rc;
}

int ServiceCore::login(const char *token, const char *userId)
{
    const int rc = doLogin(userId ? userId : "");
    record("login(" + CallLog::quoted(token) + ", " + CallLog::quoted(userId) + ")" + result(rc));
    return rc;
}

int ServiceCore::doLogin(const std::string &userId)
{
    std::lock_guard<std::mutex> lock(mStateMutex);
    if (released())
        return code::Released;
    if (!mInitialized)
        return code::NotInitialized;
    if (userId.empty())
        return code::InvalidArgument;
    Runtime &rt = Runtime::instance();
    const FaultPlan::Failure fault = rt.faults().loginFault(userId);
    if (fault.mode == FaultMode::RefuseAtOnce)
        return fault.code ? fault.code : code::Rejected;
    if (rt.transport().hasSession(this))
        return code::Already;
    postServiceCall([](ServiceSink &s) { s.connectionStateChanged(state::Connecting, reason::Login); });
    if (fault.mode == FaultMode::FailLater) {
        loginFailed(fault.code ? fault.code : code::Failure);
        return code::Ok;
    }
    rt.log().noteLogin(userId, mName);
    mUserId = userId;
    return rt.transport().connect(shared_from_this(), userId);
}

int ServiceCore::logout()
{
    int rc;
    {
        std::lock_guard<std::mutex> lock(mStateMutex);
        rc = released() ? code::Released : Runtime::instance().transport().disconnect(this, true);
    }
    record("logout()" + result(rc));
    return rc;
}

std::shared_ptr<ChannelCore> ServiceCore::createChannel(const char *channelId, std::unique_ptr<ChannelSink> sink)
{
    std::shared_ptr<ChannelCore> channel;
    if (!released() && channelId && *channelId) {
        channel = std::make_shared<ChannelCore>(shared_from_this(), channelId, std::move(sink));
        std::lock_guard<std::mutex> lock(mChannelsMutex);
        mChannels.push_back(channel);
    }
    record("createChannel(" + CallLog::quoted(channelId) + ") = " + (channel ? channel->name() : "null"));
    return channel;
}

Packet ServiceCore::createMessage(const char *rawData, int length, bool raw, std::string *logName)
{
    Packet packet;
    packet.id = Runtime::instance().nextMessageId();
    packet.type = raw ? msgtype::Raw : msgtype::Text;
    if (raw && rawData && length > 0)
        packet.raw.assign(rawData, static_cast<size_t>(length));
    *logName = mName + ".msg#" + std::to_string(++mMessageCount);
    record(raw ? "createRawMessage(" + std::to_string(packet.raw.size()) + " bytes) = " + *logName
               : "createMessage() = " + *logName);
    return packet;
}

int ServiceCore::prepareSend(const Packet &packet) const
{
    const FaultPlan &faults = Runtime::instance().faults();
    if (const int stall = faults.stallMs())
        std::this_thread::sleep_for(std::chrono::milliseconds(stall));
    const size_t size = packet.text.size() + packet.raw.size();
    return size > static_cast<size_t>(faults.sizeCap()) ? code::TooLong : code::Ok;
}

int ServiceCore::sendToPeer(const char *peerId, const Packet *packet)
{
    int rc;
    if (released())
        rc = code::Released;
    else if (!peerId || !*peerId || !packet)
        rc = code::InvalidArgument;
    else if ((rc = prepareSend(*packet)) == code::Ok)
        rc = Runtime::instance().transport().sendToPeer(this, peerId, *packet);
    record("sendMessageToPeer(" + CallLog::quoted(peerId) + ", id " + (packet ? std::to_string(packet->id) : "null")
        + ")" + result(rc));
    return rc;
}

void ServiceCore::release(bool sync)
{
    {
        std::lock_guard<std::mutex> lock(mStateMutex);
        if (!mAlive.exchange(false))
            return;
    }
    record(std::string("release(") + (sync ? "true" : "false") + ")");
    // The others see this member leave; the released object hears nothing.
    Runtime::instance().transport().disconnect(this, false);
    if (sync && !mQueue->onQueueThread()) {
        // A listener call already running holds this lock: wait for it to end.
        std::lock_guard<std::mutex> wait(mCallMutex);
    }
    for (LateCallback kind : Runtime::instance().faults().takeLate(false, userId())) {
        postLate([self = shared_from_this(), kind] {
            if (!self->mSink)
                return;
            ServiceSink &s = *self->mSink;
            switch (kind) {
            case LateCallback::LoginSuccess:
                s.loginSuccess();
                break;
            case LateCallback::LoginFailure:
                s.loginFailure(code::Failure);
                break;
            case LateCallback::TokenExpired:
                s.tokenExpired();
                break;
            case LateCallback::Logout:
                s.logout(code::Ok);
                break;
            case LateCallback::ConnectionStateChanged:
                s.connectionStateChanged(state::Disconnected, reason::Logout);
                break;
            case LateCallback::PeerMessage: {
                Packet late;
                late.from = "late_rtm";
                late.text = "late";
                s.peerMessage(late);
                break;
            }
            default:
                break;
            }
        });
    }
}

std::string ServiceCore::userId() const
{
    std::lock_guard<std::mutex> lock(mStateMutex);
    return mUserId;
}

void ServiceCore::postLate(std::function<void()> call)
{
    mQueue->post(std::move(call));
}

void ServiceCore::postServiceCall(std::function<void(ServiceSink &)> call)
{
    mQueue->post([self = shared_from_this(), call = std::move(call)] {
        std::lock_guard<std::mutex> lock(self->mCallMutex);
        if (self->mAlive.load() && self->mSink)
            call(*self->mSink);
    });
}

void ServiceCore::postChannelCall(
    const std::shared_ptr<ChannelCore> &channel, std::function<void(ChannelSink &)> call, int delayMs)
{
    mQueue->post(
        [self = shared_from_this(), channel, call = std::move(call)] {
            std::lock_guard<std::mutex> lock(self->mCallMutex);
            if (self->mAlive.load() && !channel->released())
                call(channel->sink());
        },
        delayMs);
}

void ServiceCore::forChannels(const std::string &channelId, const std::function<void(ChannelSink &)> &call, int delayMs)
{
    std::lock_guard<std::mutex> lock(mChannelsMutex);
    for (auto it = mChannels.begin(); it != mChannels.end();) {
        std::shared_ptr<ChannelCore> channel = it->lock();
        if (!channel) {
            it = mChannels.erase(it);
            continue;
        }
        if (channel->id() == channelId)
            postChannelCall(channel, call, delayMs);
        ++it;
    }
}

void ServiceCore::sessionOpened(const std::string &)
{
    postServiceCall([](ServiceSink &s) {
        s.connectionStateChanged(state::Connected, reason::LoginSuccess);
        s.loginSuccess();
    });
}

void ServiceCore::loginFailed(int failure)
{
    postServiceCall([failure](ServiceSink &s) {
        s.loginFailure(failure);
        s.connectionStateChanged(state::Disconnected, reason::LoginFailure);
    });
}

void ServiceCore::connectionChanged(int newState, int why)
{
    postServiceCall([newState, why](ServiceSink &s) { s.connectionStateChanged(newState, why); });
}

void ServiceCore::tokenExpired()
{
    postServiceCall([](ServiceSink &s) { s.tokenExpired(); });
}

void ServiceCore::sessionClosed()
{
    postServiceCall([](ServiceSink &s) {
        s.logout(code::Ok);
        s.connectionStateChanged(state::Disconnected, reason::Logout);
    });
}

void ServiceCore::joined(const std::string &channelId, int memberCount)
{
    forChannels(channelId, [memberCount](ChannelSink &s) {
        s.joinSuccess();
        s.memberCount(memberCount);
    });
}

void ServiceCore::left(const std::string &channelId)
{
    forChannels(channelId, [](ChannelSink &s) { s.leave(code::Ok); });
}

void ServiceCore::memberJoined(const std::string &channelId, const std::string &userId, int memberCount)
{
    forChannels(channelId, [channelId, userId, memberCount](ChannelSink &s) {
        s.memberJoined(userId, channelId);
        s.memberCount(memberCount);
    });
}

void ServiceCore::memberLeft(const std::string &channelId, const std::string &userId, int memberCount)
{
    forChannels(channelId, [channelId, userId, memberCount](ChannelSink &s) {
        s.memberLeft(userId, channelId);
        s.memberCount(memberCount);
    });
}

void ServiceCore::membersListed(const std::string &channelId, const std::vector<std::string> &userIds)
{
    forChannels(channelId, [channelId, userIds](ChannelSink &s) { s.members(userIds, channelId, code::Ok); });
}

void ServiceCore::channelMessage(const Packet &packet, int delayMs)
{
    forChannels(
        packet.channelId, [packet](ChannelSink &s) { s.message(packet); }, delayMs);
}

void ServiceCore::peerMessage(const Packet &packet)
{
    postServiceCall([packet](ServiceSink &s) { s.peerMessage(packet); });
}

void ServiceCore::sent(const std::string &channelId, long long messageId, int sendState)
{
    if (channelId.empty())
        postServiceCall([messageId, sendState](ServiceSink &s) { s.sendResult(messageId, sendState); });
    else
        forChannels(channelId, [messageId, sendState](ChannelSink &s) { s.sendResult(messageId, sendState); });
}

} // namespace rtsdk
