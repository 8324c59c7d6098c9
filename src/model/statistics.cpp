// Statistics of single-point, section and grid members.
#include "statistics.h"

#include "testmode.h"

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
        pass_ += passes ? 1 : 0;
        fail_ += passes ? 0 : 1;
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

void storeX(const RunFigures& run, std::int64_t divisor, MemberRecord& m)
{
    run.store(divisor, m.maxCover, m.minCover, m.meanCover, m.passCount, m.passRatio, m.failCount, m.failRatio);
}

// Single-point readings: every element (stride 1) or the covers of the pairs (stride 2).
void singlePointStatistics(MemberRecord& m, std::size_t stride)
{
    clearSevenFigures(m);
    const std::int64_t n = static_cast<std::int64_t>(m.samples.size() / stride);
    if (n <= 0)
        return;
    RunFigures run;
    for (std::size_t i = 0; i < m.samples.size(); i += stride) {
        if (stride == 2 && i + 1 >= m.samples.size())
            break; // an unpaired trailing element is not a reading
        run.add(m.samples[i], isWithinTolerance(m, m.samples[i]));
    }
    storeX(run, n, m);
}

// A triple run of `claimed` bars whose covers start at firstCover; bars past the array are not read.
RunFigures tripleRunFigures(const MemberRecord& m, std::int64_t firstCover, std::int64_t claimed)
{
    RunFigures run;
    const auto held = static_cast<std::int64_t>(m.samples.size());
    std::int32_t previousPosition = 0;
    for (std::int64_t j = 0; j < claimed; ++j) {
        const std::int64_t cover = firstCover + 3 * j;
        if (cover >= held)
            break;
        const std::int32_t value = m.samples[static_cast<std::size_t>(cover)];
        run.add(value, isWithinTolerance(m, value));
        const std::int32_t position = barPositionAt(m, cover);
        if (j > 0)
            run.addSpacing(previousPosition, position);
        previousPosition = position;
    }
    return run;
}

void sectionStatistics(MemberRecord& m)
{
    clearSevenFigures(m);
    if (m.xBarCount <= 0)
        return;
    const RunFigures run = tripleRunFigures(m, xBarCoverIndex(0), m.xBarCount);
    storeX(run, m.xBarCount, m);
    m.maxSpacing = run.maxSpacing();
    m.scanLength = run.scanLength();
}

void gridStatistics(MemberRecord& m)
{
    clearSevenFigures(m);
    if (m.xBarCount > 0) {
        const RunFigures run = tripleRunFigures(m, xBarCoverIndex(0), m.xBarCount);
        storeX(run, m.xBarCount, m);
        m.maxSpacing = run.maxSpacing();
        m.scanLength = run.scanLength();
    }

    clearSevenYFigures(m);
    if (m.yBarCount <= 0)
        return;
    const RunFigures run = tripleRunFigures(m, yBarCoverIndex(findRunSeparator(m.samples), 0), m.yBarCount);
    run.store(m.yBarCount, m.yMaxCover, m.yMinCover, m.yMeanCover, m.yPassCount, m.yPassRatio, m.yFailCount,
              m.yFailRatio);
    m.yMaxSpacing = run.maxSpacing();
    m.yScanLength = run.scanLength();
}

// Adds the covers of a triple run to a verdict; claimed bars beyond the array count as not acceptable.
void addTripleRun(const MemberRecord& m, std::int64_t firstCover, std::int32_t claimed, std::int64_t& points,
                  std::int64_t& acceptable)
{
    if (claimed <= 0)
        return;
    points += claimed;
    const auto held = static_cast<std::int64_t>(m.samples.size());
    for (std::int64_t j = 0; j < claimed && firstCover + 3 * j < held; ++j)
        acceptable += isWithinTolerance(m, m.samples[static_cast<std::size_t>(firstCover + 3 * j)]) ? 1 : 0;
}

} // namespace

bool isWithinTolerance(const MemberRecord& member, std::int32_t v)
{
    const std::int64_t lower = std::int64_t{member.designCover} + member.lowerDeviation;
    const std::int64_t upper = std::int64_t{member.designCover} + member.upperDeviation;
    return lower <= v && v <= upper;
}

void recomputeMemberStatistics(MemberRecord& member)
{
    member.maxSpacing = member.scanLength = member.yMaxSpacing = member.yScanLength = 0;
    switch (testModeDigit(member)) {
    case TestModeDigit::singleKnownDiameter:
        singlePointStatistics(member, 1);
        break;
    case TestModeDigit::singleMeasuredDiameter:
        singlePointStatistics(member, 2);
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

Verdict checkedSetVerdict(const Project& project)
{
    std::int64_t points = 0;
    std::int64_t acceptable = 0;
    for (const auto& m : project.members) {
        if (!m.checked)
            continue;
        switch (testModeDigit(m)) {
        case TestModeDigit::singleKnownDiameter:
            points += m.samples.size();
            for (const std::int32_t v : m.samples)
                acceptable += isWithinTolerance(m, v) ? 1 : 0;
            break;
        case TestModeDigit::singleMeasuredDiameter:
            points += m.samples.size() / 2;
            for (std::size_t i = 0; i + 1 < m.samples.size(); i += 2)
                acceptable += isWithinTolerance(m, m.samples[i]) ? 1 : 0;
            break;
        case TestModeDigit::grid:
            addTripleRun(m, xBarCoverIndex(0), m.xBarCount, points, acceptable);
            addTripleRun(m, yBarCoverIndex(findRunSeparator(m.samples), 0), m.yBarCount, points, acceptable);
            break;
        case TestModeDigit::section:
            addTripleRun(m, xBarCoverIndex(0), m.xBarCount, points, acceptable);
            break;
        default:
            break;
        }
    }
    Verdict verdict;
    verdict.points =
        static_cast<std::int32_t>(std::min<std::int64_t>(points, std::numeric_limits<std::int32_t>::max()));
    verdict.acceptable =
        static_cast<std::int32_t>(std::min<std::int64_t>(acceptable, std::numeric_limits<std::int32_t>::max()));
    if (points > 0)
        verdict.rate = static_cast<float>(static_cast<double>(acceptable) / static_cast<double>(points) * 100.0);
    verdict.passed = points > 0 && verdict.rate >= verdictThreshold;
    return verdict;
}

std::string_view verdictText(const Verdict& verdict)
{
    return verdict.passed ? "合格" : "不合格";
}

} // namespace trellon
