// Tests of the CSV export: its framing (byte-order mark, header, CR LF, quoting) read back by a parser of its own,
// the rows of each test mode, the tolerance flags and writing the file.
#include "reports/csvexport.h"

#include "model/atomicfile.h"
#include "model/barcounts.h"
#include "model/gbk.h"
#include "model/testmode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace trellon {
namespace {

namespace fs = std::filesystem;

using Row = std::map<std::string, std::string>;

const std::vector<std::string> columns{
    "index", "number",      "name",           "type",           "mode", "run",    "point",         "position",
    "cover", "designCover", "lowerDeviation", "upperDeviation", "pass", "ticked", "correctedCover"};

MemberRecord member(std::string number, std::vector<std::int32_t> samples, std::string_view name = {})
{
    MemberRecord m;
    m.number = std::move(number);
    m.name = systemText(name);
    m.designCover = 30;
    m.lowerDeviation = -5;
    m.upperDeviation = 8;
    m.replaceSamples(std::move(samples));
    return m;
}

// Marker, scale code, then a triple per bar (cover, position), optionally the separator and a Y run.
std::vector<std::int32_t> bars(std::initializer_list<std::pair<int, int>> x,
                               std::initializer_list<std::pair<int, int>> y = {}, bool separated = false)
{
    std::vector<std::int32_t> out{runMarker, 1};
    const auto put = [&out](const std::pair<int, int>& bar) {
        out.insert(out.end(), {bar.first, encodePosition(bar.second).high, encodePosition(bar.second).low});
    };
    std::for_each(x.begin(), x.end(), put);
    if (separated)
        out.insert(out.end(), {separatorValue, separatorValue, separatorValue});
    std::for_each(y.begin(), y.end(), put);
    return out;
}

// RFC 4180 records: fields split at commas outside quotes, records at CR LF outside quotes, "" inside quotes is one
// quote. Fails the test on a bare LF or CR outside quotes or a quote inside an unquoted field.
std::vector<std::vector<std::string>> parseRecords(std::string_view csv)
{
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
    for (std::size_t i = 0; i < csv.size(); ++i) {
        std::string& field = records.back().back();
        const char c = csv[i];
        if (c == '"') {
            EXPECT_TRUE(field.empty()) << "quote inside an unquoted field at " << i;
            for (++i; i < csv.size(); ++i) {
                if (csv[i] == '"' && i + 1 < csv.size() && csv[i + 1] == '"')
                    field += csv[++i];
                else if (csv[i] == '"')
                    break;
                else
                    field += csv[i];
            }
        } else if (c == ',') {
            records.back().emplace_back();
        } else if (c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n') {
            ++i;
            records.emplace_back(1);
        } else {
            EXPECT_TRUE(c != '\r' && c != '\n') << "line break outside quotes at " << i;
            field += c;
        }
    }
    EXPECT_EQ(records.back(), std::vector<std::string>(1)) << "the last row ends with CR LF";
    records.pop_back();
    return records;
}

// The rows after the header, by column name.
std::vector<Row> rowsOf(const Project& project)
{
    const std::string csv = renderCsvExport(project);
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);
    const auto records = parseRecords(std::string_view(csv).substr(3));
    std::vector<Row> rows;
    if (records.empty() || records.front() != columns) {
        ADD_FAILURE() << "no header row";
        return rows;
    }
    for (std::size_t r = 1; r < records.size(); ++r) {
        EXPECT_EQ(records[r].size(), columns.size()) << "row " << r;
        Row row;
        for (std::size_t c = 0; c < std::min(columns.size(), records[r].size()); ++c)
            row[columns[c]] = records[r][c];
        rows.push_back(std::move(row));
    }
    return rows;
}

Project projectOf(std::vector<MemberRecord> members)
{
    Project project;
    project.members = std::move(members);
    return project;
}

// One column of every row, in row order.
std::vector<std::string> column(const std::vector<Row>& rows, const std::string& name)
{
    std::vector<std::string> values;
    for (const Row& row : rows)
        values.push_back(row.at(name));
    return values;
}

using Texts = std::vector<std::string>;

TEST(CsvExportFraming, byteOrderMarkHeaderAndCrLfRows)
{
    const std::string csv = renderCsvExport(projectOf({member("1001", {31, 24})}));
    EXPECT_EQ(csv, "\xEF\xBB\xBF"
                   "index,number,name,type,mode,run,point,position,cover,designCover,lowerDeviation,upperDeviation,"
                   "pass,ticked,correctedCover\r\n"
                   "1,1001,,other,single,,1,,31,30,-5,8,1,0,31\r\n"
                   "1,1001,,other,single,,2,,24,30,-5,8,0,0,24\r\n");
}

TEST(CsvExportFraming, namesWithCommasQuotesAndLineBreaksAreQuotedAndReadBackWhole)
{
    const std::vector<std::string> names{"KL1, 东侧", "板 \"B2\"", "两行\n名称", "回车\r", "纯文本 梁"};
    std::vector<MemberRecord> members;
    for (const std::string& name : names)
        members.push_back(member("1001", {30}, name));
    const std::string csv = renderCsvExport(projectOf(members));
    EXPECT_NE(csv.find(",\"KL1, 东侧\","), std::string::npos);
    EXPECT_NE(csv.find(",\"板 \"\"B2\"\"\","), std::string::npos);
    EXPECT_NE(csv.find(",纯文本 梁,"), std::string::npos) << "a plain name stays unquoted";
    EXPECT_EQ(column(rowsOf(projectOf(members)), "name"), names);
}

TEST(CsvExportFraming, memberNumbersAreConvertedLikeNames)
{
    const auto rows = rowsOf(projectOf({member("1" + systemText("号,"), {30})}));
    EXPECT_EQ(column(rows, "number"), Texts{"1号,"});
}

TEST(CsvExportFraming, aProjectWithoutReadingsIsTheHeaderAlone)
{
    EXPECT_TRUE(rowsOf(projectOf({})).empty());
    EXPECT_TRUE(rowsOf(projectOf({member("1001", {}), member("2001", {30}), member("4001", {runMarker, 1})})).empty());
}

TEST(CsvExportRows, singleReadingsAreNumberedWithoutRunOrPosition)
{
    MemberRecord m = member("1001", {27, 33, 40}, "一层 KL1 梁底");
    m.checked = 1;
    const auto rows = rowsOf(projectOf({member("5001", {30}), m}));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(column(rows, "index"), Texts(3, "2")) << "the array index + 1, counting the unexported member";
    EXPECT_EQ(column(rows, "point"), (Texts{"1", "2", "3"}));
    EXPECT_EQ(column(rows, "cover"), (Texts{"27", "33", "40"}));
    EXPECT_EQ(column(rows, "run"), Texts(3, ""));
    EXPECT_EQ(column(rows, "position"), Texts(3, ""));
    EXPECT_EQ(column(rows, "mode"), Texts(3, "single"));
    EXPECT_EQ(column(rows, "type"), Texts(3, "beam"));
    EXPECT_EQ(column(rows, "ticked"), Texts(3, "1"));
}

TEST(CsvExportRows, measuredDiameterMemberGivesTheCoversOfCompletePairs)
{
    const auto rows = rowsOf(projectOf({member("2001", {31, 12, 26, 14, 40})}));
    EXPECT_EQ(column(rows, "cover"), (Texts{"31", "26"})) << "diameters and the unpaired last value are no rows";
    EXPECT_EQ(column(rows, "point"), (Texts{"1", "2"}));
    EXPECT_EQ(column(rows, "mode"), Texts(2, "single"));
}

TEST(CsvExportRows, gridRunsAreNumberedEachFromOneWithTheirPositions)
{
    Project project = projectOf(
        {member("3001", bars({{20, 100}, {36, 300}}, {{25, 150}, {29, 610}, {31, 900}}, true), "悬挑板 XB1")});
    project.members[0].xBarCount = 7; // stale counts from a file do not change the rows
    const auto rows = rowsOf(project);
    EXPECT_EQ(column(rows, "run"), (Texts{"X", "X", "Y", "Y", "Y"}));
    EXPECT_EQ(column(rows, "point"), (Texts{"1", "2", "1", "2", "3"}));
    EXPECT_EQ(column(rows, "position"), (Texts{"100", "300", "150", "610", "900"}));
    EXPECT_EQ(column(rows, "cover"), (Texts{"20", "36", "25", "29", "31"}));
    EXPECT_EQ(column(rows, "mode"), Texts(5, "grid"));
    EXPECT_EQ(column(rows, "type"), Texts(5, "cantileverSlab"));
}

TEST(CsvExportRows, gridWithoutSeparatorHasOnlyAnXRun)
{
    const auto rows = rowsOf(projectOf({member("3002", bars({{20, 100}, {22, 200}}))}));
    EXPECT_EQ(column(rows, "run"), (Texts{"X", "X"}));
}

TEST(CsvExportRows, sectionBarsAreAnXRunAndIncompleteTriplesAreNoBar)
{
    std::vector<std::int32_t> samples = bars({{30, 50}, {31, 512}});
    samples.insert(samples.end(), {33, 1});
    const auto rows = rowsOf(projectOf({member("4001", samples)}));
    EXPECT_EQ(column(rows, "run"), (Texts{"X", "X"}));
    EXPECT_EQ(column(rows, "position"), (Texts{"50", "512"}));
    EXPECT_EQ(column(rows, "mode"), Texts(2, "section"));
}

TEST(CsvExportRows, barsNeedTheRunMarker)
{
    const auto rows = rowsOf(projectOf({member("4001", {20, 1, 30, 0, 50}), member("3001", {20, 1, 30, 0, 50})}));
    EXPECT_TRUE(rows.empty());
}

TEST(CsvExportRows, theUsersTypeOutranksTheName)
{
    Project project = projectOf({member("1001", {30}, "KL1 梁"), member("1002", {30}, "KL2 梁")});
    project.extension.members.resize(1);
    project.extension.members[0].type = MemberType::cantileverBeam;
    EXPECT_EQ(column(rowsOf(project), "type"), (Texts{"cantileverBeam", "beam"}));
}

TEST(CsvExportRows, passHoldsFromLowerToUpperBoundInclusive)
{
    // Design 30, deviations -5 and +8: 25 … 38 pass.
    const auto rows = rowsOf(projectOf({member("1001", {24, 25, 38, 39}), member("4001", bars({{24, 10}, {25, 20}}))}));
    EXPECT_EQ(column(rows, "pass"), (Texts{"0", "1", "1", "0", "0", "1"}));
    EXPECT_EQ(column(rows, "designCover"), Texts(6, "30"));
    EXPECT_EQ(column(rows, "lowerDeviation"), Texts(6, "-5"));
    EXPECT_EQ(column(rows, "upperDeviation"), Texts(6, "8"));
}

TEST(CsvExportRows, correctedCoverIsWhatTheAcceptanceCheckJudgesWhilePassStaysOnTheReading)
{
    // A single point of diameter 20 drilled 1.5 mm higher, a grid whose X bars (diameter 20) take that correction
    // and whose Y bars (diameter 12) take none.
    MemberRecord single = member("1001", {24, 30});
    single.knownDiameter = 20;
    MemberRecord grid = member("3001", bars({{24, 100}}, {{24, 150}}, true));
    grid.knownDiameter = 20;
    grid.barDiameter = 12;
    Project project = projectOf({single, grid});
    recountBars(project.members[1]);
    project.extension.verification.points = {{0, PointRun::none, 1, 255, VerificationMethod::drill, std::nullopt, ""}};
    EXPECT_EQ(column(rowsOf(project), "correctedCover"), column(rowsOf(project), "cover")) << "judged on readings";

    project.extension.verification.judgeCorrected = true;
    const auto rows = rowsOf(project);
    EXPECT_EQ(column(rows, "cover"), (Texts{"24", "30", "24", "24"}));
    EXPECT_EQ(column(rows, "correctedCover"), (Texts{"26", "32", "26", "24"})) << "25.5 and 31.5 round up";
    EXPECT_EQ(column(rows, "pass"), (Texts{"0", "1", "0", "0"}));

    project.extension.verification.rules.spacer = 5;
    EXPECT_EQ(column(rowsOf(project), "correctedCover"), (Texts{"25", "31", "25", "24"}))
        << "24.5 rounds up, 23.5 to 24";
}

class CsvExportFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "csvexport-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(CsvExportFile, writesTheRenderedBytesOverAnExistingFile)
{
    const std::string path = (folder_ / "out.csv").string();
    ASSERT_TRUE(writeCsvExport(path, projectOf({member("1001", {20, 21, 22})})).ok());
    const Project small = projectOf({member("1001", {20})});
    const auto status = writeCsvExport(path, small);
    ASSERT_TRUE(status.ok()) << status.error().describe();
    const auto written = readWholeFile(path);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(std::string(written.value().begin(), written.value().end()), renderCsvExport(small));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(CsvExportFile, missingFolderIsCannotOpenAndCreatesNothing)
{
    const fs::path missing = folder_ / "missing";
    const auto status = writeCsvExport((missing / "out.csv").string(), projectOf({member("1001", {20})}));
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().kind, ErrorKind::cannotOpen);
    EXPECT_EQ(status.error().detail.rfind(csvExportCannotOpenDetail, 0), 0u);
    EXPECT_TRUE(fs::is_empty(folder_));
}

} // namespace
} // namespace trellon
