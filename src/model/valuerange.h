// The values a field may store, both ends included.
#pragma once

#include <cstdint>

namespace trellon {

struct ValueRange {
    std::int32_t lowest;
    std::int32_t highest;

    constexpr bool contains(std::int64_t value) const { return value >= lowest && value <= highest; }
};

} // namespace trellon
