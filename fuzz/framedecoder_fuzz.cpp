// libFuzzer target for the transfer frame decoder: a received stream fed in chunks, and unpacked directly.
//
// Input: byte 0 says how the rest, the received stream, is cut into chunks:
//   bits 0-3  chunk size 2^k bytes (1 to 16384); 15 feeds the whole stream as one chunk
//   bit 4     sizes vary pseudo-randomly from 1 to that size
//   bit 5     a new transfer start (reset) after every complete frame
#include "link/framedecoder.h"
#include "link/transferframe.h"
#include "model/bytes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace {

using namespace trellon;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Offsets ascend and lie within the sample area: the rule a complete frame is accepted by.
bool directoryIsValid(std::span<const std::uint8_t> frame, const FrameHeader& header)
{
    std::uint32_t previous = 0;
    for (std::int32_t k = 0; k < header.memberCount; ++k) {
        const std::uint32_t offset =
            readUint24Be(frame, frameHeaderSize + directoryEntrySize * static_cast<std::size_t>(k) + 4);
        if (offset < previous || offset > static_cast<std::uint32_t>(header.sampleAreaLength))
            return false;
        previous = offset;
    }
    return true;
}

// Every member holds exactly the sample-area bytes of its span, and the spans tile the area after the first offset.
void checkUnpacked(std::span<const std::uint8_t> frame, const Project& project)
{
    const FrameHeader header = readFrameHeader(frame);
    require(project.memberCount() == header.memberCount);
    const auto sampleArea = frame.subspan(static_cast<std::size_t>(header.directoryEnd()),
                                          static_cast<std::size_t>(header.sampleAreaLength));
    std::int64_t held = 0;
    for (std::int32_t k = 0; k < header.memberCount; ++k) {
        const MemberRecord& member = project.members[static_cast<std::size_t>(k)];
        const std::size_t entry = frameHeaderSize + directoryEntrySize * static_cast<std::size_t>(k);
        require(member.number == std::to_string(readUint16Be(frame, entry)) && member.name == member.number);
        require(member.dataOffset == static_cast<std::int32_t>(readUint24Be(frame, entry + 4)));
        require(member.sampleCount == static_cast<std::int32_t>(member.samples.size()));
        const auto readings = sampleArea.subspan(static_cast<std::size_t>(member.dataOffset), member.samples.size());
        require(std::equal(readings.begin(), readings.end(), member.samples.begin(), member.samples.end()));
        held += member.sampleCount;
    }
    if (header.memberCount > 0)
        require(held == header.sampleAreaLength - project.members.front().dataOffset);
}

// Checks each completed frame as the decoder hands it out and keeps the first one.
class CompletionCheck {
public:
    void check(const CompletedFrame& completed)
    {
        const FrameHeader header = readFrameHeader(completed.bytes);
        require(static_cast<std::int64_t>(completed.bytes.size()) == header.totalLength());
        if (completed.project.ok()) {
            require(completed.project.value() != nullptr && directoryIsValid(completed.bytes, header));
            checkUnpacked(completed.bytes, *completed.project.value());
        } else {
            const Error& error = completed.project.error();
            require(error.kind == ErrorKind::refused && !error.detail.empty());
            require(!directoryIsValid(completed.bytes, header));
        }
        if (firstAccepted_)
            return;
        firstFrame_.assign(completed.bytes.begin(), completed.bytes.end());
        firstAccepted_ = completed.project.ok();
    }

    bool completedAny() const { return firstAccepted_.has_value(); }
    const std::vector<std::uint8_t>& firstFrame() const { return firstFrame_; }
    bool firstAccepted() const { return firstAccepted_.value_or(false); }

private:
    std::vector<std::uint8_t> firstFrame_;
    std::optional<bool> firstAccepted_;
};

class ChunkSizes {
public:
    explicit ChunkSizes(std::uint8_t control)
        : whole_((control & 0x0F) == 0x0F), varying_((control & 0x10) != 0),
          largest_(std::size_t{1} << (control & 0x0F)), state_(0x9E3779B9u ^ control)
    {
    }

    std::size_t next(std::size_t remaining)
    {
        if (whole_)
            return remaining;
        std::size_t size = largest_;
        if (varying_) {
            state_ = state_ * 1664525u + 1013904223u;
            size = 1 + (state_ >> 8) % largest_;
        }
        return std::min(size, remaining);
    }

private:
    bool whole_;
    bool varying_;
    std::size_t largest_;
    std::uint32_t state_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t control = data[0];
    const std::span<const std::uint8_t> stream(data + 1, size - 1);
    const bool restartAfterFrame = (control & 0x20) != 0;

    CompletionCheck completions;
    FrameDecoder decoder;
    ChunkSizes sizes(control);
    for (std::size_t at = 0; at < stream.size();) {
        const std::size_t count = sizes.next(stream.size() - at);
        const bool wasComplete = decoder.frameComplete();
        const auto completed = decoder.feedReceivedBytes(static_cast<std::int32_t>(count), stream.data() + at);
        at += count;

        // A frame is handed out exactly by the call that completes it.
        require(completed.has_value() == (!wasComplete && decoder.frameComplete()));
        if (completed) {
            require(static_cast<std::int64_t>(completed->bytes.size()) == decoder.progress().total);
            completions.check(*completed);
            if (restartAfterFrame)
                decoder.reset();
        }
    }

    // Once the first chunk begins with the sync byte, every later byte belongs to the frame until it is complete,
    // however the stream is cut: the first frame is the stream's prefix of the announced length.
    if (stream.size() >= frameHeaderSize + 1 && stream.front() == syncByte) {
        const FrameHeader header = readFrameHeader(stream);
        const auto total = header.totalLength();
        const bool completes =
            total > static_cast<std::int64_t>(frameHeaderSize + 1) && static_cast<std::int64_t>(stream.size()) >= total;
        require(completions.completedAny() == completes);
        if (completes) {
            const auto frame = stream.first(static_cast<std::size_t>(total));
            require(std::equal(frame.begin(), frame.end(), completions.firstFrame().begin(),
                               completions.firstFrame().end()));
            require(completions.firstAccepted() == directoryIsValid(frame, header));
        }
    }

    // The stream unpacked as one frame, as `trellon-cli decode` and tests see a capture.
    auto direct = unpackFrame(stream);
    if (stream.size() < frameHeaderSize || stream.front() != syncByte) {
        require(!direct.ok() && direct.error().kind == ErrorKind::refused);
        return 0;
    }
    const FrameHeader header = readFrameHeader(stream);
    if (static_cast<std::int64_t>(stream.size()) < header.totalLength()) {
        require(!direct.ok() && direct.error().kind == ErrorKind::incomplete);
        return 0;
    }
    require(direct.ok() == directoryIsValid(stream, header));
    if (direct.ok())
        checkUnpacked(stream, *direct.value());
    return 0;
}
