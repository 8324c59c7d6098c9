// Explicit little- and big-endian number helpers over byte spans.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace trellon {

// Through a plain pointer the compiler turns the four byte loads into one load.
inline std::int32_t readInt32Le(std::span<const std::uint8_t> bytes, std::size_t at)
{
    const std::uint8_t* p = bytes.data() + at;
    const std::uint32_t value =
        std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
    return static_cast<std::int32_t>(value);
}

inline void storeInt32Le(std::span<std::uint8_t> bytes, std::size_t at, std::int32_t value)
{
    std::uint8_t* p = bytes.data() + at;
    const auto bits = static_cast<std::uint32_t>(value);
    p[0] = static_cast<std::uint8_t>(bits);
    p[1] = static_cast<std::uint8_t>(bits >> 8);
    p[2] = static_cast<std::uint8_t>(bits >> 16);
    p[3] = static_cast<std::uint8_t>(bits >> 24);
}

inline void appendInt32Le(std::vector<std::uint8_t>& out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    out.push_back(static_cast<std::uint8_t>(bits));
    out.push_back(static_cast<std::uint8_t>(bits >> 8));
    out.push_back(static_cast<std::uint8_t>(bits >> 16));
    out.push_back(static_cast<std::uint8_t>(bits >> 24));
}

inline std::uint32_t readUint16Be(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} << 8 | bytes[at + 1];
}

inline std::uint32_t readUint24Be(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} << 16 | std::uint32_t{bytes[at + 1]} << 8 | bytes[at + 2];
}

} // namespace trellon
