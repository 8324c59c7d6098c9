// Port listing and the mapping of port numbers onto it.
#include "serialports.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace trellon {

constexpr int lastPortNumber = 6;

std::vector<std::string> availableSerialPorts()
{
    std::vector<std::string> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.push_back(info.systemLocation().toStdString());
    std::sort(ports.begin(), ports.end());
    return ports;
}

std::string serialPortForNumber(int number, const std::vector<std::string>& ports)
{
    if (number < 1 || number > lastPortNumber || static_cast<std::size_t>(number) > ports.size())
        return {};
    return ports[static_cast<std::size_t>(number - 1)];
}

std::string resolveSerialPort(const std::string& typed, const std::vector<std::string>& ports)
{
    if (typed.size() == 1 && typed[0] >= '1' && typed[0] <= '0' + lastPortNumber)
        return serialPortForNumber(typed[0] - '0', ports);
    return typed;
}

} // namespace trellon
