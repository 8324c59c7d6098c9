// Devices emulated at the kernel interface (umockdev): the real libusb, libudev and QtSerialPort code runs
// against them. Works only in a process started by umockdev-wrapper, which sets the preload.
#pragma once

#include <string>

typedef struct _UMockdevTestbed UMockdevTestbed;

namespace trellon::testing {

// The exit status CTest counts as a skip.
constexpr int skipExitCode = 77;

// True when umockdev's preload is active. Ask before libusb or Qt first look at devices.
bool umockdevPreloadActive();

// One testbed: an empty emulated /sys and /dev that devices are added to.
class EmulatedDevices {
public:
    EmulatedDevices();
    ~EmulatedDevices();
    EmulatedDevices(const EmulatedDevices&) = delete;
    EmulatedDevices& operator=(const EmulatedDevices&) = delete;

    UMockdevTestbed* testbed() const { return testbed_; }

    // Adds the devices of a record in umockdev's text format; announced as they arrive.
    void add(const std::string& record);
    // Announces the device's removal, then removes it with its children.
    void remove(const std::string& sysfsPath);

private:
    UMockdevTestbed* testbed_;
};

} // namespace trellon::testing
