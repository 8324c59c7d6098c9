// The permitted deviations the acceptance standard sets for the members of its lots.
#pragma once

#include "acceptanceevaluation.h"

#include "model/project.h"

#include <cstdint>
#include <vector>

namespace trellon {

struct PermittedDeviations {
    std::int32_t upper;
    std::int32_t lower;

    bool operator==(const PermittedDeviations&) const = default;
};

// +10/−7 mm for the beam lot, +8/−5 mm for the slab lot.
constexpr PermittedDeviations standardPermittedDeviations(LotKind lot)
{
    return lot == LotKind::beam ? PermittedDeviations{10, -7} : PermittedDeviations{8, -5};
}

struct StandardPermittedDeviations {
    std::int32_t memberIndex;
    PermittedDeviations deviations;
};

// The standard's deviations for each member of the beam and slab lots (ticked members of a known test mode, by
// type); other members are left out.
std::vector<StandardPermittedDeviations> standardPermittedDeviationsOfLots(const Project& project);

} // namespace trellon
