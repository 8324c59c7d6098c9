// libusb's hotplug callbacks, delivered while a thread of our own handles the context's events.
#include "usbhotplugwatch.h"

#include <libusb.h>

#include <system_error>

namespace trellon {
namespace {

constexpr timeval eventWait{0, 200'000};

int LIBUSB_CALL onHotplug(libusb_context*, libusb_device*, libusb_hotplug_event, void* watch)
{
    (*static_cast<std::function<void()>*>(watch))();
    return 0; // stay registered
}

} // namespace

UsbHotplugWatch::UsbHotplugWatch(std::function<void()> onChange) : onChange_(std::move(onChange))
{
    if (!libusb_has_capability(LIBUSB_CAP_HAS_HOTPLUG) || libusb_init(&context_) != 0) {
        context_ = nullptr;
        return;
    }
    const auto events =
        static_cast<libusb_hotplug_event>(LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED | LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT);
    if (libusb_hotplug_register_callback(context_, events, static_cast<libusb_hotplug_flag>(0),
                                         LIBUSB_HOTPLUG_MATCH_ANY, LIBUSB_HOTPLUG_MATCH_ANY, LIBUSB_HOTPLUG_MATCH_ANY,
                                         onHotplug, &onChange_, &callback_) != LIBUSB_SUCCESS) {
        libusb_exit(context_);
        context_ = nullptr;
        return;
    }
    try {
        thread_ = std::thread(&UsbHotplugWatch::handleEvents, this);
    } catch (const std::system_error&) {
        libusb_hotplug_deregister_callback(context_, callback_);
        libusb_exit(context_);
        context_ = nullptr;
    }
}

UsbHotplugWatch::~UsbHotplugWatch()
{
    if (context_ == nullptr)
        return;
    stopping_.store(true);
    libusb_interrupt_event_handler(context_);
    if (thread_.joinable())
        thread_.join();
    libusb_hotplug_deregister_callback(context_, callback_);
    libusb_exit(context_);
}

void UsbHotplugWatch::handleEvents()
{
    while (!stopping_.load()) {
        timeval wait = eventWait;
        libusb_handle_events_timeout_completed(context_, &wait, nullptr);
    }
}

} // namespace trellon
