// Bar counts of section and grid members.
#include "barcounts.h"

#include "testmode.h"

#include <algorithm>

namespace trellon {
namespace {

constexpr std::int64_t valuesPerBar = 3;

std::int32_t wholeTriples(std::int64_t values)
{
    return static_cast<std::int32_t>(std::max<std::int64_t>(values, 0) / valuesPerBar);
}

} // namespace

BarCounts countBars(const MemberRecord& member)
{
    if (member.sampleAt(0) != runMarker)
        return {};
    const auto size = static_cast<std::int64_t>(member.samples.size());
    switch (testModeDigit(member)) {
    case TestModeDigit::section:
        return {wholeTriples(size - xBarCoverIndex(0)), 0};
    case TestModeDigit::grid: {
        const std::int32_t s = findRunSeparator(member.samples);
        const std::int32_t x = wholeTriples(s - xBarCoverIndex(0));
        if (s == size)
            return {x, -1};
        return {x, wholeTriples(size - yBarCoverIndex(s, 0))};
    }
    default:
        return {};
    }
}

void recountBars(MemberRecord& member)
{
    const TestModeDigit digit = testModeDigit(member);
    if (digit != TestModeDigit::section && digit != TestModeDigit::grid)
        return;
    const BarCounts counts = countBars(member);
    member.xBarCount = counts.x;
    member.yBarCount = counts.y;
}

} // namespace trellon
