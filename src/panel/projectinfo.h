// The values the project information dialog collects.
#pragma once

#include "model/projectextension.h"

#include <cstdint>
#include <optional>
#include <string>

namespace trellon {

enum class ApplyTo { currentMember = 0, allMembers = 1, tickedMembers = 2 };

struct ProjectInfo {
    std::string name; // GBK, as the member holds it
    std::int32_t designCover = 0;
    std::int32_t upperDeviation = 0;
    std::int32_t lowerDeviation = 0;
    ApplyTo applyTo = ApplyTo::currentMember;
    // The acceptance check's data; applied to the members chosen only where the user changed them, so that the
    // others keep their own.
    std::optional<MemberType> memberType; // none: inferred from the name
    bool secondSample = false;

    bool operator==(const ProjectInfo&) const = default;
};

} // namespace trellon
