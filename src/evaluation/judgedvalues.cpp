// Judged values of single-point, section and grid members.
#include "judgedvalues.h"

#include "coverjudgement.h"

#include "model/testmode.h"

#include <algorithm>

namespace trellon {
namespace {

// coverOf(const JudgedPoint&) gives the cover a point is judged on.
template <typename CoverOf>
JudgedValues collectValues(const MemberRecord& member, std::int32_t pointsPerBar, CoverOf&& coverOf)
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
        const auto cover = coverOf(point);
        if (group == 1) {
            values[count++] = static_cast<double>(cover);
            return;
        }
        sum += cover;
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

} // namespace

JudgedValues judgedValues(const MemberRecord& member, std::int32_t pointsPerBar, const CoverCorrection* correction)
{
    if (correction == nullptr)
        return collectValues(member, pointsPerBar, [](const JudgedPoint& point) { return *point.cover; });
    bool changed = false;
    JudgedValues judged = collectValues(member, pointsPerBar, [&](const JudgedPoint& point) {
        const std::optional<std::int32_t> diameter = pointDiameter(member, point.run, point.number);
        changed = changed || correction->changes(diameter);
        return correction->correctedCover(*point.cover, diameter);
    });
    judged.corrected = changed;
    return judged;
}

} // namespace trellon
