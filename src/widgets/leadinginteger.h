// Numbers typed into cells and fields: a decimal with an optional sign, read up to the first other character.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace trellon {

// Leading white space, an optional sign, then the decimal digits up to the first other character; nothing
// without digits. Far beyond any limit a caller checks the value stops growing.
std::optional<std::int64_t> leadingInteger(const QString& text);

} // namespace trellon
