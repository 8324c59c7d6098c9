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
#include <unistd.h>
#include <vector>

namespace {

using namespace trellon;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// The received-data file goes into a folder that does not exist, inside a temporary folder made once: every
// write fails when the file is created, so nothing reaches the disk.
class MissingFolder {
public:
    MissingFolder()
    {
        const char* tmp = std::getenv("TMPDIR");
        folder_ = std::string(tmp && *tmp ? tmp : "/tmp") + "/trellon-fuzz-XXXXXX";
        require(::mkdtemp(folder_.data()) != nullptr);
        receivedFile_ = folder_ + "/absent/received.gj";
    }
    ~MissingFolder() { ::rmdir(folder_.c_str()); }
    MissingFolder(const MissingFolder&) = delete;
    MissingFolder& operator=(const MissingFolder&) = delete;

    const std::string& receivedFile() const { return receivedFile_; }

private:
    std::string folder_;
    std::string receivedFile_;
};

const std::string& unwritableReceivedFile()
{
    static const MissingFolder folder;
    return folder.receivedFile();
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

// Checks each outcome as the decoder reports it and keeps the first frame it completed.
class CheckingEndpoint : public TransferEndpoint {
public:
    void watch(const FrameDecoder& decoder) { decoder_ = &decoder; }

    void endOfTransfer(LinkKind) override
    {
        require(!pendingOutcome_);
        pendingOutcome_ = true;
    }

    void projectReceived(std::unique_ptr<Project> project, std::span<const std::uint8_t> frame,
                         const Result<SaveOutcome>& saved) override
    {
        require(pendingOutcome_ && project != nullptr);
        pendingOutcome_ = false;
        require(directoryIsValid(frame, readFrameHeader(frame)));
        checkUnpacked(frame, *project);
        // The missing folder refuses every file; a project without members asks for none.
        if (project->members.empty())
            require(saved.ok() && saved.value() == SaveOutcome::nothingToWrite);
        else
            require(!saved.ok() && saved.error().kind == ErrorKind::cannotOpen);
        keepFirst(frame, true);
    }

    void frameRefused(const Error& error) override
    {
        require(pendingOutcome_ && error.kind == ErrorKind::refused && !error.detail.empty());
        pendingOutcome_ = false;
        const auto frame = decoder_->frameBuffer();
        require(!directoryIsValid(frame, readFrameHeader(frame)));
        keepFirst(frame, false);
    }

    bool pendingOutcome() const { return pendingOutcome_; }
    bool completedAny() const { return firstAccepted_.has_value(); }
    const std::vector<std::uint8_t>& firstFrame() const { return firstFrame_; }
    bool firstAccepted() const { return firstAccepted_.value_or(false); }

private:
    void keepFirst(std::span<const std::uint8_t> frame, bool accepted)
    {
        if (firstAccepted_)
            return;
        firstFrame_.assign(frame.begin(), frame.end());
        firstAccepted_ = accepted;
    }

    const FrameDecoder* decoder_ = nullptr;
    bool pendingOutcome_ = false;
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

    CheckingEndpoint endpoint;
    FrameDecoder decoder(endpoint);
    endpoint.watch(decoder);
    decoder.setReceivedFilePath(unwritableReceivedFile());
    decoder.reset();
    ChunkSizes sizes(control);
    for (std::size_t at = 0; at < stream.size();) {
        const std::size_t count = sizes.next(stream.size() - at);
        decoder.feedReceivedBytes(static_cast<std::int32_t>(count), stream.data() + at);
        at += count;

        // The outcome of a frame is reported within the call that completes it.
        require(!endpoint.pendingOutcome());
        if (decoder.frameComplete()) {
            require(static_cast<std::int64_t>(decoder.frameBuffer().size()) == decoder.progress().total);
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
        require(endpoint.completedAny() == completes);
        if (completes) {
            const auto frame = stream.first(static_cast<std::size_t>(total));
            require(std::equal(frame.begin(), frame.end(), endpoint.firstFrame().begin(), endpoint.firstFrame().end()));
            require(endpoint.firstAccepted() == directoryIsValid(frame, header));
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
