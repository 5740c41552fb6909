#include "RtmEventLog.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

void RtmEventLog::add(const QString &text)
{
    QMutexLocker lock(&mMutex);
    mTexts << text;
    mThreads << QThread::currentThreadId();
}

QStringList RtmEventLog::texts() const
{
    QMutexLocker lock(&mMutex);
    return mTexts;
}

QVector<Qt::HANDLE> RtmEventLog::threads() const
{
    QMutexLocker lock(&mMutex);
    return mThreads;
}

void RtmEventLog::clear()
{
    QMutexLocker lock(&mMutex);
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
