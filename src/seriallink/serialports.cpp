// Port listing and the mapping of port numbers onto it.
#include "serialports.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace trellon {

std::vector<SerialPortEntry> describeSerialPorts()
{
    std::vector<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortEntry& port = ports.emplace_back();
        port.path = info.systemLocation().toStdString();
        port.description = (info.description().isEmpty() ? info.manufacturer() : info.description()).toStdString();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            port.usbId = UsbId{info.vendorIdentifier(), info.productIdentifier()};
    }
    std::sort(ports.begin(), ports.end(),
              [](const SerialPortEntry& a, const SerialPortEntry& b) { return a.path < b.path; });
    return ports;
}

std::vector<std::string> availableSerialPorts()
{
    std::vector<std::string> paths;
    for (const SerialPortEntry& port : describeSerialPorts())
        paths.push_back(port.path);
    return paths;
}

std::string serialPortForNumber(int number, const std::vector<std::string>& ports)
{
    if (number < 1 || number > numberedSerialPorts || static_cast<std::size_t>(number) > ports.size())
        return {};
    return ports[static_cast<std::size_t>(number - 1)];
}

std::string resolveSerialPort(const std::string& typed, const std::vector<std::string>& ports)
{
    if (typed.size() == 1 && typed[0] >= '1' && typed[0] <= '0' + numberedSerialPorts)
        return serialPortForNumber(typed[0] - '0', ports);
    return typed;
}

} // namespace trellon
