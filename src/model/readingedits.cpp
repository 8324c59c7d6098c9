// Typed readings.
#include "readingedits.h"

namespace trellon {

ReadingEdit storeReading(MemberRecord& member, std::int64_t index, std::int64_t value)
{
    if (!readingRange.contains(value))
        return ReadingEdit::outOfRange;
    if (index < 0 || index >= static_cast<std::int64_t>(member.samples.size()))
        return ReadingEdit::noSuchReading;
    std::int32_t& reading = member.samples[static_cast<std::size_t>(index)];
    if (reading == value)
        return ReadingEdit::unchanged;
    reading = static_cast<std::int32_t>(value);
    return ReadingEdit::stored;
}

} // namespace trellon
