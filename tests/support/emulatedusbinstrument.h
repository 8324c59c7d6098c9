// The instrument's USB chip emulated below libusb: usbdevfs requests answered from a memory image.
#pragma once

#include "emulateddevices.h"
#include "link/usbid.h"

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

typedef struct _UMockdevIoctlBase UMockdevIoctlBase;
typedef struct _UMockdevIoctlClient UMockdevIoctlClient;
typedef struct _UMockdevIoctlData UMockdevIoctlData;

namespace trellon::testing {

// Where the device sits and what it says it is.
struct UsbPlace {
    int bus = 1;
    int address = 2;
    UsbId id{0x1a86, 0x5537};
};

// How the device misbehaves; a block is named by the request that the failing read answers.
struct UsbInstrumentFaults {
    std::optional<std::uint32_t> vanishAtBlock; // the device is unplugged while that read is pending
    std::optional<std::uint32_t> stallAtBlock;  // that read ends with EPIPE (a stalled endpoint)
    std::optional<std::uint32_t> silentAtBlock; // that read is never answered
    std::optional<std::uint32_t> shortBlock;    // that block comes with 17 bytes
    bool withoutEndpoints = false;              // interface 0 declares no endpoints
};

// Plugged in on construction: a device record with the chip's descriptors (configuration 1, interface 0 with
// bulk OUT 0x02 and bulk IN 0x82) and a handler that answers each 2-byte block request on the next read.
class EmulatedUsbInstrument {
public:
    EmulatedUsbInstrument(EmulatedDevices& devices, std::vector<std::uint8_t> memory, UsbPlace place = {},
                          UsbInstrumentFaults faults = {});
    ~EmulatedUsbInstrument();
    EmulatedUsbInstrument(const EmulatedUsbInstrument&) = delete;
    EmulatedUsbInstrument& operator=(const EmulatedUsbInstrument&) = delete;

    std::string sysfsPath() const;
    std::string deviceNode() const;

    // Removes the device as an unplugging would.
    void unplug();

    // What the host did, in order.
    std::vector<std::uint32_t> requestedBlocks() const;
    std::size_t stopRequests() const;
    bool stopRequestWasLast() const;
    int claims() const;
    int releases() const;
    // A read is waiting for an answer that will not come (silentAtBlock).
    bool readHeldBack() const;

private:
    static int onIoctl(UMockdevIoctlBase* handler, UMockdevIoctlClient* client, void* self);
    void handle(UMockdevIoctlClient* client);
    void submit(UMockdevIoctlClient* client);
    void reap(UMockdevIoctlClient* client);
    void discard(UMockdevIoctlClient* client);
    void answerRead(UMockdevIoctlData* urb, UMockdevIoctlData* buffer);
    void vanish();

    EmulatedDevices& devices_;
    const std::vector<std::uint8_t> memory_;
    const UsbPlace place_;
    const UsbInstrumentFaults faults_;
    UMockdevIoctlBase* handler_ = nullptr;
    int node_ = -1; // umockdev's end of the device node; umockdev closes it
    bool plugged_ = false;

    mutable std::mutex mutex_;
    std::uint32_t requestedBlock_ = 0;
    std::vector<std::uint32_t> requests_;
    std::size_t stopRequests_ = 0;
    bool lastWriteWasStop_ = false;
    int claims_ = 0;
    int releases_ = 0;
    bool vanished_ = false;
    std::deque<UMockdevIoctlData*> reapable_; // completed URBs, each holding a reference
    std::deque<UMockdevIoctlData*> heldBack_; // reads without an answer, until discarded
};

} // namespace trellon::testing
