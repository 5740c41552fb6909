#pragma once

#include <string>

// One private message in the teaching assistant's message log.
class TQPrivateMessageLogEntry
{
public:
    int userID = 0;
    std::string userName;
    int messageType = 0;
    // Seconds since 1970.
    int messageTime = 0;
    std::string message;
    bool alreadyRead = false;
};
