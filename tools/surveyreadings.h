// Deterministic survey readings for the bundled sample and the benchmarks: the same bytes on every run.
#pragma once

#include <cstdint>
#include <vector>

namespace trellon {

class SurveyReadings {
public:
    explicit SurveyReadings(unsigned seed) : state_(seed) {}

    // A value within centre ± spread.
    int around(int centre, int spread)
    {
        state_ = state_ * 1103515245u + 12345u;
        return centre + static_cast<int>((state_ >> 16) % static_cast<unsigned>(2 * spread + 1)) - spread;
    }

    // One run of bars as the instrument records it: cover, position high byte, position low byte.
    void appendBarRun(std::vector<std::uint8_t>& out, int bars, int cover, int spacing)
    {
        int position = around(60, 20);
        for (int j = 0; j < bars; ++j) {
            out.push_back(static_cast<std::uint8_t>(around(cover, 6)));
            out.push_back(static_cast<std::uint8_t>(position / 256));
            out.push_back(static_cast<std::uint8_t>(position % 256));
            position += around(spacing, 15);
        }
    }

private:
    unsigned state_;
};

} // namespace trellon
