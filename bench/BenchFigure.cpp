#include "BenchFigure.h"

#include <algorithm>
#include <cstdio>

BenchFigure BenchFigure::of(std::vector<double> samples)
{
    BenchFigure figure;
    if (samples.empty())
        return figure;
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    figure.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    figure.min = samples.front();
    figure.max = samples.back();
    figure.runs = int(n);
    return figure;
}

std::string BenchFigure::text(double scale, int decimals) const
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*f (%.*f-%.*f)", decimals, median * scale, decimals, min * scale,
                  decimals, max * scale);
    return buffer;
}
