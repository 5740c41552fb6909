#pragma once

#include <QJsonObject>
#include <QtGlobal>

#include <string>

// One chat message of the live class, public or private.
class TQInClassMessage
{
public:
    TQInClassMessage() = default;

    // A debug text of every field (UTF-8).
    std::string toString() const;
    // The message as the teaching assistant's views show it; every value a
    // text. "messageTime" ("hh:mm:ss") is the send time when the message has
    // a sequence number, else its receiving time, else now.
    QJsonObject toJson() const;

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
