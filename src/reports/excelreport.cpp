// Spreadsheet report layout.
#include "excelreport.h"

#include "evaluation/coverjudgement.h"
#include "model/gbk.h"
#include "model/testmode.h"

namespace trellon {

namespace {

constexpr std::int32_t labelColumn = 0;
constexpr std::int32_t designColumn = 1;
constexpr std::int32_t firstReadingColumn = 2;

SheetCell cell(std::int32_t row, std::int32_t column, std::variant<std::string, std::int32_t> value,
               bool heading = false)
{
    return SheetCell{row, column, row, column, std::move(value), heading};
}

SheetCell range(std::int32_t row, std::int32_t column, std::int32_t lastRow, std::int32_t lastColumn,
                std::variant<std::string, std::int32_t> value, bool heading)
{
    return SheetCell{row, column, lastRow, lastColumn, std::move(value), heading};
}

void addHeadings(std::vector<SheetCell>& cells)
{
    cells.push_back(range(0, labelColumn, 1, labelColumn, std::string("构件名称或编号"), true));
    cells.push_back(range(0, designColumn, 1, designColumn, std::string("设计保护层厚度(mm)"), true));
    cells.push_back(range(0, firstReadingColumn, 0, excelReportColumns - 1, std::string("实 测 厚 度 (mm)"), true));
    for (std::int32_t i = 0; i < excelReportReadingsPerRow; ++i)
        cells.push_back(cell(1, firstReadingColumn + i, i + 1, true));
}

// A label or design cell of a block: merged down the block when it has more than one row.
SheetCell blockCell(std::int32_t first, std::int32_t rows, std::int32_t column,
                    std::variant<std::string, std::int32_t> value)
{
    return range(first, column, first + rows - 1, column, std::move(value), false);
}

} // namespace

std::string excelReportLabel(const MemberRecord& member)
{
    const std::string number = gbkToUtf8(member.number);
    if (member.name.empty())
        return "\t (" + number + ")";
    return gbkToUtf8(member.name) + "(" + number + ")";
}

ExcelReportLayout layoutExcelReport(const Project& project)
{
    ExcelReportLayout layout;
    layout.columnWidths = {20, 20, 7, 7, 7, 7, 7, 7};
    addHeadings(layout.cells);

    std::int32_t row = excelReportHeadingRows;
    for (const MemberRecord& member : project.members) {
        if (!member.checked || !isKnownTestMode(testModeDigit(member)))
            continue;
        const std::int32_t n = judgedPointCount(member);
        const std::int32_t rows = std::max(1, (n + excelReportReadingsPerRow - 1) / excelReportReadingsPerRow);
        layout.cells.push_back(blockCell(row, rows, labelColumn, excelReportLabel(member)));
        layout.cells.push_back(blockCell(row, rows, designColumn, member.designCover));
        std::int32_t i = 0;
        forEachJudgedPoint(member, [&](const JudgedPoint& point) {
            if (point.cover)
                layout.cells.push_back(cell(row + i / excelReportReadingsPerRow,
                                            firstReadingColumn + i % excelReportReadingsPerRow, *point.cover));
            ++i;
        });
        row += rows;
    }
    layout.rowCount = row;
    return layout;
}

} // namespace trellon
