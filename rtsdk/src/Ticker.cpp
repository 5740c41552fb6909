#include "Ticker.h"

namespace rtsdk {

void Ticker::start(std::chrono::microseconds period, std::function<void()> job)
{
    stop();
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mStop = false;
    }
    mThread = std::thread([this, period, job = std::move(job)] {
        auto due = std::chrono::steady_clock::now() + period;
        std::unique_lock<std::mutex> lock(mMutex);
        while (!mStop) {
            if (mWake.wait_until(lock, due, [this] { return mStop; }))
                break;
            lock.unlock();
            job();
            lock.lock();
            due += period;
            // A stall (debugger, loaded machine) does not cause a burst.
            const auto now = std::chrono::steady_clock::now();
            if (due < now)
                due = now + period;
        }
    });
}

void Ticker::stop()
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mStop = true;
    }
    mWake.notify_all();
    if (mThread.joinable() && !onTickerThread())
        mThread.join();
}

} // namespace rtsdk
