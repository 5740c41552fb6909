#include "actions/TQMessagePackagingService.h"

#include "actions/TQActionFields.h"
#include "actions/TQActionParsers.h"
#include "actions/TQActionsFromNet.h"
#include "actions/TQControlAction.h"
#include "actions/TQDrawingAction.h"
#include "actions/TQMessageEnvelope.h"
#include "actions/TQOnsiteHomeworkAction.h"
#include "actions/TQStatusAction.h"
#include "actions/control/TQControlBulkMessage.h"
#include "actions/message/TQPrivateMessageAction.h"
#include "actions/message/TQPublicMessageAction.h"
#include "actions/message/TQStudentDurationAction.h"
#include "modules/live/communications/binary/TQBinaryPartition.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"
#include "utils/Utf8Cut.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <climits>
#include <cstring>

namespace {

const char *const kEnvelopeKeys[] = {"tqMsg", "tqType", "tqRec", "tqTm"};

int payloadTypeOf(const TQAction *first)
{
    if (dynamic_cast<const TQDrawingAction *>(first))
        return TQMessageEnvelope::Drawing;
    if (dynamic_cast<const TQStatusAction *>(first))
        return TQMessageEnvelope::Status;
    if (dynamic_cast<const TQOnsiteHomeworkAction *>(first))
        return TQMessageEnvelope::OnsiteHomework;
    if (dynamic_cast<const TQPrivateMessageAction *>(first))
        return TQMessageEnvelope::PrivateMessage;
    // The board history answer is a control action that travels as drawing.
    if (dynamic_cast<const TQControlBulkMessage *>(first))
        return TQMessageEnvelope::Drawing;
    if (dynamic_cast<const TQControlAction *>(first))
        return TQMessageEnvelope::Control;
    if (dynamic_cast<const TQPublicMessageAction *>(first))
        return TQMessageEnvelope::PublicMessage;
    if (dynamic_cast<const TQStudentDurationAction *>(first))
        return TQMessageEnvelope::StudentDuration;
    return TQMessageEnvelope::Drawing;
}

} // namespace

qint64 TQMessagePackagingService::nextTimestamp()
{
    qint64 now = currentTimeMillis();
    if (now <= m_lastTimestamp)
        now = m_lastTimestamp + 1;
    m_lastTimestamp = now;
    return now;
}

std::string TQMessagePackagingService::packMessage(const std::vector<TQAction *> &actions)
{
    if (actions.empty())
        return std::string();
    const TQAction *first = actions.front();

    TQMessageEnvelope envelope;
    envelope.tqType = payloadTypeOf(first);
    std::string text;
    for (const TQAction *action : actions) {
        action->toString(text);
        // No separator while the payload is still shorter than two characters.
        if (envelope.tqMsg.size() >= 2)
            envelope.tqMsg += ',';
        envelope.tqMsg += text;
    }
    envelope.tqRec = first->receiver;
    envelope.tqTm = nextTimestamp();
    return envelope.toJson();
}

std::string TQMessagePackagingService::packPartitionMessage(const std::string &partitionJson, int receiver)
{
    TQMessageEnvelope envelope;
    envelope.tqMsg = partitionJson;
    envelope.tqType = TQMessageEnvelope::Partition;
    envelope.tqRec = receiver;
    envelope.tqTm = nextTimestamp();
    return envelope.toJson();
}

TQActionsFromNet *TQMessagePackagingService::unpackMessage(const std::string &strFromNetwork,
                                                           QByteArray *messageDataArray, long fromUserID)
{
    const int from = int(fromUserID);
    const int length = int(qMin<size_t>(strFromNetwork.size(), size_t(INT_MAX)));
    if (strFromNetwork.size() > size_t(kMaxReceivedBytes)) {
        // Quote no more than the limit, so that the line keeps its end within
        // the log's formatting buffer however large the message was.
        const int quoted = utf8BoundaryBefore(strFromNetwork.data(), kMaxReceivedBytes);
        CLog::printf("TQMessagePackagingService::unpackMessage strFromNetwork is %.*s, from $fromUserID, "
                     "message length %d, message too large",
                     quoted, strFromNetwork.c_str(), length);
        return nullptr;
    }
    for (const char *key : kEnvelopeKeys) {
        if (strFromNetwork.find(key) == std::string::npos) {
            CLog::printf("TQMessagePackagingService::unpackMessage strFromNetwork is %s, from %d, message length %d, "
                         "does not contain tqMsg, tqType, tqRec, or tqTm",
                         strFromNetwork.c_str(), from, length);
            return nullptr;
        }
    }

    // What peers send is read in place; anything else goes through the JSON
    // parser, and text that is not a JSON object reads as an empty envelope.
    TQMessageEnvelope envelope;
    std::string_view payload;
    if (!TQMessageEnvelope::readCompact(strFromNetwork, &envelope, &payload)) {
        const QJsonDocument document = QJsonDocument::fromJson(
            QByteArray::fromRawData(strFromNetwork.data(), int(strFromNetwork.size())));
        envelope = TQMessageEnvelope::fromJson(document.object());
        payload = envelope.tqMsg;
    }
    if (unsigned(envelope.tqType) > unsigned(TQMessageEnvelope::StudentDuration)) {
        CLog::printf("TQMessagePackagingService::unpackMessage strFromNetwork is %s, from %d, message length %d, "
                     "meta type is not valid.",
                     strFromNetwork.c_str(), from, length);
        return nullptr;
    }

    auto *result = new TQActionsFromNet;
    result->from = from;
    result->tm = envelope.tqTm;
    result->type = envelope.tqType;
    result->mReceiptID = envelope.tqRec;
    switch (envelope.tqType) {
    case TQMessageEnvelope::Drawing:
    case TQMessageEnvelope::Status:
    case TQMessageEnvelope::Control:
    case TQMessageEnvelope::OnsiteHomework:
        splitIntoActions(payload, from, result);
        break;
    default:
        if (envelope.tqMsg.empty())
            envelope.tqMsg = std::string(payload);
        if (!unpackMessagePayload(envelope, messageDataArray, from, result)) {
            CLog::printf("TQMessagePackagingService::unpackMessage strFromNetwork is %s, from %d, message length %d, "
                         "partition is not valid.",
                         strFromNetwork.c_str(), from, length);
            delete result;
            return nullptr;
        }
        break;
    }
    return result;
}

bool TQMessagePackagingService::unpackMessagePayload(const TQMessageEnvelope &envelope,
                                                     QByteArray *messageDataArray, int fromUserID,
                                                     TQActionsFromNet *result)
{
    TQAction *action = nullptr;
    switch (envelope.tqType) {
    case TQMessageEnvelope::PrivateMessage:
        action = TQPrivateMessageAction::privateMessageFromString(envelope.tqMsg, fromUserID);
        break;
    case TQMessageEnvelope::PublicMessage:
        action = TQPublicMessageAction::publicMessagesFromString(envelope.tqMsg);
        break;
    case TQMessageEnvelope::StudentDuration:
        action = TQStudentDurationAction::durationFromString(envelope.tqMsg);
        break;
    case TQMessageEnvelope::Partition:
        result->partition = unpackPartition(envelope.tqMsg);
        if (!result->partition)
            return false;
        if (messageDataArray)
            result->partition->raw = *messageDataArray;
        result->partition->fromId = std::to_string(fromUserID);
        break;
    default:
        break;
    }
    if (action)
        result->mActionArray.push_back(action);
    return true;
}

TQBinaryPartition *TQMessagePackagingService::unpackPartition(const std::string &partitionJson)
{
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(partitionJson.data(), int(partitionJson.size())));
    return TQBinaryPartition::fromJson(document.object());
}

void TQMessagePackagingService::splitIntoActions(std::string_view payload, int fromUserID,
                                                 TQActionsFromNet *result)
{
    // "[a],[b]" gives the pieces "[a", ",[b" and "": the text after a piece's
    // last "[" is one record without its brackets. One pass, no copies.
    result->mActionArray.reserve(countOf(payload, ']') + 1);
    const char *start = payload.data();
    const char *const end = start + payload.size();
    while (start < end) {
        const void *hit = std::memchr(start, ']', size_t(end - start));
        const char *const pieceEnd = hit ? static_cast<const char *>(hit) : end;
        if (pieceEnd > start) {
            const void *open = ::memrchr(start, '[', size_t(pieceEnd - start));
            const char *const recordStart = open ? static_cast<const char *>(open) + 1 : start;
            if (TQAction *action =
                    actionFromText(std::string_view(recordStart, size_t(pieceEnd - recordStart)), fromUserID))
                result->mActionArray.push_back(action);
        }
        start = pieceEnd + 1;
    }
}

TQAction *TQMessagePackagingService::constructionActionFromStr(std::string text, int fromUserID)
{
    return actionFromText(text, fromUserID);
}

TQAction *TQMessagePackagingService::actionFromText(std::string_view text, int fromUserID)
{
    if (text.empty())
        return nullptr;
    const size_t firstComma = text.find(',');
    if (firstComma == std::string_view::npos)
        return nullptr;
    const size_t secondComma = text.find(',', firstComma + 1);
    int code = 0;
    if (!TQActionFields::parseInt32(text.substr(firstComma + 1, secondComma - firstComma - 1), &code))
        return nullptr;
    const TQActionParser parse = actionParserForCode(code);
    if (!parse) {
        CLog::printf("TQMessagePackagingService::constructionActionFromStr: message type %d from %d not parsed %s",
                     code, fromUserID, std::string(text).c_str());
        return nullptr;
    }
    return parse(text);
}
