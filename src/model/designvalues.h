// A member's design cover and permitted deviations as the project information sets them, and the ranges they may
// be stored in.
#pragma once

#include "valuerange.h"

#include <cstdint>
#include <optional>

namespace trellon {

struct DesignValues {
    std::int32_t designCover = 0;
    std::int32_t upperDeviation = 0;
    std::int32_t lowerDeviation = 0;

    bool operator==(const DesignValues&) const = default;
};

// In the order the project information reads them.
enum class DesignValue { designCover, lowerDeviation, upperDeviation };

// The cover is not negative, the upper deviation not below zero and the lower one not above.
ValueRange designValueRange(DesignValue value);

// The first of the values, in their order, that lies outside its range; none when all may be stored.
std::optional<DesignValue> designValueOutOfRange(const DesignValues& values);

} // namespace trellon
