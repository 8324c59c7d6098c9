// Tells when USB devices arrive or leave, where libusb can watch for them.
#pragma once

#include <atomic>
#include <functional>
#include <thread>

struct libusb_context;

namespace trellon {

class UsbHotplugWatch {
public:
    // onChange runs on the watch's own thread, once per device that arrives or leaves.
    explicit UsbHotplugWatch(std::function<void()> onChange);
    // Stops watching and joins the thread; onChange is not called afterwards.
    ~UsbHotplugWatch();
    UsbHotplugWatch(const UsbHotplugWatch&) = delete;
    UsbHotplugWatch& operator=(const UsbHotplugWatch&) = delete;

    // False where the platform offers no hotplug events; the owner then refreshes by hand.
    bool watching() const { return thread_.joinable(); }

private:
    void handleEvents();

    std::function<void()> onChange_;
    libusb_context* context_ = nullptr;
    int callback_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

} // namespace trellon
