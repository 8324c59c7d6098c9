// The header, footer and page-number settings a print run uses.
#pragma once

#include <cstdint>
#include <string>

namespace trellon {

// Page-number formats 0 … 4: "%d", ".%d.", "--%d--", "第%d页", "第%d页  共%d页".
constexpr std::int32_t pageNumberFormatCount = 5;
// Page-number positions 0 … 5: bottom right, bottom centre, bottom left, top right, top centre, top left.
constexpr std::int32_t pageNumberPositionCount = 6;
constexpr std::int32_t minFirstPageNumber = 1;
constexpr std::int32_t maxFirstPageNumber = 50;

struct PrintSettings {
    std::string headerText = "Velmora"; // UTF-8
    std::string footerText = "Velmora"; // UTF-8
    std::int32_t pageNumberFormat = 4;
    std::int32_t pageNumberPosition = 0;
    std::int32_t firstPageNumber = 1;
    bool headerOn = false;
    bool footerOn = false;
    bool pageNumberOn = true;

    friend bool operator==(const PrintSettings&, const PrintSettings&) = default;
};

// The page number would be printed over the header text (top centre) or the footer text (bottom centre).
inline bool pageNumberOverHeader(const PrintSettings& settings)
{
    return !settings.headerText.empty() && settings.headerOn && settings.pageNumberPosition == 4;
}
inline bool pageNumberOverFooter(const PrintSettings& settings)
{
    return !settings.footerText.empty() && settings.footerOn && settings.pageNumberPosition == 1;
}

} // namespace trellon
