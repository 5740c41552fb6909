#pragma once

#include <QJsonObject>
#include <QString>

// The live-stream figures of a course schedule: from the course detail's
// "stream" object and from the stream-information reply. Copied by value.
class TQLiveStreamInfo
{
public:
    TQLiveStreamInfo() = default;
    // Keys "course_schedule_status", "duration", "width", "height",
    // "seconds_to_start", "stream"; missing or malformed values give 0 or "".
    static TQLiveStreamInfo fromJson(const QJsonObject &json);

    int course_schedule_status = 0;
    // Seconds.
    int duration = 0;
    int width = 0;
    int height = 0;
    int seconds_to_start = 0;
    // The stream address.
    QString stream;
};
