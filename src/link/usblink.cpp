// The USB reader: block 0 carries the header and the member directory, block 220 onwards the sample area.
#include "usblink.h"

#include "model/bytes.h"
#include "transferframe.h"

#include <array>
#include <string>
#include <system_error>

namespace trellon {
namespace {

constexpr std::array<std::uint8_t, 3> stopRequest{0, 0, 0};

} // namespace

UsbLink::UsbLink(UsbBlockDevice& device, TransferSession& session, std::chrono::milliseconds blockTimeout)
    : device_(device), session_(session), blockTimeout_(blockTimeout)
{
}

UsbLink::~UsbLink()
{
    cancel();
    waitUntilFinished();
}

bool UsbLink::usbRunning() const
{
    const std::lock_guard lock(linkLock_);
    return usbRunning_;
}

void UsbLink::setUsbRunning(bool running)
{
    const std::lock_guard lock(linkLock_);
    usbRunning_ = running;
}

void UsbLink::stopAtEndOfTransfer()
{
    setUsbRunning(false);
}

void UsbLink::cancel()
{
    session_.requestCancel();
    setUsbRunning(false);
    // A read waiting for the device ends now; the stop request still goes out.
    device_.abort();
}

void UsbLink::waitUntilFinished()
{
    if (reader_.joinable() && reader_.get_id() != std::this_thread::get_id())
        reader_.join();
}

void UsbLink::startFailed(TransferOutcome outcome, Error error)
{
    device_.close();
    setUsbRunning(false);
    session_.linkEnded(outcome, std::move(error));
}

bool UsbLink::start()
{
    if (readerActive_.load() && usbRunning())
        return false;
    waitUntilFinished();

    session_.begin(LinkKind::usb, *this);
    if (Status opened = device_.open(); !opened) {
        startFailed(TransferOutcome::cannotOpenDevice, opened.error());
        return false;
    }
    setUsbRunning(true);
    if (Status pipes = device_.openPipes(); !pipes) {
        startFailed(TransferOutcome::cannotOpenPipes, pipes.error());
        return false;
    }
    readerActive_.store(true);
    try {
        reader_ = std::thread(&UsbLink::usbReader, this);
    } catch (const std::system_error& failure) {
        readerActive_.store(false);
        startFailed(TransferOutcome::readerNotStarted,
                    Error{ErrorKind::cannotOpen, std::string("cannot start the reader: ") + failure.what(), {}});
        return false;
    }
    return true;
}

void UsbLink::usbReader()
{
    std::array<std::uint8_t, usbBlockSize> block{};
    std::uint32_t index = 0;
    std::size_t headerLength = 0; // sync byte, header and directory: 12 + 7n
    bool directoryDone = false;
    bool requestStep = true;
    TransferOutcome why = TransferOutcome::linkClosed;
    std::optional<Error> detail;
    const auto fail = [&](TransferOutcome outcome, ErrorKind kind, std::string text) {
        why = outcome;
        detail = Error{kind, std::move(text), std::uint64_t{index} * usbBlockSize};
    };

    while (usbRunning()) {
        if (requestStep) {
            if (index >= usbBlockLimit) {
                fail(TransferOutcome::memoryEnded, ErrorKind::incomplete,
                     "the instrument's memory ended before the frame was complete");
                break;
            }
            const std::array<std::uint8_t, 2> request{static_cast<std::uint8_t>(index >> 8),
                                                      static_cast<std::uint8_t>(index & 0xFF)};
            if (Status sent = device_.write(request, blockTimeout_); !sent) {
                fail(TransferOutcome::deviceVanished, ErrorKind::cannotWrite,
                     "request for block " + std::to_string(index) + ": " + sent.error().detail);
                break;
            }
        } else {
            Result<std::size_t> received = device_.read(block, blockTimeout_);
            if (!received) {
                fail(TransferOutcome::stalled, ErrorKind::truncated,
                     "block " + std::to_string(index) + ": " + received.error().detail);
                break;
            }
            // Every block of the memory is whole; a short one would shift the rest of the frame.
            if (received.value() != usbBlockSize) {
                fail(TransferOutcome::stalled, ErrorKind::truncated,
                     "block " + std::to_string(index) + " came with " + std::to_string(received.value()) +
                         " of 32 bytes");
                break;
            }
            if (index == 0) {
                if (block[0] != syncByte) {
                    fail(TransferOutcome::notAFrame, ErrorKind::refused, "block 0 does not begin with the sync byte");
                    break;
                }
                headerLength = frameHeaderSize + directoryEntrySize * readUint16Be(block, 10);
                // The directory must end before the sample area begins.
                if (headerLength > sampleAreaAddress) {
                    fail(TransferOutcome::notAFrame, ErrorKind::refused,
                         "the member directory runs into the sample area (" + std::to_string(headerLength) + " bytes)");
                    break;
                }
            }
            ++index;
            if (usbBlockSize * index < headerLength || directoryDone) {
                session_.feed(block);
            } else {
                // This block holds the end of the directory; the sample area follows from block 220.
                directoryDone = true;
                session_.feed(std::span(block).first(headerLength - usbBlockSize * (index - 1)));
                index = sampleAreaFirstBlock;
            }
        }
        requestStep = !requestStep;
    }

    (void)device_.write(stopRequest, blockTimeout_);
    device_.close();
    setUsbRunning(false);
    readerActive_.store(false);
    session_.linkEnded(why, std::move(detail));
}

} // namespace trellon
