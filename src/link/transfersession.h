// One transfer from start to end: the decoder, the end-of-transfer order, the files written, cancel.
#pragma once

#include "framedecoder.h"
#include "transferreport.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace trellon {

enum class LinkKind : std::int32_t { serial = 0, usb = 1 };

// The owner of a transfer: the transfer dialog, the command line, a test.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    // After a chunk has moved the frame on; on the thread that feeds (the reader thread for USB).
    virtual void transferProgress(const TransferProgress& /*progress*/) {}
    // The last byte has arrived and nothing is written yet: the owner announces the end of the transfer, with
    // the project that arrived when the frame could be unpacked (null otherwise; valid during the call only).
    // Serial: before the port closes. USB: after the reader was told to stop. The session writes the files once
    // this returns; an owner that waits for its UI thread must let a join from there go on.
    virtual void frameCompleted(LinkKind /*kind*/, const Project* /*arrived*/) {}
    // Exactly once per begin(), on the link's thread or inside the link's start or cancel.
    virtual void transferEnded(TransferReport report) = 0;
};

// What a link does when the decoder has the last byte: stop polling (serial) or clear the running flag (USB).
class LinkControl {
public:
    virtual ~LinkControl() = default;
    virtual void stopAtEndOfTransfer() = 0;
};

// The same name with ".raw" in place of a final ".gj" (appended when there is none).
std::string rawStreamPath(const std::string& receivedFilePath);

class TransferSession final {
public:
    explicit TransferSession(TransferObserver& observer) : observer_(observer) {}

    // The received-data file, with its ".gj"; the raw stream goes beside it. Set before begin().
    void setReceivedFilePath(std::string path) { receivedFilePath_ = std::move(path); }

    // The link's side. begin() forgets any frame; a second begin() restarts the transfer.
    void begin(LinkKind kind, LinkControl& link);
    // Feeds a chunk unless the transfer was cancelled or has ended. The chunk that completes the frame
    // stops the link, has the end announced, writes the files and reports the outcome.
    void feed(std::span<const std::uint8_t> chunk);
    // The link has closed. Reports the cancel, or `why` with its detail, unless the frame had arrived.
    void linkEnded(TransferOutcome why, std::optional<Error> detail);

    // From any thread. True when the cancel came before the frame was complete: nothing will be written
    // or handed over. False when the transfer had already completed (or never began).
    bool requestCancel();
    bool cancelRequested() const { return state_.load() == State::cancelled; }

private:
    enum class State { idle, running, completing, cancelled, ended };

    void endOfTransfer(const Project* arrived);
    TransferReport keepFrame(CompletedFrame frame) const;
    TransferReport newReport(TransferOutcome outcome) const;
    void reportProgress();

    TransferObserver& observer_;
    FrameDecoder decoder_;
    LinkKind kind_ = LinkKind::serial;
    LinkControl* link_ = nullptr;
    std::atomic<State> state_{State::idle};
    std::string receivedFilePath_;
    std::int64_t reportedBytes_ = -1;
};

} // namespace trellon
