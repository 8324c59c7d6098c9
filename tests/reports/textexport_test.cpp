// Tests of the text export: the golden file, the layout rules of each block, and writing the file.
#include "reports/textexport.h"

#include "model/atomicfile.h"
#include "model/gbk.h"
#include "model/testmode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace trellon {
namespace {

namespace fs = std::filesystem;

const std::string separator = std::string(84, '-') + "\r\n";

// The GBK bytes of a UTF-8 text, every "\n" as CR LF.
std::string gbk(std::string_view utf8)
{
    std::string withCrLf;
    for (const char c : utf8)
        withCrLf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return systemText(withCrLf);
}

MemberRecord member(std::string number, std::vector<std::int32_t> samples = {}, std::string_view name = {})
{
    MemberRecord m;
    m.number = std::move(number);
    m.name = systemText(name);
    m.replaceSamples(std::move(samples));
    return m;
}

// A member with one field set.
template <typename T>
MemberRecord with(const char* number, T MemberRecord::*field, T value, std::vector<std::int32_t> samples = {})
{
    MemberRecord m = member(number, std::move(samples));
    m.*field = value;
    return m;
}

// Readings of a triple run: cover, then the position's high and low byte, per bar; `head` and `tail` around it.
std::vector<std::int32_t> run(std::vector<std::int32_t> head, std::initializer_list<std::pair<int, int>> bars,
                              std::initializer_list<std::int32_t> tail = {})
{
    for (const auto& [cover, position] : bars)
        head.insert(head.end(), {cover, encodePosition(position).high, encodePosition(position).low});
    head.insert(head.end(), tail);
    return head;
}

std::string render(std::vector<MemberRecord> members)
{
    Project project;
    project.members = std::move(members);
    return renderTextExport(project);
}

bool contains(const std::string& text, std::string_view utf8)
{
    return text.find(gbk(utf8)) != std::string::npos;
}

// The members of the golden fixture; the expected file was derived from the layout tables, not from this code.
Project goldenProject()
{
    std::vector<std::int32_t> bars{170, 3};
    for (int j = 0; j < 11; ++j)
        bars = run(bars, {{18 + j, 60 + 120 * j}});

    const auto gridRuns = run(run({170, 2}, {{20, 100}, {31, 300}, {26, 450}}, {187, 187, 187}), {{24, 50}, {36, 200}});
    auto grid = member("3001", gridRuns, "一号板");
    grid.knownDiameter = 12, grid.barDiameter = 10, grid.designCover = 25, grid.upperDeviation = 10;
    grid.lowerDeviation = -7, grid.xBarCount = 3, grid.maxCover = 31, grid.minCover = 20, grid.meanCover = 25;
    grid.maxSpacing = 200, grid.scanLength = 350, grid.passCount = 3, grid.passRatio = 1.0f, grid.yBarCount = 2;
    grid.yMaxCover = 36, grid.yMinCover = 24, grid.yMeanCover = 30, grid.yMaxSpacing = 150, grid.yScanLength = 150;
    grid.yPassCount = 1, grid.yPassRatio = 0.5f;

    auto single = member("1001", {28, 30, 31, 25, 40, 33, 29, 27, 35, 38, 24, 30}, "柱1");
    single.knownDiameter = 16, single.designCover = 30, single.upperDeviation = 8, single.lowerDeviation = -5;
    single.maxCover = 40, single.minCover = 24, single.meanCover = 30, single.passCount = 10;
    single.passRatio = 10.0f / 12.0f;

    auto section = member("4001", bars, "墙");
    section.barDiameter = 14, section.designCover = 20, section.upperDeviation = 5, section.lowerDeviation = -3;
    section.xBarCount = 11, section.maxCover = 28, section.minCover = 18, section.meanCover = 23;
    section.maxSpacing = 120, section.scanLength = 1200, section.passCount = 8, section.passRatio = 8.0f / 11.0f;

    auto pairs = member("2001", {24, 18, 27, 16, 31, 18, 22, 20, 26, 18, 25, 18, 29}, "梁2");
    pairs.designDiameter = 18, pairs.designCover = 25, pairs.upperDeviation = 6, pairs.lowerDeviation = -4;
    pairs.maxCover = 31, pairs.minCover = 22, pairs.meanCover = 25, pairs.passCount = 4, pairs.passRatio = 4.0f / 6.0f;

    // Claims four Y bars but holds one, and the cover and high byte of a second.
    auto cut = member("3002", run(run({170, 1}, {{22, 80}}, {187, 187, 187}), {{27, 266}}, {33, 2}), "二号板");
    cut.knownDiameter = 8, cut.barDiameter = 8, cut.designCover = 30, cut.upperDeviation = 5, cut.lowerDeviation = -5;
    cut.xBarCount = 1, cut.maxCover = 22, cut.minCover = 22, cut.meanCover = 22, cut.yBarCount = 4;
    cut.yMaxCover = 33, cut.yMinCover = 27, cut.yMeanCover = 15, cut.yMaxSpacing = 246, cut.yScanLength = 246;
    cut.yPassCount = 2, cut.yPassRatio = 0.5f;

    Project p;
    p.members = {grid, single, member("5001", {1, 2, 3}, "x"), section, pairs, cut, member("1002", {}, "空")};
    return p;
}

TEST(TextExportGolden, projectOfEveryKindMatchesTheFixtureByteForByte)
{
    const auto fixture = readWholeFile(TRELLON_TEST_DATA "/textexport/golden.txt");
    ASSERT_TRUE(fixture.ok()) << fixture.error().describe();
    EXPECT_EQ(renderTextExport(goldenProject()), std::string(fixture.value().begin(), fixture.value().end()));
}

TEST(TextExportLayout, knownDiameterReadingsStartEveryTenOnANewLineWithABlank)
{
    const std::string text = render({member("1007", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})});
    const std::string label = gbk("测量厚度值(mm)：");
    ASSERT_NE(text.find(label), std::string::npos);
    EXPECT_EQ(text.substr(text.find(label) + label.size()),
              " \r\n 1   2    3    4    5    6    7    8    9    10     \r\n 11   12    \r\n" + separator);
}

TEST(TextExportLayout, measuredDiameterMemberSplitsPairsIntoCoverAndDiameterLines)
{
    const std::string text = render({member("2001", {30, 12, 31, 14, 32, 16})});
    EXPECT_TRUE(contains(text, "数据组数：3                  厚度最大值(mm)：0 \n"));
    EXPECT_TRUE(contains(text, "扫描点数：6  \n"));
    EXPECT_TRUE(contains(text, "保护层厚度：\n30    31    32    \n钢筋直径：\n12    14    16    \n"));
}

TEST(TextExportLayout, percentagesAreTheFloatRatioTimesHundredWithTwoDecimals)
{
    EXPECT_TRUE(contains(render({with("1001", &MemberRecord::passRatio, 0.5f)}), "百分数：50.00%  \n"));
    // 1/160 times 100 is exactly 0.625 in float, printed 0.62; the double product would print 0.63.
    EXPECT_TRUE(contains(render({with("4001", &MemberRecord::passRatio, 1.0f / 160.0f)}), "百分数：0.62%  \n"));
    auto grid = with("3001", &MemberRecord::passRatio, 1.0f);
    grid.yPassRatio = 7.0f / 160.0f;
    EXPECT_TRUE(contains(render({grid}), "X向符合允许偏差百分数：100.00%  \n"));
    EXPECT_TRUE(contains(render({grid}), "Y向符合允许偏差百分数：4.38%  \n"));
}

TEST(TextExportLayout, deviationIsWrittenAsLowerBoundDashesUpperBound)
{
    for (const char* number : {"1001", "2001", "3001", "4001"}) {
        auto m = with(number, &MemberRecord::lowerDeviation, -7);
        m.upperDeviation = 10;
        EXPECT_TRUE(contains(render({m}), number[0] == '2' ? "允许偏差：-7---10\n" : "允许偏差(mm)：-7 ---10\n"))
            << number;
    }
}

TEST(TextExportLayout, membersAreGroupedByDigitThenKeptInArrayOrder)
{
    const std::string text = render({member("3001"), member("1001"), member("3002")});
    const auto single = text.find(gbk("工程编号：1001"));
    const auto firstGrid = text.find(gbk("工程编号：3001"));
    const auto secondGrid = text.find(gbk("工程编号：3002"));
    ASSERT_NE(secondGrid, std::string::npos);
    EXPECT_LT(single, firstGrid);
    EXPECT_LT(firstGrid, secondGrid);
}

TEST(TextExportLayout, onlyTheCountIsWrittenWithoutMembersOfAKnownDigit)
{
    EXPECT_EQ(renderTextExport(Project{}), gbk("工程总数：0\n"));
    EXPECT_EQ(render({member("5001", {20, 21}), member("")}), gbk("工程总数：2\n"));
}

TEST(TextExportLayout, barsAreListedOnlyWhereTheReadingsHoldTheirCover)
{
    // The last Y bar holds its cover but neither position byte.
    auto grid =
        with("3001", &MemberRecord::yBarCount, 50, run(run({170, 1}, {{20, 300}}, {187, 187, 187}), {{25, 150}}, {26}));
    grid.xBarCount = 1;
    EXPECT_TRUE(contains(render({grid}), "Y位置(mm)：\n150    0    \nY保护层厚度：\n25    26    \n"));

    const auto unseparated = with("3001", &MemberRecord::xBarCount, 5, run({170, 1}, {{20, 300}}, {21}));
    EXPECT_TRUE(contains(render({unseparated}), "X位置(mm)：\n300    0    \nX保护层厚度：\n20    21    \n"));

    const auto negative = with("3001", &MemberRecord::yBarCount, -1, run({170, 1, 187, 187, 187}, {{25, 150}}));
    EXPECT_TRUE(contains(render({negative}), "Y位置(mm)：\nY保护层厚度：\n"));

    const auto section = with("4001", &MemberRecord::xBarCount, 9, run({170, 1}, {{20, 513}}, {21, 1}));
    EXPECT_TRUE(contains(render({section}), "钢筋位置(mm)：\n513    256    \n保护层厚度：\n20    21    \n"));
}

TEST(TextExportLayout, namesAreWrittenAsStoredUpToANul)
{
    const auto m = with("4001", &MemberRecord::name, systemText("东墙") + std::string("\0tail", 5));
    EXPECT_TRUE(contains(render({m}), "工程名称：东墙\n"));
}

class TextExportFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "textexport-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(TextExportFile, writesTheRenderedBytesOverAnExistingFile)
{
    const std::string path = (folder_ / "out.txt").string();
    ASSERT_TRUE(writeTextExport(path, goldenProject()).ok());
    Project small;
    small.members.push_back(member("1001", {20}));
    const auto status = writeTextExport(path, small);
    ASSERT_TRUE(status.ok()) << status.error().describe();
    const auto written = readWholeFile(path);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(std::string(written.value().begin(), written.value().end()), renderTextExport(small));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(TextExportFile, missingFolderGivesTheCannotOpenMessageAndCreatesNothing)
{
    const fs::path missing = folder_ / "missing";
    const auto status = writeTextExport((missing / "out.txt").string(), goldenProject());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().kind, ErrorKind::cannotOpen);
    EXPECT_EQ(status.error().detail, "Can't open Project data file.");
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_TRUE(fs::is_empty(folder_));
}

} // namespace
} // namespace trellon
