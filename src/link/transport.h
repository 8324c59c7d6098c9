// The byte transport under every instrument link: serial port, USB device or simulated instrument.
#pragma once

#include "model/result.h"

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

namespace trellon {

class Transport {
public:
    virtual ~Transport() = default;

    // The port path or device name, for messages.
    virtual std::string name() const = 0;

    virtual Status open() = 0;
    virtual bool isOpen() const = 0;

    // Up to buffer.size() bytes of what arrives within the time-out; 0 bytes when nothing did.
    // A zero time-out returns at once with whatever is queued.
    virtual Result<std::size_t> read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) = 0;

    // All of bytes, or an error.
    virtual Status write(std::span<const std::uint8_t> bytes, std::chrono::milliseconds timeout) = 0;

    // Drops whatever waits in the input and output queues.
    virtual Status purge() = 0;

    // May be called from any thread: a pending read and later ones fail until close(). Writes still go out, so
    // that a link cut short can still tell the device to stop.
    virtual void abort() = 0;

    // Harmless when not open.
    virtual void close() = 0;
};

} // namespace trellon
