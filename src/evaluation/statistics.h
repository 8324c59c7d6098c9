// Per-member statistics: extremes, mean, pass and fail counts and ratios, bar spacings and scan lengths.
#pragma once

#include "model/memberrecord.h"
#include "model/project.h"

namespace trellon {

// Recomputes the derived figures of one member from its judged points, design values and bar counts as stored;
// its other fields stay as they are. Means and ratios are taken over the bars a run claims.
void recomputeMemberStatistics(MemberRecord& member);

// Recomputes every member in array order; false (nothing touched) when there are no members.
bool recomputeStatistics(Project& project);

} // namespace trellon
