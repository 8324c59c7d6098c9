// The extension block after the last member of a .gj file. Every reader of the format stops before it.
#pragma once

#include "projectextension.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace trellon {

constexpr std::size_t extensionMagicSize = 8; // "TRELLON" and a NUL

// The block for a project of memberCount members; empty when the extension holds only defaults.
std::vector<std::uint8_t> encodeExtensionBlock(const ProjectExtension& extension, std::size_t memberCount);

struct ExtensionBlockRead {
    ProjectExtension extension;
    std::optional<std::string> warning; // set when a block was found but could not be used
};

// Reads the bytes after the last member, which start at file offset `at`. Bytes that do not begin with the magic
// are ignored, as are any bytes after a block. A block with a bad length, CRC or payload gives the default
// extension and a warning.
ExtensionBlockRead readExtensionBlock(std::span<const std::uint8_t> trailing, std::size_t memberCount, std::size_t at);

} // namespace trellon
