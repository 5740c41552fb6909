#pragma once

#include <QtGlobal>

#include <string>

// One chat message of the live class, public or private.
class TQInClassMessage
{
public:
    TQInClassMessage() = default;

    // A debug text of every field (UTF-8).
    std::string toString() const;

    // UTF-8.
    std::string mMessageBody;
    int mFromUserID = 0;
    qint64 mFromSeqNum = 0;
    bool mAlreadyRead = false;
    // The message's place in the course's public history.
    qint64 mIndexStamp = 0;
    // When the message was built or received, ms since 1970.
    qint64 mReceivingTimeStamp = 0;
    std::string mFromUserName;
};
