// Cost of the course's drawing history over a 20,000-action class: appending
// with its thinning plus the line merge per action, and building every bulk
// chunk a late student needs for the whole history.
#include "actions/control/TQControlBulkMessage.h"
#include "actions/drawing/TQDrawActionDrawImage.h"
#include "actions/drawing/TQDrawingActionDrawText.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "actions/drawing/TQDrawingActionRestore.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "actions/drawing/TQDrawingActionTurnPage.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/communications/TQLateRequestFetch.h"

#include "BenchFigure.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

static void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

// The i-th action of a class that mostly writes: stroke pieces of 8 points
// (four pieces a stroke) with a save after each stroke, and now and then a
// scroll, a picture, a text, an undo or a page turn.
static TQDrawingAction *actionAt(int i, int position)
{
    TQDrawingAction *a = nullptr;
    const int k = i % 50;
    if (k == 10) {
        a = new TQDrawingActionMoveUpDown;
    } else if (k == 20) {
        auto *image = new TQDrawActionDrawImage;
        image->elementId = i % 7 + 1;
        a = image;
    } else if (k == 30) {
        auto *text = new TQDrawingActionDrawText;
        text->elementId = i % 5 + 1;
        text->text = "板书文字";
        a = text;
    } else if (k == 40) {
        auto *restore = new TQDrawingActionRestore;
        restore->snapshotId = position - 3;
        a = restore;
    } else if (k == 49) {
        auto *turn = new TQDrawingActionTurnPage;
        turn->targetPage = i / 50 % 6;
        a = turn;
    } else if (k % 5 == 4) {
        a = new TQDrawingActionSave;
    } else {
        auto *line = new TQDrawingActionLine;
        line->strokeId = i / 5;
        line->canvasWidth = 4000;
        const int first = (k % 5) * 7 * 4;
        for (int p = 0; p < 8; ++p)
            line->points.emplace_back(first + p * 4, 400 + first / 4 + p);
        a = line;
    }
    a->drawingIndex = position;
    a->materialId = 5001;
    return a;
}

struct HistoryRun
{
    double appendSeconds = 0;
    double bulkSeconds = 0;
    int chunks = 0;
    size_t bytes = 0;
};

HistoryRun runOnce(int total)
{
    HistoryRun run;
    CourseDetailBean course{QJsonObject()};
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < total; ++i) {
        const int position = course.getDrawingActionCount();
        course.addDrawingAction(actionAt(i, position), -1);
        course.mergeLineActions(position);
    }
    run.appendSeconds = timer.nsecsElapsed() / 1e9;

    TQLateRequestFetch fetch;
    fetch.uids = {20001};
    fetch.end = course.getDrawingActionCount() - 1;
    fetch.properStart = course.getProperStartIndex(0, 0);
    timer.restart();
    while (std::unique_ptr<TQControlBulkMessage> chunk{course.buildBulkMessage(fetch, true)}) {
        ++run.chunks;
        run.bytes += chunk->mDrawingText.size();
    }
    run.bulkSeconds = timer.nsecsElapsed() / 1e9;
    return run;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(silent);
    const int total = 20000;
    const int runs = 9;

    std::vector<double> appends, bulks;
    HistoryRun last;
    for (int i = 0; i < runs; ++i) {
        last = runOnce(total);
        appends.push_back(last.appendSeconds);
        bulks.push_back(last.bulkSeconds);
    }
    const BenchFigure append = BenchFigure::of(appends);
    const BenchFigure bulk = BenchFigure::of(bulks);

    std::printf("Figures: median (min-max) of %d runs\n", runs);
    std::printf("history actions: %d\n", total);
    std::printf("append + merge: %s us per action, %s ms total\n", append.text(1e6 / total, 3).c_str(),
                append.text(1e3).c_str());
    std::printf("bulk messages: %d chunks, %zu text bytes, %s ms total, %s us per chunk\n", last.chunks, last.bytes,
                bulk.text(1e3, 2).c_str(), bulk.text(1e6 / std::max(1, last.chunks)).c_str());
    return 0;
}
