// trellon-cli docx: both report formats of the checked members, the parameters file, and the inputs it refuses.
#include "clirunner.h"

#include "evaluation/verdictsentence.h"
#include "model/gbk.h"
#include "model/projectfile.h"
#include "model/reportparametersfile.h"
#include "reports/docx/docxpackage.h"
#include "reports/yunnanreport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>

namespace trellon {
namespace {

using namespace trellon::testing;

MemberRecord member(std::string number, std::vector<std::int32_t> samples, std::int32_t checked)
{
    MemberRecord m;
    m.number = std::move(number);
    m.name = systemText("梁");
    m.designCover = 25;
    m.upperDeviation = 10;
    m.lowerDeviation = -7;
    m.checked = checked;
    m.replaceSamples(std::move(samples));
    return m;
}

std::string writeProject(const ScratchFolder& folder)
{
    Project project;
    project.members = {member("1001", {25, 26, 17}, 1), member("1002", {30}, 0),
                       member("4001", {170, 1, 20, 0, 100, 30, 0, 250}, 1)};
    project.members[2].xBarCount = 2;
    const std::string path = (folder / "site.gj").string();
    EXPECT_TRUE(writeProjectFile(path, project).ok());
    return path;
}

std::string documentOf(const std::filesystem::path& path)
{
    const auto package = docx::DocxPackage::read(path.string());
    EXPECT_TRUE(package.ok()) << path;
    const std::string* document = package ? package.value().part("word/document.xml") : nullptr;
    return document != nullptr ? *document : std::string();
}

TEST(CliDocx, normalReportOfTheCheckedMembersWithTheParametersFile)
{
    ScratchFolder folder;
    ReportParameters parameters;
    parameters.projectName = "幸福小区";
    writeFile(folder / "params.ini", [&] {
        const auto bytes = encodeReportParametersFile(parameters).value();
        return std::string(bytes.begin(), bytes.end());
    }());
    const auto out = folder / "report.docx";
    const CliRun run =
        runCli({"docx", writeProject(folder), "-o", out.string(), "--params", (folder / "params.ini").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string document = documentOf(out);
    EXPECT_NE(document.find("本次检测的幸福小区工程钢筋保护层厚度共计5点，其中合格点4个，合格点率为80.0%"),
              std::string::npos);
    EXPECT_NE(document.find("梁(1001)"), std::string::npos);
    EXPECT_EQ(document.find("梁(1002)"), std::string::npos);
}

TEST(CliDocx, yunnanReportWithDefaultParameters)
{
    ScratchFolder folder;
    const auto out = folder / "summary.docx";
    const CliRun run = runCli({"docx", writeProject(folder), "-o", out.string(), "--format", "yunnan"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string document = documentOf(out);
    EXPECT_NE(document.find(yunnanNote), std::string::npos);
    // The statistics are computed as opening the file does: the section's largest spacing is 150 mm.
    EXPECT_NE(document.find("<w:t xml:space=\"preserve\">150</w:t>"), std::string::npos);
    EXPECT_EQ(document.find("梁(1002)"), std::string::npos);
}

TEST(CliDocx, theConclusionRestsOnTheProjectsBasisOrTheOneNamedAndMatchesTheEvaluation)
{
    ScratchFolder folder;
    const std::string sample = std::string(TRELLON_SOURCE_DIR) + "/data/samples/site-survey.gj";
    const auto docx = [&](const std::string& project, const std::vector<std::string>& options) {
        const auto out = folder / "report.docx";
        std::vector<std::string> args{"docx", project, "-o", out.string()};
        args.insert(args.end(), options.begin(), options.end());
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 0) << run.err;
        return documentOf(out);
    };
    const std::string plain = docx(sample, {});
    EXPECT_EQ(docx(sample, {"--conclusion", "rate"}), plain);
    const std::string appendixE = docx(sample, {"--conclusion", "appendix-e"});
    EXPECT_EQ(appendixE.find("检测结果为"), std::string::npos);

    const nlohmann::json shown = nlohmann::json::parse(runCli({"show", sample, "--json"}).out);
    char opening[160];
    std::snprintf(opening, sizeof opening, "共计%d点，其中合格点%d个，合格点率为%0.1f%%。",
                  shown["verdict"]["points"].get<int>(), shown["verdict"]["acceptable"].get<int>(),
                  shown["verdict"]["rate"].get<double>());
    EXPECT_NE(appendixE.find(opening), std::string::npos) << opening;
    const nlohmann::json evaluated = nlohmann::json::parse(runCli({"evaluate", sample, "--json"}).out);
    for (const auto& lot : evaluated["lots"]) {
        const std::string title = lot["kind"] == "beam" ? "梁类构件" : "板类构件";
        const std::size_t at =
            appendixE.find(title + "钢筋保护层厚度检验的合格率为" + rateText(lot["first"]["rate"]) + "%");
        ASSERT_NE(at, std::string::npos) << title;
        EXPECT_EQ(appendixE.find("判为" + lot["result"].get<std::string>() + "。", at), appendixE.find("判为", at))
            << title;
    }

    Project project = std::move(*readProjectFile(sample).value().project);
    project.extension.conclusionBasis = ConclusionBasis::appendixE;
    const std::string chosen = (folder / "appendix-e.gj").string();
    ASSERT_TRUE(writeProjectFile(chosen, project));
    EXPECT_EQ(docx(chosen, {}), appendixE);
    EXPECT_EQ(docx(chosen, {"--conclusion", "rate"}), plain);
    EXPECT_EQ(runCli({"docx", chosen, "-o", (folder / "x.docx").string(), "--conclusion", "E"}).status, 2);
}

TEST(CliDocx, badInputWritesNothing)
{
    ScratchFolder folder;
    const std::string project = writeProject(folder);
    const auto out = folder / "report.docx";
    writeFile(folder / "bad.ini", "not a parameters file");
    writeFile(folder / "bad.gj", "VER1.2");

    const CliRun badParams = runCli({"docx", project, "-o", out.string(), "--params", (folder / "bad.ini").string()});
    EXPECT_EQ(badParams.status, 1);
    EXPECT_EQ(std::count(badParams.err.begin(), badParams.err.end(), '\n'), 1) << badParams.err;
    EXPECT_EQ(runCli({"docx", (folder / "bad.gj").string(), "-o", out.string()}).status, 1);
    EXPECT_EQ(runCli({"docx", (folder / "none.gj").string(), "-o", out.string()}).status, 1);
    EXPECT_EQ(runCli({"docx", project, "-o", (folder / "no-folder" / "r.docx").string()}).status, 1);
    EXPECT_EQ(runCli({"docx", project, "-o", out.string(), "--format", "fancy"}).status, 2);
    EXPECT_EQ(runCli({"docx", project}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(folder.entries(), 3u); // the project and the two bad inputs
}

} // namespace
} // namespace trellon
