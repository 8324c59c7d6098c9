// Byte-oriented state machine that collects a transfer frame from the chunks a link receives.
#pragma once

#include "transferendpoint.h"

#include <cstdint>
#include <string>
#include <vector>

namespace trellon {

struct TransferProgress {
    std::int64_t received = 0; // bytes of the frame collected so far
    std::int64_t total = 0;    // frame length, 0 until the 13th byte has arrived
};

class FrameDecoder {
public:
    explicit FrameDecoder(TransferEndpoint& endpoint) : endpoint_(endpoint) {}

    // Made before every transfer start: forget any frame and wait for a sync byte.
    void reset();

    // The file the received project is written to (the storage path with ".gj" appended).
    void setReceivedFilePath(std::string path) { receivedFilePath_ = std::move(path); }
    void setLinkKind(LinkKind kind) { linkKind_ = kind; }
    LinkKind linkKind() const { return linkKind_; }

    // While idle only a chunk's first byte is examined: a sync byte starts a frame, anything else
    // discards the chunk. The project is handed over, complete, once the last byte has arrived.
    void feedReceivedBytes(std::int32_t count, const std::uint8_t* bytes);

    TransferProgress progress() const;
    bool frameSynchronised() const { return frameSynchronised_; }
    bool frameComplete() const { return complete_; }
    std::span<const std::uint8_t> frameBuffer() const { return frameBuffer_; }

private:
    void completeFrame();

    TransferEndpoint& endpoint_;
    std::vector<std::uint8_t> frameBuffer_;
    bool frameSynchronised_ = false;
    bool complete_ = false;
    std::int64_t expectedLength_ = 0; // bytes collected up to 13, then the total frame length
    LinkKind linkKind_ = LinkKind::serial;
    std::string receivedFilePath_;
};

} // namespace trellon
