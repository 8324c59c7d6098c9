// Byte-oriented state machine that collects a transfer frame from the chunks a link receives.
#pragma once

#include "model/project.h"
#include "model/result.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace trellon {

struct TransferProgress {
    std::int64_t received = 0; // bytes of the frame collected so far
    std::int64_t total = 0;    // frame length, 0 until the 13th byte has arrived
};

// The frame whose last byte has arrived: its members, or why they cannot be read from it.
struct CompletedFrame {
    Result<std::unique_ptr<Project>> project;
    std::span<const std::uint8_t> bytes; // the whole frame; valid until the decoder's next reset
};

class FrameDecoder {
public:
    // Made before every transfer start: forget any frame and wait for a sync byte.
    void reset();

    // While idle only a chunk's first byte is examined: a sync byte starts a frame, anything else discards
    // the chunk. The chunk that brings the last byte returns the completed frame; bytes after it are ignored
    // until the next reset.
    [[nodiscard]] std::optional<CompletedFrame> feedReceivedBytes(std::int32_t count, const std::uint8_t* bytes);

    TransferProgress progress() const;
    bool frameSynchronised() const { return frameSynchronised_; }
    bool frameComplete() const { return complete_; }

private:
    std::vector<std::uint8_t> frameBuffer_;
    bool frameSynchronised_ = false;
    bool complete_ = false;
    std::int64_t expectedLength_ = 0; // bytes collected up to 13, then the total frame length
};

} // namespace trellon
