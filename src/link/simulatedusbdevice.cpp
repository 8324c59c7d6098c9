// The simulated instrument's block memory and its faults.
#include "simulatedusbdevice.h"

#include "model/bytes.h"
#include "transferframe.h"

#include <algorithm>
#include <string>

namespace trellon {
namespace {

Error deviceError(ErrorKind kind, std::string detail)
{
    return Error{kind, std::move(detail), std::nullopt};
}

} // namespace

Result<std::vector<std::uint8_t>> layOutInstrumentMemory(std::span<const std::uint8_t> frame)
{
    if (frame.size() < frameHeaderSize || frame[0] != syncByte)
        return deviceError(ErrorKind::refused, "not a transfer frame: no sync byte and header");
    const std::size_t headerLength = frameHeaderSize + directoryEntrySize * readUint16Be(frame, 10);
    if (headerLength > sampleAreaAddress)
        return deviceError(ErrorKind::refused, "the member directory does not fit before block 220");
    if (frame.size() < headerLength)
        return deviceError(ErrorKind::truncated, "the capture ends inside the member directory");
    const auto samples = frame.subspan(headerLength);
    if (samples.size() > instrumentMemorySize - sampleAreaAddress)
        return deviceError(ErrorKind::refused, "the sample area does not fit into the instrument's memory");

    std::vector<std::uint8_t> memory(instrumentMemorySize, 0);
    std::copy_n(frame.begin(), headerLength, memory.begin());
    std::copy(samples.begin(), samples.end(), memory.begin() + sampleAreaAddress);
    return memory;
}

SimulatedUsbDevice::SimulatedUsbDevice(std::vector<std::uint8_t> memory, SimulatedUsbFaults faults)
    : memory_(std::move(memory)), faults_(faults)
{
}

bool SimulatedUsbDevice::unplugged() const
{
    return faults_.unplugAfterBlocks && served_ >= *faults_.unplugAfterBlocks;
}

Status SimulatedUsbDevice::open()
{
    const std::lock_guard lock(mutex_);
    if (faults_.failOpen || unplugged())
        return deviceError(ErrorKind::cannotOpen, "no such device");
    open_ = true;
    aborted_ = false;
    ++opens_;
    return success();
}

Status SimulatedUsbDevice::openPipes()
{
    const std::lock_guard lock(mutex_);
    if (!open_ || faults_.failPipes)
        return deviceError(ErrorKind::cannotOpen, "cannot claim the interface");
    pipesOpen_ = true;
    return success();
}

bool SimulatedUsbDevice::isOpen() const
{
    const std::lock_guard lock(mutex_);
    return open_;
}

Status SimulatedUsbDevice::write(std::span<const std::uint8_t> bytes, std::chrono::milliseconds /*timeout*/)
{
    std::uint32_t index = 0;
    {
        const std::lock_guard lock(mutex_);
        // Stop requests are recorded as attempts: an unplugged device cannot take them.
        const bool stop =
            bytes.size() == 3 && std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
        if (stop) {
            ++stopRequests_;
            lastWriteWasStop_ = true;
            pendingBlock_.reset();
        }
        if (!pipesOpen_ || unplugged())
            return deviceError(ErrorKind::cannotWrite, "the device is gone");
        if (stop)
            return success();
        lastWriteWasStop_ = false;
        if (bytes.size() != 2)
            return deviceError(ErrorKind::cannotWrite, "not a block request");
        index = readUint16Be(bytes, 0);
        requests_.push_back({bytes[0], bytes[1]});
        if (faults_.failRequestOfBlock == index)
            return deviceError(ErrorKind::cannotWrite, "the request was not taken");
        pendingBlock_ = index;
    }
    if (requestHook_)
        requestHook_(index);
    return success();
}

Result<std::size_t> SimulatedUsbDevice::read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout)
{
    std::optional<std::uint32_t> answered;
    Result<std::size_t> result = answer(buffer, timeout, answered);
    if (answered && answerHook_)
        answerHook_(*answered);
    return result;
}

Result<std::size_t> SimulatedUsbDevice::answer(std::span<std::uint8_t> buffer, std::chrono::milliseconds /*timeout*/,
                                               std::optional<std::uint32_t>& answered)
{
    const std::lock_guard lock(mutex_);
    if (!pipesOpen_ || aborted_ || unplugged())
        return deviceError(ErrorKind::truncated, "the device is gone");
    if (!pendingBlock_)
        return deviceError(ErrorKind::truncated, "no answer: nothing was requested");
    const std::uint32_t index = *pendingBlock_;
    pendingBlock_.reset();
    if (faults_.failReadOfBlock == index)
        return deviceError(ErrorKind::truncated, "the read failed");
    const std::size_t at = std::size_t{index} * usbBlockSize;
    if (at + usbBlockSize > memory_.size())
        return deviceError(ErrorKind::truncated, "no such block");
    std::size_t count = std::min(buffer.size(), usbBlockSize);
    if (faults_.shortBlock == index)
        count = std::min(count, faults_.shortBlockLength);
    std::copy_n(memory_.begin() + static_cast<std::ptrdiff_t>(at), count, buffer.begin());
    ++served_;
    answered = index;
    return count;
}

void SimulatedUsbDevice::abort()
{
    const std::lock_guard lock(mutex_);
    aborted_ = true;
}

void SimulatedUsbDevice::close()
{
    const std::lock_guard lock(mutex_);
    if (open_)
        ++closes_;
    open_ = pipesOpen_ = false;
    pendingBlock_.reset();
}

std::vector<std::uint32_t> SimulatedUsbDevice::requestedBlocks() const
{
    const std::lock_guard lock(mutex_);
    std::vector<std::uint32_t> blocks;
    blocks.reserve(requests_.size());
    for (const auto& request : requests_)
        blocks.push_back(readUint16Be(request, 0));
    return blocks;
}

std::vector<std::array<std::uint8_t, 2>> SimulatedUsbDevice::requestBytes() const
{
    const std::lock_guard lock(mutex_);
    return requests_;
}

std::size_t SimulatedUsbDevice::blocksServed() const
{
    const std::lock_guard lock(mutex_);
    return served_;
}

std::size_t SimulatedUsbDevice::stopRequests() const
{
    const std::lock_guard lock(mutex_);
    return stopRequests_;
}

bool SimulatedUsbDevice::stopRequestWasLast() const
{
    const std::lock_guard lock(mutex_);
    return lastWriteWasStop_;
}

int SimulatedUsbDevice::openCount() const
{
    const std::lock_guard lock(mutex_);
    return opens_;
}

int SimulatedUsbDevice::closeCount() const
{
    const std::lock_guard lock(mutex_);
    return closes_;
}

void SimulatedUsbDevice::rewind()
{
    const std::lock_guard lock(mutex_);
    requests_.clear();
    served_ = 0;
    stopRequests_ = 0;
    lastWriteWasStop_ = false;
    pendingBlock_.reset();
}

} // namespace trellon
