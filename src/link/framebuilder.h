// Builds transfer frames as the instrument lays them out; used by the simulated instrument and the sample tools.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace trellon {

struct InstrumentMember {
    std::uint16_t number = 0;
    std::uint8_t yDiameter = 0;
    std::uint8_t diameter = 0;
    std::vector<std::uint8_t> readings;
};

// The whole frame: sync byte, header, directory with ascending offsets, sample area.
std::vector<std::uint8_t> buildTransferFrame(std::span<const InstrumentMember> members);

} // namespace trellon
