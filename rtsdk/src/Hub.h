#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Transport.h"

namespace rtsdk {

class FaultPlan;

/** The in-process network: sessions by user id, channels by name with their
 *  members in join order. Channel-message faults are applied here, where a
 *  real network would lose, repeat or hold back a message. */
class Hub : public Transport
{
public:
    explicit Hub(FaultPlan &faults);

    int connect(const std::shared_ptr<TransportClient> &client, const std::string &userId) override;
    int disconnect(const TransportClient *client, bool notify) override;
    bool hasSession(const TransportClient *client) const override;
    int join(const TransportClient *client, const std::string &channelId) override;
    int leave(const TransportClient *client, const std::string &channelId) override;
    int listMembers(const TransportClient *client, const std::string &channelId) override;
    int sendToChannel(const TransportClient *client, const Packet &packet) override;
    int sendToPeer(const TransportClient *client, const std::string &peerId, const Packet &packet) override;

    // Test control.
    int forceState(const std::string &userId, int state, int reason);
    int expireToken(const std::string &userId);
    bool isOnline(const std::string &userId) const;
    std::vector<std::string> membersOf(const std::string &channelId) const;
    /** Forgets every session and channel without telling anyone. */
    void clear();

private:
    struct Session
    {
        std::shared_ptr<TransportClient> client;
        bool routable = true; // false while connecting or reconnecting
    };
    using Members = std::vector<std::string>;

    /** User id of the client's session, or null. */
    const std::string *userOf(const TransportClient *client) const;
    TransportClient *routableClient(const std::string &userId) const;
    /** The channel's members when userId is one of them, else null. */
    const Members *membersWith(const std::string &channelId, const std::string &userId) const;
    void endSession(const std::string &userId);
    void removeMember(const std::string &channelId, const std::string &userId);

    FaultPlan &mFaults;
    mutable std::mutex mMutex;
    std::map<std::string, Session> mSessions;
    std::map<const TransportClient *, std::string> mUserOf;
    std::map<std::string, Members> mChannels;
};

} // namespace rtsdk
