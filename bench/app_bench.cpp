// Main window benchmark on the largest project: choosing another member in each mode and showing an edited
// reading, each with the repaint it causes, beside one repaint of the whole window.
#include "largestproject.h"
#include "ratioreport.h"

#include "app/cmainframe.h"
#include "document/projectdocument.h"
#include "evaluation/statistics.h"
#include "panel/controlpanel.h"
#include "widgets/cdatalistview.h"
#include "widgets/userprompts.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>

namespace {

using namespace trellon;

// One frame at 60 Hz is about 16 ms; a repaint of the window takes a fraction of it.
constexpr double ratioGoal = 5.0;

// No question is asked during the benchmark.
class SilentPrompts final : public UserPrompts {
public:
    QString chooseFileToOpen(QWidget*, const QString&) override { return {}; }
    QString chooseFileToSave(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    void showMessage(QWidget*, const QString&, QMessageBox::Icon, const QString&, const QString&) override {}
    QMessageBox::StandardButton ask(QWidget*, const QString&, QMessageBox::StandardButtons, QMessageBox::Icon) override
    {
        return QMessageBox::No;
    }
    int choose(QWidget*, const QString&, const QStringList&, int escapeAnswer) override { return escapeAnswer; }
};

void registerMemberSwitch(const char* name, CMainFrame& frame, TestMode mode)
{
    benchmark::RegisterBenchmark(name,
                                 [&frame, mode](benchmark::State& state) {
                                     frame.controlPanel().chooseMode(mode);
                                     QListWidget& list = frame.controlPanel().memberList();
                                     int line = 0;
                                     for (auto _ : state) {
                                         line = line == 0 ? 1 : 0;
                                         list.setCurrentRow(line);
                                         QApplication::processEvents();
                                     }
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
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
        QTemporaryDir folder;
        QSettings settings(folder.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat);
        SilentPrompts prompts;
        CMainFrame frame(prompts, settings, folder.filePath(QStringLiteral("recovery")));
        frame.resize(1280, 800);
        frame.show();
        auto project = std::make_unique<Project>(bench::largestEditedProject());
        recomputeStatistics(*project);
        frame.document().replaceProject(std::move(project));
        QApplication::processEvents();

        benchmark::RegisterBenchmark("repaintWindow",
                                     [&frame](benchmark::State& state) {
                                         for (auto _ : state)
                                             frame.repaint();
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        registerMemberSwitch("switchSinglePointMember", frame, TestMode::singlePoint);
        registerMemberSwitch("switchSectionMember", frame, TestMode::section);
        registerMemberSwitch("switchGridMember", frame, TestMode::grid);
        benchmark::RegisterBenchmark("refreshAfterReadingEdit",
                                     [&frame](benchmark::State& state) {
                                         frame.controlPanel().chooseMode(TestMode::singlePoint);
                                         CDataListView& list = *frame.listView();
                                         int value = 0;
                                         for (auto _ : state) {
                                             list.commitCellEdit(0, CDataListView::coverColumn,
                                                                 QString::number(20 + value++ % 20));
                                             QApplication::processEvents();
                                         }
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);

        const bench::RatioRow table[] = {
            {"choose another single-point member / window repaint", "switchSinglePointMember", "repaintWindow"},
            {"choose another section member / window repaint", "switchSectionMember", "repaintWindow"},
            {"choose another grid member / window repaint", "switchGridMember", "repaintWindow"},
            {"refresh after a reading edit / window repaint", "refreshAfterReadingEdit", "repaintWindow"},
        };
        return bench::runWithRatioTable(table, ratioGoal);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trellon-app-bench: %s\n", e.what());
        return 1;
    }
}
