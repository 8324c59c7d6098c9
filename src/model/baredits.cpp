// Bar corrections on the readings of section and grid members.
#include "baredits.h"

#include "testmode.h"

#include <algorithm>

namespace trellon {
namespace {

// Index of the cover of bar 0 of the run; used only for a run that holds bars.
std::int64_t runStart(const MemberRecord& member, BarRun run)
{
    if (run != BarRun::gridY)
        return xBarCoverIndex(0);
    return yBarCoverIndex(findRunSeparator(member.samples), 0);
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
    const BarCounts counts = countBars(member);
    return std::max(run == BarRun::gridY ? counts.y : counts.x, 0);
}

std::int32_t barValue(const MemberRecord& member, BarRun run, std::int32_t bar, BarField field)
{
    const std::int64_t cover = runStart(member, run) + 3 * std::int64_t{bar};
    return field == BarField::cover ? member.sampleAt(cover) : barPositionAt(member, cover);
}

std::int32_t barValueLimit(const MemberRecord& member, BarField field)
{
    return field == BarField::position ? positionLimit(member) : coverLimit;
}

BarEdit storeBarValue(MemberRecord& member, BarRun run, std::int32_t bar, BarField field, std::int64_t value)
{
    const std::int64_t limit = barValueLimit(member, field);
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
