// Document benchmarks on the largest project: typed edits with their undo and redo beside recomputing the
// statistics of the whole project, which every edit did before the document recomputed only what it touched.
#include "largestproject.h"
#include "ratioreport.h"

#include "document/projectdocument.h"
#include "evaluation/statistics.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <cstdio>
#include <exception>
#include <numeric>

namespace {

using namespace trellon;

// The goal of the all-member edits; a one-reading edit aims at 1/20 of the baseline.
constexpr double ratioGoal = 2.0;

std::unique_ptr<Project> largestProject()
{
    auto project = std::make_unique<Project>(bench::largestEditedProject());
    recomputeStatistics(*project);
    return project;
}

std::vector<bench::RatioRow> registerDocumentBenchmarks(ProjectDocument& document, const std::vector<int>& all)
{
    benchmark::RegisterBenchmark("recomputeStatistics", [](benchmark::State& state) {
        const std::unique_ptr<Project> project = largestProject();
        for (auto _ : state) {
            recomputeStatistics(*project);
            benchmark::ClobberMemory();
        }
    })->UseRealTime();
    const int singlePoint = memberIndexInMode(document.project()->members, TestMode::singlePoint, 0);
    // Each round leaves the history as it found it: the undone step is dropped by the next one.
    benchmark::RegisterBenchmark("setReadingUndoRedo", [&document, singlePoint](benchmark::State& state) {
        std::int32_t value = 0;
        for (auto _ : state) {
            document.setReading(singlePoint, 7, 10 + value++ % 100);
            document.undo();
            document.redo();
            document.undo();
        }
    })->UseRealTime();
    // The all-member edits are timed apart from their undo; each undo leaves the history as it was.
    const auto designCoverOfAll = [&document, all](std::int32_t cover) {
        document.setProjectInformation(all.front(), document.member(all.front())->name, all, {cover, 8, -5});
    };
    benchmark::RegisterBenchmark("setDesignCoverOfAll", [&document, designCoverOfAll](benchmark::State& state) {
        std::int32_t cover = 0;
        for (auto _ : state) {
            designCoverOfAll(20 + cover++ % 20);
            state.PauseTiming();
            document.undo();
            state.ResumeTiming();
        }
    })->UseRealTime();
    benchmark::RegisterBenchmark("undoDesignCoverOfAll", [&document, designCoverOfAll](benchmark::State& state) {
        std::int32_t cover = 0;
        for (auto _ : state) {
            state.PauseTiming();
            designCoverOfAll(20 + cover++ % 20);
            state.ResumeTiming();
            document.undo();
        }
    })->UseRealTime();
    benchmark::RegisterBenchmark("untickAll", [&document, all](benchmark::State& state) {
        for (auto _ : state) {
            document.setChecked(all, false);
            state.PauseTiming();
            document.undo();
            state.ResumeTiming();
        }
    })->UseRealTime();
    benchmark::RegisterBenchmark("undoUntickAll", [&document, all](benchmark::State& state) {
        for (auto _ : state) {
            state.PauseTiming();
            document.setChecked(all, false);
            state.ResumeTiming();
            document.undo();
        }
    })->UseRealTime();
    return {
        {"set one reading, undo, redo, undo / full recompute", "setReadingUndoRedo", "recomputeStatistics"},
        {"design cover of all members / full recompute", "setDesignCoverOfAll", "recomputeStatistics"},
        {"  its undo / full recompute", "undoDesignCoverOfAll", "recomputeStatistics"},
        {"untick all members / full recompute", "untickAll", "recomputeStatistics"},
        {"  its undo / full recompute", "undoUntickAll", "recomputeStatistics"},
    };
}

} // namespace

int main(int argc, char** argv)
{
    if (!bench::initializeBenchmarks(argc, argv))
        return 2;
    try {
        QCoreApplication application(argc, argv);
        ProjectDocument document;
        document.replaceProject(largestProject());
        std::vector<int> all(static_cast<std::size_t>(document.memberCount()));
        std::iota(all.begin(), all.end(), 0);
        const auto rows = registerDocumentBenchmarks(document, all);
        return bench::runWithRatioTable(rows, ratioGoal);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trellon-document-bench: %s\n", e.what());
        return 1;
    }
}
