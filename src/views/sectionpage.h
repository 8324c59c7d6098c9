// The printed page of a section member: its bar table and the section diagram below it, in page coordinates.
#pragma once

#include "paperdiagram.h"

#include "model/memberrecord.h"

#include <QPoint>

#include <cstdint>

namespace trellon {

// Bars the page shows: the stored bar count, cut to the bars the readings hold.
std::int32_t sectionPageBars(const MemberRecord& member);

// The diagram frame below a table of `blocks` blocks.
paper::DiagramLayout sectionPageLayout(std::int64_t blocks);

// Dot centre of a bar on the page's diagram.
QPoint sectionPageDotCentre(const paper::DiagramLayout& layout, std::int32_t scaleCode, std::int32_t spanCount,
                            std::int32_t position, std::int32_t cover);

// Draws the page in the body font; nothing for a member that is not a section member starting with the run marker
// or that has no bars.
void paintSectionPage(PageCanvas& canvas, const MemberRecord& member);

} // namespace trellon
