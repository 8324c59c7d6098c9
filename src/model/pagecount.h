// How many pages a print run of the checked members takes: list pages, grid pages, section pages.
#pragma once

#include "project.h"

#include <cstdint>

namespace trellon {

struct PageCount {
    std::int32_t list = 0;
    std::int32_t grid = 0;
    std::int32_t section = 0;
    std::int32_t total() const { return list + grid + section; }
};

constexpr std::int32_t firstPageLineSlots = 37;
constexpr std::int32_t laterPageLineSlots = 40;

// Line slots one checked single-point member takes on the list pages (0 for other members).
std::int64_t listLineSlots(const MemberRecord& member);

PageCount countPrintPages(const Project& project);

} // namespace trellon
