// The real-time manager's drawing send on the settable clock, against
// counting engines:
// 1. a pen writing at 200 Hz for 10 s: envelopes per second, characters per
//    envelope, the media resend list and the backlog of pending actions;
// 2. a 20,000-action history served to one late joiner: the (simulated) time
//    until the last chunk left against the pacing floor, chunks needed x
//    30 ms / 2, and the ratio of the two.
// The simulation is exact to the millisecond; what varies between runs is
// the processor time it takes, printed as median (min-max) of five runs.
// The log fixes its folder while the program loads: run it with HOME and the
// XDG folders pointing at a temporary home, never the user's own.
#include "actions/drawing/TQDrawingActionLine.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/communications/TQRealTimeManager.h"
#include "utils/TimeUtils.h"

#include "RecordingRealTimeEngines.h"
#include "TQRealTimeManagerProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using Probe = TQRealTimeManagerProbe;

namespace {

constexpr qint64 kStart = 1700000000000;

void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

// A pen piece of 2 points; a stroke lasts 100 pieces (half a second).
TQDrawingActionLine *penPiece(int i)
{
    auto *line = new TQDrawingActionLine;
    line->strokeId = 1000 + i / 100;
    line->canvasWidth = 4000;
    line->canvasHeight = 2560;
    for (int p = 0; p < 2; ++p)
        line->points.emplace_back(400 + (i % 100) * 8 + p * 4, 900 + (i % 37) * 3 + p, 0);
    return line;
}

// Drives the manager's three timers on the settable clock, one millisecond
// at a time: the drawing timer fires 30 ms after it was (re)started, the
// resend timer when its first copy is due.
class Simulation
{
public:
    explicit Simulation(TQRealTimeManager *manager) : m_manager(manager) {}

    qint64 now() const { return m_now; }
    void setNow(qint64 ms)
    {
        m_now = ms;
        setTestClockMillis(ms);
    }
    // Runs what is due at the current millisecond.
    void runDue()
    {
        if (m_nextDrawingTick && m_now >= m_nextDrawingTick) {
            m_manager->runnableSendDrawingTask();
            m_nextDrawingTick = 0;
        }
        noteDrawingTimer();
        while (Probe::resendTimerActive(*m_manager) && Probe::nextResendDueMs(*m_manager) <= m_now)
            Probe::fireResendTimer(*m_manager);
    }
    // After a call that may have restarted the drawing timer.
    void drawingTimerRestarted() { m_nextDrawingTick = 0; noteDrawingTimer(); }

private:
    void noteDrawingTimer()
    {
        if (!m_nextDrawingTick && Probe::drawingTimerActive(*m_manager))
            m_nextDrawingTick = m_now + 30;
    }

    TQRealTimeManager *m_manager;
    qint64 m_now = 0;
    qint64 m_nextDrawingTick = 0;
};

// One class on counting engines, its course the current one while it lives.
struct CountedClass
{
    CountedClass()
    {
        journal.countOnly = true;
        TQDataModelBean::m_pOngoingCourse = &course;
        manager = std::make_unique<TQRealTimeManager>(std::make_unique<RecordingEngineFactory>(&journal));
        manager->init(0, 1, 4);
    }
    ~CountedClass()
    {
        manager.reset();
        TQDataModelBean::m_pOngoingCourse = nullptr;
    }

    RealTimeJournal journal;
    CourseDetailBean course{QJsonObject()};
    std::unique_ptr<TQRealTimeManager> manager;
};

struct PenFigures
{
    double envelopesPerSecond = 0;
    double charsPerEnvelope = 0;
    int maxResendList = 0;
    int maxBacklog = 0;
    int endBacklog = 0;
    long mediaCopies = 0;
    double cpuMs = 0;
};

PenFigures penRun()
{
    CountedClass live;
    TQRealTimeManager *manager = live.manager.get();
    const RealTimeJournal &journal = live.journal;
    Simulation sim(manager);

    PenFigures f;
    QElapsedTimer cpu;
    cpu.start();
    const qint64 durationMs = 10000;
    int piece = 0;
    for (qint64 t = 0; t <= durationMs; ++t) {
        sim.setNow(kStart + t);
        if (t % 5 == 0 && t < durationMs) {
            const bool idle = Probe::drawingSideIdle(*manager);
            manager->addDrawingAction(penPiece(piece++));
            if (idle)
                sim.drawingTimerRestarted();
        }
        sim.runDue();
        f.maxResendList = std::max(f.maxResendList, Probe::resendListSize(*manager));
        f.maxBacklog = std::max(f.maxBacklog, Probe::pendingDrawing(*manager));
    }
    f.cpuMs = cpu.nsecsElapsed() / 1e6;
    f.endBacklog = Probe::pendingDrawing(*manager);
    f.envelopesPerSecond = journal.channelCount / (durationMs / 1000.0);
    f.charsPerEnvelope = journal.channelCount ? double(journal.channelBytes) / journal.channelCount : 0;
    f.mediaCopies = journal.mediaCount;
    return f;
}

struct LateFigures
{
    long chunks = 0;
    qint64 lastChunkMs = 0;
    double floorMs = 0;
    double cpuMs = 0;
};

LateFigures lateJoinerRun()
{
    CountedClass live;
    TQRealTimeManager *manager = live.manager.get();
    const RealTimeJournal &journal = live.journal;
    const int total = 20000;
    for (int i = 0; i < total; ++i) {
        TQDrawingActionLine *line = penPiece(i);
        line->drawingIndex = i;
        live.course.addDrawingAction(line, -1);
    }
    Simulation sim(manager);

    LateFigures f;
    QElapsedTimer cpu;
    cpu.start();
    sim.setNow(kStart);
    manager->registerUserIDForBulkSending({20001, 0, total - 1, 0, true});
    sim.drawingTimerRestarted();
    long seen = journal.channelCount;
    qint64 t = 0;
    while (!Probe::drawingSideIdle(*manager) && t < 3600 * 1000) {
        sim.setNow(kStart + ++t);
        sim.runDue();
        if (journal.channelCount != seen) {
            seen = journal.channelCount;
            f.lastChunkMs = t;
        }
    }
    f.cpuMs = cpu.nsecsElapsed() / 1e6;
    f.chunks = journal.channelCount;
    f.floorMs = f.chunks * 30.0 / 2.0;
    return f;
}

// "median (min-max)" of the values.
void printSpread(const char *label, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::printf("%s: %.2f ms (%.2f-%.2f)\n", label, values[values.size() / 2], values.front(), values.back());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(silent);
    const int runs = 5;

    std::vector<double> penCpu;
    PenFigures pen;
    for (int i = 0; i < runs; ++i) {
        pen = penRun();
        penCpu.push_back(pen.cpuMs);
    }
    std::printf("pen at 200 Hz for 10 s (2000 pieces), drawing send every 30 ms\n");
    std::printf("  envelopes per second: %.1f (one per 30 ms tick would be %.1f)\n", pen.envelopesPerSecond,
                1000.0 / 30.0);
    std::printf("  characters per envelope: %.0f\n", pen.charsPerEnvelope);
    std::printf("  media copies sent: %ld, resend list at most %d entries\n", pen.mediaCopies, pen.maxResendList);
    std::printf("  backlog: at most %d pending actions, %d at the end\n", pen.maxBacklog, pen.endBacklog);
    printSpread("  processor time for the 10 s", penCpu);

    std::vector<double> lateCpu;
    LateFigures late;
    for (int i = 0; i < runs; ++i) {
        late = lateJoinerRun();
        lateCpu.push_back(late.cpuMs);
    }
    std::printf("late joiner served a 20,000-action history\n");
    std::printf("  chunks: %ld, last chunk after %lld ms, floor %.0f ms (chunks x 30 ms / 2), ratio %.3f\n",
                late.chunks, static_cast<long long>(late.lastChunkMs), late.floorMs,
                late.floorMs > 0 ? late.lastChunkMs / late.floorMs : 0.0);
    printSpread("  processor time for the whole history", lateCpu);
    setTestClockMillis(0);
    return 0;
}
