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
            const auto iterations = static_cast<double>(run.iterations);
            keepBest(real_, run.run_name.function_name, run.real_accumulated_time / iterations);
            keepBest(cpu_, run.run_name.function_name, run.cpu_accumulated_time / iterations);
        }
        ConsoleReporter::ReportRuns(repetitions);
    }

    const double* seconds(const std::string& name, Clock clock) const
    {
        const std::map<std::string, double>& times = clock == Clock::real ? real_ : cpu_;
        const auto found = times.find(name);
        return found == times.end() ? nullptr : &found->second;
    }

private:
    static void keepBest(std::map<std::string, double>& times, const std::string& name, double seconds)
    {
        const auto [best, added] = times.emplace(name, seconds);
        if (!added)
            best->second = std::min(best->second, seconds);
    }

    std::map<std::string, double> real_;
    std::map<std::string, double> cpu_;
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
        const double* time = reporter.seconds(row.benchmark, row.clock);
        const double* baseline = reporter.seconds(row.baseline, row.clock);
        if (time == nullptr || baseline == nullptr || *baseline <= 0.0)
            continue;
        const double ratio = *time / *baseline;
        const double rowGoal = row.goal > 0.0 ? row.goal : goal;
        char ownGoal[48] = "";
        if (row.goal > 0.0)
            std::snprintf(ownGoal, sizeof ownGoal, "  (goal %.1fx)", row.goal);
        std::printf("%-*s  %10s  %10s  %6.2fx%s%s%s\n", w, row.operation.c_str(), formatTime(*time).c_str(),
                    formatTime(*baseline).c_str(), ratio, row.clock == Clock::cpu ? "  UI-thread CPU" : "", ownGoal,
                    ratio > rowGoal ? "  over the goal" : "");
    }
    std::printf("goal: each operation within %.0fx of its baseline unless its row says otherwise\n", goal);
    return 0;
}

} // namespace trellon::bench
