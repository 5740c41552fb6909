#pragma once

#include "modules/live/communications/agora/TQRTCLoadConfig.h"

// What a media engine is loaded with in the tests: the course's app id and
// key, and the class whose media channel is the schedule id as text.
inline TQRTCLoadConfig testLoadConfig(TQRTCEventDelegate *delegate, long courseId, long courseScheduleId)
{
    TQRTCLoadConfig config;
    config.appId = "app";
    config.token = "key";
    config.eventDelegate = delegate;
    config.courseId = courseId;
    config.courseScheduleId = courseScheduleId;
    return config;
}
