// The permitted deviations the acceptance standard sets for the members of its lots.
#pragma once

#include "model/project.h"

#include <cstdint>
#include <vector>

namespace trellon {

struct StandardDeviations {
    std::int32_t memberIndex;
    std::int32_t upperDeviation;
    std::int32_t lowerDeviation;
};

// +10/−7 mm for each member of the beam lot, +8/−5 mm for the slab lot (ticked members of a known test mode,
// by type); other members are left out.
std::vector<StandardDeviations> standardDeviationsOfLots(const Project& project);

} // namespace trellon
