// The header, footer and page number of every printed page, from the print settings.
#pragma once

#include "model/printsettings.h"

#include <QString>

#include <cstdint>

namespace trellon {

class PageCanvas;

// The fixed page layout frame: rules from left to left + width, texts centred on it.
namespace pageframe {
constexpr int left = 800;
constexpr int top = 1100;
constexpr int bottomGap = 1000;
constexpr int height = 14638;
constexpr int width = 9500;
constexpr int headerRuleY = -1000;
constexpr int headerTextY = -650;
constexpr int footerRuleY = -15588;
constexpr int footerTextY = -(height + bottomGap);
} // namespace pageframe

// The page-number text of page `page` of `total`, both counted from 1, shifted by the first page number.
// A format outside 0 … 4 prints like format 0.
QString pageNumberText(const PrintSettings& settings, std::int64_t page, std::int64_t total);
// The sample of a format the print settings list: page 1 of 1, numbered from 1, exactly as printed.
QString pageNumberSample(std::int32_t format);

// Header rule and text, and a page number placed at the top.
void drawPageHeader(PageCanvas& canvas, const PrintSettings& settings, std::int64_t page, std::int64_t total);
// Footer rule and text, and a page number placed at the bottom.
void drawPageFooter(PageCanvas& canvas, const PrintSettings& settings, std::int64_t page, std::int64_t total);

} // namespace trellon
