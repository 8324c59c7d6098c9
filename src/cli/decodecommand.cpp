// trellon-cli decode: feeds a recorded transfer to the decoder as a link would and writes the received-data file.
#include "clicommand.h"

#include "link/framedecoder.h"
#include "model/atomicfile.h"
#include "model/projectfile.h"

#include <algorithm>
#include <iostream>
#include <optional>

namespace trellon::cli {
namespace {

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

    FrameDecoder decoder;
    std::optional<CompletedFrame> completed;
    // One chunk stays within what a single feed can take.
    constexpr std::size_t largestChunk = std::size_t{1} << 30;
    const std::size_t step =
        std::min(chunk > 0 ? static_cast<std::size_t>(chunk) : std::max<std::size_t>(bytes.size(), 1), largestChunk);
    for (std::size_t at = 0; at < bytes.size() && !completed; at += step) {
        const std::size_t count = std::min(step, bytes.size() - at);
        completed = decoder.feedReceivedBytes(static_cast<std::int32_t>(count), bytes.data() + at);
    }
    if (!completed)
        return fail(incompleteFrame(decoder));
    if (!completed->project)
        return fail(completed->project.error());
    const Project& project = *completed->project.value();
    const Result<SaveOutcome> saved = writeProjectFile(outputPath, project);
    if (!saved)
        return fail(saved.error());
    if (saved.value() == SaveOutcome::nothingToWrite)
        return fail("the frame holds no members: nothing to write");
    std::cout << outputPath << ": " << project.memberCount() << " members\n";
    return exitSuccess;
}

} // namespace trellon::cli
