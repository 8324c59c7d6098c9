// Decoding of a complete transfer frame into member records.
#include "transferframe.h"

#include "model/barcounts.h"
#include "model/bytes.h"
#include "model/testmode.h"

#include <algorithm>
#include <new>
#include <string>

namespace trellon {
namespace {

struct DirectoryEntry {
    std::uint32_t number;
    std::uint8_t yDiameter;
    std::uint8_t diameter;
    std::uint32_t dataOffset;
};

DirectoryEntry readEntry(std::span<const std::uint8_t> frame, std::int32_t k)
{
    const std::size_t at = frameHeaderSize + directoryEntrySize * static_cast<std::size_t>(k);
    return {readUint16Be(frame, at), frame[at + 2], frame[at + 3], readUint24Be(frame, at + 4)};
}

void setDiameters(MemberRecord& member, const DirectoryEntry& entry)
{
    switch (testModeDigit(member)) {
    case TestModeDigit::singleKnownDiameter:
        member.knownDiameter = entry.diameter;
        member.barDiameter = 0;
        break;
    case TestModeDigit::singleMeasuredDiameter:
        member.barDiameter = entry.diameter;
        member.knownDiameter = 0;
        break;
    case TestModeDigit::grid:
        member.barDiameter = entry.yDiameter;
        member.knownDiameter = entry.diameter;
        break;
    case TestModeDigit::section:
        member.barDiameter = entry.diameter;
        break;
    default:
        break;
    }
}

// Extremes as the instrument's data leave them: first reading, then single-point covers only.
void setCoverExtremes(MemberRecord& member)
{
    if (member.samples.empty()) {
        member.maxCover = member.minCover = 0;
        return;
    }
    member.maxCover = member.minCover = member.samples.front();
    const TestModeDigit digit = testModeDigit(member);
    if (digit != TestModeDigit::singleKnownDiameter && digit != TestModeDigit::singleMeasuredDiameter)
        return;
    // The instrument's rule (a new maximum, else a new minimum) is the plain extremes, as both start equal.
    const std::size_t stride = digit == TestModeDigit::singleKnownDiameter ? 1 : 2;
    std::int32_t maxCover = member.maxCover;
    std::int32_t minCover = member.minCover;
    for (std::size_t i = 0; i < member.samples.size(); i += stride) {
        maxCover = std::max(maxCover, member.samples[i]);
        minCover = std::min(minCover, member.samples[i]);
    }
    member.maxCover = maxCover;
    member.minCover = minCover;
}

Error refusedEntry(std::int32_t k, const std::string& why)
{
    return Error{ErrorKind::refused, "directory entry " + std::to_string(k + 1) + " " + why,
                 frameHeaderSize + directoryEntrySize * static_cast<std::uint64_t>(k) + 4};
}

} // namespace

FrameHeader readFrameHeader(std::span<const std::uint8_t> frame)
{
    return {static_cast<std::int32_t>(readUint16Be(frame, 10)), static_cast<std::int32_t>(readUint24Be(frame, 7))};
}

Result<std::unique_ptr<Project>> unpackFrame(std::span<const std::uint8_t> frame)
{
    if (frame.size() < frameHeaderSize || frame.front() != syncByte)
        return Error{ErrorKind::refused, "the frame does not begin with the sync byte and header", 0};
    const FrameHeader header = readFrameHeader(frame);
    if (frame.size() < static_cast<std::uint64_t>(header.totalLength()))
        return Error{ErrorKind::incomplete,
                     "the frame holds " + std::to_string(frame.size()) + " of its " +
                         std::to_string(header.totalLength()) + " bytes",
                     frame.size()};

    const auto L = static_cast<std::uint32_t>(header.sampleAreaLength);
    std::uint32_t previous = 0;
    for (std::int32_t k = 0; k < header.memberCount; ++k) {
        const std::uint32_t offset = readEntry(frame, k).dataOffset;
        if (offset < previous)
            return refusedEntry(k, "starts at sample offset " + std::to_string(offset) +
                                       ", before the previous member's " + std::to_string(previous));
        if (offset > L)
            return refusedEntry(k, "starts at sample offset " + std::to_string(offset) +
                                       ", beyond the sample area of " + std::to_string(L) + " bytes");
        previous = offset;
    }

    std::unique_ptr<Project> project;
    try {
        project = allocateMembers(header.memberCount);
        const auto sampleArea = frame.subspan(static_cast<std::size_t>(header.directoryEnd()), L);
        for (std::int32_t k = 0; k < header.memberCount; ++k) {
            const DirectoryEntry entry = readEntry(frame, k);
            const std::uint32_t end = k + 1 < header.memberCount ? readEntry(frame, k + 1).dataOffset : L;
            MemberRecord& member = project->members[static_cast<std::size_t>(k)];
            member.number = std::to_string(entry.number);
            member.name = member.number;
            setDiameters(member, entry);
            member.dataOffset = static_cast<std::int32_t>(entry.dataOffset);
            const auto readings = sampleArea.subspan(entry.dataOffset, end - entry.dataOffset);
            member.replaceSamples(std::vector<std::int32_t>(readings.begin(), readings.end()));
            setCoverExtremes(member);
            recountBars(member);
        }
    } catch (const std::bad_alloc&) {
        return Error{ErrorKind::refused, "not enough memory for the received members", std::nullopt};
    }
    return project;
}

} // namespace trellon
