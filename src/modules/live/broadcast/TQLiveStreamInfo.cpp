#include "modules/live/broadcast/TQLiveStreamInfo.h"

#include "utils/CDataHelper.h"

TQLiveStreamInfo TQLiveStreamInfo::fromJson(const QJsonObject &json)
{
    TQLiveStreamInfo info;
    info.width = CDataHelper::jsonValueToInt(json.value(QLatin1String("width")));
    info.height = CDataHelper::jsonValueToInt(json.value(QLatin1String("height")));
    info.course_schedule_status = CDataHelper::jsonValueToInt(json.value(QLatin1String("course_schedule_status")));
    info.seconds_to_start = CDataHelper::jsonValueToLong(json.value(QLatin1String("seconds_to_start")));
    info.stream = CDataHelper::jsonValueToString(json.value(QLatin1String("stream")));
    info.duration = CDataHelper::jsonValueToLong(json.value(QLatin1String("duration")));
    return info;
}
