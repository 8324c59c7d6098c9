// The verdict of the ticked members taken together: every judged point pooled, acceptable when the rate reaches
// the accepted rate.
#pragma once

#include "model/project.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace trellon {

struct Verdict {
    std::int32_t points = 0;
    std::int32_t acceptable = 0;
    float rate = 0.0f; // percent
    bool passed = false;
};

// The verdict of the checked members whose digit is "1" to "4", over their judged points.
Verdict checkedSetVerdict(const Project& project);

// "合格" or "不合格", UTF-8.
std::string_view verdictText(const Verdict& verdict);

// The rate with one decimal, rounded, as the Word report prints it ("%0.1f").
std::string verdictRateText(const Verdict& verdict);

} // namespace trellon
