// Where a long table is cut into consecutive tables: between groups of rows, a bounded number of rows to a table.
#pragma once

#include "wordtable.h"

#include <cstddef>
#include <span>
#include <vector>

namespace trellon::docx {

// The rows in consecutive parts of at most maxRows rows (taken as 1 when 0), none when there are no rows. A part
// ends only before a row that does not keep with the row above, except in a group of rows longer than maxRows:
// such a group starts a part and is cut after every maxRows of its rows.
std::vector<std::span<const TableRow>> cutIntoParts(std::span<const TableRow> rows, std::size_t maxRows);

} // namespace trellon::docx
