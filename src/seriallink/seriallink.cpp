// The poll timer around the serial receiver.
#include "seriallink.h"

namespace trellon {

SerialLink::SerialLink(TransferSession& session) : receiver_(port_, session)
{
    pollTimer_.setInterval(SerialReceiver::pollIntervalMs);
    QObject::connect(&pollTimer_, &QTimer::timeout, &pollTimer_, [this] { onPollTimer(); });
}

bool SerialLink::start(const std::string& portPath)
{
    pollTimer_.stop();
    port_.setPortPath(portPath);
    if (!receiver_.start())
        return false;
    pollTimer_.start();
    return true;
}

void SerialLink::cancel()
{
    pollTimer_.stop();
    receiver_.cancel();
}

void SerialLink::onPollTimer()
{
    receiver_.pollSerialPort();
    if (!receiver_.polling())
        pollTimer_.stop();
}

} // namespace trellon
