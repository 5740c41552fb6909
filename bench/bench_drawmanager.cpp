// The draw manager's apply loop under a long replay: 10,000 received line
// actions (a save closing every 20) queued at once and drained through the
// event loop with real temporal and sketch views. Prints the total time, the
// worst gap between two action events and how late a 10 ms timer got while
// the queue drained (input stays responsive), and the resident memory before
// and after; median with min-max over the runs.
#include "BenchFigure.h"

#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "actions/drawing/TQDrawingActionSelectMaterial.h"
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQDrawShadeView.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQDrawTemporalView.h"
#include "modules/live/draws/TQPath.h"
#include "modules/live/draws/TQQTActionEvent.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kActions = 10000;
constexpr int kStrokeLength = 20;
constexpr int kRuns = 5;

void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

// The page and the sending as the board needs them, in memory.
class MemorySource : public TQDrawDataSourceInterface
{
public:
    ~MemorySource() override { qDeleteAll(owned); }
    void sendDrawingAction(TQDrawingAction *action) override
    {
        ++sent;
        delete action;
    }
    QList<TQPath *> *getPagePaths() override { return &page; }
    void addPagePath(TQPath *path) override
    {
        page.append(path);
        owned.append(path);
    }
    int getDrawingActionCount() override { return sent; }
    QList<TQPath *> page;
    QList<TQPath *> owned;
    int sent = 0;
};

long residentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

struct Run
{
    double totalMs = 0;
    double worstEventGapMs = 0;
    double worstTimerLateMs = 0;
    long rssBeforeKiB = 0;
    long rssAfterKiB = 0;
};

class EventClock : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == TQQTActionEvent::eventType()) {
            const qint64 now = clock.nsecsElapsed();
            if (last >= 0)
                worstGap = std::max(worstGap, now - last);
            last = now;
            if (++delivered == kActions)
                QTimer::singleShot(0, loop, &QEventLoop::quit);
        }
        return false;
    }
    QElapsedTimer clock;
    QEventLoop *loop = nullptr;
    qint64 last = -1;
    qint64 worstGap = 0;
    int delivered = 0;
};

Run replay()
{
    Run run;
    run.rssBeforeKiB = residentKiB();
    MemorySource source;
    TQDrawShadeView shade;
    TQDrawTemporalView temporal;
    TQDrawSketchView sketch;
    temporal.setSize(QSizeF(1000, 640));
    sketch.setSize(QSizeF(1000, 640));
    auto *manager = new TQDrawManager;
    manager->init(&source, nullptr, &shade, &temporal, &sketch, nullptr, nullptr, nullptr, nullptr, QSize(1000, 640),
                  23.0f);
    // The board starts on the strokes' material, so that none of them turns it.
    auto *select = new TQDrawingActionSelectMaterial;
    select->materialId = 501;
    select->publish = false;
    manager->queueAction(select);
    QCoreApplication::sendPostedEvents(manager, TQQTActionEvent::eventType());
    for (int i = 0; i < kActions; ++i) {
        const int stroke = i / kStrokeLength + 1;
        if (i % kStrokeLength == kStrokeLength - 1) {
            manager->queueSave(501, 0, stroke, 20002);
            continue;
        }
        const int x = 400 + (stroke * 97) % 3000;
        const int y = 400 + (stroke * 61) % 2000;
        const int step = (i % kStrokeLength) * 24;
        manager->queueDrawLine({TQPointW(x + step, y + step / 2), TQPointW(x + step + 24, y + (step + 24) / 2)}, 4000,
                               2560, 0, 0, 501, 0, TQBrushStyle(1, 101, 3, 0), false, true, stroke, 20002, 0);
    }

    QEventLoop loop;
    EventClock events;
    events.loop = &loop;
    manager->installEventFilter(&events);
    QElapsedTimer sinceTick;
    qint64 worstLate = 0;
    QTimer input;
    input.setTimerType(Qt::PreciseTimer);
    QObject::connect(&input, &QTimer::timeout, [&] {
        worstLate = std::max(worstLate, sinceTick.nsecsElapsed() - 10 * 1000000LL);
        sinceTick.restart();
    });
    events.clock.start();
    sinceTick.start();
    input.start(10);
    loop.exec();
    input.stop();
    run.totalMs = events.clock.nsecsElapsed() / 1e6;
    run.worstEventGapMs = events.worstGap / 1e6;
    run.worstTimerLateMs = std::max<qint64>(worstLate, 0) / 1e6;
    delete manager;
    run.rssAfterKiB = residentKiB();
    if (source.sent != kActions)
        std::printf("warning: %d of %d actions were sent\n", source.sent, kActions);
    return run;
}

template <class Field>
void print(const char *name, const char *unit, const std::vector<Run> &runs, Field field)
{
    std::vector<double> values;
    for (const Run &run : runs)
        values.push_back(double(field(run)));
    std::printf("%-34s %s %s\n", name, BenchFigure::of(std::move(values)).text(1.0, 2).c_str(), unit);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(silent);
    setBoardSize(1000, 640);

    std::vector<Run> runs;
    for (int i = 0; i < kRuns; ++i)
        runs.push_back(replay());

    std::printf("draw manager replay: %d actions (a save every %d), board 1000x640, %d runs, median (min-max)\n",
                kActions, kStrokeLength, kRuns);
    print("total", "ms", runs, [](const Run &r) { return r.totalMs; });
    print("per action", "us", runs, [](const Run &r) { return r.totalMs * 1000 / kActions; });
    print("worst gap between two events", "ms", runs, [](const Run &r) { return r.worstEventGapMs; });
    print("worst lateness of a 10 ms timer", "ms", runs, [](const Run &r) { return r.worstTimerLateMs; });
    print("resident before", "KiB", runs, [](const Run &r) { return r.rssBeforeKiB; });
    print("resident after", "KiB", runs, [](const Run &r) { return r.rssAfterKiB; });
    return 0;
}
