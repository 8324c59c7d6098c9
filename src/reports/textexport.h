// Text export of a whole project: GBK text with CR LF line ends, one block per member grouped by test mode.
#pragma once

#include "model/project.h"
#include "model/result.h"

#include <string>
#include <string_view>

namespace trellon {

// Error detail of writeTextExport when the file cannot be created.
inline constexpr std::string_view textExportCannotOpenDetail = "Can't open Project data file.";

// The exported bytes: the member count, then the blocks of the digit "1", "2", "3" and "4" members, each
// group in array order; members with any other digit get no block. Prints the stored statistics, so the
// caller recomputes them first.
std::string renderTextExport(const Project& project);

// Writes renderTextExport(project) to path atomically. When the file cannot be created the error is
// ErrorKind::cannotOpen with detail textExportCannotOpenDetail and nothing is written; a failed write or
// rename is returned as writeFileAtomically reports it, leaving any previous file unchanged.
Status writeTextExport(const std::string& path, const Project& project);

} // namespace trellon
