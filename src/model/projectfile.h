// The .gj project file: read in all three versions, written as "VER1.2".
#pragma once

#include "project.h"
#include "result.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trellon {

enum class ProjectFileFormat { ver12, ver11, unversioned };

std::string_view formatName(ProjectFileFormat format); // "VER1.2", "VER1.1", "unversioned"

struct LoadedProject {
    ProjectFileFormat format;
    std::unique_ptr<Project> project;
    // Set when the file has an extension block that could not be used: the members are read, the extension is
    // left at its defaults, and this one human line says why. The caller shows it as a warning, not a failure.
    std::optional<std::string> extensionWarning;
};

constexpr std::size_t nameFieldSize = 50;  // text, a NUL, then zeros
constexpr std::size_t numberFieldSize = 4; // a five-digit number keeps its first four digits
constexpr std::size_t versionTagSize = 10;

// Parses a whole file of any version, with the extension block that may follow its last member. Counts are checked
// against the bytes that remain before anything is allocated.
Result<LoadedProject> parseProjectFile(std::span<const std::uint8_t> bytes);

// Reads the file at path into a new project; the caller's project is not touched.
Result<LoadedProject> readProjectFile(const std::string& path);

// The "VER1.2" bytes of a project, with the extension block when the extension differs from its defaults. Names
// are cut to 49 bytes at a character boundary.
std::vector<std::uint8_t> encodeProjectFile(const Project& project);

enum class SaveOutcome { written, nothingToWrite };

// Writes the project atomically as "VER1.2". A project without members creates no file.
Result<SaveOutcome> writeProjectFile(const std::string& path, const Project& project);

} // namespace trellon
