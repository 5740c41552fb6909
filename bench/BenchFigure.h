#pragma once

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

// A figure measured over repeated runs: its median and its spread (min-max).
// Benchmarks print these instead of a single run, so that two programs or two
// machines can be compared honestly.
class BenchFigure
{
public:
    static BenchFigure of(std::vector<double> samples);

    // "median (min-max)" with every value multiplied by scale.
    std::string text(double scale = 1.0, int decimals = 1) const;

    double median = 0;
    double min = 0;
    double max = 0;
    int runs = 0;
};

// A subject timed against its reference in the same rounds; ratio is
// subject / reference per round.
struct BenchComparison
{
    BenchFigure reference;
    BenchFigure subject;
    BenchFigure ratio;
};

namespace bench {

constexpr int kRuns = 21;

template <class Work>
double secondsOf(int calls, Work &work)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// How many calls make a run of about targetSeconds (at least one).
template <class Work>
int callsPerRun(Work &work, double targetSeconds = 0.05)
{
    int calls = 1;
    for (;;) {
        const double seconds = secondsOf(calls, work);
        if (seconds >= targetSeconds / 4 || calls >= (1 << 28))
            return std::max(1, int(calls * targetSeconds / std::max(seconds, 1e-9)));
        calls *= 4;
    }
}

// Seconds per call of work over kRuns runs.
template <class Work>
BenchFigure perCall(Work work, int runs = kRuns)
{
    const int calls = callsPerRun(work);
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run)
        samples.push_back(secondsOf(calls, work) / calls);
    return BenchFigure::of(std::move(samples));
}

// Seconds per call of the reference and the subject, the two taking turns to
// go first in each round so that neither always finds the caches warm.
template <class Reference, class Subject>
BenchComparison compare(Reference reference, Subject subject, int runs = kRuns)
{
    const int referenceCalls = callsPerRun(reference);
    const int subjectCalls = callsPerRun(subject);
    std::vector<double> references, subjects, ratios;
    for (int run = 0; run < runs; ++run) {
        double r = 0;
        double s = 0;
        if (run % 2 == 0) {
            r = secondsOf(referenceCalls, reference) / referenceCalls;
            s = secondsOf(subjectCalls, subject) / subjectCalls;
        } else {
            s = secondsOf(subjectCalls, subject) / subjectCalls;
            r = secondsOf(referenceCalls, reference) / referenceCalls;
        }
        references.push_back(r);
        subjects.push_back(s);
        ratios.push_back(s / r);
    }
    return {BenchFigure::of(std::move(references)), BenchFigure::of(std::move(subjects)),
            BenchFigure::of(std::move(ratios))};
}

} // namespace bench
