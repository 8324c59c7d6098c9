// Parameter grid benchmark: a full layout and fill of a 500-row grid member beside filling a plain item model
// of the same size.
#include "ratioreport.h"

#include "panel/parametergrid.h"
#include "widgets/cgridctrl.h"

#include "model/testmode.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardItemModel>

#include <cstdio>
#include <exception>

namespace {

using namespace trellon;

constexpr double ratioGoal = 2.0;
constexpr int rows = parameterGridRows;
constexpr int columns = 5;

// A grid member whose X and Y runs fill every row of the grid.
MemberRecord fullGridMember()
{
    MemberRecord member;
    member.number = "3001";
    std::vector<std::int32_t> samples{runMarker, 4};
    const int bars = rows - gridFirstBarRow;
    for (int run = 0; run < 2; ++run) {
        for (int j = 0; j < bars; ++j)
            samples.insert(samples.end(), {20 + j % 40, (j * 130) / 256 % 256, (j * 130) % 256});
        if (run == 0)
            samples.insert(samples.end(), {separatorValue, separatorValue, separatorValue});
    }
    member.replaceSamples(std::move(samples));
    return member;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!bench::initializeBenchmarks(argc, argv))
        return 2;
    try {
        QApplication application(argc, argv);
        CGridCtrl grid;
        grid.resize(260, 600);
        grid.setEditable(true);
        grid.show();
        MemberRecord member = fullGridMember();

        benchmark::RegisterBenchmark("gridLayoutAndFill",
                                     [&](benchmark::State& state) {
                                         for (auto _ : state) {
                                             grid.setRedraw(false);
                                             fillGridGrid(grid, member);
                                             grid.setRedraw(true);
                                             benchmark::DoNotOptimize(grid.itemText(rows - 1, columns - 1));
                                         }
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);

        QStandardItemModel plain;
        benchmark::RegisterBenchmark("plainItemModelFill",
                                     [&](benchmark::State& state) {
                                         for (auto _ : state) {
                                             plain.clear();
                                             plain.setRowCount(rows);
                                             plain.setColumnCount(columns);
                                             for (int r = 0; r < rows; ++r) {
                                                 for (int c = 0; c < columns; ++c)
                                                     plain.setItem(r, c, new QStandardItem(QString::number(r + c)));
                                             }
                                             benchmark::DoNotOptimize(plain.item(rows - 1, columns - 1));
                                         }
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);

        const bench::RatioRow table[] = {{"parameter grid layout and fill, 500 rows / plain item model fill",
                                          "gridLayoutAndFill", "plainItemModelFill"}};
        return bench::runWithRatioTable(table, ratioGoal);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trellon-gridctrl-bench: %s\n", e.what());
        return 1;
    }
}
