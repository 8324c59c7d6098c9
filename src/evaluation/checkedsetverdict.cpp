// Pooled verdict of the checked members.
#include "checkedsetverdict.h"

#include "coverjudgement.h"

#include "model/testmode.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace trellon {
namespace {

std::int32_t clampToInt32(std::int64_t value)
{
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

Verdict checkedSetVerdict(const Project& project)
{
    std::int64_t points = 0;
    std::int64_t acceptable = 0;
    for (const MemberRecord& m : project.members) {
        if (!m.checked || !isKnownTestMode(testModeDigit(m)))
            continue;
        forEachJudgedPoint(m, [&](const JudgedPoint& point) {
            ++points;
            acceptable += point.acceptable ? 1 : 0;
        });
    }
    Verdict verdict;
    verdict.points = clampToInt32(points);
    verdict.acceptable = clampToInt32(acceptable);
    if (points > 0)
        verdict.rate = static_cast<float>(ratePercent(acceptable, points));
    verdict.passed = points > 0 && reachesAcceptedRate(verdict.rate);
    return verdict;
}

std::string_view verdictText(const Verdict& verdict)
{
    return verdict.passed ? "合格" : "不合格";
}

std::string verdictRateText(const Verdict& verdict)
{
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(verdict.rate), std::chars_format::fixed, 1);
    return std::string(buffer, end.ptr);
}

} // namespace trellon
