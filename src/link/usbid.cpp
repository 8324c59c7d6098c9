// Reading and writing "VVVV:PPPP".
#include "usbid.h"

#include <charconv>
#include <cstdio>

namespace trellon {

std::vector<UsbId> defaultUsbIds()
{
    return {{0x4348, 0x5537}, {0x1a86, 0x5537}};
}

std::optional<UsbId> parseUsbId(std::string_view text)
{
    const auto colon = text.find(':');
    if (colon != 4 || text.size() != 9)
        return std::nullopt;
    UsbId id;
    const auto parse = [](std::string_view part, std::uint16_t& value) {
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value, 16);
        return error == std::errc{} && end == part.data() + part.size();
    };
    if (!parse(text.substr(0, 4), id.vendor) || !parse(text.substr(5), id.product))
        return std::nullopt;
    return id;
}

std::string formatUsbId(UsbId id)
{
    char text[10];
    std::snprintf(text, sizeof text, "%04x:%04x", id.vendor, id.product);
    return text;
}

} // namespace trellon
