// A simulated instrument on USB: serves a recorded transfer laid out as the instrument's memory.
#pragma once

#include "usbblockdevice.h"

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

namespace trellon {

// The instrument's memory holding a frame: header and directory from block 0, sample area from block 220.
// Refused when the directory would run into the sample area or the samples beyond block 4095.
Result<std::vector<std::uint8_t>> layOutInstrumentMemory(std::span<const std::uint8_t> frame);

struct SimulatedUsbFaults {
    bool failOpen = false;
    bool failPipes = false;
    std::optional<std::size_t> unplugAfterBlocks;    // k blocks are served, then every operation fails
    std::optional<std::uint32_t> failReadOfBlock;    // the read answering this block's request fails
    std::optional<std::uint32_t> failRequestOfBlock; // sending this block's request fails
    std::optional<std::uint32_t> shortBlock;         // this block comes with shortBlockLength bytes
    std::size_t shortBlockLength = 17;
};

class SimulatedUsbDevice final : public UsbBlockDevice {
public:
    explicit SimulatedUsbDevice(std::vector<std::uint8_t> memory, SimulatedUsbFaults faults = {});

    std::string name() const override { return "simulated instrument"; }
    Status open() override;
    Status openPipes() override;
    bool isOpen() const override;
    Result<std::size_t> read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) override;
    Status write(std::span<const std::uint8_t> bytes, std::chrono::milliseconds timeout) override;
    Status purge() override { return success(); }
    void abort() override;
    void close() override;

    // Called on the requesting thread with each block index as its request arrives (before it is answered).
    void setRequestHook(std::function<void(std::uint32_t)> hook) { requestHook_ = std::move(hook); }
    // Called on the reading thread with each block index once its read has been answered.
    void setAnswerHook(std::function<void(std::uint32_t)> hook) { answerHook_ = std::move(hook); }

    // What the link sent and did, in order.
    std::vector<std::uint32_t> requestedBlocks() const;
    std::vector<std::array<std::uint8_t, 2>> requestBytes() const; // as sent
    std::size_t blocksServed() const;
    std::size_t stopRequests() const; // attempts, also those an unplugged device could not take
    bool stopRequestWasLast() const;  // the last write was the stop request
    int openCount() const;
    int closeCount() const;

    // Forgets the record and is ready to serve again (benchmarks reuse one device).
    void rewind();

private:
    bool unplugged() const;
    Result<std::size_t> answer(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout,
                               std::optional<std::uint32_t>& answered);

    const std::vector<std::uint8_t> memory_;
    const SimulatedUsbFaults faults_;
    std::function<void(std::uint32_t)> requestHook_;
    std::function<void(std::uint32_t)> answerHook_;

    mutable std::mutex mutex_;
    bool open_ = false;
    bool pipesOpen_ = false;
    bool aborted_ = false;
    std::optional<std::uint32_t> pendingBlock_;
    std::vector<std::array<std::uint8_t, 2>> requests_;
    std::size_t served_ = 0;
    std::size_t stopRequests_ = 0;
    bool lastWriteWasStop_ = false;
    int opens_ = 0;
    int closes_ = 0;
};

} // namespace trellon
