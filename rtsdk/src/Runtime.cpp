#include "Runtime.h"

#include <chrono>

namespace rtsdk {

Runtime::Runtime()
    : mHub(mFaults)
{
    // Read once: every SDK object of the process uses the same network.
    const RelayConfig relay = RelayConfig::fromEnvironment();
    if (relay.enabled()) {
        mRelay = std::make_unique<RelayTransport>(relay);
        mRelayRtc = std::make_unique<RelayRtc>(relay);
    }
}

Runtime &Runtime::instance()
{
    static Runtime *runtime = new Runtime;
    return *runtime;
}

std::shared_ptr<CallbackQueue> Runtime::newQueue(const std::string &name)
{
    reapQueues();
    auto queue = std::make_shared<CallbackQueue>(name);
    std::lock_guard<std::mutex> lock(mQueuesMutex);
    mQueues.push_back(queue);
    return queue;
}

void Runtime::reapQueues()
{
    std::vector<std::shared_ptr<CallbackQueue>> done;
    {
        std::lock_guard<std::mutex> lock(mQueuesMutex);
        for (auto it = mQueues.begin(); it != mQueues.end();) {
            // use_count 1: only this list holds it, so no one can post any more.
            if (it->use_count() == 1 && (*it)->idle()) {
                done.push_back(std::move(*it));
                it = mQueues.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (auto &queue : done) {
        // Never join a thread from itself: leave such a queue for a later reap.
        if (queue->onQueueThread()) {
            std::lock_guard<std::mutex> lock(mQueuesMutex);
            mQueues.push_back(std::move(queue));
        }
    }
    done.clear();
}

bool Runtime::waitIdle(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    // Jobs of one queue may post to another, so look until all are quiet at once.
    for (;;) {
        std::vector<std::shared_ptr<CallbackQueue>> queues;
        {
            std::lock_guard<std::mutex> lock(mQueuesMutex);
            queues = mQueues;
        }
        bool allIdle = true;
        for (const auto &queue : queues) {
            if (queue->onQueueThread())
                continue;
            if (!queue->waitIdle(deadline))
                return false;
        }
        for (const auto &queue : queues)
            if (!queue->onQueueThread() && !queue->idle())
                allIdle = false;
        if (allIdle)
            return true;
    }
}

void Runtime::reset()
{
    mHub.clear();
    mRtcHub.clear();
    mFaults.clear();
    waitIdle(5000);
    reapQueues();
    mLog.clear();
}

} // namespace rtsdk
