// Layouts of the parameter grid and their filling from a member.
#include "parametergrid.h"

#include "widgets/cgridctrl.h"

#include "model/gbk.h"
#include "model/testmode.h"

#include <QCoreApplication>
#include <QFontMetrics>

#include <algorithm>

namespace trellon {
namespace {

const CellFormat labelFormat{Qt::AlignCenter, true};
const CellFormat valueFormat{Qt::AlignCenter, false};

struct ParameterGrid {
    Q_DECLARE_TR_FUNCTIONS(ParameterGrid)
};

// Clears the grid to the given size with every cell read-only, values centred and the rows numbered.
void layOut(CGridCtrl& grid, int columns, int fixedRows)
{
    grid.deleteAllItems();
    grid.setRowCount(parameterGridRows);
    grid.setFixedRowCount(fixedRows);
    grid.setColumnCount(columns);
    grid.setFixedColumnCount(1);
    for (int r = 0; r < parameterGridRows; ++r) {
        for (int c = 0; c < columns; ++c) {
            grid.setCellReadOnly(r, c, true);
            grid.setItemFormat(r, c, r < fixedRows ? labelFormat : valueFormat);
        }
    }
    for (int r = fixedRows; r < parameterGridRows; ++r)
        grid.setItemText(r, 0, QString::number(r - fixedRows + 1));
}

void writeValue(CGridCtrl& grid, int row, int column, std::int32_t value)
{
    grid.setItemText(row, column, QString::number(value));
    grid.setCellReadOnly(row, column, false);
}

void writeBar(CGridCtrl& grid, const MemberRecord& member, std::int64_t coverIndex, int row, int column)
{
    writeValue(grid, row, column, barPositionAt(member, coverIndex));
    writeValue(grid, row, column + 1, member.sampleAt(coverIndex));
}

QString nameOf(const MemberRecord& member)
{
    return QString::fromStdString(gbkToUtf8(member.name));
}

// The layout's widths suit a narrow system font; a column grows, never shrinks, until each line of its
// labels fits, so no heading is cut off with our fonts.
void widenToFitLabels(CGridCtrl& grid, int labelRows)
{
    constexpr int margin = 8;
    const QFontMetrics metrics = grid.fontMetrics();
    for (int c = 0; c < grid.columnCount(); ++c) {
        int needed = grid.columnWidth(c);
        for (int r = 0; r < labelRows; ++r) {
            if (grid.mergeOwner(r, c) != QPoint(c, r) || grid.columnSpan(r, c) > 1)
                continue;
            for (const QString& line : grid.itemText(r, c).split(QLatin1Char('\n')))
                needed = std::max(needed, metrics.horizontalAdvance(line) + margin);
        }
        grid.setColumnWidth(c, needed);
    }
}

} // namespace

void layOutSectionGrid(CGridCtrl& grid)
{
    layOut(grid, 3, sectionFirstBarRow);
    grid.setRowHeight(0, 20);
    grid.setRowHeight(1, 20);
    grid.setRowHeight(2, 30);
    for (int c = 0; c < 3; ++c)
        grid.setColumnWidth(c, 80);
    grid.setItemText(0, 0, ParameterGrid::tr("工程名称"));
    grid.setItemText(1, 0, ParameterGrid::tr("设计厚度"));
    grid.setItemText(2, 0, ParameterGrid::tr("钢筋直径(mm)"));
    grid.setItemText(3, 0, ParameterGrid::tr("钢筋序号"));
    grid.setItemText(3, 1, ParameterGrid::tr("位置(mm)"));
    grid.setItemText(3, 2, ParameterGrid::tr("保护层(mm)"));
    for (int r = 0; r < 3; ++r)
        grid.mergeCells(r, 1, 0, 1);
    widenToFitLabels(grid, sectionFirstBarRow);
}

void layOutGridGrid(CGridCtrl& grid)
{
    layOut(grid, 5, gridFirstBarRow);
    for (int r = 0; r < 4; ++r)
        grid.setRowHeight(r, 20);
    grid.setRowHeight(4, 40);
    const int widths[] = {69, 43, 40, 43, 40};
    for (int c = 0; c < 5; ++c)
        grid.setColumnWidth(c, widths[c]);
    grid.setItemText(0, 0, ParameterGrid::tr("工程名称"));
    grid.setItemText(1, 0, ParameterGrid::tr("设计厚度"));
    grid.setItemText(2, 0, ParameterGrid::tr("X直径(mm)"));
    grid.setItemText(3, 0, ParameterGrid::tr("Y直径(mm)"));
    grid.setItemText(4, 0, ParameterGrid::tr("钢筋序号"));
    grid.setItemText(4, 1, ParameterGrid::tr("X位置\n(mm)"));
    grid.setItemText(4, 2, ParameterGrid::tr("X保护层\n(mm)"));
    grid.setItemText(4, 3, ParameterGrid::tr("Y位置\n(mm)"));
    grid.setItemText(4, 4, ParameterGrid::tr("Y保护层\n(mm)"));
    for (int r = 0; r < 4; ++r)
        grid.mergeCells(r, 1, 0, 3);
    widenToFitLabels(grid, gridFirstBarRow);
}

void fillSectionGrid(CGridCtrl& grid, const MemberRecord& member)
{
    layOutSectionGrid(grid);
    if (!hasBarRuns(member))
        return;
    grid.setItemText(0, 1, nameOf(member));
    grid.setItemText(1, 1, QString::number(member.designCover));
    grid.setItemText(2, 1, QString::number(member.barDiameter));
    const std::int32_t bars = std::min(barCount(member, BarRun::section), parameterGridRows - sectionFirstBarRow);
    for (std::int32_t j = 0; j < bars; ++j)
        writeBar(grid, member, xBarCoverIndex(j), sectionFirstBarRow + j, 1);
}

void fillGridGrid(CGridCtrl& grid, const MemberRecord& member)
{
    layOutGridGrid(grid);
    if (!hasBarRuns(member))
        return;
    grid.setItemText(0, 1, nameOf(member));
    grid.setItemText(1, 1, QString::number(member.designCover));
    grid.setItemText(2, 1, QString::number(member.knownDiameter));
    grid.setItemText(3, 1, QString::number(member.barDiameter));
    const std::int32_t rows = parameterGridRows - gridFirstBarRow;
    for (std::int32_t j = 0; j < std::min(barCount(member, BarRun::gridX), rows); ++j)
        writeBar(grid, member, xBarCoverIndex(j), gridFirstBarRow + j, 1);
    const std::int32_t s = findRunSeparator(member.samples);
    for (std::int32_t j = 0; j < std::min(barCount(member, BarRun::gridY), rows); ++j)
        writeBar(grid, member, yBarCoverIndex(s, j), gridFirstBarRow + j, 3);
}

std::optional<BarCell> sectionBarCell(int row, int column)
{
    if (row < sectionFirstBarRow || (column != 1 && column != 2))
        return std::nullopt;
    return BarCell{BarRun::section, row - sectionFirstBarRow, column == 1 ? BarField::position : BarField::cover};
}

std::optional<BarCell> gridBarCell(int row, int column)
{
    if (row < gridFirstBarRow || column < 1 || column > 4)
        return std::nullopt;
    return BarCell{gridRunOfColumn(column), row - gridFirstBarRow,
                   column % 2 == 1 ? BarField::position : BarField::cover};
}

BarRun gridRunOfColumn(int column)
{
    return column >= 3 ? BarRun::gridY : BarRun::gridX;
}

} // namespace trellon
