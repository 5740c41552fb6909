#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ServiceSink.h"
#include "Transport.h"

namespace rtsdk {

class CallbackQueue;
class ChannelCore;
class ChannelSink;

/** What one RTM service object is, apart from its vendor's interface: its
 *  session on the transport, its callback thread and its channels. Kept by
 *  shared pointer so that it outlives the object the product releases for
 *  as long as a queued callback or a channel needs it. */
class ServiceCore : public TransportClient, public std::enable_shared_from_this<ServiceCore>
{
public:
    explicit ServiceCore(const std::string &kind);
    ~ServiceCore() override;

    const std::string &name() const { return mName; }

    // The SDK calls; each is written to the call log with its result.
    int initialize(const char *appId, std::unique_ptr<ServiceSink> sink);
    int setLogFile(const char *logFile);
    int login(const char *token, const char *userId);
    int logout();
    /** Null for a null or empty channel id or a released service. */
    std::shared_ptr<ChannelCore> createChannel(const char *channelId, std::unique_ptr<ChannelSink> sink);
    /** A new message: its log name and contents. */
    Packet createMessage(const char *rawData, int length, bool raw, std::string *logName);
    int sendToPeer(const char *peerId, const Packet *packet);
    void release(bool sync);

    bool released() const { return !mAlive.load(); }
    /** The user id of the last login, "" before any. */
    std::string userId() const;
    void record(const std::string &call) const;

    /** Queues a listener call of a channel of this service: it runs unless
     *  this service or that channel was released by then. */
    void postChannelCall(
        const std::shared_ptr<ChannelCore> &channel, std::function<void(ChannelSink &)> call, int delayMs = 0);
    /** Queues a listener call that runs even though its owner was released. */
    void postLate(std::function<void()> call);
    /** Sleeps as the send-stall fault says, then checks the size cap. */
    int prepareSend(const Packet &packet) const;

    // TransportClient: only queue.
    void sessionOpened(const std::string &userId) override;
    void loginFailed(int code) override;
    void connectionChanged(int state, int reason) override;
    void tokenExpired() override;
    void sessionClosed() override;
    void joined(const std::string &channelId, int memberCount) override;
    void left(const std::string &channelId) override;
    void memberJoined(const std::string &channelId, const std::string &userId, int memberCount) override;
    void memberLeft(const std::string &channelId, const std::string &userId, int memberCount) override;
    void membersListed(const std::string &channelId, const std::vector<std::string> &userIds) override;
    void channelMessage(const Packet &packet, int delayMs) override;
    void peerMessage(const Packet &packet) override;
    void sent(const std::string &channelId, long long messageId, int state) override;

private:
    int doLogin(const std::string &userId);
    void postServiceCall(std::function<void(ServiceSink &)> call);
    void forChannels(const std::string &channelId, const std::function<void(ChannelSink &)> &call, int delayMs = 0);

    const std::string mName;
    std::shared_ptr<CallbackQueue> mQueue;
    std::atomic<bool> mAlive { true };
    /** Held while a listener call runs, so that release(true) can wait for it. */
    std::mutex mCallMutex;
    /** Serialises initialize, login, logout and release. */
    mutable std::mutex mStateMutex;
    bool mInitialized = false;
    std::string mUserId;
    std::unique_ptr<ServiceSink> mSink;
    std::atomic<int> mMessageCount { 0 };
    std::mutex mChannelsMutex;
    std::vector<std::weak_ptr<ChannelCore>> mChannels;
};

} // namespace rtsdk
