// Table column widths.
#include "tablecolumns.h"

#include <algorithm>
#include <numeric>

namespace trellon {
namespace {

constexpr int capSearchSteps = 60;

// The widths when no column is wider than cap, except where its least width is.
std::vector<double> capped(std::span<const double> natural, std::span<const double> least, double cap)
{
    std::vector<double> widths(natural.size());
    for (std::size_t i = 0; i < natural.size(); ++i)
        widths[i] = std::max(least[i], std::min(natural[i], cap));
    return widths;
}

double sum(const std::vector<double>& widths)
{
    return std::accumulate(widths.begin(), widths.end(), 0.0);
}

} // namespace

std::vector<double> columnWidths(std::span<const double> natural, std::span<const double> least, double available)
{
    const double naturalSum = std::accumulate(natural.begin(), natural.end(), 0.0);
    const double leastSum = std::accumulate(least.begin(), least.end(), 0.0);
    std::vector<double> widths(natural.size());
    if (naturalSum <= available) {
        for (std::size_t i = 0; i < natural.size(); ++i)
            widths[i] =
                naturalSum > 0 ? natural[i] * available / naturalSum : available / static_cast<double>(natural.size());
        return widths;
    }
    if (leastSum >= available) {
        for (std::size_t i = 0; i < natural.size(); ++i)
            widths[i] = least[i] * available / leastSum;
        return widths;
    }
    // The capped sum grows with the cap: search the cap that fills the width.
    double low = 0.0;
    double high = *std::max_element(natural.begin(), natural.end());
    for (int step = 0; step < capSearchSteps; ++step) {
        const double cap = (low + high) / 2;
        (sum(capped(natural, least, cap)) > available ? high : low) = cap;
    }
    return capped(natural, least, low);
}

} // namespace trellon
