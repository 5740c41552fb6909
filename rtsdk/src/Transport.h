#pragma once
// The seam between the SDK objects of one client and whatever carries their
// sessions and messages: the in-process Hub, or the loopback relay between
// processes (RelayTransport); the SDK objects are the same either way.

#include <memory>
#include <string>
#include <vector>

namespace rtsdk {

/** One message on the wire. */
struct Packet
{
    long long id = 0;
    int type = 1; // 1 text, 2 raw
    std::string text;
    std::string raw;
    std::string from; // sender's user id
    std::string channelId; // empty for a peer message
};

/** The client end of a session: what the network tells one RTM service.
 *  The transport calls these with its own lock held, so that every client
 *  sees one order of events per channel; an implementation only queues the
 *  work for its callback thread and never calls back into the transport. */
class TransportClient
{
public:
    virtual ~TransportClient() = default;
    virtual void sessionOpened(const std::string &userId) = 0;
    /** A login the network could not carry through; the session is gone. */
    virtual void loginFailed(int code) = 0;
    /** The network changed the session's state (ended it for 1 and 5). */
    virtual void connectionChanged(int state, int reason) = 0;
    virtual void tokenExpired() = 0;
    virtual void sessionClosed() = 0;
    virtual void joined(const std::string &channelId, int memberCount) = 0;
    virtual void left(const std::string &channelId) = 0;
    virtual void memberJoined(const std::string &channelId, const std::string &userId, int memberCount) = 0;
    virtual void memberLeft(const std::string &channelId, const std::string &userId, int memberCount) = 0;
    virtual void membersListed(const std::string &channelId, const std::vector<std::string> &userIds) = 0;
    virtual void channelMessage(const Packet &packet, int delayMs) = 0;
    virtual void peerMessage(const Packet &packet) = 0;
    /** The outcome of this client's own send (channelId empty for a peer). */
    virtual void sent(const std::string &channelId, long long messageId, int state) = 0;
};

/** The network side. Every call answers at once with 0 or an RTM_ERR_ code;
 *  what follows reaches the clients through TransportClient. A client is
 *  known by its pointer while it has a session. */
class Transport
{
public:
    virtual ~Transport() = default;
    /** Opens a session; a session of the same user id elsewhere ends with
     *  state 5, reason 8. */
    virtual int connect(const std::shared_ptr<TransportClient> &client, const std::string &userId) = 0;
    /** Ends the session: leaves every channel; the client hears sessionClosed
     *  when `notify` is set. */
    virtual int disconnect(const TransportClient *client, bool notify) = 0;
    virtual bool hasSession(const TransportClient *client) const = 0;
    virtual int join(const TransportClient *client, const std::string &channelId) = 0;
    virtual int leave(const TransportClient *client, const std::string &channelId) = 0;
    virtual int listMembers(const TransportClient *client, const std::string &channelId) = 0;
    virtual int sendToChannel(const TransportClient *client, const Packet &packet) = 0;
    virtual int sendToPeer(const TransportClient *client, const std::string &peerId, const Packet &packet) = 0;
};

} // namespace rtsdk
