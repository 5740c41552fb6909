#include "CallbackQueue.h"

#include <algorithm>

namespace rtsdk {

CallbackQueue::CallbackQueue(std::string name)
    : mName(std::move(name))
    , mLastDue(Clock::now())
    , mThread([this] { loop(); })
{
}

CallbackQueue::~CallbackQueue()
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mStop = true;
        mJobs.clear();
    }
    mWake.notify_all();
    if (mThread.joinable())
        mThread.join();
}

void CallbackQueue::post(std::function<void()> job, int delayMs)
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        if (mStop)
            return;
        // A later job is never due before an earlier one: order per queue holds.
        Clock::time_point due = std::max(Clock::now() + std::chrono::milliseconds(std::max(0, delayMs)), mLastDue);
        mLastDue = due;
        mJobs.push_back(Job { due, std::move(job) });
    }
    mWake.notify_one();
}

bool CallbackQueue::onQueueThread() const
{
    return std::this_thread::get_id() == mThread.get_id();
}

bool CallbackQueue::idle() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mJobs.empty() && !mRunning;
}

bool CallbackQueue::waitIdle(Clock::time_point deadline) const
{
    std::unique_lock<std::mutex> lock(mMutex);
    return mIdle.wait_until(lock, deadline, [this] { return mJobs.empty() && !mRunning; });
}

void CallbackQueue::loop()
{
    std::unique_lock<std::mutex> lock(mMutex);
    for (;;) {
        if (mStop)
            return;
        if (mJobs.empty()) {
            mIdle.notify_all();
            mWake.wait(lock);
            continue;
        }
        if (mJobs.front().due > Clock::now()) {
            mWake.wait_until(lock, mJobs.front().due);
            continue;
        }
        std::function<void()> job = std::move(mJobs.front().run);
        mJobs.pop_front();
        mRunning = true;
        lock.unlock();
        job();
        // The job's captures (and so possibly the last reference to an SDK
        // object's state) go here, outside the lock.
        job = nullptr;
        lock.lock();
        mRunning = false;
    }
}

} // namespace rtsdk
