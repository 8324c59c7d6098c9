// Judged values of single-point, section and grid members.
#include "judgedvalues.h"

#include "model/testmode.h"

#include <algorithm>

namespace trellon {
namespace {

// Readings at first, first + stride, ... below end, in groups of `group`, each replaced by its mean.
void addGroupMeans(const std::vector<std::int32_t>& samples, std::size_t stride, std::size_t end, std::size_t group,
                   JudgedValues& judged)
{
    if (group == 1 && stride == 1) { // the common case, as one conversion of the whole array
        judged.values.assign(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(end));
        return;
    }
    std::int64_t sum = 0;
    std::size_t inGroup = 0;
    for (std::size_t i = 0; i < end; i += stride) {
        sum += samples[i];
        if (++inGroup == group) {
            judged.values.push_back(static_cast<double>(sum) / static_cast<double>(group));
            sum = 0;
            inGroup = 0;
        }
    }
    if (inGroup > 0) {
        judged.values.push_back(static_cast<double>(sum) / static_cast<double>(inGroup));
        judged.incompleteGroup = true;
    }
}

// The covers of `claimed` bars of a triple run starting at firstCover; bars beyond the array have none.
void addTripleRun(const std::vector<std::int32_t>& samples, std::int64_t firstCover, std::int32_t claimed,
                  JudgedValues& judged)
{
    const auto held = static_cast<std::int64_t>(samples.size());
    for (std::int64_t j = 0; j < claimed && firstCover + 3 * j < held; ++j)
        judged.values.push_back(samples[static_cast<std::size_t>(firstCover + 3 * j)]);
}

} // namespace

JudgedValues judgedValues(const MemberRecord& member, std::int32_t pointsPerBar)
{
    const auto group = static_cast<std::size_t>(std::max(pointsPerBar, 1));
    const std::vector<std::int32_t>& samples = member.samples;
    JudgedValues judged;
    switch (testModeDigit(member)) {
    case TestModeDigit::singleKnownDiameter:
        judged.values.reserve(samples.size() / group + 1);
        addGroupMeans(samples, 1, samples.size(), group, judged);
        break;
    case TestModeDigit::singleMeasuredDiameter:
        judged.values.reserve(samples.size() / 2 / group + 1);
        addGroupMeans(samples, 2, samples.size() - samples.size() % 2, group, judged);
        break;
    case TestModeDigit::grid:
        judged.values.reserve(samples.size() / 3); // claimed counts may exceed what the array holds
        addTripleRun(samples, xBarCoverIndex(0), member.xBarCount, judged);
        addTripleRun(samples, yBarCoverIndex(findRunSeparator(samples), 0), member.yBarCount, judged);
        break;
    case TestModeDigit::section:
        judged.values.reserve(samples.size() / 3);
        addTripleRun(samples, xBarCoverIndex(0), member.xBarCount, judged);
        break;
    default:
        break;
    }
    return judged;
}

} // namespace trellon
