#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <mutex>

// Listener calls of the stand-in SDK as short texts, with the thread each
// came on. Written by SDK threads, read by the test thread.
class RtmEventLog
{
public:
    void add(const QString &text);
    QStringList texts() const;
    // Threads of the calls, in call order.
    QVector<Qt::HANDLE> threads() const;
    void clear();
    // Waits (processing events) until `text` was logged `times` times.
    bool waitFor(const QString &text, int times = 1, int timeoutMs = 5000) const;
    bool waitUntil(const std::function<bool(const QStringList &)> &done, int timeoutMs = 5000) const;

private:
    // std::mutex rather than QMutex: ThreadSanitizer sees it.
    mutable std::mutex mMutex;
    QStringList mTexts;
    QVector<Qt::HANDLE> mThreads;
};
