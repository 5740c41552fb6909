#include "RtmEventLog.h"

#include "UnsharedCopy.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

void RtmEventLog::add(const QString &text)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mTexts << text;
    mThreads << QThread::currentThreadId();
}

QStringList RtmEventLog::texts() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return unsharedCopy(mTexts);
}

QVector<Qt::HANDLE> RtmEventLog::threads() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return unsharedCopy(mThreads);
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
