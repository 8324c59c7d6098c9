// --usb-id: one more vendor and product pair that counts as the instrument.
#include "clicommand.h"

namespace trellon::cli {

std::vector<UsbId> instrumentUsbIds(const Arguments& arguments)
{
    std::vector<UsbId> ids = defaultUsbIds();
    if (const auto text = arguments.value("--usb-id")) {
        const auto id = parseUsbId(*text);
        if (!id)
            throw UsageError("--usb-id needs VVVV:PPPP in hexadecimal");
        ids.push_back(*id);
    }
    return ids;
}

} // namespace trellon::cli
