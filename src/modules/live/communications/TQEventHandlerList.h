#pragma once

#include "utils/CLog.h"

#include <QList>
#include <QMutex>
#include <QString>

// The handler list an engine or channel reports to. The GUI thread adds and
// removes handlers while the SDKs' threads walk the list, so every access
// takes the list's lock; reports go out from a copy taken under the lock, so
// a handler may add or remove handlers while it is being called. A removed
// handler must outlive the engine's last report (its leave or release).
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
            QMutexLocker lock(&mMutex);
            if (!mHandlers.contains(handler)) {
                mHandlers.append(handler);
                return;
            }
        }
        CLog::log(QString::asprintf("eventHandler %p already exists", static_cast<void *>(handler)),
                  mOwnerName + QStringLiteral("::addEventHandler "));
    }

    void removeEventHandler(Handler *handler)
    {
        QMutexLocker lock(&mMutex);
        mHandlers.removeOne(handler);
    }

    // The handler at index, or null when the list has changed under the
    // caller and index is out of range now.
    Handler *handlerAt(int index) const
    {
        QMutexLocker lock(&mMutex);
        return index >= 0 && index < mHandlers.size() ? mHandlers.at(index) : nullptr;
    }

    int size() const
    {
        QMutexLocker lock(&mMutex);
        return mHandlers.size();
    }

    // The handlers as they are now, in list order.
    QList<Handler *> handlers() const
    {
        QMutexLocker lock(&mMutex);
        return mHandlers;
    }

    // Calls report(handler) on every handler, in list order.
    template <typename Report>
    void forEachHandler(Report report) const
    {
        const QList<Handler *> current = handlers();
        for (Handler *handler : current)
            report(handler);
    }

private:
    const QString mOwnerName;
    mutable QMutex mMutex;
    QList<Handler *> mHandlers;
};
