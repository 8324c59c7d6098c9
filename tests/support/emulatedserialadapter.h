// A CH340 USB serial adapter (1a86:7523) emulated as /dev/ttyUSB0, with the instrument behind it.
#pragma once

#include "emulateddevices.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace trellon::testing {

// Plugged in on construction: the usb-serial parent and its tty, backed by a pseudo-terminal whose other end
// the test holds.
class EmulatedSerialAdapter {
public:
    static constexpr const char* devicePath = "/dev/ttyUSB0";

    explicit EmulatedSerialAdapter(EmulatedDevices& devices);
    ~EmulatedSerialAdapter();
    EmulatedSerialAdapter(const EmulatedSerialAdapter&) = delete;
    EmulatedSerialAdapter& operator=(const EmulatedSerialAdapter&) = delete;

    // From a thread of its own, as the instrument would once the user starts sending: waits until the port
    // has been opened and set to 2400 baud, then sends the bytes. With unplugAfter, the adapter is unplugged
    // once that many bytes are out.
    void sendWhenConfigured(std::vector<std::uint8_t> bytes, std::optional<std::size_t> unplugAfter = {});
    // The bytes have been sent, or the adapter unplugged.
    bool finished() const { return finished_.load(); }
    // False when the port was not configured in time.
    bool configured() const { return configured_.load(); }

    // The port hangs up and the device disappears.
    void unplug();

private:
    void send(std::vector<std::uint8_t> bytes, std::optional<std::size_t> unplugAfter);

    EmulatedDevices& devices_;
    int terminal_ = -1; // umockdev's end of the pseudo-terminal; umockdev closes it
    std::atomic<bool> plugged_{false};
    std::thread sender_;
    std::atomic<bool> configured_{false};
    std::atomic<bool> finished_{false};
};

} // namespace trellon::testing
