// What a project holds beyond the instrument's format: the member types and second-sample flags of the
// acceptance check, its points per bar and the populations of its lots. Stored in an extension block after the
// last member of a .gj file, only when it differs from these defaults.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace trellon {

enum class MemberType { beam, slab, cantileverBeam, cantileverSlab, other };

struct MemberExtras {
    std::optional<MemberType> type; // none: inferred from the member's name
    bool secondSample = false;
    bool operator==(const MemberExtras&) const = default;
};

constexpr std::int32_t defaultPointsPerBar = 1;
constexpr std::int32_t maxPointsPerBar = 5;

struct ProjectExtension {
    std::int32_t pointsPerBar = defaultPointsPerBar;
    // One per member in array order; members beyond its end take the defaults.
    std::vector<MemberExtras> members;
    // The number of members of a type in the lot, as the user entered it; absent when not entered.
    std::map<MemberType, std::int32_t> population;
    // The keys of a stored block this version does not know, as a JSON object text, written back unchanged.
    std::string unknownKeys;

    bool operator==(const ProjectExtension&) const = default;
};

} // namespace trellon
