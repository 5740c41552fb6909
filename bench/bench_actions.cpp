// Envelopes unpacked per second (full 20 KB envelopes of short and of long
// strokes) and action records packed per second.
#include "actions/TQActionsFromNet.h"
#include "actions/TQMessagePackagingService.h"
#include "actions/drawing/TQDrawingActionLine.h"

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
    return 0;
}
