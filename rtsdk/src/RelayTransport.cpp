#include "RelayTransport.h"

#include "Codes.h"

namespace rtsdk {

/** One session: the client, what it asked for, and its connection. The
 *  link calls in on its own thread; every field is guarded by the
 *  transport's lock. */
class RelayTransport::Session : public RelayLinkOwner
{
public:
    Session(RelayTransport &owner, std::shared_ptr<TransportClient> c, std::string user)
        : transport(owner)
        , client(std::move(c))
        , userId(std::move(user))
        , link(owner.mConfig, this)
    {
    }

    void linkUp() override
    {
        std::lock_guard<std::mutex> lock(transport.mMutex);
        if (ended)
            return;
        up = true;
        // In order on one connection: the relay answers the login first.
        link.send(RelayFrame(RelayKind::Login).add(userId));
        for (const std::string &channel : channels)
            link.send(RelayFrame(RelayKind::Join).add(channel));
    }

    void linkFrame(const RelayFrame &frame) override
    {
        std::lock_guard<std::mutex> lock(transport.mMutex);
        if (!ended)
            transport.onFrame(*this, frame);
    }

    void linkDown() override
    {
        std::lock_guard<std::mutex> lock(transport.mMutex);
        if (ended)
            return;
        up = false;
        if (!loggedIn) {
            // Never got in: the login failed, as when the network is down.
            client->loginFailed(code::Failure);
            transport.retire(this);
        } else if (routable) {
            routable = false;
            client->connectionChanged(state::Reconnecting, reason::Interrupted);
        }
    }

    RelayTransport &transport;
    const std::shared_ptr<TransportClient> client;
    const std::string userId;
    bool up = false; // connected to the relay
    bool loggedIn = false; // the relay accepted the login at least once
    bool routable = false; // logged in on the current connection
    bool ended = false;
    std::set<std::string> channels; // joined or asked to join
    std::set<std::string> reported; // joins the client heard of
    RelayLink link;
};

RelayTransport::RelayTransport(RelayConfig config)
    : mConfig(std::move(config))
{
}

RelayTransport::~RelayTransport()
{
    std::map<const TransportClient *, std::shared_ptr<Session>> sessions;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        sessions.swap(mSessions);
        for (auto &entry : sessions)
            entry.second->ended = true;
    }
    sessions.clear();
    reap();
}

RelayTransport::Session *RelayTransport::sessionOf(const TransportClient *client) const
{
    auto it = mSessions.find(client);
    return it == mSessions.end() ? nullptr : it->second.get();
}

void RelayTransport::retire(Session *session)
{
    session->ended = true;
    session->link.stopSoon();
    auto it = mSessions.find(session->client.get());
    if (it != mSessions.end() && it->second.get() == session) {
        mRetired.push_back(it->second);
        mSessions.erase(it);
    }
}

void RelayTransport::reap()
{
    std::vector<std::shared_ptr<Session>> done;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        for (auto it = mRetired.begin(); it != mRetired.end();) {
            if ((*it)->link.onLinkThread()) {
                ++it;
            } else {
                done.push_back(std::move(*it));
                it = mRetired.erase(it);
            }
        }
    }
    // Joins each link thread; it may be waiting for the lock just now.
    done.clear();
}

Packet RelayTransport::packetOf(const RelayFrame &frame, size_t first)
{
    Packet packet;
    int64_t number = 0;
    if (frame.number(first + 1, &number))
        packet.id = number;
    if (frame.number(first + 2, &number))
        packet.type = int(number);
    packet.text = frame.text(first + 3);
    packet.raw = frame.text(first + 4);
    return packet;
}

void RelayTransport::onFrame(Session &session, const RelayFrame &frame)
{
    TransportClient &client = *session.client;
    int64_t a = 0, b = 0;
    switch (frame.kind) {
    case RelayKind::LoginOk:
        session.routable = true;
        if (!session.loggedIn) {
            session.loggedIn = true;
            client.sessionOpened(session.userId);
        } else {
            client.connectionChanged(state::Connected, reason::LoginSuccess);
        }
        break;
    case RelayKind::Aborted:
        if (!frame.number(0, &a))
            a = reason::RemoteLogin;
        client.connectionChanged(state::Aborted, int(a));
        retire(&session);
        break;
    case RelayKind::Joined:
        // A join again after a reconnect is the SDK's own business.
        if (session.channels.count(frame.text(0)) && session.reported.insert(frame.text(0)).second)
            client.joined(frame.text(0), frame.number(1, &a) ? int(a) : 1);
        break;
    case RelayKind::MemberJoined:
        if (frame.number(2, &a))
            client.memberJoined(frame.text(0), frame.text(1), int(a));
        break;
    case RelayKind::MemberLeft:
        if (frame.number(2, &a))
            client.memberLeft(frame.text(0), frame.text(1), int(a));
        break;
    case RelayKind::MemberList:
        if (!frame.parts.empty())
            client.membersListed(frame.text(0), std::vector<std::string>(frame.parts.begin() + 1, frame.parts.end()));
        break;
    case RelayKind::ChannelMessage: {
        Packet packet = packetOf(frame, 0);
        packet.channelId = frame.text(0);
        packet.from = frame.text(5);
        client.channelMessage(packet, 0);
        break;
    }
    case RelayKind::PeerMessage: {
        Packet packet = packetOf(frame, 0);
        packet.from = frame.text(0);
        client.peerMessage(packet);
        break;
    }
    case RelayKind::Sent:
        if (frame.number(1, &a) && frame.number(2, &b))
            client.sent(frame.text(0), a, int(b));
        break;
    default:
        break; // not for a message session
    }
}

int RelayTransport::connect(const std::shared_ptr<TransportClient> &client, const std::string &userId)
{
    reap();
    std::shared_ptr<Session> session;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        if (sessionOf(client.get()))
            return code::Already;
        session = std::make_shared<Session>(*this, client, userId);
        mSessions[client.get()] = session;
        // Started under the lock: its first call waits for this one to end.
        session->link.start();
    }
    return code::Ok;
}

int RelayTransport::disconnect(const TransportClient *client, bool notify)
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        Session *session = sessionOf(client);
        if (!session)
            return code::NotLoggedIn;
        if (session->up)
            session->link.send(RelayFrame(RelayKind::Logout));
        if (notify)
            session->client->sessionClosed();
        retire(session);
    }
    reap();
    return code::Ok;
}

bool RelayTransport::hasSession(const TransportClient *client) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return sessionOf(client) != nullptr;
}

int RelayTransport::join(const TransportClient *client, const std::string &channelId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    Session *session = sessionOf(client);
    if (!session)
        return code::NotLoggedIn;
    if (!session->channels.insert(channelId).second)
        return code::Already;
    // Otherwise the join goes with the login once the connection is up.
    if (session->up)
        session->link.send(RelayFrame(RelayKind::Join).add(channelId));
    return code::Ok;
}

int RelayTransport::leave(const TransportClient *client, const std::string &channelId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    Session *session = sessionOf(client);
    if (!session)
        return code::NotLoggedIn;
    if (!session->channels.erase(channelId))
        return code::NotJoined;
    session->reported.erase(channelId);
    if (session->up)
        session->link.send(RelayFrame(RelayKind::Leave).add(channelId));
    session->client->left(channelId);
    return code::Ok;
}

int RelayTransport::listMembers(const TransportClient *client, const std::string &channelId)
{
    std::lock_guard<std::mutex> lock(mMutex);
    Session *session = sessionOf(client);
    if (!session)
        return code::NotLoggedIn;
    if (!session->reported.count(channelId))
        return code::NotJoined;
    if (!session->routable || !session->link.send(RelayFrame(RelayKind::ListMembers).add(channelId)))
        return code::NotLoggedIn;
    return code::Ok;
}

namespace {
RelayFrame messageFrame(RelayKind kind, const std::string &to, const Packet &packet)
{
    RelayFrame frame(kind);
    frame.add(to).addNumber(packet.id).addNumber(packet.type).add(packet.text).add(packet.raw);
    return frame;
}
} // namespace

int RelayTransport::sendToChannel(const TransportClient *client, const Packet &packet)
{
    std::lock_guard<std::mutex> lock(mMutex);
    Session *session = sessionOf(client);
    if (!session || !session->routable)
        return code::NotLoggedIn;
    if (!session->reported.count(packet.channelId))
        return code::NotJoined;
    if (!session->link.send(messageFrame(RelayKind::ChannelMessage, packet.channelId, packet)))
        return code::NotLoggedIn;
    return code::Ok;
}

int RelayTransport::sendToPeer(const TransportClient *client, const std::string &peerId, const Packet &packet)
{
    std::lock_guard<std::mutex> lock(mMutex);
    Session *session = sessionOf(client);
    if (!session || !session->routable)
        return code::NotLoggedIn;
    if (!session->link.send(messageFrame(RelayKind::PeerMessage, peerId, packet)))
        return code::NotLoggedIn;
    return code::Ok;
}

} // namespace rtsdk
