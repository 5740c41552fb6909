#include "modules/live/communications/agora/rtm/TQRTMListenerGuard.h"

#include "modules/live/communications/TQRTMEventDelegate.h"
#include "utils/CLog.h"

#include <vector>

TQRTMListenerGuard::TQRTMListenerGuard(TQRTMEventDelegate *delegate, const char *listenerClass)
    : mDelegate(delegate), mListenerClass(listenerClass)
{
}

bool TQRTMListenerGuard::withDelegate(const char *callback,
                                      const std::function<void(TQRTMEventDelegate &)> &report)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mDelegate) {
        CLog::log(QStringLiteral("delegate released"), tag(callback));
        return false;
    }
    report(*mDelegate);
    return true;
}

bool TQRTMListenerGuard::hasDelegate()
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mDelegate != nullptr;
}

void TQRTMListenerGuard::detach()
{
    std::lock_guard<std::mutex> lock(mMutex);
    mDelegate = nullptr;
}

QString TQRTMListenerGuard::tag(const char *callback) const
{
    return QStringLiteral("%1::%2 ").arg(QLatin1String(mListenerClass), QLatin1String(callback));
}

void TQRTMListenerGuard::keepAlive(std::shared_ptr<void> listener)
{
    static std::mutex mutex;
    // Never destroyed: an SDK thread may call a kept listener during exit.
    static auto *kept = new std::vector<std::shared_ptr<void>>;
    std::lock_guard<std::mutex> lock(mutex);
    kept->push_back(std::move(listener));
}
