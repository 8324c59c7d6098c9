// The values the project information dialog collects.
#pragma once

#include <cstdint>
#include <string>

namespace trellon {

enum class ApplyTo { currentMember = 0, allMembers = 1, tickedMembers = 2 };

struct ProjectInfo {
    std::string name; // GBK, as the member holds it
    std::int32_t designCover = 0;
    std::int32_t upperDeviation = 0;
    std::int32_t lowerDeviation = 0;
    ApplyTo applyTo = ApplyTo::currentMember;

    bool operator==(const ProjectInfo&) const = default;
};

constexpr std::int32_t designCoverMax = 10000;
constexpr std::int32_t deviationMax = 10000;

} // namespace trellon
