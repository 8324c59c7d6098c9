// Statistics of single-point, section and grid members.
#include "statistics.h"

#include "coverjudgement.h"

#include "model/testmode.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace trellon {
namespace {

// Accumulates the figures of one run of readings.
class RunFigures {
public:
    // Branch-free: whether a reading passes follows no pattern the processor could predict.
    void add(std::int32_t cover, bool passes)
    {
        max_ = std::max(max_, cover);
        min_ = std::min(min_, cover);
        sum_ += cover;
        ++count_;
        const std::int32_t passed = passes;
        pass_ += passed;
        fail_ += 1 - passed;
    }

    void addSpacing(std::int32_t from, std::int32_t to)
    {
        const std::int64_t spacing = std::llabs(static_cast<std::int64_t>(to) - from);
        maxSpacing_ = std::max(maxSpacing_, spacing);
        scanLength_ += spacing;
    }

    // Writes the figures, averaging over `divisor` readings (the count the member claims).
    void store(std::int64_t divisor, std::int32_t& maxCover, std::int32_t& minCover, std::int32_t& meanCover,
               std::int32_t& passCount, float& passRatio, std::int32_t& failCount, float& failRatio) const
    {
        maxCover = count_ > 0 ? max_ : 0;
        minCover = count_ > 0 ? min_ : 0;
        passCount = pass_;
        failCount = fail_;
        if (divisor <= 0)
            return;
        meanCover = static_cast<std::int32_t>(sum_ / divisor);
        passRatio = static_cast<float>(static_cast<double>(pass_) / static_cast<double>(divisor));
        failRatio = static_cast<float>(static_cast<double>(fail_) / static_cast<double>(divisor));
    }

    std::int32_t maxSpacing() const { return clampToInt32(maxSpacing_); }
    std::int32_t scanLength() const { return clampToInt32(scanLength_); }

private:
    static std::int32_t clampToInt32(std::int64_t value)
    {
        return static_cast<std::int32_t>(std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
    }

    std::int32_t max_ = std::numeric_limits<std::int32_t>::min();
    std::int32_t min_ = std::numeric_limits<std::int32_t>::max();
    std::int64_t sum_ = 0;
    std::int32_t count_ = 0;
    std::int32_t pass_ = 0;
    std::int32_t fail_ = 0;
    std::int64_t maxSpacing_ = 0;
    std::int64_t scanLength_ = 0;
};

void clearSevenFigures(MemberRecord& m)
{
    m.meanCover = m.minCover = m.maxCover = m.passCount = m.failCount = 0;
    m.passRatio = m.failRatio = 0.0f;
}

void clearSevenYFigures(MemberRecord& m)
{
    m.yMeanCover = m.yMinCover = m.yMaxCover = m.yPassCount = m.yFailCount = 0;
    m.yPassRatio = m.yFailRatio = 0.0f;
}

// The figures of a member's runs from its judged points: single points and X bars in the first, Y bars in the
// second. Points without a cover take no part; the spacing is that of consecutive bars of a run.
struct MemberRuns {
    RunFigures x;
    RunFigures y;
    std::int64_t points = 0;
};

MemberRuns runsOf(const MemberRecord& m)
{
    // Locals rather than the result's fields while the points are visited, so that they stay in registers.
    RunFigures x;
    RunFigures y;
    std::int64_t points = 0;
    std::int32_t previousX = 0;
    std::int32_t previousY = 0;
    const auto addTo = [](RunFigures& figures, std::int32_t& previous, const JudgedPoint& point) {
        figures.add(*point.cover, point.acceptable);
        if (!point.position)
            return;
        if (point.number > 1)
            figures.addSpacing(previous, *point.position);
        previous = *point.position;
    };
    forEachJudgedPoint(m, [&](const JudgedPoint& point) {
        ++points;
        if (!point.cover)
            return;
        if (point.run == PointRun::y)
            addTo(y, previousY, point);
        else
            addTo(x, previousX, point);
    });
    return {x, y, points};
}

void storeX(const RunFigures& run, std::int64_t divisor, MemberRecord& m)
{
    run.store(divisor, m.maxCover, m.minCover, m.meanCover, m.passCount, m.passRatio, m.failCount, m.failRatio);
}

void storeXSpacings(const RunFigures& run, MemberRecord& m)
{
    m.maxSpacing = run.maxSpacing();
    m.scanLength = run.scanLength();
}

void singlePointStatistics(MemberRecord& m)
{
    clearSevenFigures(m);
    const MemberRuns runs = runsOf(m);
    storeX(runs.x, runs.points, m);
}

void sectionStatistics(MemberRecord& m)
{
    clearSevenFigures(m);
    if (m.xBarCount <= 0)
        return;
    const MemberRuns runs = runsOf(m);
    storeX(runs.x, m.xBarCount, m);
    storeXSpacings(runs.x, m);
}

void gridStatistics(MemberRecord& m)
{
    clearSevenFigures(m);
    clearSevenYFigures(m);
    const MemberRuns runs = runsOf(m);
    if (m.xBarCount > 0) {
        storeX(runs.x, m.xBarCount, m);
        storeXSpacings(runs.x, m);
    }
    if (m.yBarCount <= 0)
        return;
    runs.y.store(m.yBarCount, m.yMaxCover, m.yMinCover, m.yMeanCover, m.yPassCount, m.yPassRatio, m.yFailCount,
                 m.yFailRatio);
    m.yMaxSpacing = runs.y.maxSpacing();
    m.yScanLength = runs.y.scanLength();
}

} // namespace

void recomputeMemberStatistics(MemberRecord& member)
{
    member.maxSpacing = member.scanLength = member.yMaxSpacing = member.yScanLength = 0;
    switch (testModeDigit(member)) {
    case TestModeDigit::singleKnownDiameter:
    case TestModeDigit::singleMeasuredDiameter:
        singlePointStatistics(member);
        break;
    case TestModeDigit::grid:
        gridStatistics(member);
        break;
    case TestModeDigit::section:
        sectionStatistics(member);
        break;
    default:
        break;
    }
}

bool recomputeStatistics(Project& project)
{
    if (project.members.empty())
        return false;
    for (auto& member : project.members)
        recomputeMemberStatistics(member);
    return true;
}

} // namespace trellon
