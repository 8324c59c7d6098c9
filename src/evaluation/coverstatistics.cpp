// Cover statistics with the characteristic-cover factors.
#include "coverstatistics.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trellon {
namespace {

struct TabledFactor {
    std::int32_t n;
    double k;
};

constexpr std::array<TabledFactor, 8> tabledFactors{
    {{3, 3.37}, {4, 2.63}, {5, 2.33}, {6, 2.18}, {8, 2.00}, {10, 1.92}, {20, 1.76}, {30, 1.73}}};
constexpr double limitFactor = 1.64; // as 1/n reaches 0

// Up to this many classes are counted in a table; a wider range (readings far apart) is sorted instead.
constexpr std::int64_t denseClasses = 4096;

// floor for the values covers take, without a library call.
std::int32_t floorToInt(double v)
{
    const auto truncated = static_cast<std::int32_t>(v);
    return truncated > v ? truncated - 1 : truncated;
}

} // namespace

double characteristicFactor(std::int32_t n)
{
    const TabledFactor& last = tabledFactors.back();
    if (n >= last.n)
        return limitFactor + (last.k - limitFactor) * static_cast<double>(last.n) / static_cast<double>(n);
    if (n <= tabledFactors.front().n)
        return tabledFactors.front().k;
    const auto upper =
        std::find_if(tabledFactors.begin(), tabledFactors.end(), [n](const TabledFactor& f) { return f.n >= n; });
    const auto lower = upper - 1;
    const double t = static_cast<double>(n - lower->n) / static_cast<double>(upper->n - lower->n);
    return lower->k + t * (upper->k - lower->k);
}

CoverMoments CoverMoments::of(std::span<const double> values)
{
    return values.empty() ? CoverMoments{} : of(values, values.front(), [](double) {});
}

void CoverMoments::merge(const CoverMoments& other)
{
    if (other.n == 0)
        return;
    if (n == 0) {
        *this = other;
        return;
    }
    const double share = static_cast<double>(other.n) / static_cast<double>(n + other.n);
    const double delta = other.mean - mean;
    mean += delta * share;
    squaredDeviations += other.squaredDeviations + delta * delta * n * share;
    min = std::min(min, other.min);
    max = std::max(max, other.max);
    n += other.n;
}

CoverStatistics describeCovers(const CoverMoments& m)
{
    CoverStatistics s;
    s.n = m.n;
    if (m.n == 0)
        return s;
    s.mean = m.mean;
    s.min = m.min;
    s.max = m.max;
    if (m.n < 2)
        return s;
    s.sd = std::sqrt(m.squaredDeviations / static_cast<double>(m.n - 1));
    if (m.n >= 3)
        s.characteristic = m.mean - characteristicFactor(m.n) * *s.sd;
    return s;
}

CoverStatistics describeCovers(std::span<const double> values)
{
    return describeCovers(CoverMoments::of(values));
}

CoverHistogram coverHistogram(std::span<const std::span<const double>> parts, double min, double max)
{
    const std::int32_t first = floorToInt(min);
    const std::int64_t classes = std::int64_t{floorToInt(max)} - first + 1;
    CoverHistogram histogram;
    if (classes <= denseClasses) {
        // Two tables taken in turn, so that a run of equal values does not wait on its own counts.
        std::vector<std::int32_t> counts(2 * static_cast<std::size_t>(classes), 0);
        std::int32_t* table[2] = {counts.data(), counts.data() + classes};
        // v - first is not below 0, where truncation is the floor.
        const double origin = first;
        const auto index = [origin](double v) { return static_cast<std::size_t>(v - origin); };
        for (const auto part : parts) {
            std::size_t i = 0;
            for (; i + 2 <= part.size(); i += 2) {
                ++table[0][index(part[i])];
                ++table[1][index(part[i + 1])];
            }
            if (i < part.size())
                ++table[0][index(part[i])];
        }
        for (std::int64_t c = 0; c < classes; ++c) {
            const std::int32_t count =
                counts[static_cast<std::size_t>(c)] + counts[static_cast<std::size_t>(c + classes)];
            if (count > 0)
                histogram.push_back({static_cast<std::int32_t>(first + c), count});
        }
        return histogram;
    }
    std::vector<std::int32_t> floors;
    for (const auto part : parts) {
        for (const double v : part)
            floors.push_back(floorToInt(v));
    }
    std::sort(floors.begin(), floors.end());
    for (const std::int32_t f : floors) {
        if (histogram.empty() || histogram.back().from != f)
            histogram.push_back({f, 0});
        ++histogram.back().count;
    }
    return histogram;
}

CoverHistogram coverHistogram(std::span<const double> values)
{
    if (values.empty())
        return {};
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return coverHistogram(std::span(&values, 1), *low, *high);
}

} // namespace trellon
