// WordprocessingML for a WordTable, to be placed in a document body where a paragraph may stand.
#pragma once

#include "tablejoint.h"
#include "wordtable.h"

#include <cstddef>
#include <string>

namespace trellon::docx {

// w:tbl elements with fixed column widths, single borders and the rows' repeat flags. Only a table's top rows can
// repeat on every page, so rows above the first repeating row are written as a table of their own, open at the
// bottom. The rows below the repeating ones follow in consecutive tables of at most maxRowsPerTable rows
// (docx::cutIntoParts), each starting with the repeating rows; they meet with joined borders (docx::Edge). A hidden
// paragraph stands between any two tables. Vertical merges must not cross from one table to the next.
std::string wordTableXml(const WordTable& table, std::size_t maxRowsPerTable = rowsPerTable);

} // namespace trellon::docx
