#pragma once

#include "modules/live/broadcast/TQStageTimeSpan.h"

#include <QList>

#include <map>

// The time spans of one student: the class span and, per other type, the
// spans in arrival order.
class TQStageTimeRecord
{
public:
    enum State { kInClass = 0, kLeft = 1, kReported = 2 };

    explicit TQStageTimeRecord(int userId);

    // Times in seconds since 1970; -1 means not given. For the class span an
    // end of 0 means "up to now".
    void addSpan(int type, int start, int end);

    int userId;
    int state = kInClass;
    std::map<int, QList<TQStageTimeSpan>> spans;
    TQStageTimeSpan classSpan;

private:
    void addClassSpan(int start, int end);
};
