// Core benchmarks on the largest project the instrument holds: 1004 members, 124,032 readings.
#include "baselines.h"
#include "largestproject.h"
#include "ratioreport.h"

#include "evaluation/statistics.h"
#include "link/framebuilder.h"
#include "link/framedecoder.h"
#include "link/transferframe.h"
#include "model/projectfile.h"
#include "reports/excelreport.h"
#include "reports/normalreport.h"
#include "reports/reporttemplate.h"
#include "reports/spreadsheetwriter.h"
#include "reports/textexport.h"
#include "zipbaseline.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace trellon;
using bench::editedProject;
using bench::largestMemberCount;
using bench::largestMembers;
using bench::largestSampleArea;

constexpr double ratioGoal = 10.0;
constexpr CalendarDate reportDay{2024, 3, 9}; // the Word report's date

template <typename T> const T& require(const Result<T>& result)
{
    if (!result)
        throw std::runtime_error(result.error().describe());
    return result.value();
}

void require(const Status& status)
{
    if (!status)
        throw std::runtime_error(status.error().describe());
}

struct Fixture {
    std::vector<std::uint8_t> frame;
    Project project; // edited, statistics recomputed
    std::vector<std::uint8_t> projectFile;
    std::string text;
    std::filesystem::path folder;
};

std::vector<bench::RatioRow> registerCoreBenchmarks(const Fixture& f)
{
    const std::string gjPath = (f.folder / "largest.gj").string();
    const std::string gjWritePath = (f.folder / "written.gj").string();
    const std::string txtPath = (f.folder / "largest.txt").string();
    const std::string rawWritePath = (f.folder / "raw.bin").string();
    require(writeProjectFile(gjPath, f.project));
    const std::string xlsxPath = (f.folder / "largest.xlsx").string();
    auto started = SpreadsheetWriter::start();
    if (!started)
        throw std::runtime_error(started.error().describe());
    const auto spreadsheet = std::make_shared<SpreadsheetWriter>(std::move(started).value());
    require(spreadsheet->write(xlsxPath, layoutExcelReport(f.project)));
    const std::string docxPath = (f.folder / "largest.docx").string();
    const auto normalTemplate = std::make_shared<docx::DocxPackage>(
        require(openReportTemplate(TRELLON_TEMPLATE_DIR "/" + std::string(normalTemplateName))));
    const ReportParameters parameters;
    require(writeNormalReport(*normalTemplate, layOutNormalReport(f.project, parameters, reportDay), docxPath));

    const std::string memcpyFrame = bench::registerMemcpyBaseline(f.frame.size());
    const std::string memcpyFile = bench::registerMemcpyBaseline(f.projectFile.size());
    const std::string memcpyReadings = bench::registerMemcpyBaseline(largestSampleArea * sizeof(std::int32_t));
    const std::string memcpyText = bench::registerMemcpyBaseline(f.text.size());
    const std::string rawReadFile = bench::registerRawReadBaseline(gjPath, f.projectFile.size());
    const std::string rawWriteFile = bench::registerRawWriteBaseline(rawWritePath, f.projectFile.size());
    const std::string rawWriteText = bench::registerRawWriteBaseline(rawWritePath, f.text.size());
    const std::string zipSpreadsheet =
        bench::registerZipWriteBaseline(xlsxPath, (f.folder / "rezipped.xlsx").string(), "excelReport");
    const std::string zipWordReport =
        bench::registerZipWriteBaseline(docxPath, (f.folder / "rezipped.docx").string(), "wordReport");

    benchmark::RegisterBenchmark("decodeFrame", [&f](benchmark::State& state) {
        std::int64_t members = 0;
        for (auto _ : state) {
            FrameDecoder decoder;
            auto completed = decoder.feedReceivedBytes(static_cast<std::int32_t>(f.frame.size()), f.frame.data());
            members += completed ? require(completed->project)->memberCount() : 0;
        }
        if (members != state.iterations() * largestMemberCount)
            state.SkipWithError("a frame was not decoded");
    })->UseRealTime();
    benchmark::RegisterBenchmark("unpackFrame", [&f](benchmark::State& state) {
        for (auto _ : state) {
            auto project = unpackFrame(f.frame);
            benchmark::DoNotOptimize(require(project).get());
        }
    })->UseRealTime();
    benchmark::RegisterBenchmark("parseProjectFile", [&f](benchmark::State& state) {
        for (auto _ : state) {
            auto loaded = parseProjectFile(f.projectFile);
            benchmark::DoNotOptimize(require(loaded).project.get());
        }
    })->UseRealTime();
    benchmark::RegisterBenchmark("encodeProjectFile", [&f](benchmark::State& state) {
        for (auto _ : state) {
            auto bytes = encodeProjectFile(f.project);
            benchmark::DoNotOptimize(bytes.data());
        }
    })->UseRealTime();
    benchmark::RegisterBenchmark("readProjectFile", [gjPath](benchmark::State& state) {
        for (auto _ : state) {
            auto loaded = readProjectFile(gjPath);
            benchmark::DoNotOptimize(require(loaded).project.get());
        }
    })->UseRealTime();
    benchmark::RegisterBenchmark("writeProjectFile", [&f, gjWritePath](benchmark::State& state) {
        for (auto _ : state)
            require(writeProjectFile(gjWritePath, f.project));
    })->UseRealTime();
    benchmark::RegisterBenchmark("recomputeStatistics", [&f](benchmark::State& state) {
        Project project = f.project;
        for (auto _ : state) {
            recomputeStatistics(project);
            benchmark::ClobberMemory();
        }
    })->UseRealTime();
    benchmark::RegisterBenchmark("renderTextExport", [&f](benchmark::State& state) {
        for (auto _ : state) {
            std::string text = renderTextExport(f.project);
            benchmark::DoNotOptimize(text.data());
        }
    })->UseRealTime();
    benchmark::RegisterBenchmark("writeTextExport", [&f, txtPath](benchmark::State& state) {
        for (auto _ : state)
            require(writeTextExport(txtPath, f.project));
    })->UseRealTime();

    benchmark::RegisterBenchmark("layoutExcelReport", [&f](benchmark::State& state) {
        for (auto _ : state) {
            ExcelReportLayout layout = layoutExcelReport(f.project);
            benchmark::DoNotOptimize(layout.cells.data());
        }
    })->UseRealTime();
    benchmark::RegisterBenchmark("writeExcelReport", [&f, spreadsheet, xlsxPath](benchmark::State& state) {
        for (auto _ : state)
            require(spreadsheet->write(xlsxPath, layoutExcelReport(f.project)));
    })->UseRealTime();

    benchmark::RegisterBenchmark("layOutNormalReport", [&f, parameters](benchmark::State& state) {
        for (auto _ : state) {
            NormalReport report = layOutNormalReport(f.project, parameters, reportDay);
            benchmark::DoNotOptimize(report.results.rows.data());
        }
    })->UseRealTime();
    benchmark::RegisterBenchmark("writeNormalReport", [&f, normalTemplate, parameters,
                                                       docxPath](benchmark::State& state) {
        for (auto _ : state)
            require(writeNormalReport(*normalTemplate, layOutNormalReport(f.project, parameters, reportDay), docxPath));
    })->UseRealTime();

    return {
        {"decode frame (FrameDecoder) / memcpy", "decodeFrame", memcpyFrame},
        {"  of which unpackFrame / memcpy", "unpackFrame", memcpyFrame},
        {"parseProjectFile / memcpy", "parseProjectFile", memcpyFile},
        {"encodeProjectFile (a recovery write's share of the window's thread) / memcpy", "encodeProjectFile",
         memcpyFile},
        {"readProjectFile / raw read", "readProjectFile", rawReadFile},
        {"writeProjectFile / raw write", "writeProjectFile", rawWriteFile},
        {"recomputeStatistics / memcpy", "recomputeStatistics", memcpyReadings},
        {"renderTextExport / memcpy", "renderTextExport", memcpyText},
        {"writeTextExport / raw write", "writeTextExport", rawWriteText},
        {"Excel report (layout, libxlsxwriter, rename) / zip of its entries", "writeExcelReport", zipSpreadsheet},
        {"  of which layoutExcelReport / zip of its entries", "layoutExcelReport", zipSpreadsheet},
        {"Word report, normal (layout, fill, zip, rename) / zip of its parts", "writeNormalReport", zipWordReport},
        {"  of which layOutNormalReport / zip of its parts", "layOutNormalReport", zipWordReport},
    };
}

Fixture makeFixture()
{
    Fixture f;
    const auto members = largestMembers();
    f.frame = buildTransferFrame(members);
    const FrameHeader header = readFrameHeader(f.frame);
    if (header.memberCount != largestMemberCount ||
        header.sampleAreaLength != static_cast<std::int32_t>(largestSampleArea))
        throw std::logic_error("the benchmark project is not the largest one");
    f.project = editedProject(*require(unpackFrame(f.frame)));
    f.projectFile = encodeProjectFile(f.project);
    f.text = renderTextExport(f.project);

    std::string folder = (std::filesystem::temp_directory_path() / "trellon-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    f.folder = folder;
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    if (!bench::initializeBenchmarks(argc, argv))
        return 2;
    try {
        const Fixture fixture = makeFixture();
        std::printf("project: %d members, %zu readings; frame %zu bytes, .gj %zu bytes, text export %zu bytes\n",
                    largestMemberCount, largestSampleArea, fixture.frame.size(), fixture.projectFile.size(),
                    fixture.text.size());
        const auto rows = registerCoreBenchmarks(fixture);
        const int status = bench::runWithRatioTable(rows, ratioGoal);
        std::filesystem::remove_all(fixture.folder);
        return status;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trellon-bench: %s\n", e.what());
        return 1;
    }
}
