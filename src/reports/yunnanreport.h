// The Yunnan-format Word report: one table row per checked member with its stored figures, then the note,
// filled into the template 云南报告.docx.
#pragma once

#include "docx/docxpackage.h"

#include "model/project.h"
#include "model/result.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace trellon {

// The template's placeholders, each written {{name}}. The table row holding the row.* placeholders is
// repeated once per member (and left out when there is none); {{note}} sits in the merged row after it.
namespace yunnanfield {
constexpr std::string_view rowPrefix = "row.";
constexpr std::array<std::string_view, 8> rowCells = {
    "row.index",     "row.member",      "row.maxCover",      "row.minCover",
    "row.meanCover", "row.sampleCount", "row.designSpacing", "row.maxSpacing",
};
constexpr std::string_view note = "note";
} // namespace yunnanfield

constexpr std::string_view yunnanNote =
    "注：板钢筋保护层厚度为负弯矩钢筋保护层厚度，梁钢筋保护层厚度为框架梁梁底主筋保护层厚度。";

// "-----": the figure does not apply to the member.
constexpr std::string_view notApplicable = "-----";

struct YunnanRow {
    std::array<std::string, 8> cells; // UTF-8
};

// One row per checked member whose digit is "1" to "4", numbered from 1 in array order, from the stored
// statistics (the caller has computed them). A grid combines its X and Y figures; a run without bars takes no
// part, so a grid without a Y run shows its X figures.
std::vector<YunnanRow> layOutYunnanRows(const Project& project);

// Fills a copy of the template and writes it to outputPath atomically. More rows than docx::rowsPerTable go on in
// further tables, each starting as the template's table does. Refuses a template without the member row in a
// table; nothing is written then.
Status writeYunnanReport(const docx::DocxPackage& templatePackage, const std::vector<YunnanRow>& rows,
                         const std::string& outputPath);

} // namespace trellon
