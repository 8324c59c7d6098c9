// Corrections to the readings of single-point members: a typed cover or diameter.
#pragma once

#include "memberrecord.h"
#include "valuerange.h"

#include <cstdint>

namespace trellon {

// A reading is one byte of the file.
constexpr ValueRange readingRange{0, 255};

enum class ReadingEdit { stored, unchanged, outOfRange, noSuchReading };

// Stores a typed value as reading `index` of the member; the range is checked first. Unchanged when the reading
// already holds the value.
ReadingEdit storeReading(MemberRecord& member, std::int64_t index, std::int64_t value);

} // namespace trellon
