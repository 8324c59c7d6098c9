// Where cover is judged: which points of a member are judged, whether each is acceptable, and the rate a set of
// points must reach. Every figure, mark, colour, count and verdict of the program reads these.
#pragma once

#include "model/barcounts.h"
#include "model/memberrecord.h"
#include "model/testmode.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace trellon {

// The permitted range of a member: designCover + lowerDeviation <= v <= designCover + upperDeviation, both bounds
// inclusive. The only acceptance rule; values may be readings or the means of several.
class Tolerance {
public:
    explicit Tolerance(const MemberRecord& member)
        : design_(member.designCover),
          lowest_(static_cast<double>(std::int64_t{member.designCover} + member.lowerDeviation)),
          highest_(static_cast<double>(std::int64_t{member.designCover} + member.upperDeviation))
    {
    }

    // Both comparisons are made, without a branch: whether a value passes follows no pattern the processor could
    // predict. The bounds are sums of two 32-bit numbers, held exactly.
    bool accepts(double v) const { return (lowest_ <= v) & (v <= highest_); }

    // The range's bounds, as the diagrams draw it.
    double lowest() const { return lowest_; }
    double highest() const { return highest_; }

    double deviation(double v) const { return v - design_; }
    double designCover() const { return design_; }

private:
    double design_;
    double lowest_;
    double highest_;
};

bool isWithinTolerance(const MemberRecord& member, std::int32_t v);

// A set of points is acceptable when at least this share of them is, in percent, the bound included.
constexpr double acceptedRate = 90.0;

bool reachesAcceptedRate(double percent);

// acceptable / points × 100; points must be above 0.
double ratePercent(std::int64_t acceptable, std::int64_t points);

// Single points have no run; a section's bars and a grid's X bars form the X run, a grid's Y bars the Y run.
enum class PointRun { none, x, y };

struct JudgedPoint {
    PointRun run = PointRun::none;
    std::int32_t number = 0;              // 1, 2, … within its run
    std::optional<std::int32_t> position; // bars only, in mm
    std::optional<std::int32_t> cover;    // none for a bar the member claims beyond its readings
    bool acceptable = false;              // a point without a cover never is
    bool operator==(const JudgedPoint&) const = default;
};

// The bar counts a member's record holds, which opening, receiving and editing keep equal to countBars.
inline BarCounts storedBarCounts(const MemberRecord& member)
{
    return {member.xBarCount, member.yBarCount};
}

// Calls visit(const JudgedPoint&) for every judged point of the member, in order: digit "1" every reading; "2" the
// cover of every complete pair; "4" the bars of its run; "3" the X bars, then the Y bars that follow the first run
// separator. Bars are taken as `bars` counts them, each run at most as many as the member has readings; a claimed
// bar whose cover lies beyond the readings is a point without a cover. Other digits have no points.
template <typename Visit> void forEachJudgedPoint(const MemberRecord& member, const BarCounts& bars, Visit&& visit)
{
    const Tolerance tolerance(member);
    const std::vector<std::int32_t>& samples = member.samples;
    const TestModeDigit digit = testModeDigit(member);
    if (digit == TestModeDigit::singleKnownDiameter || digit == TestModeDigit::singleMeasuredDiameter) {
        const std::size_t stride = digit == TestModeDigit::singleMeasuredDiameter ? 2 : 1;
        std::int32_t number = 0;
        for (std::size_t i = 0; i + stride <= samples.size(); i += stride) {
            const std::int32_t cover = samples[i];
            visit(static_cast<const JudgedPoint&>(
                JudgedPoint{PointRun::none, ++number, std::nullopt, cover, tolerance.accepts(cover)}));
        }
        return;
    }

    struct TripleRun {
        PointRun run;
        std::int64_t firstCover;
        std::int32_t claimed;
    };
    TripleRun runs[2];
    int runCount = 0;
    if (digit == TestModeDigit::section || digit == TestModeDigit::grid)
        runs[runCount++] = {PointRun::x, xBarCoverIndex(0), bars.x};
    if (digit == TestModeDigit::grid && bars.y > 0)
        runs[runCount++] = {PointRun::y, yBarCoverIndex(findRunSeparator(samples), 0), bars.y};
    const auto held = static_cast<std::int64_t>(samples.size());
    // One loop for every run, so that the visit is written out once.
    for (int r = 0; r < runCount; ++r) {
        // A run never has more bars than the member has readings; a claim beyond that is a damaged count, taken
        // only that far.
        const std::int64_t listed = std::min<std::int64_t>(runs[r].claimed, held);
        for (std::int64_t j = 0; j < listed; ++j) {
            const std::int64_t at = runs[r].firstCover + 3 * j;
            JudgedPoint point{runs[r].run, static_cast<std::int32_t>(j + 1), std::nullopt, std::nullopt, false};
            if (at < held) {
                const std::int32_t cover = samples[static_cast<std::size_t>(at)];
                point.position = barPositionAt(member, at);
                point.cover = cover;
                point.acceptable = tolerance.accepts(cover);
            }
            visit(static_cast<const JudgedPoint&>(point));
        }
    }
}

// With the member's stored bar counts.
template <typename Visit> void forEachJudgedPoint(const MemberRecord& member, Visit&& visit)
{
    forEachJudgedPoint(member, storedBarCounts(member), visit);
}

// How many points forEachJudgedPoint gives with the stored bar counts.
std::int32_t judgedPointCount(const MemberRecord& member);

} // namespace trellon
