#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace rtsdk {

/** One SDK callback thread: runs queued jobs one at a time, oldest first.
 *  A job may be held back by a delay; it then also holds back the jobs
 *  queued after it, so the order never changes. */
class CallbackQueue
{
public:
    explicit CallbackQueue(std::string name);
    /** Drops the jobs not started yet and joins the thread. Never call it on
     *  the queue's own thread. */
    ~CallbackQueue();
    CallbackQueue(const CallbackQueue &) = delete;
    CallbackQueue &operator=(const CallbackQueue &) = delete;

    void post(std::function<void()> job, int delayMs = 0);
    bool onQueueThread() const;
    /** Nothing queued and nothing running. */
    bool idle() const;
    /** Waits until idle or the deadline; true when idle. */
    bool waitIdle(std::chrono::steady_clock::time_point deadline) const;
    const std::string &name() const { return mName; }

private:
    using Clock = std::chrono::steady_clock;
    struct Job
    {
        Clock::time_point due;
        std::function<void()> run;
    };
    void loop();

    const std::string mName;
    mutable std::mutex mMutex;
    std::condition_variable mWake;
    mutable std::condition_variable mIdle;
    std::deque<Job> mJobs;
    Clock::time_point mLastDue;
    bool mRunning = false;
    bool mStop = false;
    std::thread mThread;
};

} // namespace rtsdk
