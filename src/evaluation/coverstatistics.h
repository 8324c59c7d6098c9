// Descriptive statistics of a set of cover values: mean, spread, characteristic cover and histogram.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace trellon {

struct CoverStatistics {
    std::int32_t n = 0;
    std::optional<double> mean;           // n >= 1
    std::optional<double> sd;             // sample standard deviation (n - 1), n >= 2
    std::optional<double> min;            // n >= 1
    std::optional<double> max;            // n >= 1
    std::optional<double> characteristic; // mean - k_n × sd, n >= 3
};

// Count, mean, sum of squared deviations from the mean and extremes of a set of values. Sets merge without their
// values, so a sample's figures come from those of its members.
struct CoverMoments {
    std::int32_t n = 0;
    double mean = 0.0;
    double squaredDeviations = 0.0;
    double min = 0.0;
    double max = 0.0;

    static CoverMoments of(std::span<const double> values);
    // The same, calling visit(v) for every value v in order within the one pass. A reference near the values (a
    // design cover) keeps the sums of squares small, so little is lost in cancellation.
    template <typename Visit> static CoverMoments of(std::span<const double> values, double reference, Visit&& visit);
    void merge(const CoverMoments& other);
};

CoverStatistics describeCovers(const CoverMoments& moments);
CoverStatistics describeCovers(std::span<const double> values);

// k_n of the characteristic cover for n >= 3: the tabled factors for n = 3, 4, 5, 6, 8, 10, 20, 30, linear in n
// between them, and linear in 1/n from 1.73 at n = 30 towards 1.64 as n grows without bound.
double characteristicFactor(std::int32_t n);

// The values of one 1 mm class [from, from + 1).
struct HistogramClass {
    std::int32_t from = 0;
    std::int32_t count = 0;
    bool operator==(const HistogramClass&) const = default;
};

// The classes that hold values, ascending.
using CoverHistogram = std::vector<HistogramClass>;

CoverHistogram coverHistogram(std::span<const double> values);

// The histogram of values given in parts (a sample's members), all within [min, max].
CoverHistogram coverHistogram(std::span<const std::span<const double>> parts, double min, double max);

template <typename Visit> CoverMoments CoverMoments::of(std::span<const double> values, double reference, Visit&& visit)
{
    CoverMoments m;
    if (values.empty())
        return m;
    // Sums and extremes of the differences from the reference, in two lanes so that consecutive additions do not
    // wait on each other.
    const double first = values.front() - reference;
    double sum[2] = {0.0, 0.0};
    double squares[2] = {0.0, 0.0};
    double low[2] = {first, first};
    double high[2] = {first, first};
    const auto add = [&](int lane, double v) {
        visit(v);
        const double d = v - reference;
        sum[lane] += d;
        squares[lane] += d * d;
        low[lane] = d < low[lane] ? d : low[lane];
        high[lane] = d > high[lane] ? d : high[lane];
    };
    std::size_t i = 0;
    for (; i + 2 <= values.size(); i += 2) {
        add(0, values[i]);
        add(1, values[i + 1]);
    }
    if (i < values.size())
        add(0, values[i]);
    const double total = sum[0] + sum[1];
    const double n = static_cast<double>(values.size());
    m.n = static_cast<std::int32_t>(values.size());
    m.mean = reference + total / n;
    const double deviations = squares[0] + squares[1] - total * total / n;
    m.squaredDeviations = deviations > 0.0 ? deviations : 0.0;
    m.min = reference + (low[0] < low[1] ? low[0] : low[1]);
    m.max = reference + (high[0] > high[1] ? high[0] : high[1]);
    return m;
}

} // namespace trellon
