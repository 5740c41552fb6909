#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <mutex>

class TQRTMEventDelegate;

// The delegate pointer a message-channel listener reports to, read on SDK
// threads and cleared on the GUI thread when the channel lets go. A report
// runs under the guard's lock, so once detach returns no report reaches the
// delegate any more and its owner may delete it.
class TQRTMListenerGuard
{
public:
    TQRTMListenerGuard(TQRTMEventDelegate *delegate, const char *listenerClass);
    TQRTMListenerGuard(const TQRTMListenerGuard &) = delete;
    TQRTMListenerGuard &operator=(const TQRTMListenerGuard &) = delete;

    // Runs report on the delegate; without one logs "delegate released",
    // tagged with the listener's class and callback, and returns false.
    bool withDelegate(const char *callback, const std::function<void(TQRTMEventDelegate &)> &report);
    bool hasDelegate();
    void detach();
    QString tag(const char *callback) const;

    // The SDK may still call a listener after the objects it was given to are
    // released, so a listener the channel lets go of is kept (for the life
    // of the process) instead of deleted.
    static void keepAlive(std::shared_ptr<void> listener);

private:
    std::mutex mMutex;
    TQRTMEventDelegate *mDelegate; // not owned
    const char *const mListenerClass;
};
