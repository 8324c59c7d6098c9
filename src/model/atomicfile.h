// Whole-file reads and atomic whole-file writes.
#pragma once

#include "result.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace trellon {

// Writes a temporary file beside `path`, flushes it to disk and renames it over `path`.
// On failure the previous file is unchanged and no temporary file is left.
// When the file cannot be created the error detail is `cannotOpenDetail`, then the path and the reason.
Status writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                           const std::string& cannotOpenDetail);

// The whole content of a regular file.
Result<std::vector<std::uint8_t>> readWholeFile(const std::string& path);

} // namespace trellon
