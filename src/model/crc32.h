// CRC-32 with the zlib polynomial (0xEDB88320, reflected), as used for the extension block of a .gj file.
#pragma once

#include <cstdint>
#include <span>

namespace trellon {

// The CRC of bytes, with the usual initial value and final inversion: "123456789" gives 0xCBF43926.
std::uint32_t crc32(std::span<const std::uint8_t> bytes);

} // namespace trellon
