// Scale codes, span counts and mark sizes of the diagrams.
#include "diagramscale.h"

#include "model/barcounts.h"
#include "model/testmode.h"

#include <algorithm>

namespace trellon {

namespace {

constexpr std::int32_t positionsPerSpan = 2000;

std::int32_t spanOf(std::int32_t largestPosition)
{
    return std::max(largestPosition, 0) / positionsPerSpan;
}

bool startsWithRunMarker(const MemberRecord& member)
{
    return !member.samples.empty() && member.samples.front() == runMarker;
}

// Span counts past 3 all draw the smallest mark.
int markRow(std::int32_t spanCount)
{
    return std::clamp(spanCount, 0, 3);
}

} // namespace

AxisScale axisScale(std::int32_t scaleCode, std::int32_t spanCount)
{
    switch (scaleCode) {
    case 2:
        return {1000, 100};
    case 3:
        return {2000, 200};
    case 4: {
        const std::int64_t spans = std::int64_t{std::max(spanCount, 0)} + 1;
        return {spans * positionsPerSpan, spans * (positionsPerSpan / 10)};
    }
    default:
        return {500, 50};
    }
}

float unitsPerMillimetre(std::int32_t scaleCode, std::int32_t spanCount, int extent)
{
    const auto units = static_cast<float>(extent);
    if (scaleCode == 3)
        return units * 0.0005f;
    return units / static_cast<float>(axisScale(scaleCode, spanCount).fullLength);
}

std::int32_t sectionSpanCount(const MemberRecord& member)
{
    if (testModeDigit(member) != TestModeDigit::section || !startsWithRunMarker(member))
        return 0;
    const std::int32_t bars = std::max(countBars(member).x, 1);
    std::int32_t largest = barPositionAt(member, xBarCoverIndex(0));
    for (std::int32_t k = 1; k < bars; ++k)
        largest = std::max(largest, barPositionAt(member, xBarCoverIndex(k)));
    return spanOf(largest);
}

GridRuns gridRuns(const MemberRecord& member)
{
    const BarCounts counts = countBars(member);
    return {findRunSeparator(member.samples), std::max(counts.x, 0), std::max(counts.y, 0)};
}

std::int32_t gridSpanCount(const MemberRecord& member)
{
    if (testModeDigit(member) != TestModeDigit::grid || !startsWithRunMarker(member))
        return 0;
    const GridRuns runs = gridRuns(member);
    std::int32_t largest = 0;
    for (std::int32_t k = 0; k < runs.xBars; ++k)
        largest = std::max(largest, barPositionAt(member, xBarCoverIndex(k)));
    for (std::int32_t k = 0; k < runs.yBars; ++k)
        largest = std::max(largest, barPositionAt(member, yBarCoverIndex(runs.separator, k)));
    return spanOf(largest);
}

MarkExtent sectionDotExtent(std::int32_t spanCount, DiagramMedium medium)
{
    constexpr MarkExtent screen[] = {{5, 5}, {3, 3}, {2, 2}, {2, 1}};
    constexpr MarkExtent paper[] = {{100, 100}, {60, 60}, {40, 40}, {40, 20}};
    const int row = markRow(spanCount);
    return medium == DiagramMedium::screen ? screen[row] : paper[row];
}

MarkExtent gridStripeExtent(std::int32_t spanCount, DiagramMedium medium)
{
    constexpr MarkExtent screen[] = {{2, 2}, {1, 2}, {1, 1}, {0, 1}};
    constexpr MarkExtent paper[] = {{25, 25}, {12, 25}, {12, 12}, {0, 12}};
    const int row = markRow(spanCount);
    return medium == DiagramMedium::screen ? screen[row] : paper[row];
}

} // namespace trellon
