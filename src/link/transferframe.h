// The instrument's transfer frame and its decoding into a project.
//
// Frame layout (multi-byte numbers unsigned, big-endian):
//   0          1     sync byte 0x55
//   1          6     not interpreted
//   7          3     L, length of the sample area
//   10         2     n, member count
//   12         7n    directory: number[2] yDiameter[1] diameter[1] dataOffset[3]
//   12 + 7n    L     sample area, one byte per reading
#pragma once

#include "model/project.h"
#include "model/result.h"

#include <cstdint>
#include <memory>
#include <span>

namespace trellon {

constexpr std::uint8_t syncByte = 0x55;
constexpr std::size_t frameHeaderSize = 12;
constexpr std::size_t directoryEntrySize = 7;

struct FrameHeader {
    std::int32_t memberCount;      // n
    std::int32_t sampleAreaLength; // L

    std::int64_t directoryEnd() const { return frameHeaderSize + directoryEntrySize * std::int64_t{memberCount}; }
    std::int64_t totalLength() const { return directoryEnd() + sampleAreaLength; }
};

// The header of a frame of which at least frameHeaderSize bytes are at hand.
FrameHeader readFrameHeader(std::span<const std::uint8_t> frame);

// Fills the member records from a complete frame. A frame whose directory offsets go backwards
// or lie beyond the sample area is refused.
Result<std::unique_ptr<Project>> unpackFrame(std::span<const std::uint8_t> frame);

} // namespace trellon
