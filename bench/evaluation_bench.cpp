// Acceptance evaluation of the largest project, every member ticked and every other one in the second sample,
// beside recomputeStatistics of the same project.
#include "largestproject.h"
#include "ratioreport.h"

#include "evaluation/acceptanceevaluation.h"
#include "evaluation/statistics.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <exception>

namespace {

using namespace trellon;

// Both make one pass over the readings; the evaluation also keeps the values and pools them per sample.
constexpr double ratioGoal = 3.0;

Project evaluatedProject()
{
    Project project = bench::largestEditedProject();
    project.extension.members.resize(project.members.size());
    for (std::size_t i = 1; i < project.members.size(); i += 2)
        project.extension.members[i].secondSample = true;
    return project;
}

} // namespace

int main(int argc, char** argv)
{
    if (!bench::initializeBenchmarks(argc, argv))
        return 2;
    try {
        const Project project = evaluatedProject();
        std::printf("project: %d members, %zu readings, every other one in the second sample\n", project.memberCount(),
                    bench::largestSampleArea);
        benchmark::RegisterBenchmark("recomputeStatistics", [&project](benchmark::State& state) {
            Project copy = project;
            for (auto _ : state) {
                recomputeStatistics(copy);
                benchmark::ClobberMemory();
            }
        })->UseRealTime();
        benchmark::RegisterBenchmark("evaluateAcceptance", [&project](benchmark::State& state) {
            for (auto _ : state) {
                AcceptanceEvaluation evaluation = evaluateAcceptance(project);
                benchmark::DoNotOptimize(evaluation.members.data());
            }
            if (evaluateAcceptance(project).members.size() != project.members.size())
                state.SkipWithError("not every member was evaluated");
        })->UseRealTime();
        const bench::RatioRow rows[] = {
            {"evaluateAcceptance / recomputeStatistics", "evaluateAcceptance", "recomputeStatistics"},
        };
        return bench::runWithRatioTable(rows, ratioGoal);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trellon-evaluation-bench: %s\n", e.what());
        return 1;
    }
}
