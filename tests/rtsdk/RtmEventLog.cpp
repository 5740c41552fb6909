#include "RtmEventLog.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

namespace {
// A copy that shares no list block with the original: Qt's relaxed check for
// sharing before an append in place is invisible to ThreadSanitizer.
template <class List>
List unshared(const List &list)
{
    List copy;
    copy.reserve(list.size());
    for (const auto &item : list)
        copy.append(item);
    return copy;
}
} // namespace

void RtmEventLog::add(const QString &text)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mTexts << text;
    mThreads << QThread::currentThreadId();
}

QStringList RtmEventLog::texts() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return unshared(mTexts);
}

QVector<Qt::HANDLE> RtmEventLog::threads() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return unshared(mThreads);
}

void RtmEventLog::clear()
{
    std::lock_guard<std::mutex> lock(mMutex);
    mTexts.clear();
    mThreads.clear();
}

bool RtmEventLog::waitFor(const QString &text, int times, int timeoutMs) const
{
    return waitUntil([&](const QStringList &all) { return all.count(text) >= times; }, timeoutMs);
}

bool RtmEventLog::waitUntil(const std::function<bool(const QStringList &)> &done, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    while (!done(texts())) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(5);
    }
    return true;
}
