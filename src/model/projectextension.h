// What a project holds beyond the instrument's format: the member types and second-sample flags of the
// acceptance check, its points per bar, the populations of its lots and what the Word report's conclusion rests
// on. Stored in an extension block after the last member of a .gj file, only when it differs from these defaults.
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

// The conclusion of the normal-format Word report: the rate of every ticked point against 90 %, or the verdicts of
// the acceptance check's lots.
enum class ConclusionBasis { rate, appendixE };

constexpr std::int32_t defaultPointsPerBar = 1;
constexpr std::int32_t maxPointsPerBar = 5;

struct ProjectExtension {
    std::int32_t pointsPerBar = defaultPointsPerBar;
    // One per member in array order; members beyond its end take the defaults.
    std::vector<MemberExtras> members;
    // The number of members of a type in the lot, as the user entered it; absent when not entered.
    std::map<MemberType, std::int32_t> population;
    ConclusionBasis conclusionBasis = ConclusionBasis::rate;
    // The keys of a stored block this version does not know, as a JSON object text, written back unchanged.
    std::string unknownKeys;

    bool operator==(const ProjectExtension&) const = default;
};

} // namespace trellon
