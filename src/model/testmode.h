// Test modes of members and the layout of their readings.
#pragma once

#include "memberrecord.h"

#include <cstdint>
#include <span>
#include <vector>

namespace trellon {

// The first character of a member's number; '\0' for an empty number.
enum class TestModeDigit : char {
    none = '\0',
    singleKnownDiameter = '1',
    singleMeasuredDiameter = '2',
    grid = '3',
    section = '4',
};

constexpr std::int32_t runMarker = 170;      // first reading of a section or grid member
constexpr std::int32_t separatorValue = 187; // three of them separate a grid's X and Y runs

// The test modes of the control panel and the member kinds they list.
enum class TestMode : int { singlePoint = 0, section = 1, grid = 2 };

// The member's digit; any character other than '1' to '4' is returned as it is.
TestModeDigit testModeDigit(const MemberRecord& member);

bool isKnownTestMode(TestModeDigit digit);

// Single point: digits "1" and "2"; section: "4"; grid: "3".
bool belongsToTestMode(const MemberRecord& member, TestMode mode);

// The array index of the member at `position` among the members of the mode, in array order; -1 when
// there is none. A list of one mode turns its line numbers into members with this.
std::int32_t memberIndexInMode(const std::vector<MemberRecord>& members, TestMode mode, std::int32_t position);

// A bar position is two readings: high × 256 + low millimetres.
constexpr std::int32_t positionBase = 256;

struct EncodedPosition {
    std::int32_t high = 0;
    std::int32_t low = 0;
    bool operator==(const EncodedPosition&) const = default;
};

// The two readings of a position from 0 to 65535 mm.
constexpr EncodedPosition encodePosition(std::int32_t position)
{
    return {position / positionBase, position % positionBase};
}

// Position in millimetres from its high and low reading. Readings from a file may lie outside 0 to 255;
// the arithmetic then wraps as 32-bit integers instead of overflowing.
constexpr std::int32_t decodePosition(std::int32_t high, std::int32_t low)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(high) * static_cast<std::uint32_t>(positionBase) +
                                     static_cast<std::uint32_t>(low));
}

// Index of the first of three consecutive separator values, or samples.size() when there is none.
std::int32_t findRunSeparator(std::span<const std::int32_t> samples);

// Where the readings of bar j of a triple run lie: cover, then position high and low.
constexpr std::int64_t xBarCoverIndex(std::int64_t j)
{
    return 2 + 3 * j;
}
constexpr std::int64_t yBarCoverIndex(std::int64_t separator, std::int64_t j)
{
    return separator + 3 + 3 * j;
}

// Position of the bar whose cover lies at coverIndex; readings outside the array count as 0.
inline std::int32_t barPositionAt(const MemberRecord& member, std::int64_t coverIndex)
{
    return decodePosition(member.sampleAt(coverIndex + 1), member.sampleAt(coverIndex + 2));
}

} // namespace trellon
