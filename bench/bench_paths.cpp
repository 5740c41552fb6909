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

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
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

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    return {median({times.begin() + first, times.begin() + first + kWindow}), median({times.end() - kWindow, times.end()})};
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
    auto span = [](const std::vector<double> &v) {
        return std::make_pair(*std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()));
    };
    const auto s = span(starts), e = span(ends), q = span(ratios);
    std::printf("%-28s %5d samples: start %8.1f us [%.1f-%.1f]  end %9.1f us [%.1f-%.1f]  end/start %7.1f [%.1f-%.1f]"
                "  (length ratio %.0f)\n",
                name, count, median(starts), s.first, s.second, median(ends), e.first, e.second, median(ratios),
                q.first, q.second, double(count) / (20 + kWindow * kPiece / 2));
}

} // namespace

// The data folder is fixed when the library loads: the measuring run is a
// child whose home and data folders are a temporary folder.
int runInTemporaryHome(const QCoreApplication &app)
{
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("VELTRO_BENCH_HOME"), home.path());
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    child.start(app.applicationFilePath(), app.arguments().mid(1));
    child.waitForFinished(-1);
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : 1;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (!qEnvironmentVariableIsSet("VELTRO_BENCH_HOME"))
        return runInTemporaryHome(app);
    setBoardSize(1000, 640);

    std::printf("Per feed, a new path from all samples so far, %d new samples a feed; median of %d runs [min-max]\n",
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
