// A template's table carried over consecutive tables of bounded size, for rows cloned from one of its rows.
#pragma once

#include "xmlscan.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trellon::docx {

// The w:tbl `table` of xml (whose tags are `tags`) with `rows` in place of its rows in `replaced`, written as
// consecutive tables of at most maxRowsPerTable of them (taken as 1 when 0). Each table starts as `table` does up to
// `replaced`: its properties, grid and heading rows. What follows `replaced` ends the last table only. Where two
// tables meet, the table's top and bottom borders, where it sets them, become joined ones (docx::Edge) with a
// hidden paragraph between.
std::string continuedTableXml(std::string_view xml, const std::vector<XmlTag>& tags, XmlRange table, XmlRange replaced,
                              std::span<const std::string> rows, std::size_t maxRowsPerTable);

} // namespace trellon::docx
