// Baseline for office files: writing the entries of an existing zip package again, with nothing to build.
#pragma once

#include <string>

namespace trellon::bench {

// Reads every entry of the package at `package` once, then registers "zipWrite/<name>": a new zip at `path`
// holding the same entries, deflated as office writers store them. Returns the name.
std::string registerZipWriteBaseline(const std::string& package, const std::string& path, const std::string& name);

} // namespace trellon::bench
