#pragma once

#include <string>

// One notice in the teaching assistant's notice log.
class TQNoticeLogEntry
{
public:
    std::string message;
    std::string messageTime;
    bool alreadyRead = false;
};
