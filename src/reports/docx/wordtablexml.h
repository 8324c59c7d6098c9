// WordprocessingML for a WordTable, to be placed in a document body where a paragraph may stand.
#pragma once

#include "wordtable.h"

#include <string>

namespace trellon::docx {

// A w:tbl with fixed column widths, single borders and the rows' repeat flags. Only a table's top rows can
// repeat on every page, so rows above the first repeating row are written as a table of their own, open at the
// bottom, followed by a hidden paragraph that keeps word processors from joining the two; vertical merges must
// not cross that boundary.
std::string wordTableXml(const WordTable& table);

} // namespace trellon::docx
