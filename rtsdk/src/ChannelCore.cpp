#include "ChannelCore.h"

#include "Codes.h"
#include "Runtime.h"
#include "ServiceCore.h"

namespace rtsdk {

namespace {
std::string result(int rc)
{
    return " = " + std::to_string(rc);
}
} // namespace

ChannelCore::ChannelCore(std::shared_ptr<ServiceCore> service, std::string channelId, std::unique_ptr<ChannelSink> sink)
    : mService(std::move(service))
    , mId(std::move(channelId))
    , mName(mService->name() + "/" + mId)
    , mSink(std::move(sink))
{
    Runtime::instance().log().addObject(mName);
}

void ChannelCore::record(const std::string &call) const
{
    Runtime::instance().log().record(mName, call);
}

bool ChannelCore::gone() const
{
    return released() || mService->released();
}

int ChannelCore::join()
{
    int rc;
    const FaultPlan::Failure fault = Runtime::instance().faults().joinFault(mId);
    if (gone()) {
        rc = code::Released;
    } else if (fault.mode == FaultMode::RefuseAtOnce) {
        rc = fault.code ? fault.code : code::Rejected;
    } else if (fault.mode == FaultMode::FailLater) {
        const int failure = fault.code ? fault.code : code::Failure;
        mService->postChannelCall(shared_from_this(), [failure](ChannelSink &s) { s.joinFailure(failure); });
        rc = code::Ok;
    } else {
        rc = Runtime::instance().transport().join(mService.get(), mId);
    }
    record("join()" + result(rc));
    return rc;
}

int ChannelCore::leave()
{
    const int rc = gone() ? code::Released : Runtime::instance().transport().leave(mService.get(), mId);
    record("leave()" + result(rc));
    return rc;
}

int ChannelCore::getMembers()
{
    const int rc = gone() ? code::Released : Runtime::instance().transport().listMembers(mService.get(), mId);
    record("getMembers()" + result(rc));
    return rc;
}

int ChannelCore::sendMessage(const Packet *packet)
{
    int rc;
    if (gone()) {
        rc = code::Released;
    } else if (!packet) {
        rc = code::InvalidArgument;
    } else if ((rc = mService->prepareSend(*packet)) == code::Ok) {
        Packet onChannel = *packet;
        onChannel.channelId = mId;
        rc = Runtime::instance().transport().sendToChannel(mService.get(), onChannel);
    }
    record("sendMessage(id " + (packet ? std::to_string(packet->id) : std::string("null")) + ")" + result(rc));
    return rc;
}

void ChannelCore::release()
{
    if (!mAlive.exchange(false))
        return;
    record("release()");
    // A channel object that goes away while joined leaves; only the others hear it.
    if (!mService->released())
        Runtime::instance().transport().leave(mService.get(), mId);
    for (LateCallback kind : Runtime::instance().faults().takeLate(true, mService->userId())) {
        mService->postLate([self = shared_from_this(), kind] {
            ChannelSink &s = *self->mSink;
            const std::string late = "late_rtm";
            switch (kind) {
            case LateCallback::JoinSuccess:
                s.joinSuccess();
                break;
            case LateCallback::JoinFailure:
                s.joinFailure(code::Failure);
                break;
            case LateCallback::MemberJoined:
                s.memberJoined(late, self->mId);
                break;
            case LateCallback::MemberLeft:
                s.memberLeft(late, self->mId);
                break;
            case LateCallback::ChannelMessage: {
                Packet packet;
                packet.from = late;
                packet.channelId = self->mId;
                packet.text = "late";
                s.message(packet);
                break;
            }
            case LateCallback::GetMembers:
                s.members({ late }, self->mId, code::Ok);
                break;
            case LateCallback::SendResult:
                s.sendResult(0, code::Failure);
                break;
            default:
                break;
            }
        });
    }
}

} // namespace rtsdk
