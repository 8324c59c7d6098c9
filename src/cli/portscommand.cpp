// trellon-cli ports: the serial ports and USB instruments a transfer can use, each with the option that picks it.
#include "clicommand.h"

#include "link/libusbdevice.h"
#include "seriallink/serialports.h"

#include <iostream>

namespace trellon::cli {
namespace {

std::string orDash(const std::string& text)
{
    return text.empty() ? "-" : text;
}

} // namespace

int runPortsCommand(const std::vector<std::string>& args)
{
    const Arguments arguments(args, {"--usb-id"});
    if (!arguments.positional().empty())
        throw UsageError("unexpected argument " + arguments.positional().front());
    const std::vector<UsbId> ids = instrumentUsbIds(arguments);

    const std::vector<SerialPortEntry> ports = describeSerialPorts();
    for (std::size_t k = 0; k < ports.size(); ++k) {
        const SerialPortEntry& port = ports[k];
        const bool numbered = k < static_cast<std::size_t>(numberedSerialPorts);
        std::cout << "--serial " << (numbered ? std::to_string(k + 1) : port.path) << '\t' << port.path << '\t'
                  << orDash(port.description) << '\t' << (port.usbId ? formatUsbId(*port.usbId) : "-") << '\n';
    }

    const auto found = findUsbDevices(ids);
    if (!found)
        std::cerr << "trellon-cli: warning: " << found.error().describe() << '\n';
    const std::vector<FoundUsbDevice> instruments = found ? found.value() : std::vector<FoundUsbDevice>{};
    for (const FoundUsbDevice& instrument : instruments) {
        std::cout << "--usb " << instrument.deviceIndex + 1 << "\tbus " << instrument.bus << " address "
                  << instrument.address << '\t' << formatUsbId(instrument.id) << '\n';
    }

    if (ports.empty() && instruments.empty())
        std::cerr << "no instrument found\n";
    else if (instruments.empty())
        std::cerr << "no USB instrument found\n";
    return exitSuccess;
}

} // namespace trellon::cli
