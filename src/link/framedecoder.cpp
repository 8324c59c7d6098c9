// Frame collection: sync, header, body, completion.
#include "framedecoder.h"

#include "transferframe.h"

#include <algorithm>

namespace trellon {
namespace {

constexpr std::int64_t headerCompleteAt = frameHeaderSize + 1; // the 13th byte carries the count's low byte

} // namespace

void FrameDecoder::reset()
{
    frameSynchronised_ = false;
    complete_ = false;
    frameBuffer_.clear();
    expectedLength_ = 0;
}

std::optional<CompletedFrame> FrameDecoder::feedReceivedBytes(std::int32_t count, const std::uint8_t* bytes)
{
    if (count <= 0 || bytes == nullptr)
        return std::nullopt;
    std::span<const std::uint8_t> chunk(bytes, static_cast<std::size_t>(count));
    if (!frameSynchronised_) {
        if (chunk.front() != syncByte)
            return std::nullopt;
        frameBuffer_.assign(1, syncByte);
        frameSynchronised_ = true;
        complete_ = false;
        expectedLength_ = 1;
        chunk = chunk.subspan(1);
    }
    // Bytes after a complete frame are ignored until the next start.
    if (complete_)
        return std::nullopt;

    // The header byte by byte, until the 13th byte gives the total length.
    while (expectedLength_ < headerCompleteAt && !chunk.empty()) {
        frameBuffer_.push_back(chunk.front());
        chunk = chunk.subspan(1);
        if (++expectedLength_ == headerCompleteAt) {
            expectedLength_ = readFrameHeader(frameBuffer_).totalLength();
            frameBuffer_.reserve(static_cast<std::size_t>(std::max(expectedLength_, headerCompleteAt)));
        }
    }
    if (chunk.empty())
        return std::nullopt;

    // The body in one piece. A frame of 13 bytes or less never completes: every later byte is kept.
    const auto held = static_cast<std::int64_t>(frameBuffer_.size());
    if (expectedLength_ <= held) {
        frameBuffer_.insert(frameBuffer_.end(), chunk.begin(), chunk.end());
        return std::nullopt;
    }
    const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(expectedLength_ - held, chunk.size()));
    frameBuffer_.insert(frameBuffer_.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(wanted));
    if (static_cast<std::int64_t>(frameBuffer_.size()) != expectedLength_)
        return std::nullopt;
    complete_ = true;
    return CompletedFrame{unpackFrame(frameBuffer_), frameBuffer_};
}

TransferProgress FrameDecoder::progress() const
{
    const auto held = static_cast<std::int64_t>(frameBuffer_.size());
    if (expectedLength_ < headerCompleteAt || !frameSynchronised_)
        return {held, 0};
    return {std::min(held, expectedLength_), expectedLength_};
}

} // namespace trellon
