// One transfer from start to end: the decoder, the end-of-transfer actions, the files, cancel.
#pragma once

#include "framedecoder.h"
#include "linkmessages.h"
#include "transferendpoint.h"

#include <atomic>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace trellon {

enum class TransferEnding {
    received,  // the frame arrived and was decoded; the project is handed over
    refused,   // the frame arrived whole but could not be decoded
    cancelled, // the user cancelled before the frame was complete; nothing was written
    linkEnded, // the link failed or the instrument's memory ended before the frame was complete
};

struct TransferResult {
    TransferEnding ending = TransferEnding::linkEnded;
    std::unique_ptr<Project> project;                // received
    std::optional<Result<SaveOutcome>> projectSaved; // received: the received-data file
    std::optional<Status> rawSaved;                  // received and refused: the raw stream file
    std::optional<Error> error;                      // refused, linkEnded: why (absent when unknown)
    std::string receivedFilePath;
    std::string rawFilePath;

    // Both files written (or, for an empty project, nothing to write).
    bool filesWritten() const { return projectSaved && projectSaved->ok() && rawSaved && rawSaved->ok(); }
};

// The owner of a transfer: the transfer dialog, the command line, a test.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    // After a chunk has moved the frame on; on the thread that feeds (the reader thread for USB).
    virtual void transferProgress(const TransferProgress& /*progress*/) {}
    // Exactly once per begin(), on the link's thread or inside the link's start or cancel.
    virtual void transferEnded(TransferResult result) = 0;
};

// What a link does when the decoder has the last byte: stop polling (serial) or clear the running flag (USB).
class LinkControl {
public:
    virtual ~LinkControl() = default;
    virtual void stopAtEndOfTransfer() = 0;
};

// The same name with ".raw" in place of a final ".gj" (appended when there is none).
std::string rawStreamPath(const std::string& receivedFilePath);

class TransferSession final : private TransferEndpoint {
public:
    TransferSession(LinkMessages& messages, TransferObserver& observer);

    // The received-data file, with its ".gj"; the raw stream goes beside it. Set before begin().
    void setReceivedFilePath(std::string path);
    const std::string& receivedFilePath() const { return receivedFilePath_; }

    // The link's side. begin() forgets any frame; a second begin() restarts the transfer.
    void begin(LinkKind kind, LinkControl& link);
    // Feeds a chunk unless the transfer was cancelled or has ended.
    void feed(std::span<const std::uint8_t> chunk);
    // The link has closed. Reports the cancel or the link's end unless the frame was handed over.
    void linkEnded(std::optional<Error> why);

    // From any thread. True when the cancel came before the frame was complete: nothing will be written
    // or handed over. False when the transfer had already completed (or never began).
    bool requestCancel();
    bool cancelRequested() const { return state_.load() == State::cancelled; }

private:
    enum class State { idle, running, completing, cancelled, ended };

    bool acceptCompletedFrame(LinkKind kind) override;
    void endOfTransfer(LinkKind kind) override;
    void projectReceived(std::unique_ptr<Project> project, std::span<const std::uint8_t> frame,
                         const Result<SaveOutcome>& saved) override;
    void frameRefused(const Error& error) override;

    TransferResult newResult(TransferEnding ending) const;
    Status writeRawStream(std::span<const std::uint8_t> frame) const;
    void reportProgress();

    LinkMessages& messages_;
    TransferObserver& observer_;
    FrameDecoder decoder_;
    LinkControl* link_ = nullptr;
    std::atomic<State> state_{State::idle};
    std::string receivedFilePath_;
    std::int64_t reportedBytes_ = -1;
};

} // namespace trellon
