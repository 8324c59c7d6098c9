// Print run benchmark: every page of the largest project, all members ticked, painted into an A4 PDF, beside
// starting the same number of empty pages on the same PDF writer; and the evaluation report of the same project
// into a PDF (what trellon-cli evaluate --pdf does) beside the print run (trellon-cli pdf).
#include "largestproject.h"
#include "ratioreport.h"

#include "evaluation/acceptanceevaluation.h"
#include "views/cjkfonts.h"
#include "views/evaluationpdf.h"
#include "views/printedpages.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <exception>

namespace {

using namespace trellon;

// An empty page costs next to nothing; a page of tables or a diagram is a few hundred texts and rules.
constexpr double ratioGoal = 100.0;
// The evaluation report is a few dozen pages of tables.
constexpr double evaluationGoal = 0.5;

// A PDF writer as trellon-cli pdf sets it up, writing into memory.
class PdfInMemory {
public:
    PdfInMemory() : writer_(&buffer_)
    {
        buffer_.open(QIODevice::WriteOnly);
        writer_.setResolution(1200);
        writer_.setPageSize(QPageSize(QPageSize::A4));
    }
    QPdfWriter& writer() { return writer_; }
    qint64 size() const { return buffer_.size(); }

private:
    QBuffer buffer_;
    QPdfWriter writer_;
};

void countPages(benchmark::State& state, int pages)
{
    state.counters["pages/s"] =
        benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!bench::initializeBenchmarks(argc, argv))
        return 2;
    try {
        QGuiApplication application(argc, argv);
        installCjkFontSubstitutions();
        const Project project = bench::largestMixedProject();
        const PrintedPages pages(project, PrintSettings{});
        const int total = pages.pageCount();
        std::printf("project: %d members; print run of %d pages (%d list, %d grid, %d section)\n",
                    project.memberCount(), total, pages.count().list, pages.count().grid, pages.count().section);

        benchmark::RegisterBenchmark("printRunToPdf",
                                     [&](benchmark::State& state) {
                                         for (auto _ : state) {
                                             PdfInMemory pdf;
                                             if (!pages.paintAllPages(pdf.writer()))
                                                 state.SkipWithError("the pages could not be painted");
                                             benchmark::DoNotOptimize(pdf.size());
                                         }
                                         countPages(state, total);
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("emptyPagesToPdf",
                                     [&](benchmark::State& state) {
                                         for (auto _ : state) {
                                             PdfInMemory pdf;
                                             QPainter painter(&pdf.writer());
                                             for (int page = 1; page < total; ++page)
                                                 pdf.writer().newPage();
                                             painter.end();
                                             benchmark::DoNotOptimize(pdf.size());
                                         }
                                         countPages(state, total);
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);

        benchmark::RegisterBenchmark("evaluationReportToPdf",
                                     [&](benchmark::State& state) {
                                         for (auto _ : state) {
                                             const QByteArray pdf = renderEvaluationPdf(
                                                 project, evaluateAcceptance(project), QStringLiteral("largest.gj"));
                                             if (pdf.isEmpty())
                                                 state.SkipWithError("the report could not be painted");
                                             benchmark::DoNotOptimize(pdf.size());
                                         }
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);

        const bench::RatioRow rows[] = {
            {"print run to PDF / the same number of empty pages", "printRunToPdf", "emptyPagesToPdf"},
            {"evaluation report to PDF / print run to PDF", "evaluationReportToPdf", "printRunToPdf", evaluationGoal},
        };
        return bench::runWithRatioTable(rows, ratioGoal);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trellon-print-bench: %s\n", e.what());
        return 1;
    }
}
