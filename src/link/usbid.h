// USB vendor and product ids: the instrument chip's own, and those a user names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trellon {

struct UsbId {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    bool operator==(const UsbId&) const = default;
};

// The chip's own ids: 4348:5537 and 1a86:5537.
std::vector<UsbId> defaultUsbIds();

// "VVVV:PPPP", four hexadecimal digits each.
std::optional<UsbId> parseUsbId(std::string_view text);

// "vvvv:pppp" in lower-case hexadecimal, as parseUsbId reads it.
std::string formatUsbId(UsbId id);

} // namespace trellon
