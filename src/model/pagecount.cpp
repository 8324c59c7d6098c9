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

PageCount countPrintPages(const Project& project)
{
    std::int64_t lines = 0;
    PageCount pages;
    for (const auto& member : project.members) {
        if (!member.checked)
            continue;
        lines += listLineSlots(member);
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
