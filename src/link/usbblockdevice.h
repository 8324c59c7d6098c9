// The instrument's USB side: a block memory read 32 bytes at a time through a 2-byte block request.
#pragma once

#include "transport.h"

#include <cstdint>

namespace trellon {

constexpr std::size_t usbBlockSize = 32;
constexpr std::uint32_t sampleAreaFirstBlock = 220; // byte address 7040
constexpr std::uint32_t usbBlockLimit = 4096;       // blocks 0 to 4095
constexpr std::size_t sampleAreaAddress = usbBlockSize * sampleAreaFirstBlock;
constexpr std::size_t instrumentMemorySize = usbBlockSize * usbBlockLimit;

// open() finds and opens the device; openPipes() then makes its bulk endpoints usable.
// read() fills at most one block, write() sends a block request (2 bytes) or the stop request (3 zero bytes).
class UsbBlockDevice : public Transport {
public:
    virtual Status openPipes() = 0;
};

} // namespace trellon
