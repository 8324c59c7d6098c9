// Transfer frames of random members, the same for the same seed.
#pragma once

#include "link/framebuilder.h"

#include <cstdint>
#include <random>
#include <vector>

namespace trellon::testing {

// 1 to 40 members of every test mode, each with 1 to 90 readings of any byte value.
inline std::vector<std::uint8_t> randomCapture(std::uint32_t seed)
{
    std::mt19937 random(seed);
    const auto upTo = [&random](std::uint32_t limit) { return static_cast<std::uint32_t>(random() % limit); };
    std::vector<InstrumentMember> members(1 + upTo(40));
    for (std::size_t k = 0; k < members.size(); ++k) {
        InstrumentMember& member = members[k];
        member.number = static_cast<std::uint16_t>((1 + upTo(4)) * 1000 + k);
        member.yDiameter = static_cast<std::uint8_t>(upTo(256));
        member.diameter = static_cast<std::uint8_t>(upTo(256));
        member.readings.resize(1 + upTo(90));
        for (std::uint8_t& reading : member.readings)
            reading = static_cast<std::uint8_t>(upTo(256));
    }
    return buildTransferFrame(members);
}

} // namespace trellon::testing
