// Per-member statistics, the tolerance rule, and the verdict of a checked set of members.
#pragma once

#include "memberrecord.h"
#include "project.h"

#include <cstdint>
#include <string_view>

namespace trellon {

// designCover + lowerDeviation <= v <= designCover + upperDeviation; the only acceptance rule.
bool isWithinTolerance(const MemberRecord& member, std::int32_t v);

// Recomputes the derived figures of one member from its readings, design values and bar counts as stored; its
// other fields stay as they are. Readings a record's bar counts claim beyond its array are never read.
void recomputeMemberStatistics(MemberRecord& member);

// Recomputes every member in array order; false (nothing touched) when there are no members.
bool recomputeStatistics(Project& project);

struct Verdict {
    std::int32_t points = 0;
    std::int32_t acceptable = 0;
    float rate = 0.0f; // percent
    bool passed = false;
};

constexpr float verdictThreshold = 90.0f; // percent, inclusive

// The verdict of the checked members whose digit is "1" to "4".
Verdict checkedSetVerdict(const Project& project);

// "合格" or "不合格", UTF-8.
std::string_view verdictText(const Verdict& verdict);

} // namespace trellon
