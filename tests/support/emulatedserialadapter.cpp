// The adapter's records, and the instrument on the far end of its pseudo-terminal.
#include "emulatedserialadapter.h"

#include <umockdev.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace trellon::testing {
namespace {

const std::string parentPath = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0/ttyUSB0";

constexpr auto configurationWait = std::chrono::seconds(10);
constexpr auto poll = std::chrono::milliseconds(5);
// The receiver purges the port right after setting it up; bytes sent in between would be lost.
constexpr auto purgeAllowance = std::chrono::milliseconds(250);
constexpr std::size_t piece = 64;

bool lineAt2400(int terminal)
{
    termios settings{};
    return ::tcgetattr(terminal, &settings) == 0 && ::cfgetospeed(&settings) == B2400;
}

} // namespace

EmulatedSerialAdapter::EmulatedSerialAdapter(EmulatedDevices& devices) : devices_(devices)
{
    devices_.add("P: " + parentPath.substr(4) +
                 "\nE: SUBSYSTEM=usb-serial\nE: DRIVER=ch341-uart\n\n"
                 "P: " +
                 parentPath.substr(4) +
                 "/tty/ttyUSB0\nN: ttyUSB0\nE: SUBSYSTEM=tty\nE: DEVNAME=/dev/ttyUSB0\n"
                 "E: ID_VENDOR_ID=1a86\nE: ID_MODEL_ID=7523\nE: ID_VENDOR=1a86\nE: ID_MODEL=USB_Serial\n"
                 "E: ID_SERIAL_SHORT=0001\nA: dev=188:0\\n\n");
    plugged_.store(true);
    terminal_ = umockdev_testbed_get_dev_fd(devices_.testbed(), devicePath);
    // Programs the test starts must not hold this end open, or unplugging would not hang their port up.
    ::fcntl(terminal_, F_SETFD, FD_CLOEXEC);
}

EmulatedSerialAdapter::~EmulatedSerialAdapter()
{
    if (sender_.joinable())
        sender_.join();
}

void EmulatedSerialAdapter::sendWhenConfigured(std::vector<std::uint8_t> bytes, std::optional<std::size_t> unplugAfter)
{
    // A port left at 2400 baud by an earlier transfer must be set up again.
    termios settings{};
    if (::tcgetattr(terminal_, &settings) == 0) {
        ::cfsetspeed(&settings, B9600);
        ::tcsetattr(terminal_, TCSANOW, &settings);
    }
    configured_.store(false);
    finished_.store(false);
    sender_ = std::thread(&EmulatedSerialAdapter::send, this, std::move(bytes), unplugAfter);
}

void EmulatedSerialAdapter::send(std::vector<std::uint8_t> bytes, std::optional<std::size_t> unplugAfter)
{
    const auto deadline = std::chrono::steady_clock::now() + configurationWait;
    while (!lineAt2400(terminal_) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(poll);
    configured_.store(lineAt2400(terminal_));
    if (configured_.load()) {
        std::this_thread::sleep_for(purgeAllowance);
        const std::size_t end = std::min(bytes.size(), unplugAfter.value_or(bytes.size()));
        for (std::size_t at = 0; at < end; at += piece) {
            const std::size_t count = std::min(piece, end - at);
            if (::write(terminal_, bytes.data() + at, count) != static_cast<ssize_t>(count))
                break;
            std::this_thread::sleep_for(poll);
        }
        if (unplugAfter) {
            // Let the receiver take what was sent before the line goes dead.
            std::this_thread::sleep_for(purgeAllowance);
            unplug();
        }
    }
    finished_.store(true);
}

void EmulatedSerialAdapter::unplug()
{
    if (!plugged_.exchange(false))
        return;
    devices_.remove(parentPath);
    // Replacing umockdev's end of the terminal closes it: the port hangs up, and umockdev later closes /dev/null.
    const int nothing = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    ::dup2(nothing, terminal_);
    ::close(nothing);
}

} // namespace trellon::testing
