// The serial link's receiving side: the instrument sends unrequested, the port is polled and fed on.
#pragma once

#include "transfersession.h"
#include "transport.h"

#include <array>
#include <cstdint>

namespace trellon {

// Driven on one thread: start(), then pollSerialPort() every 200 ms until polling() turns false.
class SerialReceiver final : private LinkControl {
public:
    static constexpr std::size_t receiveBufferSize = 1024;
    static constexpr int pollIntervalMs = 200;

    SerialReceiver(Transport& port, TransferSession& session);
    ~SerialReceiver() override;
    SerialReceiver(const SerialReceiver&) = delete;
    SerialReceiver& operator=(const SerialReceiver&) = delete;

    // Closes the port, forgets any frame received so far and opens the port again: a second start restarts.
    // When the port cannot be opened the session ends (cannotOpenPort) and false is returned.
    bool start();

    // Reads what is queued, at most 1024 bytes, and feeds it to the decoder. 0 when nothing was queued
    // or the port is closed. A port that cannot be read any more is closed and the session ends (portLost).
    std::size_t pollSerialPort();

    // Closes the port; a frame not yet complete is dropped and nothing is written.
    void cancel();

    // The port is open and the frame not yet complete.
    bool polling() const { return port_.isOpen(); }

private:
    void stopAtEndOfTransfer() override;
    void closeSerialPort();

    Transport& port_;
    TransferSession& session_;
    std::array<std::uint8_t, receiveBufferSize> receiveBuffer_{};
    bool started_ = false;
};

} // namespace trellon
