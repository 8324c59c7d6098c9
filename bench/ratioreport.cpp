// Collects the best real time per iteration of every benchmark as it is reported, then prints the ratio table.
#include "ratioreport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace trellon::bench {
namespace {

// The machine is shared, so the fastest repetition is the one least disturbed; aggregates are not printed.
class BestTimeReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        std::vector<Run> repetitions;
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            repetitions.push_back(run);
            if (run.error_occurred || run.iterations <= 0)
                continue;
            const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
            const auto [best, added] = seconds_.emplace(run.run_name.function_name, seconds);
            if (!added)
                best->second = std::min(best->second, seconds);
        }
        ConsoleReporter::ReportRuns(repetitions);
    }

    const double* seconds(const std::string& name) const
    {
        const auto found = seconds_.find(name);
        return found == seconds_.end() ? nullptr : &found->second;
    }

private:
    std::map<std::string, double> seconds_;
};

std::string formatTime(double seconds)
{
    char text[32];
    if (seconds >= 1e-3)
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    else if (seconds >= 1e-6)
        std::snprintf(text, sizeof text, "%.1f us", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.0f ns", seconds * 1e9);
    return text;
}

} // namespace

bool initializeBenchmarks(int argc, char** argv)
{
    static char minTime[] = "--benchmark_min_time=0.2";
    static char repetitions[] = "--benchmark_repetitions=3";
    std::vector<char*> args{argv[0], minTime, repetitions};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    return !benchmark::ReportUnrecognizedArguments(count, args.data());
}

int runWithRatioTable(std::span<const RatioRow> rows, double goal)
{
    BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::size_t width = 9;
    for (const RatioRow& row : rows)
        width = std::max(width, row.operation.size());
    const int w = static_cast<int>(width);
    std::printf("\nbest repetition of each, real time\n%-*s  %10s  %10s  %7s\n", w, "operation", "time", "baseline",
                "ratio");
    for (const RatioRow& row : rows) {
        const double* time = reporter.seconds(row.benchmark);
        const double* baseline = reporter.seconds(row.baseline);
        if (time == nullptr || baseline == nullptr || *baseline <= 0.0)
            continue;
        const double ratio = *time / *baseline;
        std::printf("%-*s  %10s  %10s  %6.1fx%s\n", w, row.operation.c_str(), formatTime(*time).c_str(),
                    formatTime(*baseline).c_str(), ratio, ratio > goal ? "  over the goal" : "");
    }
    std::printf("goal: each operation within %.0fx of its baseline\n", goal);
    return 0;
}

} // namespace trellon::bench
