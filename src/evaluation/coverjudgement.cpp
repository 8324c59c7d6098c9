// The acceptance rule, the accepted rate and the judged points of a member.
#include "coverjudgement.h"

namespace trellon {

bool isWithinTolerance(const MemberRecord& member, std::int32_t v)
{
    return Tolerance(member).accepts(v);
}

bool reachesAcceptedRate(double percent)
{
    return percent >= acceptedRate;
}

double ratePercent(std::int64_t acceptable, std::int64_t points)
{
    return static_cast<double>(acceptable) / static_cast<double>(points) * 100.0;
}

std::int32_t judgedPointCount(const MemberRecord& member)
{
    std::int32_t count = 0;
    forEachJudgedPoint(member, [&count](const JudgedPoint&) { ++count; });
    return count;
}

} // namespace trellon
