// How many members of a type the acceptance check requires to be tested, from the type's population.
#pragma once

#include "model/projectextension.h"

#include <cstdint>

namespace trellon {

// min(N, max(m, ceil(p × N))) with (m, p) = (5, 2 %) for beams and slabs, (10, 5 %) for cantilever beams and
// (20, 10 %) for cantilever slabs; other members have no requirement (0). A population below 0 counts as 0.
std::int32_t requiredSampleSize(MemberType type, std::int32_t population);

} // namespace trellon
