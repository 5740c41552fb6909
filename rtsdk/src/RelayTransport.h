#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "RelayConfig.h"
#include "RelayLink.h"
#include "Transport.h"

namespace rtsdk {

/** The message side over the loopback relay: one connection per session.
 *  The relay knows the sessions, channels and members of every process;
 *  this end keeps what a session asked for (its user id and channels), so
 *  that after the connection broke it logs in and joins again by itself,
 *  as a real SDK reconnects: the client hears state 4 (reason 5) when the
 *  connection goes and state 3 (reason 2) when it is back. A relay that
 *  cannot be reached at login is a later login failure. */
class RelayTransport : public Transport
{
public:
    explicit RelayTransport(RelayConfig config);
    ~RelayTransport() override;

    int connect(const std::shared_ptr<TransportClient> &client, const std::string &userId) override;
    int disconnect(const TransportClient *client, bool notify) override;
    bool hasSession(const TransportClient *client) const override;
    int join(const TransportClient *client, const std::string &channelId) override;
    int leave(const TransportClient *client, const std::string &channelId) override;
    int listMembers(const TransportClient *client, const std::string &channelId) override;
    int sendToChannel(const TransportClient *client, const Packet &packet) override;
    int sendToPeer(const TransportClient *client, const std::string &peerId, const Packet &packet) override;

private:
    class Session;

    Session *sessionOf(const TransportClient *client) const;
    /** Takes the session out (under the lock); its link is stopped later,
     *  off its own thread. */
    void retire(Session *session);
    /** Joins the threads of retired sessions (never under the lock). */
    void reap();
    void onFrame(Session &session, const RelayFrame &frame);
    static Packet packetOf(const RelayFrame &frame, size_t first);

    const RelayConfig mConfig;
    mutable std::mutex mMutex;
    std::map<const TransportClient *, std::shared_ptr<Session>> mSessions;
    std::vector<std::shared_ptr<Session>> mRetired;
};

} // namespace rtsdk
