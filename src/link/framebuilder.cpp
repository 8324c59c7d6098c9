// Frame building for the simulated instrument.
#include "framebuilder.h"

#include <stdexcept>

namespace trellon {
namespace {

void appendBe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

} // namespace

std::vector<std::uint8_t> buildTransferFrame(std::span<const InstrumentMember> members)
{
    std::size_t sampleArea = 0;
    for (const auto& member : members)
        sampleArea += member.readings.size();
    if (members.size() > 0xFFFF || sampleArea > 0xFFFFFF)
        throw std::length_error("more members or readings than a frame can carry");

    std::vector<std::uint8_t> frame{0x55, 0, 0, 0, 0, 0, 0};
    appendBe(frame, static_cast<std::uint32_t>(sampleArea), 3);
    appendBe(frame, static_cast<std::uint32_t>(members.size()), 2);
    std::uint32_t offset = 0;
    for (const auto& member : members) {
        appendBe(frame, member.number, 2);
        frame.push_back(member.yDiameter);
        frame.push_back(member.diameter);
        appendBe(frame, offset, 3);
        offset += static_cast<std::uint32_t>(member.readings.size());
    }
    for (const auto& member : members)
        frame.insert(frame.end(), member.readings.begin(), member.readings.end());
    return frame;
}

} // namespace trellon
