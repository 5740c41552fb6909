#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "RelayConfig.h"
#include "rtsdk/RelayFrame.h"

namespace rtsdk {

/** What a link tells its owner, on the link's own thread. */
class RelayLinkOwner
{
public:
    virtual ~RelayLinkOwner() = default;
    /** Connected (again): the owner sends what opens its session. */
    virtual void linkUp() = 0;
    virtual void linkFrame(const RelayFrame &frame) = 0;
    /** The connection failed or ended (also a first connect that failed). */
    virtual void linkDown() = 0;
};

/** One TCP connection to the relay, with its reader thread. When the
 *  connection fails or ends, the thread tries again every kRetryMs until
 *  stopped, as a real SDK keeps reconnecting. A reply that never comes
 *  (a relay that hangs) fails a send after a few seconds, never blocks for
 *  good. */
class RelayLink
{
public:
    static constexpr int kRetryMs = 100;

    RelayLink(RelayConfig config, RelayLinkOwner *owner);
    /** Stops; never call it on the link's own thread (use stopSoon there). */
    ~RelayLink();
    RelayLink(const RelayLink &) = delete;
    RelayLink &operator=(const RelayLink &) = delete;

    void start();
    /** False when not connected or the write failed (the reader then sees
     *  the connection end). */
    bool send(const RelayFrame &frame);
    /** Ends the connection and joins the thread; the owner hears nothing
     *  more once it returns. Never call it on the link's own thread. */
    void stop();
    /** Ends the connection; the thread ends after the current call. Safe on
     *  the link's own thread. */
    void stopSoon();
    bool onLinkThread() const { return std::this_thread::get_id() == mThread.get_id(); }

private:
    void run();
    int connectOnce() const;
    /** Reads until the connection ends or the link stops. */
    void readLoop(int fd);
    void closeSocket();

    const RelayConfig mConfig;
    RelayLinkOwner *const mOwner;
    std::atomic<bool> mStop { false };
    std::mutex mWriteMutex; // guards mFd and every write
    int mFd = -1;
    std::mutex mWaitMutex;
    std::condition_variable mWake;
    std::thread mThread;
};

} // namespace rtsdk
