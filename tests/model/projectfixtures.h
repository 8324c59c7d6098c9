// Small projects built in code for the model and link tests.
#pragma once

#include "model/memberrecord.h"
#include "model/project.h"

#include <cstdint>
#include <string>
#include <vector>

namespace trellon::testing {

inline MemberRecord member(std::string number, std::vector<std::int32_t> samples, std::string name = {})
{
    MemberRecord m;
    m.number = std::move(number);
    m.name = std::move(name);
    m.replaceSamples(std::move(samples));
    return m;
}

inline MemberRecord withTolerance(MemberRecord m, std::int32_t design, std::int32_t lower, std::int32_t upper)
{
    m.designCover = design;
    m.lowerDeviation = lower;
    m.upperDeviation = upper;
    return m;
}

inline Project projectOf(std::vector<MemberRecord> members)
{
    Project p;
    p.members = std::move(members);
    return p;
}

// Every stored field set to a distinct value, so a swapped field shows up in a round trip.
inline MemberRecord fullyFilledMember(std::string number, std::string name)
{
    MemberRecord m = member(std::move(number), {170, 2, 30, 0, 100, 187, 187, 187, 25, 1, 44}, std::move(name));
    m.knownDiameter = 12;
    m.designCover = 25;
    m.upperDeviation = 10;
    m.lowerDeviation = -7;
    m.maxCover = 31;
    m.minCover = 19;
    m.dataOffset = 1234;
    m.barDiameter = 16;
    m.designDiameter = 18;
    m.xBarCount = 1;
    m.yBarCount = 1;
    m.checked = 1;
    return m;
}

inline std::vector<std::uint8_t> bytesOf(std::initializer_list<int> values)
{
    std::vector<std::uint8_t> out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

} // namespace trellon::testing
