#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace rtsdk {

/** One thread that runs a job every period (on a fixed schedule, so that
 *  the audio clock does not drift) until stopped. */
class Ticker
{
public:
    Ticker() = default;
    ~Ticker() { stop(); }
    Ticker(const Ticker &) = delete;
    Ticker &operator=(const Ticker &) = delete;

    /** Starts the thread; a running one is stopped first. */
    void start(std::chrono::microseconds period, std::function<void()> job);
    /** Stops and joins; the job is not running when it returns. Never call
     *  it from the job itself. */
    void stop();
    bool onTickerThread() const { return std::this_thread::get_id() == mThread.get_id(); }

private:
    std::mutex mMutex;
    std::condition_variable mWake;
    bool mStop = false;
    std::thread mThread;
};

} // namespace rtsdk
