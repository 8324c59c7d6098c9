// Layout of the spreadsheet report: headings, member blocks six readings to a row, labels and merges.
#include "reports/excelreport.h"

#include "model/gbk.h"
#include "model/testmode.h"

#include <gtest/gtest.h>

#include <optional>

namespace trellon {
namespace {

MemberRecord member(std::string number, std::vector<std::int32_t> samples, std::string_view name = "梁",
                    std::int32_t design = 25)
{
    MemberRecord m;
    m.number = std::move(number);
    m.name = systemText(name);
    m.designCover = design;
    m.checked = 1;
    m.replaceSamples(std::move(samples));
    return m;
}

// A grid member with its X and Y runs, each bar (cover, position), and the separator between them.
MemberRecord grid(std::vector<std::pair<int, int>> xBars, std::vector<std::pair<int, int>> yBars)
{
    std::vector<std::int32_t> samples{170, 1};
    for (const auto& [cover, position] : xBars)
        samples.insert(samples.end(), {cover, encodePosition(position).high, encodePosition(position).low});
    samples.insert(samples.end(), {187, 187, 187});
    for (const auto& [cover, position] : yBars)
        samples.insert(samples.end(), {cover, encodePosition(position).high, encodePosition(position).low});
    MemberRecord m = member("3001", std::move(samples));
    m.xBarCount = static_cast<std::int32_t>(xBars.size());
    m.yBarCount = static_cast<std::int32_t>(yBars.size());
    return m;
}

ExcelReportLayout layoutOf(std::vector<MemberRecord> members)
{
    Project project;
    project.members = std::move(members);
    return layoutExcelReport(project);
}

// The cell or merged range whose top-left corner is (row, column), both from 0.
std::optional<SheetCell> at(const ExcelReportLayout& layout, std::int32_t row, std::int32_t column)
{
    for (const SheetCell& cell : layout.cells) {
        if (cell.row == row && cell.column == column)
            return cell;
    }
    return std::nullopt;
}

std::optional<std::int32_t> numberAt(const ExcelReportLayout& layout, std::int32_t row, std::int32_t column)
{
    const auto cell = at(layout, row, column);
    if (!cell || !std::holds_alternative<std::int32_t>(cell->value))
        return std::nullopt;
    return std::get<std::int32_t>(cell->value);
}

// The readings of a block's rows, left to right and top to bottom, up to the first empty cell.
std::vector<std::int32_t> readingsFrom(const ExcelReportLayout& layout, std::int32_t firstRow, std::int32_t rows)
{
    std::vector<std::int32_t> readings;
    for (std::int32_t r = firstRow; r < firstRow + rows; ++r)
        for (std::int32_t c = 2; c < 8; ++c)
            if (const auto value = numberAt(layout, r, c))
                readings.push_back(*value);
    return readings;
}

TEST(ExcelReportLayout, headingsWidthsAndAnEmptyTable)
{
    const ExcelReportLayout layout = layoutOf({});
    EXPECT_EQ(layout.rowCount, 2);
    EXPECT_EQ(layout.columnWidths, (std::array<double, 8>{20, 20, 7, 7, 7, 7, 7, 7}));
    EXPECT_EQ(at(layout, 0, 0), (SheetCell{0, 0, 1, 0, std::string("构件名称或编号"), true}));
    EXPECT_EQ(at(layout, 0, 1), (SheetCell{0, 1, 1, 1, std::string("设计保护层厚度(mm)"), true}));
    EXPECT_EQ(at(layout, 0, 2), (SheetCell{0, 2, 0, 7, std::string("实 测 厚 度 (mm)"), true}));
    for (std::int32_t i = 0; i < 6; ++i)
        EXPECT_EQ(at(layout, 1, 2 + i), (SheetCell{1, 2 + i, 1, 2 + i, i + 1, true}));
    EXPECT_EQ(layout.cells.size(), 9u);
}

TEST(ExcelReportLayout, thirteenReadingsTakeThreeRowsWithMergedLabelAndDesign)
{
    std::vector<std::int32_t> readings;
    for (int i = 0; i < 13; ++i)
        readings.push_back(20 + i);
    const ExcelReportLayout layout = layoutOf({member("1001", readings, "一层 KL1 梁底", 30)});
    EXPECT_EQ(layout.rowCount, 5);
    EXPECT_EQ(at(layout, 2, 0), (SheetCell{2, 0, 4, 0, std::string("一层 KL1 梁底(1001)"), false}));
    EXPECT_EQ(at(layout, 2, 1), (SheetCell{2, 1, 4, 1, 30, false}));
    EXPECT_EQ(numberAt(layout, 2, 2), 20);
    EXPECT_EQ(numberAt(layout, 2, 7), 25);
    EXPECT_EQ(numberAt(layout, 3, 2), 26);
    EXPECT_EQ(numberAt(layout, 3, 7), 31);
    EXPECT_EQ(numberAt(layout, 4, 2), 32);
    EXPECT_FALSE(at(layout, 4, 3).has_value());
    EXPECT_EQ(readingsFrom(layout, 2, 3), readings);
}

TEST(ExcelReportLayout, blocksFollowOneAnotherAndEmptyMembersTakeOneRow)
{
    const ExcelReportLayout layout =
        layoutOf({member("1001", {21, 22, 23, 24, 25, 26}), member("1002", {}, ""), member("1003", {27})});
    EXPECT_EQ(layout.rowCount, 5);
    // Six readings fill exactly one row; a block of one row merges nothing.
    EXPECT_EQ(at(layout, 2, 0), (SheetCell{2, 0, 2, 0, std::string("梁(1001)"), false}));
    EXPECT_EQ(readingsFrom(layout, 2, 1), (std::vector<std::int32_t>{21, 22, 23, 24, 25, 26}));
    // No readings: the label, with a tab and a blank for the empty name, and the design cover alone.
    EXPECT_EQ(at(layout, 3, 0), (SheetCell{3, 0, 3, 0, std::string("\t (1002)"), false}));
    EXPECT_EQ(numberAt(layout, 3, 1), 25);
    EXPECT_TRUE(readingsFrom(layout, 3, 1).empty());
    EXPECT_EQ(readingsFrom(layout, 4, 1), (std::vector<std::int32_t>{27}));
}

TEST(ExcelReportLayout, onlyTickedMembersOfTheFourTestModesGetABlock)
{
    MemberRecord unticked = member("1001", {40});
    unticked.checked = 0;
    MemberRecord unknownMode = member("5001", {41});
    MemberRecord noNumber = member("", {42});
    const ExcelReportLayout layout = layoutOf({unticked, unknownMode, noNumber, member("2001", {30, 18, 31, 18, 32})});
    EXPECT_EQ(layout.rowCount, 3);
    EXPECT_EQ(at(layout, 2, 0)->value, (std::variant<std::string, std::int32_t>(std::string("梁(2001)"))));
    // Measured diameters: the covers of the two complete pairs.
    EXPECT_EQ(readingsFrom(layout, 2, 1), (std::vector<std::int32_t>{30, 31}));
}

TEST(ExcelReportLayout, gridListsItsXCoversThenItsYCovers)
{
    const ExcelReportLayout layout =
        layoutOf({grid({{11, 100}, {12, 250}, {13, 400}, {14, 550}}, {{21, 80}, {22, 230}, {23, 380}})});
    EXPECT_EQ(layout.rowCount, 4);
    EXPECT_EQ(at(layout, 2, 0)->lastRow, 3);
    EXPECT_EQ(readingsFrom(layout, 2, 2), (std::vector<std::int32_t>{11, 12, 13, 14, 21, 22, 23}));
    EXPECT_EQ(numberAt(layout, 3, 2), 23);

    // A stale X count of 1 over a run of three: the Y covers still follow the separator.
    MemberRecord stale = grid({{11, 100}, {12, 250}, {13, 400}}, {{21, 80}, {22, 230}});
    stale.xBarCount = 1;
    MemberRecord noY = grid({{11, 100}}, {});
    noY.yBarCount = -1;
    const ExcelReportLayout stored = layoutOf({stale, noY});
    EXPECT_EQ(readingsFrom(stored, 2, 1), (std::vector<std::int32_t>{11, 21, 22}));
    EXPECT_EQ(readingsFrom(stored, 3, 1), (std::vector<std::int32_t>{11}));
}

TEST(ExcelReportLayout, sectionCoversAndBarsClaimedBeyondTheReadings)
{
    MemberRecord section = member("4001", {170, 1, 31, 0, 100, 32, 0, 250});
    section.xBarCount = 8; // six more than the readings hold
    const ExcelReportLayout layout = layoutOf({section});
    // Eight claimed readings take two rows; the six missing ones leave their cells empty.
    EXPECT_EQ(layout.rowCount, 4);
    EXPECT_EQ(at(layout, 2, 1)->lastRow, 3);
    EXPECT_EQ(readingsFrom(layout, 2, 2), (std::vector<std::int32_t>{31, 32}));
    EXPECT_EQ(numberAt(layout, 2, 3), 32);
    EXPECT_FALSE(at(layout, 2, 4).has_value());

    // A damaged count far beyond the readings is listed only as far as the member has readings.
    section.xBarCount = 2'000'000'000;
    EXPECT_EQ(layoutOf({section}).rowCount, 2 + 2);
}

} // namespace
} // namespace trellon
