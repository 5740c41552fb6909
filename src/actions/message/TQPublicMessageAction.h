#pragma once

#include "actions/TQAction.h"

#include <string>
#include <vector>

class TQInClassMessage;

// Messages of the class chat (code 129), travelling in envelopes of type 5.
// The record does not own its messages: they belong to whoever keeps them
// (the course's public history). A holder that keeps none of them releases
// them with deleteMessages().
class TQPublicMessageAction : public TQAction
{
public:
    TQPublicMessageAction();

    // "index,from,seq," + body mark + body for each message, separated by the
    // message separator; "" without messages.
    void toString(std::string &out) const override;

    // Every piece between separators that has a header of three elements and
    // a body mark becomes an unread message received now; the rest are
    // skipped. Never null.
    static TQPublicMessageAction *publicMessagesFromString(std::string text);
    // A new record holding one new message of the teacher's; null for an empty text.
    static TQPublicMessageAction *publicMessageFromText(std::string text, int fromUserID, std::string fromUserName);

    // Deletes the messages and empties the list.
    void deleteMessages();

    std::vector<TQInClassMessage *> mMessages;
};
