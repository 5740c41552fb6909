#pragma once
// The wire form between the stand-in SDK and the loopback relay: frames of a
// 4-byte big-endian body length, then the body: one kind byte and parts, each
// a 4-byte big-endian length and its bytes. Numbers travel as 8-byte
// big-endian parts. Shared by the SDK's relay client and the relay program;
// not part of the SDK interfaces.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rtsdk {

enum class RelayKind : uint8_t {
    // Message side, client to relay.
    Login = 1, // userId
    Logout = 2,
    Join = 3, // channel
    Leave = 4, // channel
    ListMembers = 5, // channel
    ChannelMessage = 6, // channel, id, type, text, raw [, from: relay to client]
    PeerMessage = 7, // peer (client to relay) or sender (relay to client), id, type, text, raw
    // Message side, relay to client.
    LoginOk = 20, // userId
    Aborted = 21, // reason (the same user id logged in elsewhere)
    Joined = 22, // channel, member count
    MemberJoined = 23, // channel, userId, member count
    MemberLeft = 24, // channel, userId, member count
    MemberList = 25, // channel, userId...
    Sent = 26, // channel ("" for a peer), id, state
    // Media side.
    RtcJoin = 40, // channel, uid (0: the relay gives one), secret, mode
    RtcLeave = 41,
    RtcStream = 42, // [uid: relay to client,] streamId, data
    RtcFrame = 43, // [uid: relay to client,] width, height, I420 bytes
    RtcJoined = 50, // uid
    RtcRejected = 51,
    RtcUserJoined = 52, // uid
    RtcUserOffline = 53, // uid, reason
};

struct RelayFrame
{
    RelayKind kind = RelayKind::Login;
    std::vector<std::string> parts;

    RelayFrame() = default;
    explicit RelayFrame(RelayKind k) : kind(k) {}
    RelayFrame &add(std::string text);
    RelayFrame &addNumber(int64_t value);

    /** The part at index as text, or "" when there is none. */
    const std::string &text(size_t index) const;
    /** The part at index as a number; false when missing or not 8 bytes. */
    bool number(size_t index, int64_t *value) const;
    bool operator==(const RelayFrame &other) const { return kind == other.kind && parts == other.parts; }

    /** Length prefix and body, ready for the socket. */
    std::string encode() const;
};

/** Puts frames together from bytes as they come. A body longer than
 *  kMaxBody, shorter than its kind byte, or whose parts overrun it is
 *  refused, and the reader stays refused: the connection it reads is not to
 *  be trusted any more. */
class RelayFrameReader
{
public:
    static constexpr size_t kMaxBody = 16u << 20;
    static constexpr size_t kMaxParts = 4096;
    enum class Result { Frame, NeedMore, Refused };

    void feed(const char *data, size_t size);
    /** The next whole frame into `out`, or NeedMore, or Refused. */
    Result next(RelayFrame *out);
    bool refused() const { return mRefused; }
    /** Bytes waiting for the rest of their frame. */
    size_t pending() const { return mBuffer.size() - mStart; }

    /** Decodes one body (without its length prefix); false when malformed. */
    static bool decodeBody(const char *body, size_t size, RelayFrame *out);

private:
    std::string mBuffer;
    size_t mStart = 0;
    bool mRefused = false;
};

} // namespace rtsdk
