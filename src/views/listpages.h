// The list part of printed pages: title, member lines and reading tables of the checked single-point members,
// flowing over the list pages one line slot at a time.
#pragma once

#include "model/project.h"

#include <cstdint>

class QPaintDevice;

namespace trellon {

class PageCanvas;

// Line slots are placed for a height near 320 twips. The largest height at which the 37 slots of the first page
// and the 40 of a later page still end above the footer rule.
constexpr int largestListLineHeight = 362;

// Height of one line slot: the line spacing of 黑体 16 pt on the device, at most largestListLineHeight.
int listLineHeight(const QPaintDevice& device);

// The first and last line slots page `page` (from 1) owns; slots are numbered over the whole list run.
std::int64_t firstLineSlotOfPage(std::int64_t page);
std::int64_t lastLineSlotOfPage(std::int64_t page);
// Top of the first slot of a page.
int firstSlotTop(std::int64_t page);

// Draws what page `page` holds of the list run; pages past the list pages get nothing.
void paintListPart(PageCanvas& canvas, const Project& project, std::int64_t page, int lineHeight);

} // namespace trellon
