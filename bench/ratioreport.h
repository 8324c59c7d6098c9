// The ratio table of a benchmark run: each operation's real time beside its baseline measured in the same run.
#pragma once

#include <span>
#include <string>

namespace trellon::bench {

struct RatioRow {
    std::string operation; // label of the table row
    std::string benchmark; // name the operation's benchmark was registered under
    std::string baseline;  // name of its baseline's benchmark
};

// benchmark::Initialize with the defaults of a short run: three repetitions of at least 0.2 s each. Flags on the
// command line take precedence. False when an argument is not understood.
bool initializeBenchmarks(int argc, char** argv);

// Runs the selected benchmarks, printing each repetition, then prints "operation  time  baseline  ratio" for
// every row whose two benchmarks ran, from the best repetition of each; ratios above goal are marked.
// Returns the process exit status.
int runWithRatioTable(std::span<const RatioRow> rows, double goal);

} // namespace trellon::bench
