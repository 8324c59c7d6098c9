// Page count of a print run.
#include "pagecount.h"

#include "testmode.h"

#include <algorithm>
#include <limits>

namespace trellon {
namespace {

std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

// Heading lines above a member's reading table, the last one "测量结果数据:".
constexpr std::int64_t knownDiameterHeadingLines = 4;
constexpr std::int64_t measuredDiameterHeadingLines = 5;

} // namespace

std::int64_t listLineSlots(const MemberRecord& member)
{
    const std::int64_t n = static_cast<std::int64_t>(member.samples.size());
    switch (testModeDigit(member)) {
    case TestModeDigit::singleKnownDiameter:
        return n == 0 ? 6 : 5 + 3 * ceilDiv(n, 10);
    case TestModeDigit::singleMeasuredDiameter:
        return n == 0 ? 7 : 6 + 4 * ceilDiv(n, 20);
    default:
        return 0;
    }
}

std::int64_t lastLineSlotOfPageHolding(std::int64_t slot)
{
    if (slot < firstPageLineSlots)
        return firstPageLineSlots - 1;
    const std::int64_t laterPage = (slot - firstPageLineSlots) / laterPageLineSlots;
    return firstPageLineSlots + laterPageLineSlots * (laterPage + 1) - 1;
}

std::int64_t listMemberStartSlot(const MemberRecord& member, std::int64_t next)
{
    std::int64_t headingLines = 0;
    switch (testModeDigit(member)) {
    case TestModeDigit::singleKnownDiameter:
        headingLines = knownDiameterHeadingLines;
        break;
    case TestModeDigit::singleMeasuredDiameter:
        headingLines = measuredDiameterHeadingLines;
        break;
    default:
        return next;
    }
    // The first table row, or the line saying there are no readings, stays with the headings.
    const std::int64_t keptTogether = headingLines + 1;
    const std::int64_t pageEnd = lastLineSlotOfPageHolding(next);
    return next + keptTogether - 1 <= pageEnd ? next : pageEnd + 1;
}

PageCount countPrintPages(const Project& project)
{
    std::int64_t lines = 0;
    PageCount pages;
    for (const auto& member : project.members) {
        if (!member.checked)
            continue;
        lines = listMemberStartSlot(member, lines) + listLineSlots(member);
        const TestModeDigit digit = testModeDigit(member);
        if (digit == TestModeDigit::grid && (member.xBarCount > 0 || member.yBarCount > 0))
            ++pages.grid;
        if (digit == TestModeDigit::section && member.xBarCount > 0)
            ++pages.section;
    }
    std::int64_t listPages = 0;
    if (lines > 0)
        listPages = lines <= firstPageLineSlots ? 1 : 1 + ceilDiv(lines - firstPageLineSlots, laterPageLineSlots);
    pages.list = static_cast<std::int32_t>(std::min<std::int64_t>(listPages, std::numeric_limits<std::int32_t>::max()));
    return pages;
}

} // namespace trellon
