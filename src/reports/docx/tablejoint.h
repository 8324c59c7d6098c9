// Consecutive tables that stand for one long table: their length and how they meet on the page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trellon::docx {

// Rows of one table at most, below its heading rows: a few pages. Word processors lay out a table spanning many
// pages in time growing with the square of its length.
constexpr std::size_t rowsPerTable = 120;

// A table's top or bottom border.
enum class Edge {
    ruled, // a single half-point rule
    open,  // none
    // A single quarter-point rule: where two tables meet on a page, the bottom of one and the top of the next make
    // one rule together; where a page break falls between them, each still shows a rule.
    joined,
};

// The w:tblBorders child for `edge` ("top", "left", …).
std::string tableBorderXml(std::string_view edge, Edge kind);

// The paragraph between two tables: hidden, so that they meet without a gap, and there, so that word processors
// keep them apart.
std::string jointParagraphXml();

} // namespace trellon::docx
