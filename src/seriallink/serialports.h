// The serial ports a transfer can use: the system's, and any path the user types.
#pragma once

#include "link/usbid.h"

#include <optional>
#include <string>
#include <vector>

namespace trellon {

// The first six ports can be chosen by their number, 1 to 6.
constexpr int numberedSerialPorts = 6;

// A port as the system describes it.
struct SerialPortEntry {
    std::string path;
    std::string description;    // the adapter's or the driver's name; may be empty
    std::optional<UsbId> usbId; // the ids of a USB adapter
};

// The system's ports, sorted by path as availableSerialPorts() lists them.
std::vector<SerialPortEntry> describeSerialPorts();

// System locations of the ports Qt SerialPort finds (/dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM*), sorted.
std::vector<std::string> availableSerialPorts();

// Port number 1 to 6 is the number-th entry of ports; anything else gives "", which cannot be opened.
std::string serialPortForNumber(int number, const std::vector<std::string>& ports);

// A typed port: "1" to "6" by number, otherwise the text as a path.
std::string resolveSerialPort(const std::string& typed, const std::vector<std::string>& ports);

} // namespace trellon
