// The spreadsheet report's layout: which cell holds which text or number, the merges, headings and frame.
#pragma once

#include "model/project.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace trellon {

inline constexpr std::string_view excelReportSheetName = "报表1";
// Columns A to H: label, design cover, six readings.
constexpr std::int32_t excelReportColumns = 8;
constexpr std::int32_t excelReportReadingsPerRow = 6;
constexpr std::int32_t excelReportHeadingRows = 2;

// One cell, or a merged range from (row, column) to (lastRow, lastColumn); rows and columns count from 0.
struct SheetCell {
    std::int32_t row = 0;
    std::int32_t column = 0;
    std::int32_t lastRow = 0;
    std::int32_t lastColumn = 0;
    std::variant<std::string, std::int32_t> value; // UTF-8 text or a whole number
    bool heading = false;                          // the three heading blocks and the reading numbers

    bool merged() const { return lastRow > row || lastColumn > column; }
    bool operator==(const SheetCell&) const = default;
};

struct ExcelReportLayout {
    // Character units: A and B 20, C to H 7.
    std::array<double, excelReportColumns> columnWidths{};
    // Rows inside the frame, headings included: the frame runs around A1 to H(rowCount). Every cell is
    // centred both ways.
    std::int32_t rowCount = excelReportHeadingRows;
    // Heading cells first, then each member block; cells of the frame that stay empty are not listed.
    std::vector<SheetCell> cells;
};

// The label of a member's block: "name(number)", or a tab, a blank and "(number)" when the name is empty.
std::string excelReportLabel(const MemberRecord& member);

// The ticked members (checked set, digit "1" to "4") in array order, one block each from row 2 on: k rows for
// its n readings (k = ceil(n / 6), at least 1), the label and the design cover merged down the block's A and B
// cells, reading i in row (first + i / 6), column C + i mod 6. A reading the record claims but does not hold
// leaves its cell empty.
ExcelReportLayout layoutExcelReport(const Project& project);

} // namespace trellon
