// The printed page of a grid member: the table of its X and Y runs and the grid diagram below it, in page
// coordinates.
#pragma once

#include "paperdiagram.h"

#include "model/memberrecord.h"

#include <cstdint>

namespace trellon {

// Bars of each run the table shows: the stored bar counts, cut to the bars the runs hold.
struct GridPageBars {
    std::int32_t x = 0;
    std::int32_t y = 0;
};
GridPageBars gridPageBars(const MemberRecord& member);

// The diagram frame below a table of `blocks` blocks.
paper::DiagramLayout gridPageLayout(std::int64_t blocks);

// Column of an X bar's stripe and row of a Y bar's stripe on the page's diagram.
int gridPageStripeX(std::int32_t scaleCode, std::int32_t spanCount, std::int32_t position);
int gridPageStripeY(const paper::DiagramLayout& layout, std::int32_t scaleCode, std::int32_t spanCount,
                    std::int32_t position);

// Draws the page in the body font; nothing for a member that is not a grid member starting with the run marker or
// whose stored bar counts are both zero. The stripes show the runs as the readings hold them.
void paintGridPage(PageCanvas& canvas, const MemberRecord& member);

} // namespace trellon
