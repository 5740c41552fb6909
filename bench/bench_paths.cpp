// Cost of a stroke that grows piece by piece, as the draw manager builds it:
// every piece makes a new path from all the samples so far (two new samples
// a piece). Prints the time per feed near the start and at the end of the
// stroke, and their ratio: linear cost per feed shows as a ratio near the
// length ratio of the two windows, a quadratic one as its square. Times are
// the thread's CPU time, so that other work on the machine weighs less.
#include "modules/live/draws/TQBoardSize.h"
#include "modules/live/draws/TQPathLine.h"
#include "modules/live/draws/TQPathLineChalkContent.h"
#include "modules/live/draws/TQPathLinePenContent.h"

#include "BenchFigure.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kPiece = 2;
constexpr int kWindow = 20;
constexpr int kRuns = 7;

std::vector<TQPointWF> stroke(int count)
{
    std::vector<TQPointWF> samples;
    for (int i = 0; i < count; ++i) {
        const float t = i * 0.05f;
        samples.emplace_back(100 + 300 * std::cos(t) + i * 0.2f, 300 + 200 * std::sin(1.7f * t), 0, 1000 + 12 * i,
                             float(i % 7), 0, i == 0 ? 0 : 1);
    }
    return samples;
}

double cpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

struct Figures
{
    double start;
    double end;
};

// One stroke fed piece by piece; medians of the per-feed times (µs) of an
// early window (from 20 samples on) and of the last window.
Figures run(int count, const std::function<TQPath *()> &make)
{
    const std::vector<TQPointWF> samples = stroke(count);
    std::vector<double> times;
    volatile int sink = 0;
    for (int length = kPiece; length <= count; length += kPiece) {
        const std::vector<TQPointWF> sofar(samples.begin(), samples.begin() + length);
        const double start = cpuMicroseconds();
        std::unique_ptr<TQPath> path(make());
        path->setPoints(sofar);
        sink = sink + path->elementCount();
        times.push_back(cpuMicroseconds() - start);
    }
    const int first = 20 / kPiece;
    return {BenchFigure::of({times.begin() + first, times.begin() + first + kWindow}).median,
            BenchFigure::of({times.end() - kWindow, times.end()}).median};
}

void report(const char *name, int count, const std::function<TQPath *()> &make)
{
    std::vector<double> starts, ends, ratios;
    for (int r = 0; r < kRuns; ++r) {
        const Figures f = run(count, make);
        starts.push_back(f.start);
        ends.push_back(f.end);
        ratios.push_back(f.end / f.start);
    }
    std::printf("%-28s %5d samples: start %20s us  end %28s us  end/start %20s  (length ratio %.0f)\n", name, count,
                BenchFigure::of(starts).text().c_str(), BenchFigure::of(ends).text().c_str(),
                BenchFigure::of(ratios).text().c_str(), double(count) / (20 + kWindow * kPiece / 2));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    setBoardSize(1000, 640);

    std::printf("Per feed, a new path from all samples so far, %d new samples a feed; median (min-max) of %d runs\n",
                kPiece, kRuns);
    report("pen line (smoothed)", 2000, [] {
        return new TQPathLine(TQBrushStyle(1, 101, 82, 0), 1, 0, 0, 0, false, 0, 0, 0);
    });
    for (int count : {300, 1000}) {
        report("fountain pen outline", count, [] { return new TQPathLinePenContent(TQBrushStyle(2, 101, 3, 0), 1); });
        report("chalk outline (two layers)", count,
               [] { return new TQPathLineChalkContent(TQBrushStyle(5, 102, 41, 0), 1); });
    }
    return 0;
}
