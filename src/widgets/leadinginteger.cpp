// Leading decimal integer of a text.
#include "leadinginteger.h"

namespace trellon {

std::optional<std::int64_t> leadingInteger(const QString& text)
{
    constexpr std::int64_t ceiling = std::int64_t{1} << 40;
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const qsizetype firstDigit = i;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        if (value < ceiling)
            value = value * 10 + (text[i].unicode() - u'0');
    }
    if (i == firstDigit)
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace trellon
