#pragma once

#include <string>

class TQRTMEventDelegate;

// What a message channel needs to log in and join one class's channels.
struct TQRTMLoadConfig
{
    std::string appId;    // the course's "app_id"
    std::string rtmToken; // the course's "rtm_token"
    long courseScheduleId = 0;
    TQRTMEventDelegate *eventDelegate = nullptr; // not owned; outlives the login
};
