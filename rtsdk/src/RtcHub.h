#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <vector>

#include "rtsdk/StandInControl.h"

namespace rtsdk {

/** One I420 picture: Y plane of width x height, then U and V of a quarter. */
struct I420Picture
{
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bytes;
};

/** What the media network tells one engine. Called with the hub's lock held:
 *  an implementation only queues the work for its own threads. */
class RtcEndpoint
{
public:
    virtual ~RtcEndpoint() = default;
    virtual void userJoined(uint32_t uid) = 0;
    virtual void userOffline(uint32_t uid, int reason) = 0;
    virtual void streamMessage(uint32_t uid, int streamId, const std::string &data) = 0;
    virtual void injected(const RtcEvent &event) = 0;
};

/** The media channels of the in-process network: channels by name, engines
 *  by uid. Members whose encryption secret or mode differ do not hear each
 *  other at all (no joins, no stream messages, no frames), as with a real
 *  encrypted channel. Data-stream faults are applied here, per receiver. */
class RtcHub
{
public:
    /** The uid the engine has in the channel (0 asks for one), or -17 when
     *  the uid is taken there or the endpoint is already in a channel. */
    long long join(const std::shared_ptr<RtcEndpoint> &endpoint, const std::string &channel, uint32_t uid,
                   const std::string &secret, const std::string &mode);
    /** The others hear userOffline(uid, 0). */
    void leave(const RtcEndpoint *endpoint);
    void sendStream(const RtcEndpoint *endpoint, int streamId, const std::string &data);
    void pushFrame(const RtcEndpoint *endpoint, I420Picture picture);
    /** The last picture uid pushed, as the viewer may see it; false when none. */
    bool frameOf(const RtcEndpoint *viewer, uint32_t uid, I420Picture &out) const;
    /** The uids the viewer hears in its channel (itself included). */
    std::vector<uint32_t> audibleUids(const RtcEndpoint *viewer) const;
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
