// Listing the ports and instruments as the user picks them.
#include "transferports.h"

#include "link/libusbdevice.h"
#include "seriallink/serialports.h"

#include <QCoreApplication>
#include <QFile>

namespace trellon {
namespace {

// The dialog's own context, where the translation finds these texts.
struct TransferTexts {
    Q_DECLARE_TR_FUNCTIONS(TransferDialog)
};

} // namespace

std::vector<PortEntry> serialPortEntries()
{
    const std::vector<SerialPortEntry> ports = describeSerialPorts();
    std::vector<PortEntry> entries;
    for (int number = 1; number <= numberedSerialPorts; ++number) {
        const QString name = TransferTexts::tr("COM%1").arg(number);
        if (static_cast<std::size_t>(number) > ports.size()) {
            entries.push_back({name, QString()});
            continue;
        }
        const SerialPortEntry& port = ports[static_cast<std::size_t>(number - 1)];
        const QString path = QFile::decodeName(port.path.c_str());
        const QString description = QString::fromStdString(port.description);
        entries.push_back({description.isEmpty() ? TransferTexts::tr("%1 (%2)").arg(name, path)
                                                 : TransferTexts::tr("%1 (%2, %3)").arg(name, path, description),
                           path});
    }
    return entries;
}

std::vector<PortEntry> usbDeviceEntries()
{
    std::vector<PortEntry> entries;
    const auto found = findUsbDevices(defaultUsbIds());
    if (found) {
        for (const FoundUsbDevice& device : found.value()) {
            entries.push_back({TransferTexts::tr("Device%1 (USB %2-%3, %4)")
                                   .arg(device.deviceIndex + 1)
                                   .arg(device.bus)
                                   .arg(device.address)
                                   .arg(QString::fromStdString(formatUsbId(device.id))),
                               QStringLiteral("usb:%1").arg(device.deviceIndex)});
        }
    }
    if (entries.empty())
        entries.push_back({TransferTexts::tr("未找到USB仪器"), noInstrumentKey});
    entries.push_back({TransferTexts::tr("模拟仪器"), simulatedInstrumentKey});
    return entries;
}

int deviceIndexOf(const QString& key)
{
    if (!key.startsWith(QStringLiteral("usb:")))
        return -1;
    bool number = false;
    const int index = key.mid(4).toInt(&number);
    return number && index >= 0 ? index : -1;
}

} // namespace trellon
