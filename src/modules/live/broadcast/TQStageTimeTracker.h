#pragma once

#include "modules/live/broadcast/TQStageTimeRecord.h"

#include <QList>
#include <QtGlobal>

#include <map>
#include <memory>

// Per student, the time spans of the class (present, answering, on stage, in
// the background), collected for the schedule statistics. Owns its records;
// a record, once created, stays for the tracker's lifetime. GUI thread only.
class TQStageTimeTracker
{
public:
    // Times in ms since 1970, -1 for not given; both -1 does nothing.
    void addSpan(int userId, int type, qint64 startMs, qint64 endMs);
    void addSpanForUsers(const QList<int> &userIds, int type, qint64 startMs, qint64 endMs);

    // Null when the user has no record.
    TQStageTimeRecord *record(int userId) const;

    std::map<int, std::unique_ptr<TQStageTimeRecord>> records;
};
