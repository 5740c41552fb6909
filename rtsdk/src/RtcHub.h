#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <vector>

#include "RtcNetwork.h"
#include "rtsdk/StandInControl.h"

namespace rtsdk {

/** The media channels of the in-process network: channels by name, engines
 *  by uid. Members whose encryption secret or mode differ do not hear each
 *  other at all (no joins, no stream messages, no frames), as with a real
 *  encrypted channel. Data-stream faults are applied here, per receiver. */
class RtcHub : public RtcNetwork
{
public:
    long long join(const std::shared_ptr<RtcEndpoint> &endpoint, const std::string &channel, uint32_t uid,
                   const std::string &secret, const std::string &mode) override;
    void leave(const RtcEndpoint *endpoint) override;
    void sendStream(const RtcEndpoint *endpoint, int streamId, const std::string &data) override;
    void pushFrame(const RtcEndpoint *endpoint, I420Picture picture) override;
    bool frameOf(const RtcEndpoint *viewer, uint32_t uid, I420Picture &out) const override;
    std::vector<uint32_t> audibleUids(const RtcEndpoint *viewer) const override;
    int inject(uint32_t uid, const RtcEvent &event);
    std::vector<uint32_t> membersOf(const std::string &channel) const;

    void setStreamFault(const StreamFault &fault);
    void clear();

private:
    struct Member
    {
        std::shared_ptr<RtcEndpoint> endpoint;
        uint32_t uid = 0;
        std::string secret;
        std::string mode;
        bool hasPicture = false;
        I420Picture picture;
        bool holding = false; // a reordered message waits for the next one
        int heldStream = 0;
        std::string held;
    };
    struct Place
    {
        std::string channel;
        uint32_t uid = 0;
    };
    static bool hear(const Member &a, const Member &b) { return a.secret == b.secret && a.mode == b.mode; }
    Member *memberOf(const RtcEndpoint *endpoint);
    const Member *memberOf(const RtcEndpoint *endpoint) const;
    bool roll(int percent);

    mutable std::mutex mMutex;
    std::map<std::string, std::map<uint32_t, Member>> mChannels;
    std::map<const RtcEndpoint *, Place> mPlaces;
    uint32_t mNextUid = 100000;
    StreamFault mFault;
    std::mt19937 mRandom { 1 };
};

} // namespace rtsdk
