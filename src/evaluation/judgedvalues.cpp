// Judged values of single-point, section and grid members.
#include "judgedvalues.h"

#include "coverjudgement.h"

#include "model/testmode.h"

#include <algorithm>

namespace trellon {

JudgedValues judgedValues(const MemberRecord& member, std::int32_t pointsPerBar)
{
    const bool singlePoints = belongsToTestMode(member, TestMode::singlePoint);
    const std::size_t group = singlePoints ? static_cast<std::size_t>(std::max(pointsPerBar, 1)) : 1;
    JudgedValues judged;
    judged.values.reserve(member.samples.size() / (singlePoints ? group : 3) + 1);
    std::int64_t sum = 0;
    std::size_t inGroup = 0;
    forEachJudgedPoint(member, [&](const JudgedPoint& point) {
        if (!point.cover)
            return;
        if (group == 1) {
            judged.values.push_back(*point.cover);
            return;
        }
        sum += *point.cover;
        if (++inGroup == group) {
            judged.values.push_back(static_cast<double>(sum) / static_cast<double>(group));
            sum = 0;
            inGroup = 0;
        }
    });
    if (inGroup > 0) {
        judged.values.push_back(static_cast<double>(sum) / static_cast<double>(inGroup));
        judged.incompleteGroup = true;
    }
    return judged;
}

} // namespace trellon
