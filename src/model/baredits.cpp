// Bar corrections on the readings of section and grid members.
#include "baredits.h"

#include "testmode.h"

#include <algorithm>

namespace trellon {
namespace {

constexpr std::int32_t firstBarIndex = 2;

// Index of the cover of bar 0 of the run, or -1 when the member has no such run.
std::int64_t runStart(const MemberRecord& member, BarRun run)
{
    if (run != BarRun::gridY)
        return firstBarIndex;
    const std::int32_t s = findRunSeparator(member.samples);
    if (s >= static_cast<std::int32_t>(member.samples.size()))
        return -1;
    return yBarCoverIndex(s, 0);
}

void keepCountsInStep(MemberRecord& member)
{
    member.sampleCount = static_cast<std::int32_t>(member.samples.size());
    recountBars(member);
}

} // namespace

std::int32_t positionLimit(const MemberRecord& member)
{
    switch (member.sampleAt(1)) {
    case 2:
        return 1000;
    case 3:
        return 2000;
    case 4:
        return 65520;
    default:
        return 500;
    }
}

bool hasBarRuns(const MemberRecord& member)
{
    return member.sampleAt(0) == runMarker;
}

std::int32_t barCount(const MemberRecord& member, BarRun run)
{
    const auto size = static_cast<std::int64_t>(member.samples.size());
    switch (run) {
    case BarRun::section:
        return static_cast<std::int32_t>(std::max<std::int64_t>(size - firstBarIndex, 0) / 3);
    case BarRun::gridX:
        return static_cast<std::int32_t>(std::max<std::int64_t>(findRunSeparator(member.samples) - firstBarIndex, 0) /
                                         3);
    case BarRun::gridY: {
        const std::int64_t start = runStart(member, run);
        return start < 0 ? 0 : static_cast<std::int32_t>(std::max<std::int64_t>(size - start, 0) / 3);
    }
    }
    return 0;
}

void recountBars(MemberRecord& member)
{
    if (testModeDigit(member) == TestModeDigit::grid) {
        member.xBarCount = barCount(member, BarRun::gridX);
        member.yBarCount = barCount(member, BarRun::gridY);
    } else {
        member.xBarCount = barCount(member, BarRun::section);
    }
}

BarEdit storeBarValue(MemberRecord& member, BarRun run, std::int32_t bar, BarField field, std::int64_t value)
{
    const std::int64_t limit = field == BarField::position ? positionLimit(member) : coverLimit;
    if (value < 0 || value > limit)
        return BarEdit::outOfRange;
    if (bar < 0 || bar >= barCount(member, run))
        return BarEdit::noSuchBar;
    const auto cover = static_cast<std::size_t>(runStart(member, run) + 3 * std::int64_t{bar});
    const auto v = static_cast<std::int32_t>(value);
    if (field == BarField::cover) {
        member.samples[cover] = v;
    } else {
        const EncodedPosition position = encodePosition(v);
        member.samples[cover + 1] = position.high;
        member.samples[cover + 2] = position.low;
    }
    return BarEdit::stored;
}

bool insertBar(MemberRecord& member, BarRun run, std::int32_t bar, bool after)
{
    if (bar < 0 || bar >= barCount(member, run))
        return false;
    const std::int64_t at = runStart(member, run) + 3 * (std::int64_t{bar} + (after ? 1 : 0));
    member.samples.insert(member.samples.begin() + at, 3, 0);
    keepCountsInStep(member);
    return true;
}

bool deleteBar(MemberRecord& member, BarRun run, std::int32_t bar)
{
    if (bar < 0 || bar >= barCount(member, run))
        return false;
    const std::int64_t at = runStart(member, run) + 3 * std::int64_t{bar};
    member.samples.erase(member.samples.begin() + at, member.samples.begin() + at + 3);
    keepCountsInStep(member);
    return true;
}

} // namespace trellon
