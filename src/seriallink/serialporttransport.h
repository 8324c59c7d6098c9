// A serial port on Qt SerialPort, set to the instrument's 2400 baud, 8 data bits, no parity, 1 stop bit.
#pragma once

#include "link/transport.h"

#include <QSerialPort>

#include <atomic>
#include <string>

namespace trellon {

// Lives on one thread with its owner; only abort() may come from another.
class SerialPortTransport final : public Transport {
public:
    static constexpr qint32 baudRate = 2400;
    static constexpr qint64 inputQueueSize = 1024;

    SerialPortTransport() = default;

    // A system location (/dev/ttyUSB0) or any path to a terminal device (a pseudo-terminal, say).
    void setPortPath(std::string path) { path_ = std::move(path); }

    std::string name() const override { return path_; }
    // The flow control the driver has is kept; everything else of the line is set.
    Status open() override;
    bool isOpen() const override { return port_.isOpen(); }
    // Fails once the port cannot be read any more, for one thing when its adapter has been unplugged.
    Result<std::size_t> read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) override;
    Status write(std::span<const std::uint8_t> bytes, std::chrono::milliseconds timeout) override;
    Status purge() override;
    void abort() override { aborted_.store(true); }
    void close() override;

private:
    Error portError(ErrorKind kind, const char* what) const;
    Error readFailure() const;

    std::string path_;
    QSerialPort port_;
    std::atomic<bool> aborted_{false};
};

} // namespace trellon
