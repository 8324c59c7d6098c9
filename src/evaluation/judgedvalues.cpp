// Judged values of single-point, section and grid members.
#include "judgedvalues.h"

#include "coverjudgement.h"

#include "model/testmode.h"

#include <algorithm>

namespace trellon {

JudgedValues judgedValues(const MemberRecord& member, std::int32_t pointsPerBar)
{
    const bool singlePoints = belongsToTestMode(member, TestMode::singlePoint);
    const std::int64_t group = singlePoints ? std::max(pointsPerBar, 1) : 1;
    JudgedValues judged;
    // A point takes at least one reading: the values are written into room for all of them, then cut to size.
    judged.values.resize(member.samples.size());
    double* values = judged.values.data();
    std::size_t count = 0;
    std::int64_t sum = 0;
    std::int64_t inGroup = 0;
    forEachJudgedPoint(member, [&](const JudgedPoint& point) {
        if (!point.cover)
            return;
        if (group == 1) {
            values[count++] = *point.cover;
            return;
        }
        sum += *point.cover;
        if (++inGroup == group) {
            values[count++] = static_cast<double>(sum) / static_cast<double>(group);
            sum = 0;
            inGroup = 0;
        }
    });
    if (inGroup > 0) {
        values[count++] = static_cast<double>(sum) / static_cast<double>(inGroup);
        judged.incompleteGroup = true;
    }
    judged.values.resize(count);
    return judged;
}

} // namespace trellon
