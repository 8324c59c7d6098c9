// The USB link: opens the device and runs the reader thread that fetches the frame block by block.
#pragma once

#include "transfersession.h"
#include "usbblockdevice.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace trellon {

class UsbLink final : private LinkControl {
public:
    static constexpr std::chrono::milliseconds defaultBlockTimeout{1000};

    UsbLink(UsbBlockDevice& device, TransferSession& session,
            std::chrono::milliseconds blockTimeout = defaultBlockTimeout);
    // Requests a stop, then joins the reader.
    ~UsbLink();
    UsbLink(const UsbLink&) = delete;
    UsbLink& operator=(const UsbLink&) = delete;

    // Begins the session, opens the device and its pipes and starts the reader. On failure the device is
    // closed again, the session ends with the failure's outcome and false is returned.
    // Refused while a reader is still receiving; one that is finishing is waited for.
    bool start();

    // From any thread, without waiting: the reader finishes its current step (bounded by the block
    // time-out), sends the stop request and closes the device. A frame not yet complete is dropped.
    void cancel();

    // Joins the reader; afterwards the stop request has been sent and the device is closed.
    void waitUntilFinished();

    bool readerActive() const { return readerActive_.load(); }
    bool usbRunning() const;

private:
    void usbReader();
    void stopAtEndOfTransfer() override;
    void setUsbRunning(bool running);
    void startFailed(TransferOutcome outcome, Error error);

    UsbBlockDevice& device_;
    TransferSession& session_;
    const std::chrono::milliseconds blockTimeout_;

    mutable std::mutex linkLock_;
    bool usbRunning_ = false; // guarded by linkLock_
    std::atomic<bool> readerActive_{false};
    std::thread reader_;
};

} // namespace trellon
