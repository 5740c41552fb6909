#pragma once
// Test control of the stand-in real-time SDK: the call log, faults on demand
// and a reset between tests. Not part of the SDK interfaces the product uses.

#include <string>
#include <vector>

namespace rtsdk {

/** One SDK call as the stand-in saw it. `object` names the SDK object
 *  ("agora.rtm#2", "agora.rtm#2/678_rtm", "agora.rtm#2.msg#5",
 *  "tessel.base#1", ...); `call` is the call with its arguments, for example
 *  `login("tok", "12345_rtm") = 0`. */
struct CallRecord
{
    std::string object;
    std::string call;
};

/** How a login or join request fails. */
enum class FaultMode {
    Off,
    RefuseAtOnce, // the call returns the code
    FailLater, // the call returns 0; the listener reports the code
};

/** Steps before a login that can be made to fail. */
enum class InitStep {
    BaseService, // base service initialize returns the code
    CreateRtmService, // createRtmService returns null (code ignored)
    RtmInitialize, // IRtmService::initialize returns the code
};

/** What happens to channel messages while the fault is set. */
enum class MessageFault {
    None,
    Drop, // not delivered to anyone; the sender still gets state 0
    Duplicate, // delivered twice to each receiver
    Delay, // delivered after delayMs (order per receiver is kept)
};

/** A listener call the stand-in delivers after the object that owns the
 *  listener (service or channel) was released. */
enum class LateCallback {
    LoginSuccess,
    LoginFailure,
    TokenExpired,
    Logout,
    ConnectionStateChanged,
    PeerMessage,
    JoinSuccess,
    JoinFailure,
    MemberJoined,
    MemberLeft,
    ChannelMessage,
    GetMembers,
    SendResult,
};

/** Faults of the media side's data streams, drawn per message and receiver
 *  from a seeded generator (so a test run repeats). Percent values 0..100. */
struct StreamFault
{
    int lossPercent = 0; // the receiver never gets it
    int duplicatePercent = 0; // the receiver gets it twice
    int reorderPercent = 0; // the receiver gets it after the next message
    unsigned seed = 1;
};

/** A media-side event the network or the engine would report. `uid` is the
 *  remote user it is about (0: the engine's own user); `values` by kind:
 *  RemoteAudioState, RemoteVideoState: state, reason, elapsed
 *  RemoteVideoStats: delay, width, height, receivedBitrate, decoderOutputFrameRate,
 *      rendererOutputFrameRate, packetLossRate, rxStreamType, totalFrozenTime, frozenRate
 *  RemoteAudioStats: quality, networkTransportDelay, jitterBufferDelay, audioLossRate,
 *      numChannels, receivedSampleRate, receivedBitrate, totalFrozenTime, frozenRate
 *  LocalFallback, RemoteFallback: isFallbackToAudio (0/1)
 *  AudioMixingState: state, errorCode
 *  LocalAudioState, LocalVideoState: state, error
 *  ClientRoleChanged: oldRole, newRole
 *  FirstLocalVideoFrame: width, height, elapsed
 *  AudioRoute, LastmileQuality: the value
 *  NetworkQuality: txQuality, rxQuality
 *  VolumeIndication: uid, volume pairs, then the total (a lone total: no speakers)
 *  Rejoin, NullStreamMessage: none */
enum class RtcEventKind {
    RemoteAudioState,
    RemoteVideoState,
    RemoteVideoStats,
    RemoteAudioStats,
    LocalFallback,
    RemoteFallback,
    AudioMixingState,
    LocalAudioState,
    LocalVideoState,
    ClientRoleChanged,
    FirstLocalVideoFrame,
    AudioRoute,
    LastmileQuality,
    NetworkQuality,
    VolumeIndication,
    Rejoin,
    NullStreamMessage,
};

struct RtcEvent
{
    RtcEventKind kind = RtcEventKind::Rejoin;
    unsigned int uid = 0;
    std::vector<int> values;
};

class StandInControl
{
public:
    /** Ends every session, drops channels, faults, the call log and the
     *  object numbering, and waits until no listener call runs. Call it
     *  between tests, after the objects of the last test were released. */
    static void reset();

    /** Waits up to timeoutMs until no listener call is queued or running;
     *  true when idle. Delayed messages count as queued. */
    static bool waitIdle(int timeoutMs = 5000);

    // Call log.
    static std::vector<CallRecord> calls();
    static std::vector<std::string> callsOf(const std::string &object);
    /** Names of every object made since the last reset, in creation order. */
    static std::vector<std::string> objects();
    /** Name of the last RTM service that logged in as userId, or "". */
    static std::string serviceOf(const std::string &userId);

    // Faults. An empty userId / channelId matches every one.
    static void setInitFault(InitStep step, int code);
    static void clearInitFaults();
    static void setLoginFault(FaultMode mode, int code, const std::string &userId = std::string());
    static void setJoinFault(FaultMode mode, int code, const std::string &channelId = std::string());
    /** count: how many messages the fault takes (-1: until cleared). */
    static void setChannelMessageFault(
        MessageFault fault, int count = -1, int delayMs = 0, const std::string &channelId = std::string());
    /** Largest message (text plus raw bytes) a send accepts; default 32768. */
    static void setMessageSizeCap(int bytes);
    static int messageSizeCap();
    /** Every channel or peer send sleeps this long on the caller's thread
     *  before it is carried; 0 switches it off. */
    static void setSendStall(int ms);
    /** The next release of a service (service kinds) or channel (channel
     *  kinds) of userId (empty: of anyone) delivers this call to its listener
     *  afterwards. */
    static void armLateCallback(LateCallback kind, const std::string &userId = std::string());
    /** Reports a state change to every service logged in as userId; states 1
     *  and 5 also end the session (the others see the member leave). Returns
     *  how many services it reached. */
    static int forceConnectionState(const std::string &userId, int state, int reason);
    /** Reports onTokenExpired to every service logged in as userId. */
    static int expireToken(const std::string &userId);

    // Media side.
    /** Faults of every data-stream message from now on; a default record
     *  switches them off. */
    static void setStreamFault(const StreamFault &fault);
    /** Delivers the event to the listener of the engine that joined as
     *  engineUid (on its callback thread). Returns how many it reached. */
    static int injectRtcEvent(unsigned int engineUid, const RtcEvent &event);
    /** Uids of a media channel's members, ascending. */
    static std::vector<unsigned int> rtcMembersOf(const std::string &channel);

    /** Whether a session of userId is connected to the hub. */
    static bool isOnline(const std::string &userId);
    /** User ids of a channel's members in join order. */
    static std::vector<std::string> membersOf(const std::string &channelId);
};

} // namespace rtsdk
