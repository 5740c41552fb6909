#pragma once

#include "modules/live/bean/TQNoticeLogEntry.h"
#include "modules/live/bean/TQPrivateMessageLogEntry.h"

#include <QList>

// The teaching assistant's message logs of one course, filled by the live
// classroom.
class TQTeacherMessageLogs
{
public:
    QList<TQPrivateMessageLogEntry> privateMessages;
    QList<TQNoticeLogEntry> notices;
};
