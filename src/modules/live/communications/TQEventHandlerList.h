#pragma once

#include "utils/CLog.h"

#include <QString>

#include <algorithm>
#include <mutex>
#include <vector>

// The handler list an engine or channel reports to. The GUI thread adds and
// removes handlers while the SDKs' threads walk the list, so every access
// takes the list's lock; reports go out from a copy taken under the lock, so
// a handler may add or remove handlers while it is being called. A removed
// handler must outlive the engine's last report (its leave or release).
// std::mutex and std::vector rather than Qt's: ThreadSanitizer sees their
// locking and copies, which happen inside the uninstrumented Qt library
// otherwise.
template <typename Handler>
class TQEventHandlerList
{
public:
    explicit TQEventHandlerList(const char *ownerName) : mOwnerName(QString::fromLatin1(ownerName)) {}
    TQEventHandlerList(const TQEventHandlerList &) = delete;
    TQEventHandlerList &operator=(const TQEventHandlerList &) = delete;

    // Appends the handler unless it is in the list already.
    void addEventHandler(Handler *handler)
    {
        {
            std::lock_guard<std::mutex> lock(mMutex);
            if (std::find(mHandlers.begin(), mHandlers.end(), handler) == mHandlers.end()) {
                mHandlers.push_back(handler);
                return;
            }
        }
        CLog::log(QString::asprintf("eventHandler %p already exists", static_cast<void *>(handler)),
                  mOwnerName + QStringLiteral("::addEventHandler "));
    }

    void removeEventHandler(Handler *handler)
    {
        std::lock_guard<std::mutex> lock(mMutex);
        const auto it = std::find(mHandlers.begin(), mHandlers.end(), handler);
        if (it != mHandlers.end())
            mHandlers.erase(it);
    }

    // The handler at index, or null when the list has changed under the
    // caller and index is out of range now.
    Handler *handlerAt(int index) const
    {
        std::lock_guard<std::mutex> lock(mMutex);
        return index >= 0 && size_t(index) < mHandlers.size() ? mHandlers[size_t(index)] : nullptr;
    }

    int size() const
    {
        std::lock_guard<std::mutex> lock(mMutex);
        return int(mHandlers.size());
    }

    // The handlers as they are now, in list order.
    std::vector<Handler *> handlers() const
    {
        std::lock_guard<std::mutex> lock(mMutex);
        return mHandlers;
    }

    // Calls report(handler) on every handler, in list order.
    template <typename Report>
    void forEachHandler(Report report) const
    {
        const std::vector<Handler *> current = handlers();
        for (Handler *handler : current)
            report(handler);
    }

private:
    const QString mOwnerName;
    mutable std::mutex mMutex;
    std::vector<Handler *> mHandlers;
};
