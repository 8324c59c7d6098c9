// Cover readings by test mode.
#include "coverreadings.h"

#include "model/testmode.h"

#include <algorithm>

namespace trellon {
namespace {

void appendTripleRun(const MemberRecord& member, std::int64_t firstCover, std::int32_t claimed,
                     std::vector<std::optional<std::int32_t>>& readings)
{
    const auto held = static_cast<std::int64_t>(member.samples.size());
    // A run never has more bars than the member has readings; a claim beyond that is a damaged count, listed only
    // that far so it cannot make a report of millions of empty rows.
    const std::int64_t listed = std::min<std::int64_t>(claimed, held);
    for (std::int64_t j = 0; j < listed; ++j) {
        const std::int64_t cover = firstCover + 3 * j;
        readings.push_back(cover < held ? std::optional(member.samples[static_cast<std::size_t>(cover)])
                                        : std::nullopt);
    }
}

} // namespace

std::vector<std::optional<std::int32_t>> coverReadings(const MemberRecord& member)
{
    std::vector<std::optional<std::int32_t>> readings;
    switch (testModeDigit(member)) {
    case TestModeDigit::singleKnownDiameter:
        readings.assign(member.samples.begin(), member.samples.end());
        break;
    case TestModeDigit::singleMeasuredDiameter:
        for (std::size_t i = 0; i + 1 < member.samples.size(); i += 2)
            readings.push_back(member.samples[i]);
        break;
    case TestModeDigit::grid:
        appendTripleRun(member, xBarCoverIndex(0), member.xBarCount, readings);
        appendTripleRun(member, yBarCoverIndex(findRunSeparator(member.samples), 0), member.yBarCount, readings);
        break;
    case TestModeDigit::section:
        appendTripleRun(member, xBarCoverIndex(0), member.xBarCount, readings);
        break;
    default:
        break;
    }
    return readings;
}

} // namespace trellon
