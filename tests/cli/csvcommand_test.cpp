// trellon-cli csv on the bundled sample, counted from the raw readings and checked against the statistics, and the
// inputs and targets it refuses.
#include "clirunner.h"

#include "evaluation/openproject.h"
#include "model/projectfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace trellon {
namespace {

using namespace trellon::testing;

const std::string sampleProject = std::string(TRELLON_SOURCE_DIR) + "/data/samples/site-survey.gj";

// Values of a member counted straight from its readings: single readings, complete pairs, or the whole triples
// after the marker and scale code, a grid's X run ending at the first three 187s and its Y run after them.
std::int64_t valuesOf(const MemberRecord& m)
{
    const auto size = static_cast<std::int64_t>(m.samples.size());
    const char digit = m.number.empty() ? '\0' : m.number.front();
    if (digit == '1')
        return size;
    if (digit == '2')
        return size / 2;
    if ((digit != '3' && digit != '4') || size == 0 || m.samples[0] != 170)
        return 0;
    std::int64_t separator = size;
    for (std::int64_t i = 0; digit == '3' && i + 2 < size; ++i) {
        if (m.samples[i] == 187 && m.samples[i + 1] == 187 && m.samples[i + 2] == 187) {
            separator = i;
            break;
        }
    }
    const std::int64_t x = std::max<std::int64_t>(separator - 2, 0) / 3;
    const std::int64_t y = separator < size ? (size - separator - 3) / 3 : 0;
    return x + y;
}

std::vector<std::string> splitAtCommas(const std::string& line)
{
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');)
        fields.push_back(field);
    if (!line.empty() && line.back() == ',')
        fields.emplace_back();
    return fields;
}

TEST(CliCsv, sampleHasARowForEveryValueAndPassFlagsAgreeWithTheStatistics)
{
    ScratchFolder folder;
    const auto out = folder / "site.csv";
    const CliRun run = runCli({"csv", sampleProject, "-o", out.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(run.err.empty());

    auto raw = readProjectFile(sampleProject);
    ASSERT_TRUE(raw);
    std::int64_t expectedRows = 0;
    for (const MemberRecord& m : raw.value().project->members)
        expectedRows += valuesOf(m);
    ASSERT_GT(expectedRows, 0);

    const std::string csv = fileContent(out);
    ASSERT_EQ(csv.rfind("\xEF\xBB\xBF"
                        "index,",
                        0),
              0u);
    // The sample's names need no quoting, so every line is one row.
    ASSERT_EQ(csv.find('"'), std::string::npos);
    std::vector<std::string> lines;
    for (std::size_t from = 3, end; (end = csv.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(csv.substr(from, end - from));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), static_cast<std::ptrdiff_t>(lines.size()));
    EXPECT_EQ(static_cast<std::int64_t>(lines.size()) - 1, expectedRows);

    const std::vector<std::string> header = splitAtCommas(lines.at(0));
    const auto at = [&header](const char* name) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
    };
    std::map<int, int> passes;
    for (std::size_t r = 1; r < lines.size(); ++r) {
        const auto fields = splitAtCommas(lines[r]);
        ASSERT_EQ(fields.size(), header.size()) << lines[r];
        passes[std::stoi(fields[at("index")])] += fields[at("pass")] == "1" ? 1 : 0;
    }
    auto opened = openProject(sampleProject);
    ASSERT_TRUE(opened);
    const auto& members = opened.value().project->members;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const MemberRecord& m = members[i];
        const int statistics = m.passCount + (m.number.front() == '3' ? m.yPassCount : 0);
        if (valuesOf(m) > 0) {
            EXPECT_EQ(passes[static_cast<int>(i + 1)], statistics) << "member " << m.number;
        }
    }
}

TEST(CliCsv, malformedOrMissingInputSaysWhyAndWritesNothing)
{
    ScratchFolder folder;
    writeFile(folder / "cut.gj", fileContent(sampleProject).substr(0, 500));
    writeFile(folder / "noise.gj", std::string(64, '\xff'));
    for (const char* input : {"cut.gj", "noise.gj", "absent.gj"}) {
        const auto out = folder / "out.csv";
        const CliRun run = runCli({"csv", (folder / input).string(), "-o", out.string()});
        EXPECT_EQ(run.status, 1) << input;
        EXPECT_EQ(run.err.rfind("trellon-cli: ", 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << input;
    }
}

TEST(CliCsv, unwritableTargetSaysSoWithItsPathAndCreatesNothing)
{
    ScratchFolder folder;
    const std::string target = (folder / "absent" / "site.csv").string();
    const CliRun run = runCli({"csv", sampleProject, "-o", target});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(target), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(folder.entries(), 0u);
}

TEST(CliCsv, missingOutputIsAUsageError)
{
    const CliRun run = runCli({"csv", sampleProject});
    EXPECT_EQ(run.status, 2);
}

} // namespace
} // namespace trellon
