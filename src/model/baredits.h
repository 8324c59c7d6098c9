// Corrections to the bars of section and grid members: typed positions and covers, inserted and deleted bars.
#pragma once

#include "barcounts.h"
#include "memberrecord.h"

#include <cstdint>

namespace trellon {

constexpr std::int32_t coverLimit = 185;

// A section member has one run of bars; a grid member an X run and, after the separator, a Y run.
enum class BarRun { section, gridX, gridY };
enum class BarField { position, cover };

// The largest position that may be typed, by the member's scale code (second reading).
std::int32_t positionLimit(const MemberRecord& member);

// Whether the member carries the run marker; no other member is edited here.
bool hasBarRuns(const MemberRecord& member);

// Bars in the run as countBars counts them; a run the member does not have holds 0.
std::int32_t barCount(const MemberRecord& member, BarRun run);

// The stored position or cover of bar `bar` of the run; 0 where the readings do not reach.
std::int32_t barValue(const MemberRecord& member, BarRun run, std::int32_t bar, BarField field);

// The largest value that may be typed for the field: the position limit or the cover limit.
std::int32_t barValueLimit(const MemberRecord& member, BarField field);

enum class BarEdit { stored, outOfRange, noSuchBar };

// Stores a typed value into bar `bar` of the run; the range is checked first.
BarEdit storeBarValue(MemberRecord& member, BarRun run, std::int32_t bar, BarField field, std::int64_t value);

// Inserts a bar of cover 0 at position 0 before (or after) bar `bar`; false when there is no such bar.
// Insertions and deletions recount the member's bars (recountBars).
bool insertBar(MemberRecord& member, BarRun run, std::int32_t bar, bool after);

// Removes bar `bar`; false when there is no such bar.
bool deleteBar(MemberRecord& member, BarRun run, std::int32_t bar);

} // namespace trellon
