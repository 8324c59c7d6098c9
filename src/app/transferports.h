// The entries of the transfer dialog's port list: the system's serial ports, or the USB instruments found.
#pragma once

#include <QString>

#include <vector>

namespace trellon {

// One entry: what the list shows, and the key the dialog remembers it by and starts a transfer with.
struct PortEntry {
    QString label;
    QString key;
    bool operator==(const PortEntry&) const = default;
};

// Keys of the USB list besides the instruments' "usb:N" (N from 0, as device indexes count).
inline const QString noInstrumentKey = QStringLiteral("usb:none");
inline const QString simulatedInstrumentKey = QStringLiteral("usb:simulated");

// "COM1" to "COM6", each naming the system's port of that number where there is one; the key is its path.
std::vector<PortEntry> serialPortEntries();

// The instruments found, as "Device1" … with their bus, address and ids; "未找到USB仪器" when there is none;
// then the simulated instrument.
std::vector<PortEntry> usbDeviceEntries();

// The device index of an "usb:N" key; -1 for any other key.
int deviceIndexOf(const QString& key);

} // namespace trellon
