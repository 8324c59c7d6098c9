// The cover readings a report lists for a member, in the order the verdict of a checked set counts them.
#pragma once

#include "model/memberrecord.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace trellon {

// Digit "1": every reading; "2": the covers of the sampleCount / 2 complete pairs; "3": the covers of the
// xBarCount X bars, then of the yBarCount Y bars after the run separator; "4": the covers of the xBarCount bars.
// A bar the record claims beyond its readings has no value: it is a point that is never acceptable, as
// checkedSetVerdict counts it, up to as many bars as the member has readings. Members of any other digit have
// none.
std::vector<std::optional<std::int32_t>> coverReadings(const MemberRecord& member);

} // namespace trellon
