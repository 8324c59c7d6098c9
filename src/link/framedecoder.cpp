// Frame collection and the end of a transfer.
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

void FrameDecoder::feedReceivedBytes(std::int32_t count, const std::uint8_t* bytes)
{
    if (count <= 0 || bytes == nullptr)
        return;
    std::span<const std::uint8_t> chunk(bytes, static_cast<std::size_t>(count));
    if (!frameSynchronised_) {
        if (chunk.front() != syncByte)
            return;
        frameBuffer_.assign(1, syncByte);
        frameSynchronised_ = true;
        complete_ = false;
        expectedLength_ = 1;
        chunk = chunk.subspan(1);
    }
    // Bytes after a complete frame are ignored until the next start.
    if (complete_)
        return;

    for (std::size_t i = 0; i < chunk.size(); ++i) {
        frameBuffer_.push_back(chunk[i]);
        if (expectedLength_ < headerCompleteAt) {
            ++expectedLength_;
            if (expectedLength_ == headerCompleteAt) {
                expectedLength_ = readFrameHeader(frameBuffer_).totalLength();
                frameBuffer_.reserve(static_cast<std::size_t>(std::max(expectedLength_, headerCompleteAt)));
            }
        }
        const auto held = static_cast<std::int64_t>(frameBuffer_.size());
        if (held > headerCompleteAt && held == expectedLength_) {
            completeFrame();
            return;
        }
    }
}

TransferProgress FrameDecoder::progress() const
{
    const auto held = static_cast<std::int64_t>(frameBuffer_.size());
    if (expectedLength_ < headerCompleteAt || !frameSynchronised_)
        return {held, 0};
    return {std::min(held, expectedLength_), expectedLength_};
}

void FrameDecoder::completeFrame()
{
    complete_ = true;
    if (!endpoint_.acceptCompletedFrame(linkKind_))
        return;
    endpoint_.endOfTransfer(linkKind_);
    auto project = unpackFrame(frameBuffer_);
    if (!project) {
        endpoint_.frameRefused(project.error());
        return;
    }
    const Result<SaveOutcome> saved = writeProjectFile(receivedFilePath_, *project.value());
    endpoint_.projectReceived(std::move(project).value(), frameBuffer_, saved);
}

} // namespace trellon
