#pragma once

#include "actions/TQAction.h"

#include <functional>
#include <string>

class TQInClassMessage;

// One private chat message between the teacher and one student (code 118).
// Its text is the bare message body; it travels alone in an envelope of
// type 2. The record owns its message.
class TQPrivateMessageAction : public TQAction
{
public:
    // The display name of a participant of the current course; false when the
    // user id is no participant. Set by the live classroom while a course is
    // loaded; without it every sender is unknown.
    using DisplayNameLookup = std::function<bool(int userId, std::string *displayName)>;
    static void setDisplayNameLookup(DisplayNameLookup lookup);

    TQPrivateMessageAction();
    ~TQPrivateMessageAction() override;
    TQPrivateMessageAction(const TQPrivateMessageAction &) = delete;
    TQPrivateMessageAction &operator=(const TQPrivateMessageAction &) = delete;

    // The message body unchanged (no brackets, no escaping); "" without a message.
    void toString(std::string &out) const override;

    // A new record holding text from fromUserID, received now and unread, with
    // the sender's display name when the sender is a participant (else logged).
    // Null for an empty text.
    static TQPrivateMessageAction *privateMessageFromString(std::string text, int fromUserID);

    // Owned; never null after construction.
    TQInClassMessage *mMessage;
};
