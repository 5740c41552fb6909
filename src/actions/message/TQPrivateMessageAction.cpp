#include "actions/message/TQPrivateMessageAction.h"

#include "modules/live/bean/TQInClassMessage.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <utility>

namespace {

TQPrivateMessageAction::DisplayNameLookup &displayNameLookup()
{
    static TQPrivateMessageAction::DisplayNameLookup lookup;
    return lookup;
}

} // namespace

void TQPrivateMessageAction::setDisplayNameLookup(DisplayNameLookup lookup)
{
    displayNameLookup() = std::move(lookup);
}

TQPrivateMessageAction::TQPrivateMessageAction()
    : TQAction(118)
    , mMessage(new TQInClassMessage)
{
}

TQPrivateMessageAction::~TQPrivateMessageAction()
{
    delete mMessage;
}

void TQPrivateMessageAction::toString(std::string &out) const
{
    out = mMessage ? mMessage->mMessageBody : std::string();
}

TQPrivateMessageAction *TQPrivateMessageAction::privateMessageFromString(std::string text, int fromUserID)
{
    if (text.empty())
        return nullptr;
    auto *action = new TQPrivateMessageAction;
    TQInClassMessage *message = action->mMessage;
    message->mMessageBody = std::move(text);
    message->mAlreadyRead = false;
    message->mFromUserID = fromUserID;
    message->mReceivingTimeStamp = currentTimeMillis();

    const QString tag = QStringLiteral("TQPrivateMessageAction::privateMessageFromString ");
    CLog::log(QStringLiteral("get private message from %1").arg(fromUserID), tag);
    const DisplayNameLookup &lookup = displayNameLookup();
    if (!lookup || !lookup(fromUserID, &message->mFromUserName)) {
        message->mFromUserName.clear();
        CLog::log(QStringLiteral("failed to find %1").arg(fromUserID), tag);
    }
    return action;
}
