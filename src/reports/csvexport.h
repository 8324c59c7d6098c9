// CSV export of a project: one row per reading of every member of a known test mode, for spreadsheets and scripts.
#pragma once

#include "model/project.h"
#include "model/result.h"

#include <string>
#include <string_view>

namespace trellon {

// Error detail of writeCsvExport when the file cannot be created.
inline constexpr std::string_view csvExportCannotOpenDetail = "cannot create the CSV file";

// UTF-8 with a byte-order mark, CR LF after every row, fields quoted as RFC 4180 asks (those holding a comma, a
// quote, CR or LF, with their quotes doubled). A header row names the columns:
//   index          the member's array index + 1
//   number, name   the member's texts, converted from GBK
//   type           memberTypeName of memberType
//   mode           "single" (digits "1" and "2"), "grid" ("3") or "section" ("4")
//   run            empty for single points, "X" for a section's bars, "X" or "Y" for the runs of a grid
//   point          1, 2, … within the member, counting each run of a grid from 1
//   position       the bar's position in mm; empty for single points
//   cover, designCover, lowerDeviation, upperDeviation
//   pass           1 when isWithinTolerance holds for the cover, else 0
//   ticked         1 when the member is checked, else 0
//   correctedCover the cover the acceptance check judges: the corrected cover of the drilling verification while
//                  the project judges on corrected covers, else cover
// Then, member by member in array order, one row per value: every reading of digit "1", the cover of every complete
// pair of digit "2", and the bars countBars finds in a section or grid, X run before Y run. Members of any other
// digit have no row.
std::string renderCsvExport(const Project& project);

// Writes renderCsvExport(project) to path atomically. When the file cannot be created the error is
// ErrorKind::cannotOpen with detail csvExportCannotOpenDetail and nothing is written; a failed write or rename is
// returned as writeFileAtomically reports it, leaving any previous file unchanged.
Status writeCsvExport(const std::string& path, const Project& project);

} // namespace trellon
