// The ratio table of a benchmark run: each operation's real time beside its baseline measured in the same run.
#pragma once

#include <span>
#include <string>

namespace trellon::bench {

// Real time, or the CPU time of the thread that runs the benchmark (the UI thread's share of an operation).
enum class Clock { real, cpu };

struct RatioRow {
    std::string operation; // label of the table row
    std::string benchmark; // name the operation's benchmark was registered under
    std::string baseline;  // name of its baseline's benchmark
    double goal = 0.0;     // the row's own goal; 0 takes the table's
    Clock clock = Clock::real;
};

// benchmark::Initialize with the defaults of a short run: three repetitions of at least 0.2 s each. Flags on the
// command line take precedence. False when an argument is not understood.
bool initializeBenchmarks(int argc, char** argv);

// Runs the selected benchmarks, printing each repetition, then prints "operation  time  baseline  ratio" for
// every row whose two benchmarks ran, from the best repetition of each on the row's clock; ratios above the
// row's goal, else `goal`, are marked.
// Returns the process exit status.
int runWithRatioTable(std::span<const RatioRow> rows, double goal);

} // namespace trellon::bench
