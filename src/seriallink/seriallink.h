// The serial link as the transfer dialog and the command line run it: a port polled every 200 ms.
#pragma once

#include "link/serialreceiver.h"
#include "serialporttransport.h"

#include <QTimer>

#include <string>

namespace trellon {

// Needs a Qt event loop on its thread for the poll timer; tests may call pollSerialPort() by hand.
class SerialLink {
public:
    explicit SerialLink(TransferSession& session);
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Stops polling, closes the port, forgets any frame, opens portPath and polls it again.
    // False when the port cannot be opened; the session has then ended (cannotOpenPort).
    bool start(const std::string& portPath);

    // The port closes; a frame not yet complete is dropped.
    void cancel();

    std::size_t pollSerialPort() { return receiver_.pollSerialPort(); }
    bool polling() const { return receiver_.polling(); }

private:
    void onPollTimer();

    SerialPortTransport port_;
    SerialReceiver receiver_;
    QTimer pollTimer_;
};

} // namespace trellon
