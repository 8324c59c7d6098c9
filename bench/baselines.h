// Baselines for the ratio table: the cost of moving the same number of bytes without any decoding.
#pragma once

#include <cstddef>
#include <string>

namespace trellon::bench {

// Registers "memcpy/<bytes>": one memcpy of `bytes` bytes between two buffers. Returns the name.
std::string registerMemcpyBaseline(std::size_t bytes);

// Registers "rawRead/<bytes>": open, read whole into a buffer made beforehand, close. The file must exist.
std::string registerRawReadBaseline(const std::string& path, std::size_t bytes);

// Registers "rawWrite/<bytes>": write a temporary file beside path, fsync, close, rename over path.
std::string registerRawWriteBaseline(const std::string& path, std::size_t bytes);

} // namespace trellon::bench
