// Readings replacement of a member record.
#include "memberrecord.h"

#include <limits>
#include <stdexcept>

namespace trellon {

void MemberRecord::replaceSamples(std::vector<std::int32_t> readings)
{
    if (readings.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::length_error("too many readings for one member");
    samples = std::move(readings);
    sampleCount = static_cast<std::int32_t>(samples.size());
}

} // namespace trellon
