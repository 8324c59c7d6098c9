// The instrument's USB interface chip reached through libusb-1.0.
#pragma once

#include "usbblockdevice.h"
#include "usbid.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

struct libusb_context;
struct libusb_device_handle;

namespace trellon {

// An attached device with matching ids, numbered as LibusbDevice counts them.
struct FoundUsbDevice {
    int deviceIndex = 0; // 0 for the first
    int bus = 0;
    int address = 0;
    UsbId id;
    bool operator==(const FoundUsbDevice&) const = default;
};

// The attached devices whose ids are in ids, in libusb's enumeration order.
Result<std::vector<FoundUsbDevice>> findUsbDevices(const std::vector<UsbId>& ids);

class LibusbDevice final : public UsbBlockDevice {
public:
    // The deviceIndex-th (0 to 5) attached device whose ids are in ids, in libusb's enumeration order.
    LibusbDevice(int deviceIndex, std::vector<UsbId> ids);
    ~LibusbDevice() override;
    LibusbDevice(const LibusbDevice&) = delete;
    LibusbDevice& operator=(const LibusbDevice&) = delete;

    std::string name() const override { return name_; }
    Status open() override;
    // Claims interface 0 and finds its bulk endpoints, endpoint 2 preferred.
    Status openPipes() override;
    bool isOpen() const override { return handle_ != nullptr; }
    Result<std::size_t> read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) override;
    Status write(std::span<const std::uint8_t> bytes, std::chrono::milliseconds timeout) override;
    Status purge() override;
    void abort() override { aborted_.store(true); }
    void close() override;

private:
    const int deviceIndex_;
    const std::vector<UsbId> ids_;
    std::string name_;
    libusb_context* context_ = nullptr;
    libusb_device_handle* handle_ = nullptr;
    bool claimed_ = false;
    std::uint8_t inEndpoint_ = 0;
    std::uint8_t outEndpoint_ = 0;
    std::atomic<bool> aborted_{false};
};

} // namespace trellon
