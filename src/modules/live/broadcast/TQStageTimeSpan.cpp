#include "modules/live/broadcast/TQStageTimeSpan.h"

#include <QString>

TQStageTimeSpan::TQStageTimeSpan(int userId, int type, int start, int end)
    : userId(userId)
    , type(type)
    , start(start)
    , end(end)
{
}

bool TQStageTimeSpan::operator==(const TQStageTimeSpan &other) const
{
    return userId == other.userId && type == other.type && start == other.start && end == other.end;
}

QJsonObject TQStageTimeSpan::toJson() const
{
    return QJsonObject{{QStringLiteral("user_id"), QString::number(userId)},
                       {QStringLiteral("type"), QString::number(type)},
                       {QStringLiteral("s"), QString::number(start)},
                       {QStringLiteral("e"), QString::number(end)}};
}
