#pragma once

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "RelayConfig.h"
#include "RelayLink.h"
#include "RtcNetwork.h"

namespace rtsdk {

/** The media side over the loopback relay: one connection per engine in a
 *  channel. The relay gives uids, tells members of each other (members with
 *  another secret or mode hear nothing, as in the hub) and carries stream
 *  messages and pushed pictures; this end keeps the last picture of each
 *  member for the renderers. When the connection breaks, the engine hears
 *  every member go offline (reason 1, dropped); the link joins again with
 *  the same uid as soon as the relay is back, the engine hears the rejoin
 *  and the members come back. */
class RelayRtc : public RtcNetwork
{
public:
    static constexpr int kJoinWaitMs = 3000;

    explicit RelayRtc(RelayConfig config);
    ~RelayRtc() override;

    long long join(const std::shared_ptr<RtcEndpoint> &endpoint, const std::string &channel, uint32_t uid,
                   const std::string &secret, const std::string &mode) override;
    void leave(const RtcEndpoint *endpoint) override;
    void sendStream(const RtcEndpoint *endpoint, int streamId, const std::string &data) override;
    void pushFrame(const RtcEndpoint *endpoint, I420Picture picture) override;
    bool frameOf(const RtcEndpoint *viewer, uint32_t uid, I420Picture &out) const override;
    std::vector<uint32_t> audibleUids(const RtcEndpoint *viewer) const override;

private:
    class Member;

    Member *memberOf(const RtcEndpoint *endpoint) const;
    void onFrame(Member &member, const RelayFrame &frame);
    /** Stops and joins the links of members that left (never under the lock). */
    void drop(std::shared_ptr<Member> member);

    const RelayConfig mConfig;
    mutable std::mutex mMutex;
    std::condition_variable mJoinAnswered;
    std::map<const RtcEndpoint *, std::shared_ptr<Member>> mMembers;
};

} // namespace rtsdk
