#pragma once
// The seam between the media engines of one process and whatever carries
// their channels, data streams and frames: the in-process RtcHub, or the
// loopback relay between processes (RelayRtc).

#include <cstdint>
#include <memory>
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

/** What the media network tells one engine. Called with the network's lock
 *  held: an implementation only queues the work for its own threads. */
class RtcEndpoint
{
public:
    virtual ~RtcEndpoint() = default;
    virtual void userJoined(uint32_t uid) = 0;
    virtual void userOffline(uint32_t uid, int reason) = 0;
    virtual void streamMessage(uint32_t uid, int streamId, const std::string &data) = 0;
    virtual void injected(const RtcEvent &event) = 0;
};

class RtcNetwork
{
public:
    virtual ~RtcNetwork() = default;
    /** The uid the engine has in the channel (0 asks for one), or -17 when
     *  the uid is taken there, the endpoint is already in a channel or the
     *  network cannot be reached. */
    virtual long long join(const std::shared_ptr<RtcEndpoint> &endpoint, const std::string &channel, uint32_t uid,
                           const std::string &secret, const std::string &mode) = 0;
    /** The others hear userOffline(uid, 0). */
    virtual void leave(const RtcEndpoint *endpoint) = 0;
    virtual void sendStream(const RtcEndpoint *endpoint, int streamId, const std::string &data) = 0;
    virtual void pushFrame(const RtcEndpoint *endpoint, I420Picture picture) = 0;
    /** The last picture uid pushed, as the viewer may see it; false when none. */
    virtual bool frameOf(const RtcEndpoint *viewer, uint32_t uid, I420Picture &out) const = 0;
    /** The uids the viewer hears in its channel (itself included). */
    virtual std::vector<uint32_t> audibleUids(const RtcEndpoint *viewer) const = 0;
};

} // namespace rtsdk
