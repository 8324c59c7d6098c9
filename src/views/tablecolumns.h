// The widths of a table's columns across a given width.
#pragma once

#include <span>
#include <vector>

namespace trellon {

// Columns that fill `available`. Where every column's widest text fits, each gets its widest text and a share of
// the rest in proportion to it. Otherwise the widest columns give way first: all columns wider than some width
// are cut down to it, but never below their widest unbreakable piece (`least`), so that short texts stay on one
// line while long ones wrap. Where even the pieces do not fit, they are narrowed in proportion. natural and least
// hold one width per column, least[i] <= natural[i].
std::vector<double> columnWidths(std::span<const double> natural, std::span<const double> least, double available);

} // namespace trellon
