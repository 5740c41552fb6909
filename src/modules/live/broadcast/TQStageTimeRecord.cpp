#include "modules/live/broadcast/TQStageTimeRecord.h"

#include "utils/TimeUtils.h"

namespace {

int nowSecs()
{
    return int(currentTimeMillis() / 1000);
}

} // namespace

TQStageTimeRecord::TQStageTimeRecord(int userId)
    : userId(userId)
    , classSpan(userId, TQStageTimeSpan::kInClass, -1, -1)
{
}

void TQStageTimeRecord::addSpan(int type, int start, int end)
{
    if (type == TQStageTimeSpan::kInClass) {
        addClassSpan(start, end);
        return;
    }
    QList<TQStageTimeSpan> &list = spans[type];
    if (list.isEmpty()) {
        if (start != -1)
            list.append(TQStageTimeSpan(userId, type, start, end));
        return;
    }
    TQStageTimeSpan &last = list.last();
    if (start > 0 && end > 0) {
        // A complete span.
        if (last.end >= 0) {
            list.append(TQStageTimeSpan(userId, type, start, end));
        } else if (last.start < end) {
            last.end = end;
        } else {
            last.start = start;
            last.end = end;
        }
    } else if (start == -1) {
        // An end report: closes an open span or extends a closed one.
        if (last.end <= end)
            last.end = end;
    } else if (last.end != -1) {
        list.append(TQStageTimeSpan(userId, type, start, end));
    } else if (last.start >= start) {
        // A second start while open keeps the earlier one.
        last.start = start;
    }
}

void TQStageTimeRecord::addClassSpan(int start, int end)
{
    if (start != -1 && classSpan.start == -1) {
        state = kInClass;
        classSpan.start = start;
        classSpan.end = nowSecs();
    }
    if (end == -1)
        return;
    if (end == 0) {
        classSpan.end = nowSecs();
    } else {
        state = kLeft;
        classSpan.end = end;
    }
}
