#pragma once
// Timing for the benchmarks that run under Wine: lines of work measured in batches that take
// turns, each line keeping its best batch (Win32).

#include <algorithm>
#include <functional>

#include "platform/Win.h"

namespace pelmar::bench {

struct Line {
    const char* what;
    std::function<void()> body;
    long long calls = 1;   // per batch: enough for about 20 ms
    double best = 1e30;    // seconds per call, the best batch
};

inline double Seconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
}

inline double RunBatch(Line& line) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (long long i = 0; i < line.calls; ++i) line.body();
    GdiFlush();
    QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

// The machine is shared: batches of every line take turns, round after round, and each
// line keeps its best batch, so a busy moment slows one batch rather than one line.
inline void Measure(std::vector<Line>& lines) {
    for (Line& line : lines)
        while (RunBatch(line) < 0.02) line.calls *= 2;
    for (int round = 0; round < 15; ++round)
        for (Line& line : lines) line.best = std::min(line.best, RunBatch(line) / line.calls);
}

}  // namespace pelmar::bench
