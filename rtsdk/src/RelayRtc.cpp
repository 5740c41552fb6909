#include "RelayRtc.h"

#include <algorithm>

namespace rtsdk {

namespace {
const long long kJoinRejected = -17;
const int kReasonDropped = 1;
} // namespace

/** One engine in a channel: what it asked for, whom it hears, their last
 *  pictures, and its connection. Guarded by the owner's lock. */
class RelayRtc::Member : public RelayLinkOwner
{
public:
    Member(RelayRtc &owner, std::shared_ptr<RtcEndpoint> ep, std::string ch, uint32_t id, std::string s,
           std::string m)
        : network(owner)
        , endpoint(std::move(ep))
        , channel(std::move(ch))
        , uid(id)
        , secret(std::move(s))
        , mode(std::move(m))
        , link(owner.mConfig, this)
    {
    }

    void linkUp() override
    {
        std::lock_guard<std::mutex> lock(network.mMutex);
        if (!ended)
            link.send(RelayFrame(RelayKind::RtcJoin).add(channel).addNumber(uid).add(secret).add(mode));
    }

    void linkFrame(const RelayFrame &frame) override
    {
        std::lock_guard<std::mutex> lock(network.mMutex);
        if (!ended)
            network.onFrame(*this, frame);
    }

    void linkDown() override
    {
        std::lock_guard<std::mutex> lock(network.mMutex);
        if (ended)
            return;
        if (!answered) {
            answered = true;
            refused = true;
            network.mJoinAnswered.notify_all();
            return;
        }
        inChannel = false;
        for (uint32_t other : remotes)
            endpoint->userOffline(other, kReasonDropped);
        remotes.clear();
        pictures.clear();
    }

    RelayRtc &network;
    const std::shared_ptr<RtcEndpoint> endpoint;
    const std::string channel;
    uint32_t uid; // 0 until the relay gave one
    const std::string secret;
    const std::string mode;
    bool answered = false; // the first join was answered (or failed)
    bool refused = false;
    bool inChannel = false;
    bool ended = false;
    std::set<uint32_t> remotes;
    std::map<uint32_t, I420Picture> pictures;
    RelayLink link;
};

RelayRtc::RelayRtc(RelayConfig config)
    : mConfig(std::move(config))
{
}

RelayRtc::~RelayRtc()
{
    std::map<const RtcEndpoint *, std::shared_ptr<Member>> members;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        members.swap(mMembers);
        for (auto &entry : members)
            entry.second->ended = true;
    }
}

RelayRtc::Member *RelayRtc::memberOf(const RtcEndpoint *endpoint) const
{
    auto it = mMembers.find(endpoint);
    return it == mMembers.end() ? nullptr : it->second.get();
}

void RelayRtc::drop(std::shared_ptr<Member> member)
{
    // The link thread may wait for the lock: never join it under the lock.
    member->link.stop();
}

void RelayRtc::onFrame(Member &member, const RelayFrame &frame)
{
    int64_t a = 0, b = 0, c = 0;
    switch (frame.kind) {
    case RelayKind::RtcJoined:
        if (!frame.number(0, &a))
            return;
        member.uid = uint32_t(a);
        member.inChannel = true;
        // Back after a broken connection: the SDK reports the rejoin.
        if (member.answered)
            member.endpoint->injected(RtcEvent { RtcEventKind::Rejoin, 0, {} });
        member.answered = true;
        mJoinAnswered.notify_all();
        break;
    case RelayKind::RtcRejected:
        // A uid taken while this engine was away stays out; the first join
        // reports it.
        member.answered = true;
        member.refused = !member.inChannel;
        mJoinAnswered.notify_all();
        break;
    case RelayKind::RtcUserJoined:
        if (frame.number(0, &a) && member.remotes.insert(uint32_t(a)).second)
            member.endpoint->userJoined(uint32_t(a));
        break;
    case RelayKind::RtcUserOffline:
        if (frame.number(0, &a) && frame.number(1, &b) && member.remotes.erase(uint32_t(a))) {
            member.pictures.erase(uint32_t(a));
            member.endpoint->userOffline(uint32_t(a), int(b));
        }
        break;
    case RelayKind::RtcStream:
        if (frame.number(0, &a) && frame.number(1, &b) && member.remotes.count(uint32_t(a)))
            member.endpoint->streamMessage(uint32_t(a), int(b), frame.text(2));
        break;
    case RelayKind::RtcFrame: {
        if (!frame.number(0, &a) || !frame.number(1, &b) || !frame.number(2, &c) || !member.remotes.count(uint32_t(a)))
            return;
        const std::string &bytes = frame.text(3);
        // Only a whole I420 picture of a sane size is kept.
        if (b < 2 || c < 2 || b > 4096 || c > 4096 || bytes.size() != size_t(b * c + 2 * ((b + 1) / 2) * ((c + 1) / 2)))
            return;
        I420Picture &picture = member.pictures[uint32_t(a)];
        picture.width = int(b);
        picture.height = int(c);
        picture.bytes.assign(bytes.begin(), bytes.end());
        break;
    }
    default:
        break; // not for a media member
    }
}

long long RelayRtc::join(const std::shared_ptr<RtcEndpoint> &endpoint, const std::string &channel, uint32_t uid,
                         const std::string &secret, const std::string &mode)
{
    std::shared_ptr<Member> member;
    long long result = kJoinRejected;
    {
        std::unique_lock<std::mutex> lock(mMutex);
        if (memberOf(endpoint.get()))
            return kJoinRejected;
        member = std::make_shared<Member>(*this, endpoint, channel, uid, secret, mode);
        mMembers[endpoint.get()] = member;
        member->link.start();
        // The relay gives the uid, so the join waits for its answer.
        mJoinAnswered.wait_for(lock, std::chrono::milliseconds(kJoinWaitMs), [&] { return member->answered; });
        if (member->answered && !member->refused) {
            result = member->uid;
            member.reset();
        } else {
            member->ended = true;
            mMembers.erase(endpoint.get());
        }
    }
    if (member)
        drop(std::move(member));
    return result;
}

void RelayRtc::leave(const RtcEndpoint *endpoint)
{
    std::shared_ptr<Member> member;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        auto it = mMembers.find(endpoint);
        if (it == mMembers.end())
            return;
        member = std::move(it->second);
        mMembers.erase(it);
        member->ended = true;
        member->link.send(RelayFrame(RelayKind::RtcLeave));
    }
    drop(std::move(member));
}

void RelayRtc::sendStream(const RtcEndpoint *endpoint, int streamId, const std::string &data)
{
    std::lock_guard<std::mutex> lock(mMutex);
    Member *member = memberOf(endpoint);
    if (member && member->inChannel)
        member->link.send(RelayFrame(RelayKind::RtcStream).addNumber(streamId).add(data));
}

void RelayRtc::pushFrame(const RtcEndpoint *endpoint, I420Picture picture)
{
    RelayFrame frame(RelayKind::RtcFrame);
    frame.addNumber(picture.width).addNumber(picture.height);
    frame.add(std::string(picture.bytes.begin(), picture.bytes.end()));
    std::lock_guard<std::mutex> lock(mMutex);
    Member *member = memberOf(endpoint);
    if (!member)
        return;
    if (member->inChannel)
        member->link.send(frame);
    // The own picture too, for a renderer of the own uid, as in the hub.
    member->pictures[member->uid] = std::move(picture);
}

bool RelayRtc::frameOf(const RtcEndpoint *viewer, uint32_t uid, I420Picture &out) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    const Member *member = memberOf(viewer);
    if (!member)
        return false;
    auto it = member->pictures.find(uid);
    if (it == member->pictures.end())
        return false;
    out = it->second;
    return true;
}

std::vector<uint32_t> RelayRtc::audibleUids(const RtcEndpoint *viewer) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    std::vector<uint32_t> uids;
    const Member *member = memberOf(viewer);
    if (!member || !member->inChannel)
        return uids;
    uids.push_back(member->uid);
    uids.insert(uids.end(), member->remotes.begin(), member->remotes.end());
    std::sort(uids.begin(), uids.end());
    return uids;
}

} // namespace rtsdk
