#include "actions/message/TQPublicMessageAction.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionTextWriter.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "utils/GlobalConstants.h"
#include "utils/TimeUtils.h"

#include <utility>

namespace {

std::string_view view(const QByteArray &bytes)
{
    return std::string_view(bytes.constData(), size_t(bytes.size()));
}

} // namespace

TQPublicMessageAction::TQPublicMessageAction()
    : TQAction(129)
{
}

void TQPublicMessageAction::toString(std::string &out) const
{
    out.clear();
    for (const TQInClassMessage *message : mMessages) {
        if (out.size() >= 3)
            out += view(kMessageSeparatorSecond);
        TQActionTextWriter::appendNumber(out, message->mIndexStamp);
        out += ',';
        TQActionTextWriter::appendNumber(out, message->mFromUserID);
        out += ',';
        TQActionTextWriter::appendNumber(out, message->mFromSeqNum);
        out += ',';
        out += view(kMessageSeparatorFirst);
        out += message->mMessageBody;
    }
}

TQPublicMessageAction *TQPublicMessageAction::publicMessagesFromString(std::string text)
{
    auto *action = new TQPublicMessageAction;
    const qint64 now = currentTimeMillis();
    for (std::string_view piece : splitKeepingEmpty(text, view(kMessageSeparatorSecond))) {
        const std::vector<std::string_view> parts = splitKeepingEmpty(piece, view(kMessageSeparatorFirst));
        const TQActionFields header(parts.front());
        // A piece without a body mark or a full header is no message.
        if (parts.size() < 2 || header.size() < 3)
            continue;
        auto *message = new TQInClassMessage;
        message->mIndexStamp = header.toInt64(0);
        message->mFromUserID = header.toInt(1);
        message->mFromSeqNum = header.toInt(2);
        message->mAlreadyRead = false;
        message->mReceivingTimeStamp = now;
        message->mMessageBody = std::string(parts[1]);
        action->mMessages.push_back(message);
    }
    return action;
}

TQPublicMessageAction *TQPublicMessageAction::publicMessageFromText(std::string text, int fromUserID,
                                                                    std::string fromUserName)
{
    if (text.empty())
        return nullptr;
    auto *message = new TQInClassMessage;
    message->mMessageBody = std::move(text);
    message->mAlreadyRead = false;
    message->mFromUserID = fromUserID;
    message->mFromUserName = std::move(fromUserName);
    message->mReceivingTimeStamp = currentTimeMillis();
    auto *action = new TQPublicMessageAction;
    action->mMessages.push_back(message);
    return action;
}

void TQPublicMessageAction::deleteMessages()
{
    for (TQInClassMessage *message : mMessages)
        delete message;
    mMessages.clear();
}
