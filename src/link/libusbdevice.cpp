// Bulk transfers on the chip's interface 0. Reads run in short slices so that abort() takes effect.
#include "libusbdevice.h"

#include <libusb.h>

#include <algorithm>

namespace trellon {
namespace {

constexpr int chipInterface = 0;
constexpr std::uint8_t preferredEndpoint = 2;
constexpr std::chrono::milliseconds transferSlice{100};

Error usbError(ErrorKind kind, const std::string& what, int code)
{
    return Error{kind, what + ": " + libusb_strerror(code), std::nullopt};
}

struct MatchingDevice {
    libusb_device* device;
    UsbId id;
};

// The devices of the list whose ids are in ids, in the list's order: the order device indexes count in.
std::vector<MatchingDevice> matchingDevices(libusb_device** list, ssize_t count, const std::vector<UsbId>& ids)
{
    std::vector<MatchingDevice> matches;
    for (ssize_t k = 0; k < count; ++k) {
        libusb_device_descriptor descriptor{};
        if (libusb_get_device_descriptor(list[k], &descriptor) != 0)
            continue;
        const UsbId id{descriptor.idVendor, descriptor.idProduct};
        if (std::find(ids.begin(), ids.end(), id) != ids.end())
            matches.push_back({list[k], id});
    }
    return matches;
}

} // namespace

Result<std::vector<FoundUsbDevice>> findUsbDevices(const std::vector<UsbId>& ids)
{
    libusb_context* context = nullptr;
    if (const int code = libusb_init(&context); code != 0)
        return usbError(ErrorKind::cannotOpen, "cannot initialise libusb", code);
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(context, &list);
    if (count < 0) {
        libusb_exit(context);
        return usbError(ErrorKind::cannotOpen, "cannot list the USB devices", static_cast<int>(count));
    }
    std::vector<FoundUsbDevice> found;
    for (const MatchingDevice& match : matchingDevices(list, count, ids)) {
        found.push_back({static_cast<int>(found.size()), libusb_get_bus_number(match.device),
                         libusb_get_device_address(match.device), match.id});
    }
    libusb_free_device_list(list, 1);
    libusb_exit(context);
    return found;
}

LibusbDevice::LibusbDevice(int deviceIndex, std::vector<UsbId> ids)
    : deviceIndex_(deviceIndex), ids_(std::move(ids)), name_("USB device " + std::to_string(deviceIndex + 1))
{
}

LibusbDevice::~LibusbDevice()
{
    close();
}

Status LibusbDevice::open()
{
    close();
    aborted_.store(false);
    name_ = "USB device " + std::to_string(deviceIndex_ + 1);
    if (const int code = libusb_init(&context_); code != 0) {
        context_ = nullptr;
        return usbError(ErrorKind::cannotOpen, "cannot initialise libusb", code);
    }
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(context_, &list);
    if (count < 0) {
        close();
        return usbError(ErrorKind::cannotOpen, "cannot list the USB devices", static_cast<int>(count));
    }
    int code = LIBUSB_ERROR_NO_DEVICE;
    const std::vector<MatchingDevice> matches = matchingDevices(list, count, ids_);
    if (deviceIndex_ >= 0 && static_cast<std::size_t>(deviceIndex_) < matches.size()) {
        const MatchingDevice& match = matches[static_cast<std::size_t>(deviceIndex_)];
        name_ = "USB " + std::to_string(libusb_get_bus_number(match.device)) + "-" +
                std::to_string(libusb_get_device_address(match.device)) + " " + formatUsbId(match.id);
        code = libusb_open(match.device, &handle_);
    }
    libusb_free_device_list(list, 1);
    if (handle_ == nullptr) {
        close();
        return usbError(ErrorKind::cannotOpen, name_, code);
    }
    return success();
}

Status LibusbDevice::openPipes()
{
    if (handle_ == nullptr)
        return Error{ErrorKind::cannotOpen, name_ + ": not open", std::nullopt};
    libusb_set_auto_detach_kernel_driver(handle_, 1);
    if (const int code = libusb_claim_interface(handle_, chipInterface); code != 0)
        return usbError(ErrorKind::cannotOpen, name_ + ": cannot claim interface 0", code);
    claimed_ = true;

    libusb_config_descriptor* config = nullptr;
    if (const int code = libusb_get_active_config_descriptor(libusb_get_device(handle_), &config); code != 0)
        return usbError(ErrorKind::cannotOpen, name_ + ": no configuration", code);
    inEndpoint_ = outEndpoint_ = 0;
    if (config->bNumInterfaces > chipInterface && config->interface[chipInterface].num_altsetting > 0) {
        const libusb_interface_descriptor& setting = config->interface[chipInterface].altsetting[0];
        for (int k = 0; k < setting.bNumEndpoints; ++k) {
            const libusb_endpoint_descriptor& endpoint = setting.endpoint[k];
            if ((endpoint.bmAttributes & LIBUSB_TRANSFER_TYPE_MASK) != LIBUSB_TRANSFER_TYPE_BULK)
                continue;
            const bool in = (endpoint.bEndpointAddress & LIBUSB_ENDPOINT_DIR_MASK) == LIBUSB_ENDPOINT_IN;
            std::uint8_t& slot = in ? inEndpoint_ : outEndpoint_;
            const bool preferred = (endpoint.bEndpointAddress & LIBUSB_ENDPOINT_ADDRESS_MASK) == preferredEndpoint;
            if (slot == 0 || preferred)
                slot = endpoint.bEndpointAddress;
        }
    }
    libusb_free_config_descriptor(config);
    if (inEndpoint_ == 0 || outEndpoint_ == 0)
        return Error{ErrorKind::cannotOpen, name_ + ": interface 0 has no bulk endpoints", std::nullopt};
    return success();
}

Result<std::size_t> LibusbDevice::read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout)
{
    if (handle_ == nullptr || inEndpoint_ == 0)
        return Error{ErrorKind::truncated, name_ + ": not open", std::nullopt};
    auto left = timeout;
    do {
        if (aborted_.load())
            return Error{ErrorKind::truncated, name_ + ": aborted", std::nullopt};
        const auto slice = std::max(std::chrono::milliseconds{1}, std::min(left, transferSlice));
        int transferred = 0;
        const int code = libusb_bulk_transfer(handle_, inEndpoint_, buffer.data(), static_cast<int>(buffer.size()),
                                              &transferred, static_cast<unsigned>(slice.count()));
        if (code == 0 || (code == LIBUSB_ERROR_TIMEOUT && transferred > 0))
            return static_cast<std::size_t>(transferred);
        if (code != LIBUSB_ERROR_TIMEOUT)
            return usbError(ErrorKind::truncated, name_ + ": read", code);
        left -= slice;
    } while (left.count() > 0);
    return Error{ErrorKind::truncated, name_ + ": no answer within " + std::to_string(timeout.count()) + " ms",
                 std::nullopt};
}

Status LibusbDevice::write(std::span<const std::uint8_t> bytes, std::chrono::milliseconds timeout)
{
    if (handle_ == nullptr || outEndpoint_ == 0)
        return Error{ErrorKind::cannotWrite, name_ + ": not open", std::nullopt};
    // libusb does not write through the pointer of an OUT transfer.
    auto* data = const_cast<std::uint8_t*>(bytes.data());
    std::size_t sent = 0;
    auto left = timeout;
    do {
        const auto slice = std::max(std::chrono::milliseconds{1}, std::min(left, transferSlice));
        int transferred = 0;
        const int code = libusb_bulk_transfer(handle_, outEndpoint_, data + sent, static_cast<int>(bytes.size() - sent),
                                              &transferred, static_cast<unsigned>(slice.count()));
        sent += static_cast<std::size_t>(std::max(transferred, 0));
        if (sent == bytes.size())
            return success();
        if (code != 0 && code != LIBUSB_ERROR_TIMEOUT)
            return usbError(ErrorKind::cannotWrite, name_ + ": write", code);
        left -= slice;
    } while (left.count() > 0);
    return Error{ErrorKind::cannotWrite, name_ + ": not taken within " + std::to_string(timeout.count()) + " ms",
                 std::nullopt};
}

Status LibusbDevice::purge()
{
    if (handle_ == nullptr)
        return success();
    if (inEndpoint_ != 0)
        libusb_clear_halt(handle_, inEndpoint_);
    if (outEndpoint_ != 0)
        libusb_clear_halt(handle_, outEndpoint_);
    return success();
}

void LibusbDevice::close()
{
    if (handle_ != nullptr) {
        if (claimed_)
            libusb_release_interface(handle_, chipInterface);
        libusb_close(handle_);
    }
    handle_ = nullptr;
    claimed_ = false;
    inEndpoint_ = outEndpoint_ = 0;
    if (context_ != nullptr)
        libusb_exit(context_);
    context_ = nullptr;
}

} // namespace trellon
