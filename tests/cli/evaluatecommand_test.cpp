// trellon-cli evaluate on the bundled sample: its JSON read back, one member's figures recomputed here, and the
// PDF report read back as text.
#include "clirunner.h"

#include "evaluation/evaluationfixtures.h"
#include "evaluation/verdictsentence.h"
#include "model/gbk.h"
#include "model/projectfile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace trellon {
namespace {

using namespace trellon::testing;

const std::string sampleProject = std::string(TRELLON_SOURCE_DIR) + "/data/samples/site-survey.gj";

nlohmann::json evaluateSample(const std::vector<std::string>& options = {})
{
    std::vector<std::string> args{"evaluate", sampleProject, "--json"};
    args.insert(args.end(), options.begin(), options.end());
    const CliRun run = runCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return nlohmann::json::parse(run.out);
}

Project readSample()
{
    auto loaded = readProjectFile(sampleProject);
    if (!loaded)
        throw std::runtime_error(loaded.error().describe());
    return std::move(*loaded.value().project);
}

TEST(CliEvaluate, listsBothLotsAndTheTickedMembersWithAKnownDigit)
{
    const nlohmann::json j = evaluateSample();
    const Project project = readSample();
    EXPECT_EQ(j["pointsPerBar"], 1);
    ASSERT_EQ(j["lots"].size(), 2u);
    EXPECT_EQ(j["lots"][0]["kind"], "beam");
    EXPECT_EQ(j["lots"][1]["kind"], "slab");
    std::vector<int> expected;
    for (int i = 0; i < project.memberCount(); ++i) {
        const char digit = project.members[static_cast<std::size_t>(i)].number.front();
        if (project.members[static_cast<std::size_t>(i)].checked && digit >= '1' && digit <= '4')
            expected.push_back(i);
    }
    std::vector<int> listed;
    for (const auto& member : j["members"])
        listed.push_back(member["index"]);
    EXPECT_EQ(listed, expected);
    for (const auto& lot : j["lots"]) {
        EXPECT_TRUE(lot["second"].is_null());
        EXPECT_TRUE(lot["combinedRate"].is_null());
        EXPECT_EQ(lot["sampleSize"].size(), 2u);
        EXPECT_TRUE(lot["sampleSize"][0]["required"].is_null());
    }
}

TEST(CliEvaluate, firstMembersFiguresMatchItsReadings)
{
    const nlohmann::json j = evaluateSample();
    const Project project = readSample();
    const MemberRecord& m = project.members[0];
    ASSERT_EQ(m.number.front(), '1');
    const auto& member = j["members"][0];
    ASSERT_EQ(member["index"], 0);
    EXPECT_EQ(member["type"], "beam");
    EXPECT_EQ(member["lot"], "beam");
    EXPECT_FALSE(member["typeSet"].get<bool>());

    const double n = static_cast<double>(m.samples.size());
    ASSERT_EQ(m.samples.size(), 24u); // k_n for 24 lies between those of 20 and 30
    double sum = 0;
    int acceptable = 0;
    for (const int v : m.samples) {
        sum += v;
        acceptable += m.designCover + m.lowerDeviation <= v && v <= m.designCover + m.upperDeviation ? 1 : 0;
    }
    const double mean = sum / n;
    double squares = 0;
    for (const int v : m.samples)
        squares += (v - mean) * (v - mean);
    const double sd = std::sqrt(squares / (n - 1));
    EXPECT_EQ(member["values"], 24);
    EXPECT_EQ(member["acceptable"], acceptable);
    EXPECT_NEAR(member["mean"].get<double>(), mean, 1e-9);
    EXPECT_NEAR(member["sd"].get<double>(), sd, 1e-9);
    EXPECT_EQ(member["min"], *std::min_element(m.samples.begin(), m.samples.end()));
    EXPECT_EQ(member["max"], *std::max_element(m.samples.begin(), m.samples.end()));
    EXPECT_NEAR(member["characteristic"].get<double>(), mean - 1.748 * sd, 1e-9);
    EXPECT_EQ(member["deviationMismatch"], m.upperDeviation != 10 || m.lowerDeviation != -7);
}

TEST(CliEvaluate, pointsPerBarGroupsSinglePointsButNotBars)
{
    const nlohmann::json one = evaluateSample();
    const nlohmann::json two = evaluateSample({"--points-per-bar", "2"});
    EXPECT_EQ(two["pointsPerBar"], 2);
    for (std::size_t i = 0; i < one["members"].size(); ++i) {
        const std::string number = one["members"][i]["number"];
        const int values = one["members"][i]["values"];
        const int expected = number.front() == '3' || number.front() == '4' ? values : (values + 1) / 2;
        EXPECT_EQ(two["members"][i]["values"], expected) << number;
        EXPECT_EQ(two["members"][i]["incompleteGroup"], expected != values && values % 2 == 1) << number;
    }
}

TEST(CliEvaluate, followsTheProjectsTypesSecondSamplesPopulationsAndPointsPerBar)
{
    Project project = readSample();
    project.extension.pointsPerBar = 2;
    project.extension.members.resize(3);
    project.extension.members[1].secondSample = true;
    project.extension.members[2].type = MemberType::cantileverBeam; // named a column
    project.extension.population[MemberType::beam] = 251;
    ScratchFolder folder;
    const std::string path = (folder / "extended.gj").string();
    ASSERT_TRUE(writeProjectFile(path, project));

    const CliRun run = runCli({"evaluate", path, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["pointsPerBar"], 2);
    const auto& beam = j["lots"][0];
    ASSERT_FALSE(beam["second"].is_null());
    EXPECT_EQ(beam["second"]["members"], nlohmann::json::array({1}));
    EXPECT_EQ(beam["first"]["members"].front(), 0);
    EXPECT_EQ(beam["first"]["members"][1], 2);
    EXPECT_EQ(beam["sampleSize"][0]["population"], 251);
    EXPECT_EQ(beam["sampleSize"][0]["required"], 6);
    EXPECT_EQ(beam["sampleSize"][1]["type"], "cantileverBeam");
    EXPECT_EQ(beam["sampleSize"][1]["tested"], 1);
    EXPECT_EQ(j["members"][2]["typeSet"], true);

    const nlohmann::json overridden =
        nlohmann::json::parse(runCli({"evaluate", path, "--json", "--points-per-bar", "1"}).out);
    EXPECT_EQ(overridden["pointsPerBar"], 1);
    EXPECT_EQ(overridden["members"][0]["values"], project.members[0].samples.size());
}

TEST(CliEvaluate, refusesPointsPerBarOutsideOneToFiveAndMissingFiles)
{
    for (const char* k : {"0", "6", "x", "2.5", "-1"}) {
        const CliRun run = runCli({"evaluate", sampleProject, "--points-per-bar", k});
        EXPECT_EQ(run.status, 2) << k;
        EXPECT_TRUE(run.out.empty()) << k;
    }
    const CliRun missing = runCli({"evaluate", sampleProject + ".missing"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.empty());
}

TEST(CliEvaluate, summaryGivesEachLotsVerdictAsTheJsonDoes)
{
    const nlohmann::json j = evaluateSample();
    const CliRun run = runCli({"evaluate", sampleProject});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const auto& lot : j["lots"]) {
        const std::string line = lot["kind"].get<std::string>() + " lot: " + lot["result"].get<std::string>() + "\n";
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    }
}

TEST(CliEvaluate, summaryListsTheValuesBeyondTheLimitAMemberALine)
{
    // Member 0: nine values beyond +15, the worst the second; member 1: one below -10.5.
    Project project;
    std::vector<std::int32_t> many(40, 25);
    many.insert(many.end(), {42, 44, 41, 42, 42, 42, 42, 42, 42});
    project.members = {singlePointMember("一层 梁", many), singlePointMember("一层 梁", {25, 10})};
    project.members[1].number = "1002";
    ScratchFolder folder;
    const std::string path = (folder / "beyond.gj").string();
    ASSERT_TRUE(writeProjectFile(path, project));
    const CliRun run = runCli({"evaluate", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string lines[] = {
        "  beyond the limit:\n"
        "    member 0 (1001): 9 values, worst deviation +19.0: 42.0 (+17.0), 44.0 (+19.0), 41.0 (+16.0), 42.0 (+17.0), "
        "42.0 (+17.0), 42.0 (+17.0), … 3 more\n"
        "    member 1 (1002): 1 value, worst deviation -15.0: 10.0 (-15.0)\n",
        "slab lot: 无数据\n",
        "  beyond the limit: none\n",
    };
    for (const std::string& line : lines)
        EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
}

// The text of a PDF with all white space taken out, as pdftotext breaks lines and cells where the page does.
std::string pdfTextWithoutSpaces(const std::string& pdf)
{
    const CliRun text = runProgram("/usr/bin/pdftotext", {pdf, "-"});
    EXPECT_EQ(text.status, 0) << text.err;
    std::string packed;
    for (const char c : text.out)
        if (c != ' ' && c != '\n' && c != '\r' && c != '\f' && c != '\t')
            packed += c;
    return packed;
}

std::string withoutSpaces(std::string text)
{
    std::erase(text, ' ');
    return text;
}

TEST(CliEvaluatePdf, holdsTheTitleEachLotsVerdictSentenceEveryMemberAndPageNumbers)
{
    Project project = readSample();
    project.extension.members.resize(2);
    project.extension.members[1].secondSample = true;
    ScratchFolder folder;
    const std::string path = (folder / "retest.gj").string();
    ASSERT_TRUE(writeProjectFile(path, project));
    const std::string pdf = (folder / "report.pdf").string();

    const CliRun run = runCli({"evaluate", path, "--pdf", pdf});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty()) << "the summary is left out when a report is written";
    const std::string text = pdfTextWithoutSpaces(pdf);
    EXPECT_NE(text.find("钢筋保护层厚度检验评定（GB50204-2015附录E）"), std::string::npos);

    const AcceptanceEvaluation evaluation = evaluateAcceptance(project);
    ASSERT_TRUE(evaluation.lots[0].second.has_value());
    for (const LotEvaluation& lot : evaluation.lots)
        EXPECT_NE(text.find(withoutSpaces(verdictSentence(lot))), std::string::npos) << verdictSentence(lot);
    for (const MemberEvaluation& m : evaluation.members) {
        const MemberRecord& member = project.members[static_cast<std::size_t>(m.index)];
        EXPECT_NE(text.find(member.number), std::string::npos) << member.number;
        EXPECT_NE(text.find(withoutSpaces(gbkToUtf8(member.name))), std::string::npos) << member.number;
    }
    const CliRun info = runProgram("/usr/bin/pdfinfo", {pdf});
    const int pages = std::atoi(info.out.c_str() + info.out.find("Pages:") + 6);
    ASSERT_GE(pages, 2);
    for (int page = 1; page <= pages; ++page) {
        const std::string footer = "第" + std::to_string(page) + "页共" + std::to_string(pages) + "页";
        EXPECT_NE(text.find(footer), std::string::npos) << footer;
    }
    // pdffonts: a line per font after the ruler; its first yes/no column says whether the font is embedded.
    const CliRun fonts = runProgram("/usr/bin/pdffonts", {pdf});
    std::istringstream lines(fonts.out.substr(fonts.out.find("---")));
    std::string line;
    std::getline(lines, line);
    int listed = 0;
    while (std::getline(lines, line)) {
        ++listed;
        const auto yes = line.find(" yes "), no = line.find(" no ");
        EXPECT_TRUE(yes != std::string::npos && (no == std::string::npos || yes < no)) << "not embedded: " << line;
    }
    EXPECT_GE(listed, 1) << fonts.out;
}

TEST(CliEvaluatePdf, aReportThatCannotBeWrittenFailsAndLeavesNothing)
{
    ScratchFolder folder;
    const CliRun run = runCli({"evaluate", sampleProject, "--pdf", (folder / "missing" / "report.pdf").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot create the PDF file"), std::string::npos) << run.err;
    EXPECT_EQ(folder.entries(), 0u);
}

} // namespace
} // namespace trellon
