// Time to unpack envelopes of drawing actions (a realistic batch of strokes,
// and full 20 KB envelopes of short and of long pieces), each against
// QJsonDocument::fromJson of the same bytes in the same run; a mixed corpus of
// every record family and envelope type; and time to pack records.
#include "actions/TQActionsFromNet.h"
#include "actions/TQMessagePackagingService.h"
#include "actions/TQActionParsers.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/message/TQPrivateMessageAction.h"
#include "actions/message/TQPublicMessageAction.h"
#include "actions/message/TQStudentDurationAction.h"
#include "modules/live/bean/TQInClassMessage.h"
#include "modules/live/communications/binary/TQBinaryPartition.h"

#include "BenchFigure.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
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

// A teacher's stroke as the pen makes it: a wandering path of quarter-unit
// points, cut into pieces of at most 70 points that share the strokeId.
std::vector<std::unique_ptr<TQDrawingActionLine>> strokePieces(std::mt19937 &random, int stroke, int points)
{
    std::vector<std::unique_ptr<TQDrawingActionLine>> pieces;
    int x = 400 + int(random() % 12000);
    int y = 400 + int(random() % 7000);
    for (int done = 0; done < points;) {
        auto piece = strokePiece(stroke * 10 + int(pieces.size()), 0);
        piece->strokeId = 600000 + stroke;
        const int count = std::min(TQDrawingActionLine::kMaxMergedPoints, points - done);
        for (int i = 0; i < count; ++i) {
            x += int(random() % 61) - 30;
            y += int(random() % 41) - 20;
            piece->points.emplace_back(x, y, 0);
        }
        done += count;
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

// 50 strokes of 20 to 200 points, packed into as few envelopes as the
// receiver's limit allows.
std::vector<std::string> strokeBatch(int *strokePoints)
{
    std::mt19937 random(20191012);
    std::vector<std::unique_ptr<TQDrawingActionLine>> pieces;
    *strokePoints = 0;
    for (int stroke = 0; stroke < 50; ++stroke) {
        const int points = 20 + int(random() % 181);
        *strokePoints += points;
        for (auto &piece : strokePieces(random, stroke, points))
            pieces.push_back(std::move(piece));
    }
    TQMessagePackagingService service;
    std::vector<std::string> envelopes;
    std::vector<TQAction *> list;
    std::string packed;
    for (const auto &piece : pieces) {
        list.push_back(piece.get());
        std::string longer = service.packMessage(list);
        if (longer.size() > size_t(TQMessagePackagingService::kMaxReceivedBytes)) {
            envelopes.push_back(packed);
            list = {piece.get()};
            longer = service.packMessage(list);
        }
        packed = std::move(longer);
    }
    envelopes.push_back(packed);
    return envelopes;
}

size_t bytesOf(const std::vector<std::string> &envelopes)
{
    size_t bytes = 0;
    for (const std::string &envelope : envelopes)
        bytes += envelope.size();
    return bytes;
}

// Unpacking the envelopes against QJsonDocument::fromJson of the same bytes.
void compareWithJson(const char *what, const std::vector<std::string> &envelopes, size_t points)
{
    TQMessagePackagingService service;
    size_t records = 0;
    const BenchComparison c = bench::compare(
        [&] {
            for (const std::string &envelope : envelopes) {
                const QJsonDocument document = QJsonDocument::fromJson(
                    QByteArray::fromRawData(envelope.data(), int(envelope.size())));
                if (document.isNull())
                    std::abort();
            }
        },
        [&] {
            records = 0;
            for (const std::string &envelope : envelopes) {
                std::unique_ptr<TQActionsFromNet> result(service.unpackMessage(envelope, nullptr, 100234));
                records += result->mActionArray.size();
            }
        });
    std::printf("  %s: %zu envelopes, %zu bytes, %zu records, %zu points\n", what, envelopes.size(),
                bytesOf(envelopes), records, points);
    std::printf("    QJsonDocument::fromJson  %s us\n", c.reference.text(1e6).c_str());
    std::printf("    unpackMessage            %s us, %s ns per point\n", c.subject.text(1e6).c_str(),
                c.subject.text(1e9 / double(points)).c_str());
    std::printf("    ratio to fromJson        %s  (goal: 3 or less)\n", c.ratio.text(1.0, 2).c_str());
}

void benchUnpack()
{
    int batchPoints = 0;
    const std::vector<std::string> batch = strokeBatch(&batchPoints);
    compareWithJson("50 strokes of 20-200 points", batch, size_t(batchPoints));
    for (int pointsPerPiece : {2, 70}) {
        std::string envelope;
        const auto pieces = fullEnvelopeOf(pointsPerPiece, &envelope);
        char what[64];
        std::snprintf(what, sizeof what, "one full envelope of %d-point lines", pointsPerPiece);
        compareWithJson(what, {envelope}, pieces.size() * size_t(pointsPerPiece));
    }
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
    const BenchFigure figure = bench::perCall([&] { service.packMessage(list); });
    std::printf("  %2d-point lines, %d per envelope: %s us per envelope\n", pointsPerPiece, perEnvelope,
                figure.text(1e6, 2).c_str());
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
    const BenchFigure unpack = bench::perCall([&] {
        for (const std::string &envelope : envelopes) {
            std::unique_ptr<TQActionsFromNet> result(service.unpackMessage(envelope, &raw, 100234));
        }
    });
    std::printf("  mixed corpus, %zu envelopes of all 8 types and %zu codes: %s us per envelope\n", envelopes.size(),
                records.size(), unpack.text(1e6 / double(envelopes.size()), 2).c_str());

    std::vector<TQAction *> list;
    for (const auto &record : records)
        list.push_back(record.get());
    const BenchFigure pack = bench::perCall([&] {
        for (TQAction *record : list)
            service.packMessage({record});
    });
    std::printf("  mixed corpus, one record per envelope: %s us per record\n",
                pack.text(1e6 / double(list.size()), 2).c_str());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(silent);
    std::printf("Figures: median (min-max) of %d runs\n", bench::kRuns);
    std::printf("Unpacking envelopes (at most %d bytes each)\n", TQMessagePackagingService::kMaxReceivedBytes);
    benchUnpack();
    std::printf("Packing\n");
    benchPack(2, 10);
    benchPack(70, 1);
    std::printf("Every family\n");
    benchMixed();
    return 0;
}
