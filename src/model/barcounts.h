// The bar counts of section and grid members: one rule, counted from the readings.
#pragma once

#include "memberrecord.h"

#include <cstdint>

namespace trellon {

struct BarCounts {
    std::int32_t x = 0; // grid: X run; section: its bars
    std::int32_t y = 0; // grid: Y run; -1 when the grid has no run separator
    bool operator==(const BarCounts&) const = default;
};

// The bars a member's readings hold:
// - only section and grid members whose first reading is the run marker hold bars; any other member holds none;
// - a run counts its whole triples; values that do not complete a triple are no bar;
// - a section's run is everything after the marker and the scale code; its y is 0;
// - a grid's X run ends at the first run separator, its Y run follows the separator; without a separator the
//   X run takes every triple and y is -1, the value received grids without a Y run have always carried.
// Counts from this rule never reach past the readings.
BarCounts countBars(const MemberRecord& member);

// Stores countBars into xBarCount and yBarCount of a section or grid member; other members keep theirs.
void recountBars(MemberRecord& member);

} // namespace trellon
