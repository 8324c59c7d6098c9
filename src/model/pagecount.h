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

// The last line slot of the list page that holds `slot`; page 1 holds slots 0 … 36, every later page 40 more.
std::int64_t lastLineSlotOfPageHolding(std::int64_t slot);

// The slot a checked single-point member starts at when the previous member's slots end before `next`: the
// next page's first slot when its heading lines and first table row would not all stand on the page of
// `next`, so that a heading never ends a page apart from its readings; otherwise `next`.
std::int64_t listMemberStartSlot(const MemberRecord& member, std::int64_t next);

PageCount countPrintPages(const Project& project);

} // namespace trellon
