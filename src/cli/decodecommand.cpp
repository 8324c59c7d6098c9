// trellon-cli decode: feeds a recorded transfer to the decoder as a link would and writes the received-data file.
#include "clicommand.h"

#include "link/framedecoder.h"
#include "model/atomicfile.h"

#include <algorithm>
#include <iostream>
#include <optional>

namespace trellon::cli {
namespace {

class DecodeOutcome : public TransferEndpoint {
public:
    void endOfTransfer(LinkKind) override {}
    void projectReceived(std::unique_ptr<Project> project, std::span<const std::uint8_t>,
                         const Result<SaveOutcome>& saved) override
    {
        if (!saved)
            error = saved.error();
        else if (saved.value() == SaveOutcome::nothingToWrite)
            error = Error{ErrorKind::empty, "the frame holds no members: nothing to write", std::nullopt};
        else
            members = project->memberCount();
    }
    void frameRefused(const Error& refusal) override { error = refusal; }

    std::optional<Error> error;
    std::optional<std::int32_t> members;
};

Error incompleteFrame(const FrameDecoder& decoder)
{
    if (!decoder.frameSynchronised())
        return Error{ErrorKind::incomplete, "no frame: the capture does not begin with the sync byte 0x55", 0};
    const TransferProgress progress = decoder.progress();
    if (progress.total == 0)
        return Error{ErrorKind::incomplete, "incomplete frame: the capture ends inside the frame header", std::nullopt};
    return Error{ErrorKind::incomplete,
                 "incomplete frame: " + std::to_string(progress.received) + " of " + std::to_string(progress.total) +
                     " bytes received",
                 std::nullopt};
}

} // namespace

int runDecodeCommand(const std::vector<std::string>& args)
{
    const Arguments arguments(args, {"-o", "--chunk"});
    const std::string& capturePath = arguments.onePositional("capture file");
    const std::string& outputPath = arguments.requireValue("-o");
    const long chunk = arguments.numberOr("--chunk", 0, 1);

    auto capture = readWholeFile(capturePath);
    if (!capture)
        return fail(capture.error());
    const std::vector<std::uint8_t>& bytes = capture.value();

    DecodeOutcome outcome;
    FrameDecoder decoder(outcome);
    decoder.setReceivedFilePath(outputPath);
    // One chunk stays within what a single feed can take.
    constexpr std::size_t largestChunk = std::size_t{1} << 30;
    const std::size_t step =
        std::min(chunk > 0 ? static_cast<std::size_t>(chunk) : std::max<std::size_t>(bytes.size(), 1), largestChunk);
    for (std::size_t at = 0; at < bytes.size() && !decoder.frameComplete(); at += step) {
        const std::size_t count = std::min(step, bytes.size() - at);
        decoder.feedReceivedBytes(static_cast<std::int32_t>(count), bytes.data() + at);
    }
    if (!decoder.frameComplete())
        return fail(incompleteFrame(decoder));
    if (outcome.error)
        return fail(*outcome.error);
    std::cout << outputPath << ": " << *outcome.members << " members\n";
    return exitSuccess;
}

} // namespace trellon::cli
