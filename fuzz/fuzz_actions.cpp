// Feeds arbitrary bytes to everything that parses received text: as a whole
// envelope, as the payload of an envelope of every type, as one action text
// for the factory, and to the chat, duration and partition readers. Every
// record that comes back must write a text that parses again, and a record
// parsed from our own text must be stable. The fast readers (the envelope read
// in place, the line parser) must agree with the plain rules.
#include "actions/TQAction.h"
#include "actions/TQActionFields.h"
#include "actions/TQActionsFromNet.h"
#include "actions/TQDrawingAction.h"
#include "actions/TQJsonValues.h"
#include "actions/TQMessageEnvelope.h"
#include "actions/TQMessagePackagingService.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/message/TQPrivateMessageAction.h"
#include "actions/message/TQPublicMessageAction.h"
#include "actions/message/TQStudentDurationAction.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/communications/binary/TQBinaryPartition.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

[[noreturn]] void fail(const char *what, const std::string &detail)
{
    std::fprintf(stderr, "fuzz_actions: %s: %s\n", what, detail.c_str());
    std::abort();
}

// The factory's view of a record text: without its brackets.
std::string innerText(const std::string &text)
{
    if (text.size() < 2 || text.front() != '[' || text.back() != ']')
        return std::string();
    return text.substr(1, text.size() - 2);
}

// A record the parsers built: its text parses again, and what parses from
// that is stable from then on. Drawing records also clone and merge.
void checkRecord(TQMessagePackagingService &service, const TQAction &action)
{
    std::string first;
    action.toString(first);
    if (const auto *drawing = dynamic_cast<const TQDrawingAction *>(&action)) {
        std::unique_ptr<TQDrawingAction> copy(drawing->clone());
        std::string copied;
        copy->toString(copied);
        if (copied != first)
            fail("clone writes another text", first + " / " + copied);
        std::unique_ptr<TQDrawingAction> merged(drawing->mergeWith(copy.get()));
        if (merged) {
            std::string mergedText;
            merged->toString(mergedText);
        }
    }
    // A private message writes its body as it came: free text, which may look
    // like any record. The body check below covers it.
    if (dynamic_cast<const TQPrivateMessageAction *>(&action))
        return;
    const std::string inner = innerText(first);
    if (inner.empty())
        return;
    std::unique_ptr<TQAction> again(service.constructionActionFromStr(inner, 1));
    if (!again)
        return;
    std::string second;
    again->toString(second);
    std::unique_ptr<TQAction> third(service.constructionActionFromStr(innerText(second), 1));
    std::string thirdText;
    if (third)
        third->toString(thirdText);
    if (thirdText != second)
        fail("a record parsed from our own text is not stable", second + " / " + thirdText);
}

void checkResult(TQMessagePackagingService &service, TQActionsFromNet *unpacked)
{
    std::unique_ptr<TQActionsFromNet> result(unpacked);
    if (!result)
        return;
    for (const TQAction *action : result->mActionArray)
        checkRecord(service, *action);
}

std::string textOf(const TQAction &action)
{
    std::string text;
    action.toString(text);
    return text;
}

// The chat and duration readers take the whole payload.
void checkMessageRecords(const std::string &input)
{
    std::unique_ptr<TQPublicMessageAction> chat(TQPublicMessageAction::publicMessagesFromString(input));
    const std::string written = textOf(*chat);
    std::unique_ptr<TQPublicMessageAction> again(TQPublicMessageAction::publicMessagesFromString(written));
    const std::string rewritten = textOf(*again);
    chat->deleteMessages();
    again->deleteMessages();
    if (rewritten != written)
        fail("public messages written again differ", written + " / " + rewritten);

    std::unique_ptr<TQPrivateMessageAction> privateMessage(TQPrivateMessageAction::privateMessageFromString(input, 7));
    if (privateMessage && textOf(*privateMessage) != input)
        fail("a private message changed its body", input);

    std::unique_ptr<TQStudentDurationAction> duration(TQStudentDurationAction::durationFromString(input));
    if (duration) {
        std::unique_ptr<TQStudentDurationAction> back(TQStudentDurationAction::durationFromString(textOf(*duration)));
        if (!back || back->durationKey != duration->durationKey)
            fail("a duration written again differs", textOf(*duration));
    }
}

void checkPartition(TQMessagePackagingService &service, const std::string &input)
{
    std::unique_ptr<TQBinaryPartition> partition(service.unpackPartition(input));
    if (!partition)
        return;
    if (partition->partitionIndex < 0 || partition->partitionIndex >= partition->partitionTotal)
        fail("a partition outside its total was accepted", input);
    const std::string json = partition->toJson();
    std::unique_ptr<TQBinaryPartition> back(service.unpackPartition(json));
    if (!back || back->toJson() != json)
        fail("a partition written again differs", json);
}

// Our number reading must agree with Qt's text conversion, which the peers use.
void checkNumbers(const std::string &input)
{
    const TQActionFields fields(input);
    for (int i = 0; i < fields.size() && i < 64; ++i) {
        const std::string_view element = fields.at(i);
        bool qtOk = false;
        const int qtValue = QString::fromUtf8(element.data(), int(element.size())).toInt(&qtOk, 10);
        int value = 0;
        const bool ok = TQActionFields::parseInt32(element, &value);
        if (ok != qtOk || (ok && value != qtValue))
            fail("32-bit number reading differs from Qt", std::string(element));
    }
}

// The envelope read in place must be the envelope the JSON parser reads.
void checkCompactEnvelope(const std::string &input)
{
    TQMessageEnvelope header;
    std::string_view payload;
    if (!TQMessageEnvelope::readCompact(input, &header, &payload))
        return;
    const TQMessageEnvelope parsed = TQMessageEnvelope::fromJson(
        QJsonDocument::fromJson(QByteArray::fromRawData(input.data(), int(input.size()))).object());
    if (parsed.tqMsg != payload || parsed.tqType != header.tqType || parsed.tqRec != header.tqRec
        || parsed.tqTm != header.tqTm)
        fail("the envelope read in place differs from the JSON parser's", input);
}

// The line rules spelt out step by step: elements split at ",", the points
// from the pieces after each ",(". The line parser must build the same line.
std::unique_ptr<TQDrawingActionLine> lineByTheRules(const std::string &text)
{
    const TQActionFields fields(text);
    if (fields.size() < 15 || fields.hasNonNumeric(2, 13))
        return nullptr;
    auto line = std::make_unique<TQDrawingActionLine>();
    const std::vector<std::string_view> pieces = splitKeepingEmpty(text, ",(");
    for (size_t i = 1; i < pieces.size(); ++i) {
        std::string_view piece = pieces[i];
        piece.remove_suffix(piece.empty() ? 0 : 1);
        const TQActionFields coordinates(piece);
        if (coordinates.size() < 3 || coordinates.hasNonNumeric(0, 2))
            return nullptr;
        line->points.emplace_back(coordinates.toInt(0), coordinates.toInt(1), coordinates.toInt(2));
    }
    if (line->points.size() < 2)
        return nullptr;
    line->drawingIndex = fields.toInt(0);
    line->materialId = fields.toInt(2);
    line->pageIndex = fields.toInt(3);
    line->topOffset = fields.toInt(4);
    line->secondOffset = fields.toInt(5);
    line->canvasWidth = fields.toInt(6);
    line->canvasHeight = fields.toInt(7);
    line->brush = TQBrushStyle(brushTypeFromText(fields.toInt(9), fields.toInt(10) != 0),
                               brushColorFromRgbaString(fields.text(14)), brushWidthFromText(fields.toInt(8)), 0);
    line->senderId = fields.toInt(11);
    line->straight = fields.isOne(12);
    line->strokeId = fields.toInt(13);
    if (fields.size() >= 16 && (fields.at(15).empty() || fields.at(15).front() != '('))
        line->alphaFlag = fields.toInt(15);
    return line;
}

void checkLine(const std::string &input)
{
    const std::unique_ptr<TQDrawingActionLine> parsed(TQDrawingActionLine::lineFromText(input));
    const std::unique_ptr<TQDrawingActionLine> expected = lineByTheRules(input);
    if (!parsed != !expected)
        fail(parsed ? "the line parser accepted a line the rules refuse" : "the line parser refused a line the rules accept",
             input);
    if (parsed && textOf(*parsed) != textOf(*expected))
        fail("the line parser built another line than the rules", input + " / " + textOf(*parsed));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(dropMessage);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    TQMessagePackagingService service;

    checkResult(service, service.unpackMessage(input, nullptr, 7));

    QByteArray raw("raw bytes");
    for (int type = 0; type <= 7; ++type) {
        std::string envelope = "{\"tqMsg\":";
        appendJsonString(envelope, input);
        envelope += ",\"tqRec\":\"-1\",\"tqTm\":\"1\",\"tqType\":\"" + std::to_string(type) + "\"}";
        checkResult(service, service.unpackMessage(envelope, &raw, 7));
    }

    std::unique_ptr<TQAction> action(service.constructionActionFromStr(input, 7));
    if (action)
        checkRecord(service, *action);

    checkMessageRecords(input);
    checkPartition(service, input);
    checkNumbers(input);
    checkCompactEnvelope(input);
    checkLine(input);
    return 0;
}
