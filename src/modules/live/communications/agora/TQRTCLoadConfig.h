#pragma once

#include <string>

class TQRTCEventDelegate;

// What a media engine needs to join one class's channel.
struct TQRTCLoadConfig
{
    std::string appId;  // the course's "app_id"
    std::string token;  // the course's "dynamic_key"
    TQRTCEventDelegate *eventDelegate = nullptr; // not owned
    long courseId = 0;
    long courseScheduleId = 0;
};
