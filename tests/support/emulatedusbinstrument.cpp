// usbdevfs as libusb drives it: URBs are answered when submitted and handed back when reaped.
#include "emulatedusbinstrument.h"

#include "link/usbblockdevice.h"

#include <umockdev.h>

// <sys/ioctl.h> first: the usbdevfs header relies on its macros.
#include <sys/ioctl.h>

#include <linux/usbdevice_fs.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>

namespace trellon::testing {
namespace {

constexpr std::uint8_t outEndpoint = 0x02;
constexpr std::size_t shortBlockLength = 17;
constexpr std::size_t stopRequestLength = 3;

std::string threeDigits(int value)
{
    char text[4];
    std::snprintf(text, sizeof text, "%03d", value);
    return text;
}

std::string hexBytes(const std::vector<std::uint8_t>& bytes)
{
    std::string text;
    for (const std::uint8_t byte : bytes) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", byte);
        text += pair;
    }
    return text;
}

std::uint8_t low(std::uint16_t value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::uint8_t high(std::uint16_t value)
{
    return static_cast<std::uint8_t>(value >> 8);
}

// Device, configuration, interface 0 and its endpoints, as the chip reports them. No strings.
std::vector<std::uint8_t> descriptors(UsbId id, bool withEndpoints)
{
    const std::uint8_t endpoints = withEndpoints ? 2 : 0;
    const auto totalLength = static_cast<std::uint8_t>(9 + 9 + 7 * endpoints);
    std::vector<std::uint8_t> bytes{18, 1, 0x10, 0x01, 0xFF, 0, 0, 64};
    bytes.insert(bytes.end(), {low(id.vendor), high(id.vendor), low(id.product), high(id.product)});
    bytes.insert(bytes.end(), {0x00, 0x01, 0, 0, 0, 1});
    bytes.insert(bytes.end(), {9, 2, totalLength, 0, 1, 1, 0, 0x80, 50}); // configuration 1
    bytes.insert(bytes.end(), {9, 4, 0, 0, endpoints, 0xFF, 0, 0, 0});    // interface 0, vendor class
    if (withEndpoints) {
        bytes.insert(bytes.end(), {7, 5, outEndpoint, 2, 64, 0, 0}); // bulk OUT, 64-byte packets
        bytes.insert(bytes.end(), {7, 5, 0x82, 2, 64, 0, 0});        // bulk IN
    }
    return bytes;
}

usbdevfs_urb& urbOf(UMockdevIoctlData* data)
{
    return *reinterpret_cast<usbdevfs_urb*>(data->data);
}

} // namespace

EmulatedUsbInstrument::EmulatedUsbInstrument(EmulatedDevices& devices, std::vector<std::uint8_t> memory, UsbPlace place,
                                             UsbInstrumentFaults faults)
    : devices_(devices), memory_(std::move(memory)), place_(place), faults_(faults)
{
    const std::string bus = threeDigits(place.bus);
    const std::string address = threeDigits(place.address);
    const auto attribute = [](const std::string& name, const std::string& value) {
        return "A: " + name + "=" + value + "\\n\n";
    };
    char vendor[5], product[5];
    std::snprintf(vendor, sizeof vendor, "%04x", place.id.vendor);
    std::snprintf(product, sizeof product, "%04x", place.id.product);
    const std::string record =
        "P: " + sysfsPath().substr(4) + "\n" + "N: bus/usb/" + bus + "/" + address + "\n" +
        "E: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: DEVNAME=" + deviceNode() + "\nE: BUSNUM=" + bus +
        "\nE: DEVNUM=" + address + "\n" + attribute("busnum", std::to_string(place.bus)) +
        attribute("devnum", std::to_string(place.address)) + attribute("idVendor", vendor) +
        attribute("idProduct", product) + attribute("speed", "12") + attribute("bConfigurationValue", "1") +
        attribute("dev", "189:" + std::to_string((place.bus - 1) * 128 + place.address - 1)) +
        "H: descriptors=" + hexBytes(descriptors(place.id, !faults.withoutEndpoints)) + "\n";
    devices_.add(record);
    plugged_ = true;
    node_ = umockdev_testbed_get_dev_fd(devices_.testbed(), deviceNode().c_str());
    // Programs the test starts must not hold this end open, or unplugging would not reach their poll.
    if (node_ >= 0)
        ::fcntl(node_, F_SETFD, FD_CLOEXEC);

    handler_ = umockdev_ioctl_base_new();
    g_signal_connect(handler_, "handle-ioctl", G_CALLBACK(&EmulatedUsbInstrument::onIoctl), this);
    GError* error = nullptr;
    if (!umockdev_testbed_attach_ioctl(devices_.testbed(), deviceNode().c_str(), handler_, &error)) {
        const std::string why = error->message;
        g_error_free(error);
        throw std::runtime_error("cannot attach the USB handler: " + why);
    }
}

EmulatedUsbInstrument::~EmulatedUsbInstrument()
{
    umockdev_testbed_detach_ioctl(devices_.testbed(), deviceNode().c_str(), nullptr);
    g_object_unref(handler_);
    const std::lock_guard lock(mutex_);
    for (UMockdevIoctlData* urb : reapable_)
        g_object_unref(urb);
    for (UMockdevIoctlData* urb : heldBack_)
        g_object_unref(urb);
}

std::string EmulatedUsbInstrument::sysfsPath() const
{
    return "/sys/devices/pci0000:00/0000:00:14.0/usb" + std::to_string(place_.bus) + "/" + std::to_string(place_.bus) +
           "-" + std::to_string(place_.address);
}

std::string EmulatedUsbInstrument::deviceNode() const
{
    return "/dev/bus/usb/" + threeDigits(place_.bus) + "/" + threeDigits(place_.address);
}

void EmulatedUsbInstrument::unplug()
{
    {
        const std::lock_guard lock(mutex_);
        vanish();
    }
    if (plugged_)
        devices_.remove(sysfsPath());
    plugged_ = false;
}

int EmulatedUsbInstrument::onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, void* self)
{
    static_cast<EmulatedUsbInstrument*>(self)->handle(client);
    return TRUE;
}

void EmulatedUsbInstrument::handle(UMockdevIoctlClient* client)
{
    const std::lock_guard lock(mutex_);
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    const auto done = [client](long result, int error) { umockdev_ioctl_client_complete(client, result, error); };
    switch (request) {
    case USBDEVFS_GET_CAPABILITIES: {
        UMockdevIoctlData* caps = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, 4, nullptr);
        const std::uint32_t capabilities =
            USBDEVFS_CAP_BULK_CONTINUATION | USBDEVFS_CAP_NO_PACKET_SIZE_LIM | USBDEVFS_CAP_REAP_AFTER_DISCONNECT;
        std::memcpy(caps->data, &capabilities, sizeof capabilities);
        g_object_unref(caps);
        done(0, 0);
        return;
    }
    case USBDEVFS_GETDRIVER:
    case USBDEVFS_IOCTL:   // detaching a kernel driver
        done(-1, ENODATA); // no kernel driver is bound
        return;
    case USBDEVFS_CLAIMINTERFACE:
        ++claims_;
        done(vanished_ ? -1 : 0, vanished_ ? ENODEV : 0);
        return;
    case USBDEVFS_RELEASEINTERFACE:
        ++releases_;
        done(vanished_ ? -1 : 0, vanished_ ? ENODEV : 0);
        return;
    case USBDEVFS_CLEAR_HALT:
    case USBDEVFS_RESET:
    case USBDEVFS_SETINTERFACE:
        done(vanished_ ? -1 : 0, vanished_ ? ENODEV : 0);
        return;
    case USBDEVFS_SUBMITURB:
        submit(client);
        return;
    case USBDEVFS_REAPURB:
    case USBDEVFS_REAPURBNDELAY:
        reap(client);
        return;
    case USBDEVFS_DISCARDURB:
        discard(client);
        return;
    default:
        done(-1, ENOTTY);
        return;
    }
}

void EmulatedUsbInstrument::submit(UMockdevIoctlClient* client)
{
    if (vanished_) {
        umockdev_ioctl_client_complete(client, -1, ENODEV);
        return;
    }
    UMockdevIoctlData* urb =
        umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, sizeof(usbdevfs_urb), nullptr);
    const auto length = static_cast<std::size_t>(std::max(urbOf(urb).buffer_length, 0));
    UMockdevIoctlData* buffer = umockdev_ioctl_data_resolve(urb, offsetof(usbdevfs_urb, buffer), length, nullptr);
    if (urbOf(urb).endpoint == outEndpoint) {
        if (length == 2 && buffer != nullptr) {
            requestedBlock_ = static_cast<std::uint32_t>(buffer->data[0] << 8 | buffer->data[1]);
            requests_.push_back(requestedBlock_);
            lastWriteWasStop_ = false;
        } else if (length == stopRequestLength && buffer != nullptr &&
                   std::all_of(buffer->data, buffer->data + length, [](std::uint8_t byte) { return byte == 0; })) {
            ++stopRequests_;
            lastWriteWasStop_ = true;
        }
        urbOf(urb).actual_length = static_cast<int>(length);
        urbOf(urb).status = 0;
        reapable_.push_back(urb);
    } else if (faults_.vanishAtBlock == requestedBlock_) {
        heldBack_.push_back(urb);
        vanish();
    } else if (faults_.silentAtBlock == requestedBlock_) {
        heldBack_.push_back(urb);
    } else if (faults_.stallAtBlock == requestedBlock_) {
        urbOf(urb).actual_length = 0;
        urbOf(urb).status = -EPIPE;
        reapable_.push_back(urb);
    } else {
        answerRead(urb, buffer);
        reapable_.push_back(urb);
    }
    if (buffer != nullptr)
        g_object_unref(buffer);
    umockdev_ioctl_client_complete(client, 0, 0);
}

void EmulatedUsbInstrument::answerRead(UMockdevIoctlData* urb, UMockdevIoctlData* buffer)
{
    const std::size_t at = std::min<std::size_t>(usbBlockSize * requestedBlock_, memory_.size());
    std::size_t count = std::min(usbBlockSize, memory_.size() - at);
    if (faults_.shortBlock == requestedBlock_)
        count = std::min(count, shortBlockLength);
    count = buffer != nullptr ? std::min<std::size_t>(count, static_cast<std::size_t>(buffer->data_len)) : 0;
    if (count > 0)
        std::copy_n(memory_.data() + at, count, buffer->data);
    urbOf(urb).actual_length = static_cast<int>(count);
    urbOf(urb).status = 0;
}

void EmulatedUsbInstrument::vanish()
{
    // As the kernel does on a disconnect: pending URBs end with ESHUTDOWN and stay reapable, later requests
    // fail with ENODEV, and the node reports an error to poll (umockdev's node is a terminal: hung up).
    vanished_ = true;
    for (UMockdevIoctlData* urb : heldBack_) {
        urbOf(urb).status = -ESHUTDOWN;
        urbOf(urb).actual_length = 0;
        reapable_.push_back(urb);
    }
    heldBack_.clear();
    if (node_ >= 0) {
        const int nothing = ::open("/dev/null", O_RDWR | O_CLOEXEC);
        ::dup2(nothing, node_);
        ::close(nothing);
    }
}

void EmulatedUsbInstrument::reap(UMockdevIoctlClient* client)
{
    if (vanished_ && reapable_.empty()) {
        umockdev_ioctl_client_complete(client, -1, ENODEV);
        return;
    }
    if (reapable_.empty()) {
        umockdev_ioctl_client_complete(client, -1, EAGAIN);
        return;
    }
    UMockdevIoctlData* urb = reapable_.front();
    reapable_.pop_front();
    UMockdevIoctlData* slot =
        umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, sizeof(void*), nullptr);
    umockdev_ioctl_data_set_ptr(slot, 0, urb);
    g_object_unref(slot);
    g_object_unref(urb);
    umockdev_ioctl_client_complete(client, 0, 0);
}

void EmulatedUsbInstrument::discard(UMockdevIoctlClient* client)
{
    if (vanished_) {
        umockdev_ioctl_client_complete(client, -1, ENODEV);
        return;
    }
    // The argument is the URB's address in the client.
    unsigned long address = 0;
    std::memcpy(&address, umockdev_ioctl_client_get_arg(client)->data, sizeof address);
    const auto held = std::find_if(heldBack_.begin(), heldBack_.end(),
                                   [address](UMockdevIoctlData* urb) { return urb->client_addr == address; });
    if (held == heldBack_.end()) {
        umockdev_ioctl_client_complete(client, -1, EINVAL);
        return;
    }
    urbOf(*held).status = -ENOENT;
    urbOf(*held).actual_length = 0;
    reapable_.push_back(*held);
    heldBack_.erase(held);
    umockdev_ioctl_client_complete(client, 0, 0);
}

std::vector<std::uint32_t> EmulatedUsbInstrument::requestedBlocks() const
{
    const std::lock_guard lock(mutex_);
    return requests_;
}

std::size_t EmulatedUsbInstrument::stopRequests() const
{
    const std::lock_guard lock(mutex_);
    return stopRequests_;
}

bool EmulatedUsbInstrument::stopRequestWasLast() const
{
    const std::lock_guard lock(mutex_);
    return lastWriteWasStop_;
}

int EmulatedUsbInstrument::claims() const
{
    const std::lock_guard lock(mutex_);
    return claims_;
}

int EmulatedUsbInstrument::releases() const
{
    const std::lock_guard lock(mutex_);
    return releases_;
}

bool EmulatedUsbInstrument::readHeldBack() const
{
    const std::lock_guard lock(mutex_);
    return !heldBack_.empty();
}

} // namespace trellon::testing
