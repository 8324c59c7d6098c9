// Conversion between the GBK bytes the project holds and the UTF-8 of the screen, the keyboard and JSON.
#pragma once

#include "result.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace trellon {

// Lossy for display: a byte sequence that is not GBK becomes U+FFFD.
std::string gbkToUtf8(std::string_view gbk);

// Strict for entry and for the system's own texts: refuses text with no GBK form.
Result<std::string> utf8ToGbk(std::string_view utf8);

// GBK form of one of the system's own texts, which always has one.
std::string systemText(std::string_view utf8);

// The longest prefix of at most maxBytes bytes that does not split a two-byte GBK character.
std::size_t gbkPrefixLength(std::string_view gbk, std::size_t maxBytes);

} // namespace trellon
