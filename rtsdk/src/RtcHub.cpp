#include "RtcHub.h"

namespace rtsdk {

namespace {
const long long kJoinRejected = -17;
}

RtcHub::Member *RtcHub::memberOf(const RtcEndpoint *endpoint)
{
    auto place = mPlaces.find(endpoint);
    if (place == mPlaces.end())
        return nullptr;
    return &mChannels[place->second.channel][place->second.uid];
}

const RtcHub::Member *RtcHub::memberOf(const RtcEndpoint *endpoint) const
{
    return const_cast<RtcHub *>(this)->memberOf(endpoint);
}

long long RtcHub::join(const std::shared_ptr<RtcEndpoint> &endpoint, const std::string &channel, uint32_t uid,
                       const std::string &secret, const std::string &mode)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (mPlaces.count(endpoint.get()))
        return kJoinRejected;
    auto &members = mChannels[channel];
    if (uid == 0) {
        while (members.count(mNextUid))
            ++mNextUid;
        uid = mNextUid++;
    } else if (members.count(uid)) {
        return kJoinRejected;
    }
    Member joining;
    joining.endpoint = endpoint;
    joining.uid = uid;
    joining.secret = secret;
    joining.mode = mode;
    for (auto &entry : members) {
        if (!hear(entry.second, joining))
            continue;
        entry.second.endpoint->userJoined(uid);
        endpoint->userJoined(entry.first);
    }
    members[uid] = std::move(joining);
    mPlaces[endpoint.get()] = Place { channel, uid };
    return uid;
}

void RtcHub::leave(const RtcEndpoint *endpoint)
{
    std::lock_guard<std::mutex> lock(mMutex);
    auto place = mPlaces.find(endpoint);
    if (place == mPlaces.end())
        return;
    auto &members = mChannels[place->second.channel];
    const Member &leaving = members[place->second.uid];
    for (auto &entry : members)
        if (entry.first != leaving.uid && hear(entry.second, leaving))
            entry.second.endpoint->userOffline(leaving.uid, 0);
    members.erase(place->second.uid);
    if (members.empty())
        mChannels.erase(place->second.channel);
    mPlaces.erase(place);
}

bool RtcHub::roll(int percent)
{
    if (percent <= 0)
        return false;
    return int(std::uniform_int_distribution<int>(0, 99)(mRandom)) < percent;
}

void RtcHub::sendStream(const RtcEndpoint *endpoint, int streamId, const std::string &data)
{
    std::lock_guard<std::mutex> lock(mMutex);
    const Member *sender = memberOf(endpoint);
    if (!sender)
        return;
    for (auto &entry : mChannels[mPlaces[endpoint].channel]) {
        Member &receiver = entry.second;
        if (receiver.uid == sender->uid || !hear(receiver, *sender))
            continue;
        if (roll(mFault.lossPercent))
            continue;
        const int copies = roll(mFault.duplicatePercent) ? 2 : 1;
        if (!receiver.holding && roll(mFault.reorderPercent)) {
            receiver.holding = true;
            receiver.heldStream = streamId;
            receiver.held = data;
            continue;
        }
        for (int i = 0; i < copies; ++i)
            receiver.endpoint->streamMessage(sender->uid, streamId, data);
        if (receiver.holding) {
            receiver.holding = false;
            receiver.endpoint->streamMessage(sender->uid, receiver.heldStream, receiver.held);
            receiver.held.clear();
        }
    }
}

void RtcHub::pushFrame(const RtcEndpoint *endpoint, I420Picture picture)
{
    std::lock_guard<std::mutex> lock(mMutex);
    Member *member = memberOf(endpoint);
    if (!member)
        return;
    member->picture = std::move(picture);
    member->hasPicture = true;
}

bool RtcHub::frameOf(const RtcEndpoint *viewer, uint32_t uid, I420Picture &out) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    const Member *self = memberOf(viewer);
    if (!self)
        return false;
    const auto &members = mChannels.at(mPlaces.at(viewer).channel);
    auto it = members.find(uid);
    if (it == members.end() || !it->second.hasPicture || !hear(*self, it->second))
        return false;
    out = it->second.picture;
    return true;
}

std::vector<uint32_t> RtcHub::audibleUids(const RtcEndpoint *viewer) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    std::vector<uint32_t> uids;
    const Member *self = memberOf(viewer);
    if (!self)
        return uids;
    for (const auto &entry : mChannels.at(mPlaces.at(viewer).channel))
        if (hear(*self, entry.second))
            uids.push_back(entry.first);
    return uids;
}

int RtcHub::inject(uint32_t uid, const RtcEvent &event)
{
    std::lock_guard<std::mutex> lock(mMutex);
    int reached = 0;
    for (const auto &place : mPlaces) {
        if (place.second.uid != uid)
            continue;
        mChannels[place.second.channel][uid].endpoint->injected(event);
        ++reached;
    }
    return reached;
}

std::vector<uint32_t> RtcHub::membersOf(const std::string &channel) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    std::vector<uint32_t> uids;
    auto it = mChannels.find(channel);
    if (it != mChannels.end())
        for (const auto &entry : it->second)
            uids.push_back(entry.first);
    return uids;
}

void RtcHub::setStreamFault(const StreamFault &fault)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mFault = fault;
    mRandom.seed(fault.seed);
}

void RtcHub::clear()
{
    std::map<std::string, std::map<uint32_t, Member>> dropped;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        dropped.swap(mChannels);
        mPlaces.clear();
        mNextUid = 100000;
        mFault = StreamFault();
        mRandom.seed(1);
    }
    // The endpoints may end with the last reference: outside the lock.
}

} // namespace rtsdk
