// Numbers typed into the panel's cells and fields: a decimal with an optional sign, read up to the first other
// character.
#pragma once

#include <QString>

#include <cstdint>

namespace trellon {

// 0 for text that does not start with a number. Saturates far beyond any limit the panel checks.
std::int64_t leadingInteger(const QString& text);

} // namespace trellon
