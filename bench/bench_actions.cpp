// Envelopes unpacked per second (full 20 KB envelopes of short and of long
// strokes, and a mixed corpus of every record family and envelope type) and
// action records packed per second.
#include "actions/TQActionsFromNet.h"
#include "actions/TQMessagePackagingService.h"
#include "actions/TQActionParsers.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/message/TQPrivateMessageAction.h"
#include "actions/message/TQPublicMessageAction.h"
#include "actions/message/TQStudentDurationAction.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/communications/binary/TQBinaryPartition.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

std::unique_ptr<TQDrawingActionLine> strokePiece(int index, int points)
{
    auto line = std::make_unique<TQDrawingActionLine>();
    line->drawingIndex = 10000 + index;
    line->materialId = 123456;
    line->pageIndex = 3;
    line->topOffset = 4000;
    line->secondOffset = 4000;
    line->canvasWidth = 3280;
    line->canvasHeight = 2080;
    line->senderId = 100234;
    line->strokeId = 500000 + index;
    for (int i = 0; i < points; ++i)
        line->points.emplace_back(1200 + 7 * i, 800 + 3 * i, 0);
    return line;
}

// As many pieces as fit into one envelope the receiver still accepts.
std::vector<std::unique_ptr<TQDrawingActionLine>> fullEnvelopeOf(int pointsPerPiece, std::string *envelope)
{
    std::vector<std::unique_ptr<TQDrawingActionLine>> pieces;
    TQMessagePackagingService service;
    for (;;) {
        pieces.push_back(strokePiece(int(pieces.size()), pointsPerPiece));
        std::vector<TQAction *> list;
        for (const auto &piece : pieces)
            list.push_back(piece.get());
        const std::string packed = service.packMessage(list);
        if (packed.size() > size_t(TQMessagePackagingService::kMaxReceivedBytes)) {
            pieces.pop_back();
            return pieces;
        }
        *envelope = packed;
    }
}

template <class Work>
double perSecond(Work work, double minimumSeconds = 1.0)
{
    QElapsedTimer timer;
    timer.start();
    qint64 count = 0;
    do {
        work();
        ++count;
    } while (timer.nsecsElapsed() < qint64(minimumSeconds * 1e9));
    return count / (timer.nsecsElapsed() / 1e9);
}

void benchUnpack(int pointsPerPiece)
{
    std::string envelope;
    const auto pieces = fullEnvelopeOf(pointsPerPiece, &envelope);
    TQMessagePackagingService service;
    size_t actions = 0;
    const double rate = perSecond([&] {
        std::unique_ptr<TQActionsFromNet> result(service.unpackMessage(envelope, nullptr, 100234));
        actions = result->mActionArray.size();
    });
    std::printf("  %2d-point lines: %zu records, %zu bytes: %.0f envelopes/s (%.0f records/s)\n", pointsPerPiece,
                actions, envelope.size(), rate, rate * double(actions));
}

void benchPack(int pointsPerPiece, int perEnvelope)
{
    std::vector<std::unique_ptr<TQDrawingActionLine>> pieces;
    std::vector<TQAction *> list;
    for (int i = 0; i < perEnvelope; ++i) {
        pieces.push_back(strokePiece(i, pointsPerPiece));
        list.push_back(pieces.back().get());
    }
    TQMessagePackagingService service;
    const double rate = perSecond([&] { service.packMessage(list); });
    std::printf("  %2d-point lines, %d per envelope: %.0f records/s\n", pointsPerPiece, perEnvelope,
                rate * perEnvelope);
}

// One record of every parsed code, rebuilt from a sample text each.
std::vector<std::unique_ptr<TQAction>> everyParsedRecord()
{
    const char *const texts[] = {
        "12,0,345,2,400,400,3280,2080,41,1,0,55,0,777,FF0000FF,0,(10,20,0),(30,40,0),(50,60,0)",
        "3,1,9,1,0,0,3280,2080,0,1,0,100,200,50,0,62831,1,7,99,FF0000CC",
        "8,2,9,7,1,7,777", "9,3,5,7,9,1", "10,4,9,3,7,2", "11,5,9,2,800,800,3280,2080,7", "12,6,9,0", "13,8,9,4",
        "4,9,0", "14,10,9,0,0,3280,2080,400,300,40,1,8,0,0,0,0,100,200,77,http://x/a.png",
        "15,11,9,0,10,20,300,200,0,0,3280,2080,0,1,1234,7,ImageUrl", "6,12,9,0,1234567,7",
        "5,14,9,0,3280,2080,40,80,0,400,120,64,0,5L2g5aW9,#FF0000,SimSun,7,42",
        "-1,101,5", "-1,102,5", "-1,103,5", "-1,104,5", "-1,105,5", "-1,106,5,8", "-1,107,0,0",
        "-1,108,0,40,0,0,99,0", "-1,110,7", "-1,111,5", "-1,112,3,0,100,123456", "-1,113,3,0,77", "-1,116,65_67",
        "-1,117,5,1", "-1,119,0", "-1,121,5", "-1,122,", "-1,123,11,12,13", "-1,124,42", "-1,125,", "0,127,0",
        "0,128,0", "-1,147,0", "-1,148,0", "-1,149,5,77", "-1,150,5,90,77", "-1,151,5,pic.png,77", "0,152,7,3",
        "0,153,7", "-1,154,5", "-1,155,5", "-1,156,5,http://x/h.png", "-1,157,1,1,1,0,2,300,310,50,0,0,0,1",
        "-1,158,2", "-1,159,1,4", "-1,164,1,0,77,1000,640,10,20,400,300,1500,u,", "-1,165,2,0,0,0,0,0,0,0,0,0,u,,3000",
        "-1,166,7,2,3",
        "-1,109,0,1,4,1,987654321,4321,1,30,0,55,123456,7,20000000,0,1,1000,640,1,100200,66,12,3,2,0,2,424242,5,0,"
        "45,2,1,0,60,5YCS6K6h5pe2,(300,301),(100000,0,1,1,1,0,1,0,1,1,5a2m55SfMA==),(7,0,0,0,0,1,0,0,0,0,QW5u)",
    };
    std::vector<std::unique_ptr<TQAction>> records;
    for (const char *text : texts) {
        const std::string code = std::string(text).substr(std::string(text).find(',') + 1);
        if (TQActionParser parse = actionParserForCode(std::stoi(code)))
            records.emplace_back(parse(text));
    }
    return records;
}

// Envelopes of every type: the records grouped by family, chat, duration and a partition.
std::vector<std::string> mixedEnvelopes(const std::vector<std::unique_ptr<TQAction>> &records)
{
    TQMessagePackagingService service;
    std::vector<std::string> envelopes;
    for (const auto &record : records)
        envelopes.push_back(service.packMessage({record.get()}));
    TQPrivateMessageAction privateMessage;
    privateMessage.mMessage->mMessageBody = "请把第三题再做一遍, thanks";
    envelopes.push_back(service.packMessage({&privateMessage}));
    std::unique_ptr<TQPublicMessageAction> chat(TQPublicMessageAction::publicMessageFromText("大家好", 100, "老师"));
    envelopes.push_back(service.packMessage({chat.get()}));
    chat->deleteMessages();
    TQStudentDurationAction duration;
    duration.studentID = "100234";
    duration.duration = 600;
    envelopes.push_back(service.packMessage({&duration}));
    TQBinaryPartition partition("user/image/100/1700000000000", "9f3c", 0, 3, 1, -1, 1);
    envelopes.push_back(service.packPartitionMessage(partition.toJson(), -1));
    return envelopes;
}

void benchMixed()
{
    const auto records = everyParsedRecord();
    const auto envelopes = mixedEnvelopes(records);
    TQMessagePackagingService service;
    QByteArray raw(TQBinaryPartition::kSliceBytes, 'x');
    const double rate = perSecond([&] {
        for (const std::string &envelope : envelopes) {
            std::unique_ptr<TQActionsFromNet> result(service.unpackMessage(envelope, &raw, 100234));
        }
    });
    std::printf("  mixed corpus, %zu envelopes of all 8 types and %zu codes: %.0f envelopes/s\n", envelopes.size(),
                records.size(), rate * double(envelopes.size()));

    std::vector<TQAction *> list;
    for (const auto &record : records)
        list.push_back(record.get());
    const double packRate = perSecond([&] {
        for (TQAction *record : list)
            service.packMessage({record});
    });
    std::printf("  mixed corpus, one record per envelope: %.0f records/s\n", packRate * double(list.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(silent);
    std::printf("Unpacking full envelopes (at most %d bytes)\n", TQMessagePackagingService::kMaxReceivedBytes);
    benchUnpack(2);
    benchUnpack(70);
    std::printf("Packing\n");
    benchPack(2, 10);
    benchPack(70, 1);
    std::printf("Every family\n");
    benchMixed();
    return 0;
}
