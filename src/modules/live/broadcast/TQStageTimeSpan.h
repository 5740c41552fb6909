#pragma once

#include <QJsonObject>

// One span of a student's class time, in seconds since 1970 (-1: not given
// for the start, still open for the end).
class TQStageTimeSpan
{
public:
    enum Type { kInClass = 1, kAnswering = 2, kOnStage = 3, kInBackground = 100 };

    TQStageTimeSpan() = default;
    TQStageTimeSpan(int userId, int type, int start, int end);

    bool operator==(const TQStageTimeSpan &other) const;

    // {"user_id", "type", "s", "e"}, each the decimal text of the field.
    QJsonObject toJson() const;

    int userId = 0;
    int type = 0;
    int start = -1;
    int end = -1;
};
