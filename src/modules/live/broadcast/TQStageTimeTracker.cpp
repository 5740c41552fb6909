#include "modules/live/broadcast/TQStageTimeTracker.h"

#include "utils/CLog.h"

#include <climits>

namespace {

// Milliseconds to whole seconds toward zero; -1 stays -1, and a value beyond
// the int range (received times are untrusted) is kept within it.
int toSecs(qint64 ms)
{
    if (ms == -1)
        return -1;
    return int(qBound<qint64>(INT_MIN, ms / 1000, INT_MAX));
}

} // namespace

void TQStageTimeTracker::addSpan(int userId, int type, qint64 startMs, qint64 endMs)
{
    CLog::printf("userId=%d,type=%d startTime=%lld endTime=%lld", userId, type, static_cast<long long>(startMs),
                 static_cast<long long>(endMs));
    if (startMs == -1 && endMs == -1)
        return;
    std::unique_ptr<TQStageTimeRecord> &slot = records[userId];
    if (!slot)
        slot.reset(new TQStageTimeRecord(userId));
    slot->addSpan(type, toSecs(startMs), toSecs(endMs));
}

void TQStageTimeTracker::addSpanForUsers(const QList<int> &userIds, int type, qint64 startMs, qint64 endMs)
{
    for (int userId : userIds)
        addSpan(userId, type, startMs, endMs);
}

TQStageTimeRecord *TQStageTimeTracker::record(int userId) const
{
    const auto found = records.find(userId);
    return found == records.end() ? nullptr : found->second.get();
}
