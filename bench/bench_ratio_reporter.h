#pragma once
// A console reporter that also keeps each benchmark's time per iteration, so that a
// benchmark program can print the ratios between its runs at the end of the same run.
// A benchmark repeated (->Repetitions) counts with the median of its repetitions, which
// a busy machine disturbs less than their mean.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace pelmar::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Wall-clock time by default; processor time suits a benchmark that only computes
    // when other programs share the processors.
    enum class Time { Real, Cpu };
    explicit RatioReporter(Time time = Time::Real) : benchmark::ConsoleReporter(OO_Tabular), time_(time) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds_[run.benchmark_name()].push_back(
                    (time_ == Time::Real ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime()) *
                    unitSeconds(run.time_unit));
        ConsoleReporter::ReportRuns(runs);
    }

    // Seconds per iteration of the benchmark whose name starts with `prefix` (its
    // arguments included, such as "BM_Copy/2000/"), 0 when it did not run.
    double Seconds(const std::string& prefix) const {
        auto found = seconds_.lower_bound(prefix);
        return found == seconds_.end() || !found->first.starts_with(prefix) ? 0.0 : median(found->second);
    }

private:
    static double median(std::vector<double> values) {
        std::sort(values.begin(), values.end());
        std::size_t middle = values.size() / 2;
        return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    }

    static double unitSeconds(benchmark::TimeUnit unit) {
        switch (unit) {
        case benchmark::kNanosecond: return 1e-9;
        case benchmark::kMicrosecond: return 1e-6;
        case benchmark::kMillisecond: return 1e-3;
        default: return 1.0;
        }
    }

    Time time_;
    std::map<std::string, std::vector<double>> seconds_;
};

// Runs the registered benchmarks and gives the reporter back for the ratios.
inline void RunAll(int argc, char** argv, RatioReporter& reporter) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}

}  // namespace pelmar::bench
