#include "Hub.h"

#include <algorithm>

#include "Codes.h"
#include "FaultPlan.h"

namespace rtsdk {

Hub::Hub(FaultPlan &faults)
    : mFaults(faults)
{
}

const std::string *Hub::userOf(const TransportClient *client) const
{
    auto it = mUserOf.find(client);
    return it == mUserOf.end() ? nullptr : &it->second;
}

TransportClient *Hub::routableClient(const std::string &userId) const
{
    auto it = mSessions.find(userId);
    if (it == mSessions.end() || !it->second.routable)
        return nullptr;
    return it->second.client.get();
}

const Hub::Members *Hub::membersWith(const std::string &channelId, const std::string &userId) const
{
    auto ch = mChannels.find(channelId);
    if (ch == mChannels.end() || std::find(ch->second.begin(), ch->second.end(), userId) == ch->second.end())
        return nullptr;
    return &ch->second;
}

void Hub::removeMember(const std::string &channelId, const std::string &userId)
{
    auto ch = mChannels.find(channelId);
    if (ch == mChannels.end())
        return;
    Members &members = ch->second;
    members.erase(std::remove(members.begin(), members.end(), userId), members.end());
    const int count = static_cast<int>(members.size());
    for (const std::string &other : members)
        if (TransportClient *c = routableClient(other))
            c->memberLeft(channelId, userId, count);
    if (members.empty())
        mChannels.erase(ch);
}

void Hub::endSession(const std::string &userId)
{
    std::vector<std::string> channels;
    for (const auto &ch : mChannels)
        if (membersWith(ch.first, userId))
            channels.push_back(ch.first);
    for (const std::string &channelId : channels)
        removeMember(channelId, userId);
    auto it = mSessions.find(userId);
    if (it != mSessions.end()) {
        mUserOf.erase(it->second.client.get());
        mSessions.erase(it);
    }
}

int Hub::connect(const std::shared_ptr<TransportClient> &client, const std::string &userId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (userOf(client.get()))
        return code::Already;
    auto old = mSessions.find(userId);
    if (old != mSessions.end()) {
        std::shared_ptr<TransportClient> oldClient = old->second.client;
        endSession(userId);
        oldClient->connectionChanged(state::Aborted, reason::RemoteLogin);
    }
    mSessions[userId] = Session { client, true };
    mUserOf[client.get()] = userId;
    client->sessionOpened(userId);
    return code::Ok;
}

int Hub::disconnect(const TransportClient *client, bool notify)
{
    std::lock_guard<std::mutex> lock(mMutex);
    const std::string *user = userOf(client);
    if (!user)
        return code::NotLoggedIn;
    std::shared_ptr<TransportClient> keep = mSessions[*user].client;
    endSession(std::string(*user));
    if (notify)
        keep->sessionClosed();
    return code::Ok;
}

bool Hub::hasSession(const TransportClient *client) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return userOf(client) != nullptr;
}

int Hub::join(const TransportClient *client, const std::string &channelId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    const std::string *user = userOf(client);
    if (!user)
        return code::NotLoggedIn;
    Members &members = mChannels[channelId];
    if (std::find(members.begin(), members.end(), *user) != members.end())
        return code::Already;
    members.push_back(*user);
    const int count = static_cast<int>(members.size());
    mSessions[*user].client->joined(channelId, count);
    for (const std::string &other : members)
        if (other != *user)
            if (TransportClient *c = routableClient(other))
                c->memberJoined(channelId, *user, count);
    return code::Ok;
}

int Hub::leave(const TransportClient *client, const std::string &channelId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    const std::string *user = userOf(client);
    if (!user)
        return code::NotLoggedIn;
    if (!membersWith(channelId, *user))
        return code::NotJoined;
    const std::string userId = *user;
    removeMember(channelId, userId);
    mSessions[userId].client->left(channelId);
    return code::Ok;
}

int Hub::listMembers(const TransportClient *client, const std::string &channelId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    const std::string *user = userOf(client);
    if (!user)
        return code::NotLoggedIn;
    const Members *members = membersWith(channelId, *user);
    if (!members)
        return code::NotJoined;
    mSessions[*user].client->membersListed(channelId, *members);
    return code::Ok;
}

int Hub::sendToChannel(const TransportClient *client, const Packet &sent)
{
    std::lock_guard<std::mutex> lock(mMutex);
    const std::string *user = userOf(client);
    if (!user || !mSessions[*user].routable)
        return code::NotLoggedIn;
    // The sender is who the network knows, whatever the packet says.
    Packet packet = sent;
    packet.from = *user;
    const Members *members = membersWith(packet.channelId, *user);
    if (!members)
        return code::NotJoined;
    const FaultPlan::MessageEffect effect = mFaults.takeMessageEffect(packet.channelId);
    if (effect.fault != MessageFault::Drop) {
        const int copies = effect.fault == MessageFault::Duplicate ? 2 : 1;
        const int delayMs = effect.fault == MessageFault::Delay ? effect.delayMs : 0;
        for (const std::string &other : *members) {
            if (other == *user)
                continue;
            if (TransportClient *c = routableClient(other))
                for (int i = 0; i < copies; ++i)
                    c->channelMessage(packet, delayMs);
        }
    }
    // A lost message still left the sender: the network says so.
    mSessions[*user].client->sent(packet.channelId, packet.id, code::Ok);
    return code::Ok;
}

int Hub::sendToPeer(const TransportClient *client, const std::string &peerId, const Packet &sent)
{
    std::lock_guard<std::mutex> lock(mMutex);
    const std::string *user = userOf(client);
    if (!user || !mSessions[*user].routable)
        return code::NotLoggedIn;
    Packet packet = sent;
    packet.from = *user;
    packet.channelId.clear();
    TransportClient *peer = routableClient(peerId);
    if (peer)
        peer->peerMessage(packet);
    mSessions[*user].client->sent(std::string(), packet.id, peer ? code::Ok : code::PeerUnreachable);
    return code::Ok;
}

int Hub::forceState(const std::string &userId, int newState, int why)
{
    std::lock_guard<std::mutex> lock(mMutex);
    auto it = mSessions.find(userId);
    if (it == mSessions.end())
        return 0;
    std::shared_ptr<TransportClient> client = it->second.client;
    if (newState == state::Disconnected || newState == state::Aborted)
        endSession(userId);
    else
        it->second.routable = newState == state::Connected;
    client->connectionChanged(newState, why);
    return 1;
}

int Hub::expireToken(const std::string &userId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    auto it = mSessions.find(userId);
    if (it == mSessions.end())
        return 0;
    it->second.client->tokenExpired();
    return 1;
}

bool Hub::isOnline(const std::string &userId) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    auto it = mSessions.find(userId);
    return it != mSessions.end() && it->second.routable;
}

std::vector<std::string> Hub::membersOf(const std::string &channelId) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    auto it = mChannels.find(channelId);
    return it == mChannels.end() ? Members() : it->second;
}

void Hub::clear()
{
    std::lock_guard<std::mutex> lock(mMutex);
    mSessions.clear();
    mUserOf.clear();
    mChannels.clear();
}

} // namespace rtsdk
