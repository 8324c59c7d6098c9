// Required sample sizes per member type.
#include "samplesize.h"

#include <algorithm>

namespace trellon {
namespace {

struct SampleRule {
    std::int64_t minimum;
    std::int64_t percent;
};

SampleRule sampleRule(MemberType type)
{
    switch (type) {
    case MemberType::beam:
    case MemberType::slab:
        return {5, 2};
    case MemberType::cantileverBeam:
        return {10, 5};
    case MemberType::cantileverSlab:
        return {20, 10};
    case MemberType::other:
        break;
    }
    return {0, 0};
}

} // namespace

std::int32_t requiredSampleSize(MemberType type, std::int32_t population)
{
    const std::int64_t n = std::max(population, 0);
    const SampleRule rule = sampleRule(type);
    const std::int64_t share = (rule.percent * n + 99) / 100; // ceil(p × N) in whole numbers
    return static_cast<std::int32_t>(std::min(n, std::max(rule.minimum, share)));
}

} // namespace trellon
