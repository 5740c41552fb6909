#pragma once
// The loopback relay of the stand-in real-time SDK: carries logins, channel
// joins and leaves, channel and peer messages, data-stream packets and video
// frames between SDK clients in separate processes. One thread, poll(2),
// non-blocking sockets, plain C++ like the SDK it serves. It keeps nothing
// across restarts: the clients log in and join again.

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "rtsdk/RelayFrame.h"

class RelayServer
{
public:
    /** Past this much unsent output, video frames for that connection are
     *  skipped; past kMaxOutput the connection is closed (a reader that
     *  does not read must not grow the relay without bound). */
    static constexpr size_t kFrameSkipOutput = 8u << 20;
    static constexpr size_t kMaxOutput = 64u << 20;

    RelayServer();
    ~RelayServer();
    RelayServer(const RelayServer &) = delete;
    RelayServer &operator=(const RelayServer &) = delete;

    /** Listens on 127.0.0.1:port (0: any free port); false when it cannot. */
    bool listen(uint16_t port);
    uint16_t port() const { return mPort; }
    /** Serves until stop(); call it on one thread only. */
    void run();
    /** Any thread; run() returns soon after. */
    void stop();

private:
    struct Connection
    {
        int fd = -1;
        rtsdk::RelayFrameReader reader;
        std::string output;
        size_t written = 0;
        bool closing = false;
        // Message side.
        std::string userId; // "" before a login
        // Media side.
        std::string rtcChannel;
        uint32_t uid = 0;
        std::string secret;
        std::string mode;
        bool inRtc = false;
    };
    using ConnectionPtr = std::shared_ptr<Connection>;

    void accept();
    void readFrom(const ConnectionPtr &c);
    void writeTo(Connection &c);
    void close(const ConnectionPtr &c);
    void handle(const ConnectionPtr &c, const rtsdk::RelayFrame &frame);
    void send(Connection &c, const rtsdk::RelayFrame &frame);
    size_t unsent(const Connection &c) const { return c.output.size() - c.written; }

    // Message side.
    void login(const ConnectionPtr &c, const std::string &userId);
    void endSession(Connection &c);
    void join(Connection &c, const std::string &channel);
    void leave(Connection &c, const std::string &channel);
    void channelMessage(Connection &c, const rtsdk::RelayFrame &frame);
    void peerMessage(Connection &c, const rtsdk::RelayFrame &frame);
    Connection *sessionOf(const std::string &userId) const;

    // Media side.
    void rtcJoin(Connection &c, const rtsdk::RelayFrame &frame);
    void rtcLeave(Connection &c, int reason);
    /** The others in c's media channel that hear c. */
    std::vector<Connection *> hearers(const Connection &c) const;

    int mListenFd = -1;
    int mWakeFd = -1;
    uint16_t mPort = 0;
    std::atomic<bool> mStop { false };
    std::map<int, ConnectionPtr> mConnections;
    std::map<std::string, Connection *> mSessions;
    std::map<std::string, std::vector<std::string>> mChannels; // members in join order
    std::map<std::string, std::map<uint32_t, Connection *>> mRtcChannels;
    uint32_t mNextUid = 100000;
};
