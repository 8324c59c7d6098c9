// Main window benchmark on the largest project: choosing another member in each mode and showing an edited
// reading, each with the repaint it causes, beside one repaint of the whole window. With the evaluation window:
// opening it until its first page is painted, and the UI thread's share of an edit or a points-per-bar change
// until the window shows the new figures.
#include "largestproject.h"
#include "ratioreport.h"

#include "app/cmainframe.h"
#include "app/evaluationwindow.h"
#include "document/projectdocument.h"
#include "evaluation/statistics.h"
#include "panel/controlpanel.h"
#include "widgets/cdatalistview.h"
#include "widgets/userprompts.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>
#include <functional>
#include <memory>

namespace {

using namespace trellon;

// One frame at 60 Hz is about 16 ms; a repaint of the window takes a fraction of it.
constexpr double ratioGoal = 5.0;
// Opening the evaluation window evaluates the project and lays its report out before the first page shows.
constexpr double openEvaluationGoal = 20.0;

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

// Runs the event loop, idle while nothing happens, until the evaluation window shows the project as it is.
void waitUntilCurrent(const EvaluationWindow& window)
{
    while (window.isStale())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// An edit made with the evaluation window open, timed until the window shows its figures. Its steps are counted
// over every run of the benchmark, so that no step repeats the one before and changes nothing.
void registerEditWithEvaluation(const char* name, CMainFrame& frame, const std::function<void()>& prepare,
                                const std::function<void(int)>& edit)
{
    benchmark::RegisterBenchmark(name, [&frame, prepare, edit,
                                        steps = std::make_shared<int>(0)](benchmark::State& state) {
        prepare();
        frame.evaluation().showWindow();
        EvaluationWindow& window = *frame.evaluation().evaluationWindow();
        waitUntilCurrent(window);
        int& step = *steps;
        for (auto _ : state) {
            edit(step++);
            waitUntilCurrent(window);
            window.repaint();
        }
        window.hide();
    })->Unit(benchmark::kMillisecond);
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
        auto project = std::make_unique<Project>(bench::largestMixedProject());
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
                                         CDataListView& list = *frame.childWindows().listView();
                                         int value = 0;
                                         for (auto _ : state) {
                                             list.commitCellEdit(0, CDataListView::coverColumn,
                                                                 QString::number(20 + value++ % 20));
                                             QApplication::processEvents();
                                         }
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);

        benchmark::RegisterBenchmark("openEvaluationWindow",
                                     [&frame](benchmark::State& state) {
                                         for (auto _ : state) {
                                             EvaluationWindow window(frame.document(), &frame);
                                             window.show();
                                             waitUntilCurrent(window);
                                             window.repaint();
                                         }
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        registerEditWithEvaluation(
            "readingEditWithEvaluationOpen", frame,
            [&frame] { frame.controlPanel().chooseMode(TestMode::singlePoint); },
            [&frame](int step) {
                frame.childWindows().listView()->commitCellEdit(0, CDataListView::coverColumn,
                                                                QString::number(40 + step % 20));
            });
        registerEditWithEvaluation(
            "pointsPerBarChangeWithEvaluationOpen", frame, [] {},
            [&frame](int step) { frame.evaluation().evaluationWindow()->pointsPerBarField().setValue(1 + step % 2); });

        const bench::RatioRow table[] = {
            {"choose another single-point member / window repaint", "switchSinglePointMember", "repaintWindow"},
            {"choose another section member / window repaint", "switchSectionMember", "repaintWindow"},
            {"choose another grid member / window repaint", "switchGridMember", "repaintWindow"},
            {"refresh after a reading edit / window repaint", "refreshAfterReadingEdit", "repaintWindow"},
            {"open the evaluation window until its first page is painted / window repaint", "openEvaluationWindow",
             "repaintWindow", openEvaluationGoal},
            {"reading edit with the evaluation window open / window repaint", "readingEditWithEvaluationOpen",
             "repaintWindow", 0.0, bench::Clock::cpu},
            {"points-per-bar change with the evaluation window open / window repaint",
             "pointsPerBarChangeWithEvaluationOpen", "repaintWindow", 0.0, bench::Clock::cpu},
        };
        return bench::runWithRatioTable(table, ratioGoal);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trellon-app-bench: %s\n", e.what());
        return 1;
    }
}
