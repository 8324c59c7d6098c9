// Ranges of the design values.
#include "designvalues.h"

#include <utility>

namespace trellon {

namespace {

constexpr std::int32_t largestDesignValue = 10000;

} // namespace

ValueRange designValueRange(DesignValue value)
{
    switch (value) {
    case DesignValue::designCover:
    case DesignValue::upperDeviation:
        return {0, largestDesignValue};
    case DesignValue::lowerDeviation:
        return {-largestDesignValue, 0};
    }
    return {0, 0};
}

std::optional<DesignValue> designValueOutOfRange(const DesignValues& values)
{
    const std::pair<DesignValue, std::int32_t> inOrder[] = {{DesignValue::designCover, values.designCover},
                                                            {DesignValue::lowerDeviation, values.lowerDeviation},
                                                            {DesignValue::upperDeviation, values.upperDeviation}};
    for (const auto& [which, value] : inOrder) {
        if (!designValueRange(which).contains(value))
            return which;
    }
    return std::nullopt;
}

} // namespace trellon
