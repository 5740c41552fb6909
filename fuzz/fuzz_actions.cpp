// Feeds arbitrary bytes to everything that parses received text: as a whole
// envelope, as the payload of an envelope of every type, and as one action
// text for the factory. Every record that comes back must write a text that
// parses again, and a record parsed from our own text must be stable.
#include "actions/TQAction.h"
#include "actions/TQActionFields.h"
#include "actions/TQActionsFromNet.h"
#include "actions/TQDrawingAction.h"
#include "actions/TQJsonValues.h"
#include "actions/TQMessagePackagingService.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

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

    checkNumbers(input);
    return 0;
}
