// Collecting and unpacking transfer frames: sync rule, chunking, completion and refusal, as values.
#include "link/framebuilder.h"
#include "link/framedecoder.h"
#include "link/transferframe.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

const std::vector<std::uint8_t> oneMemberFrame{0x55, 0,    0,    0,    0,    0, 0, 0, 0,    3,    0,
                                               1,    0x03, 0xE9, 0x00, 0x14, 0, 0, 0, 0x1E, 0x19, 0x23};

// What one decoder hands out: every completed frame, with its bytes copied while they are valid.
struct Completion {
    Result<std::unique_ptr<Project>> project;
    std::vector<std::uint8_t> bytes;
};

// Feeds bytes in chunks of at most `chunk` and collects what the decoder hands out.
std::vector<Completion> feed(FrameDecoder& decoder, const std::vector<std::uint8_t>& bytes, std::size_t chunk)
{
    std::vector<Completion> completions;
    for (std::size_t at = 0; at < bytes.size(); at += chunk) {
        const std::size_t n = std::min(chunk, bytes.size() - at);
        auto completed = decoder.feedReceivedBytes(static_cast<std::int32_t>(n), bytes.data() + at);
        if (completed)
            completions.push_back({std::move(completed->project),
                                   std::vector<std::uint8_t>(completed->bytes.begin(), completed->bytes.end())});
    }
    return completions;
}

// The one project the bytes complete; fails the test otherwise.
std::unique_ptr<Project> decodedProject(const std::vector<std::uint8_t>& bytes, std::size_t chunk)
{
    FrameDecoder decoder;
    auto completions = feed(decoder, bytes, chunk);
    EXPECT_EQ(completions.size(), 1u) << "chunk " << chunk;
    if (completions.size() != 1 || !completions.front().project)
        return nullptr;
    return std::move(completions.front().project).value();
}

TEST(FrameDecoder, singlePointFrameGivesOneMemberAndItsBytes)
{
    FrameDecoder decoder;
    auto completions = feed(decoder, oneMemberFrame, oneMemberFrame.size());
    ASSERT_EQ(completions.size(), 1u);
    ASSERT_TRUE(completions[0].project) << completions[0].project.error().describe();
    const Project& project = *completions[0].project.value();
    ASSERT_EQ(project.memberCount(), 1);
    const MemberRecord& m = project.members[0];
    EXPECT_EQ(m.number, "1001");
    EXPECT_EQ(m.name, "1001");
    EXPECT_EQ(m.knownDiameter, 20);
    EXPECT_EQ(m.barDiameter, 0);
    EXPECT_EQ(m.samples, (std::vector<std::int32_t>{30, 25, 35}));
    EXPECT_EQ(m.sampleCount, 3);
    EXPECT_EQ(m.maxCover, 35);
    EXPECT_EQ(m.minCover, 25);
    EXPECT_EQ(completions[0].bytes, oneMemberFrame);
    EXPECT_TRUE(decoder.frameComplete());
    EXPECT_EQ(decoder.progress().total, 22);
    EXPECT_EQ(decoder.progress().received, 22);
}

TEST(FrameDecoder, everyChunkingDecodesIdentically)
{
    std::vector<InstrumentMember> members{
        {1001, 0, 12, {30, 25, 35, 40}},
        {2001, 0, 16, {30, 16, 29, 16, 31}},
        {3001, 14, 12, {170, 2, 20, 0, 100, 187, 187, 187, 25, 0, 150}},
        {4001, 0, 20, {170, 1, 30, 0, 50, 31, 1, 0}},
    };
    const auto frame = buildTransferFrame(members);
    const auto whole = decodedProject(frame, frame.size());
    ASSERT_TRUE(whole);
    for (std::size_t chunk : {1u, 2u, 7u, 13u, 48u}) {
        const auto chunked = decodedProject(frame, chunk);
        ASSERT_TRUE(chunked) << "chunk " << chunk;
        EXPECT_EQ(*chunked, *whole) << "chunk " << chunk;
    }
}

TEST(FrameDecoder, onlyTheFirstByteOfAChunkIsExaminedWhileIdle)
{
    FrameDecoder decoder;
    const std::vector<std::uint8_t> noise{0x00, 0x55, 0x55, 0x13};
    EXPECT_TRUE(feed(decoder, noise, noise.size()).empty());
    EXPECT_FALSE(decoder.frameSynchronised());
    auto completions = feed(decoder, oneMemberFrame, oneMemberFrame.size());
    ASSERT_EQ(completions.size(), 1u);
    ASSERT_TRUE(completions[0].project);
    EXPECT_EQ(completions[0].project.value()->members[0].samples, (std::vector<std::int32_t>{30, 25, 35}));

    FrameDecoder shifted;
    std::vector<std::uint8_t> prefixed{0x00};
    prefixed.insert(prefixed.end(), oneMemberFrame.begin(), oneMemberFrame.end());
    EXPECT_TRUE(feed(shifted, prefixed, prefixed.size()).empty());
    EXPECT_FALSE(shifted.frameSynchronised());
}

TEST(FrameDecoder, emptyPollHasNoEffect)
{
    FrameDecoder decoder;
    EXPECT_FALSE(decoder.feedReceivedBytes(0, nullptr));
    EXPECT_FALSE(decoder.feedReceivedBytes(0, oneMemberFrame.data()));
    EXPECT_FALSE(decoder.frameSynchronised());
    feed(decoder, std::vector<std::uint8_t>(oneMemberFrame.begin(), oneMemberFrame.begin() + 4), 4);
    EXPECT_FALSE(decoder.feedReceivedBytes(0, oneMemberFrame.data()));
    EXPECT_EQ(decoder.progress().received, 4);
}

TEST(FrameDecoder, bytesAfterACompleteFrameNeverCompleteASecondTime)
{
    FrameDecoder decoder;
    std::vector<std::uint8_t> doubled = oneMemberFrame;
    doubled.insert(doubled.end(), oneMemberFrame.begin(), oneMemberFrame.end());
    auto completions = feed(decoder, doubled, doubled.size());
    ASSERT_EQ(completions.size(), 1u);
    EXPECT_EQ(completions[0].bytes, oneMemberFrame) << "the frame ends at its announced length";
    EXPECT_TRUE(feed(decoder, oneMemberFrame, oneMemberFrame.size()).empty());

    decoder.reset();
    EXPECT_EQ(feed(decoder, oneMemberFrame, 3).size(), 1u) << "a new start takes the next frame";
}

TEST(FrameDecoder, framesOfThirteenBytesOrLessNeverComplete)
{
    FrameDecoder decoder;
    EXPECT_TRUE(feed(decoder, {0x55, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 12).empty()); // n = 0, L = 0
    EXPECT_TRUE(feed(decoder, {0, 0, 0, 0}, 4).empty());
    EXPECT_FALSE(decoder.frameComplete());
}

TEST(FrameDecoder, progressKnowsTheTotalFromTheThirteenthByte)
{
    FrameDecoder decoder;
    const auto frame =
        buildTransferFrame(std::vector<InstrumentMember>{{1001, 0, 12, std::vector<std::uint8_t>(100, 30)}});
    feed(decoder, std::vector<std::uint8_t>(frame.begin(), frame.begin() + 12), 12);
    EXPECT_EQ(decoder.progress().total, 0);
    feed(decoder, std::vector<std::uint8_t>(frame.begin() + 12, frame.begin() + 13), 1);
    EXPECT_EQ(decoder.progress().total, static_cast<std::int64_t>(frame.size()));
    EXPECT_EQ(decoder.progress().received, 13);
}

TEST(FrameDecoder, cutOffFrameHandsNothingOver)
{
    FrameDecoder decoder;
    EXPECT_TRUE(feed(decoder, std::vector<std::uint8_t>(oneMemberFrame.begin(), oneMemberFrame.end() - 1), 4).empty());
    EXPECT_FALSE(decoder.frameComplete());
    EXPECT_EQ(decoder.progress().received, 21);
    decoder.reset();
    EXPECT_EQ(decoder.progress().received, 0);
}

TEST(FrameDecoder, refusedFrameCompletesWithTheRefusalAndItsBytes)
{
    std::vector<std::uint8_t> frame = oneMemberFrame;
    frame[12 + 6] = 4; // offset 4 beyond L = 3
    FrameDecoder decoder;
    auto completions = feed(decoder, frame, 5);
    ASSERT_EQ(completions.size(), 1u);
    ASSERT_FALSE(completions[0].project);
    EXPECT_EQ(completions[0].project.error().kind, ErrorKind::refused);
    EXPECT_EQ(completions[0].project.error().offset, std::optional<std::uint64_t>{12 + 4});
    EXPECT_EQ(completions[0].bytes, frame);
    EXPECT_TRUE(decoder.frameComplete());
}

std::vector<std::uint8_t> twoMemberFrame(std::uint32_t secondOffset, std::uint32_t L)
{
    std::vector<std::uint8_t> frame{
        0x55, 0, 0, 0,    0,    0, 0,  0, 0, static_cast<std::uint8_t>(L),           0, 2, 0x03, 0xE9, 0, 12,
        0,    0, 0, 0x03, 0xEA, 0, 12, 0, 0, static_cast<std::uint8_t>(secondOffset)};
    for (std::uint32_t i = 0; i < L; ++i)
        frame.push_back(static_cast<std::uint8_t>(20 + i));
    return frame;
}

TEST(UnpackFrame, spansRunToTheNextOffsetAndTheLastToTheEnd)
{
    auto project = unpackFrame(twoMemberFrame(5, 9));
    ASSERT_TRUE(project) << project.error().describe();
    EXPECT_EQ(project.value()->members[0].sampleCount, 5);
    EXPECT_EQ(project.value()->members[1].samples, (std::vector<std::int32_t>{25, 26, 27, 28}));
    EXPECT_EQ(project.value()->members[1].dataOffset, 5);
}

TEST(UnpackFrame, equalOffsetsGiveAMemberWithoutReadings)
{
    auto project = unpackFrame(twoMemberFrame(0, 3));
    ASSERT_TRUE(project);
    EXPECT_EQ(project.value()->members[0].sampleCount, 0);
    EXPECT_EQ(project.value()->members[0].maxCover, 0);
    EXPECT_EQ(project.value()->members[1].sampleCount, 3);
}

TEST(UnpackFrame, offsetsThatGoBackwardsOrPastTheSampleAreaAreRefused)
{
    auto frame = twoMemberFrame(2, 9);
    frame[12 + 6] = 3; // first member starts at 3, second at 2
    auto backwards = unpackFrame(frame);
    ASSERT_FALSE(backwards);
    EXPECT_EQ(backwards.error().kind, ErrorKind::refused);
    EXPECT_NE(backwards.error().detail.find("entry 2"), std::string::npos) << backwards.error().detail;

    auto beyond = unpackFrame(twoMemberFrame(10, 9));
    ASSERT_FALSE(beyond);
    EXPECT_NE(beyond.error().detail.find("beyond"), std::string::npos);

    auto firstAbove = twoMemberFrame(5, 9);
    firstAbove[12 + 6] = 1;
    EXPECT_TRUE(unpackFrame(firstAbove)) << "a first offset above 0 is accepted";
}

TEST(UnpackFrame, directorySetsDiametersByTestMode)
{
    const auto frame = buildTransferFrame(std::vector<InstrumentMember>{
        {2001, 9, 16, {30, 16}}, {3001, 14, 12, {170, 1}}, {4001, 9, 20, {170, 1}}, {512, 9, 20, {7}}});
    auto project = unpackFrame(frame);
    ASSERT_TRUE(project);
    const auto& m = project.value()->members;
    EXPECT_EQ(m[0].barDiameter, 16);
    EXPECT_EQ(m[0].knownDiameter, 0);
    EXPECT_EQ(m[1].barDiameter, 14);
    EXPECT_EQ(m[1].knownDiameter, 12);
    EXPECT_EQ(m[2].barDiameter, 20);
    EXPECT_EQ(m[2].knownDiameter, 0);
    EXPECT_EQ(m[3].number, "512");
    EXPECT_EQ(m[3].barDiameter, 0);
    EXPECT_EQ(m[3].knownDiameter, 0);
}

TEST(UnpackFrame, extremesFollowTheTestMode)
{
    const auto frame = buildTransferFrame(std::vector<InstrumentMember>{
        {2001, 0, 16, {30, 99, 20, 1, 40, 16}},
        {4001, 0, 20, {170, 1, 30, 0, 50}},
        {3001, 0, 12, {170, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150}},
        {1001, 0, 12, {25, 30, 20, 20}},
    });
    auto project = unpackFrame(frame);
    ASSERT_TRUE(project);
    const auto& m = project.value()->members;
    EXPECT_EQ(m[0].maxCover, 40);
    EXPECT_EQ(m[0].minCover, 20) << "only the covers of the pairs count";
    EXPECT_EQ(m[1].maxCover, 170);
    EXPECT_EQ(m[1].minCover, 170);
    EXPECT_EQ(m[1].xBarCount, 1);
    EXPECT_EQ(m[2].xBarCount, 1);
    EXPECT_EQ(m[2].yBarCount, 1);
    EXPECT_EQ(m[3].maxCover, 30);
    EXPECT_EQ(m[3].minCover, 20);
}

TEST(UnpackFrame, largestMemberNumberAndAnEmptyDirectory)
{
    auto project = unpackFrame(buildTransferFrame(std::vector<InstrumentMember>{{65535, 0, 0, {1, 2}}}));
    ASSERT_TRUE(project);
    EXPECT_EQ(project.value()->members[0].number, "65535");

    auto none = unpackFrame(std::vector<std::uint8_t>{0x55, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 7, 8});
    ASSERT_TRUE(none);
    EXPECT_EQ(none.value()->memberCount(), 0);
}

} // namespace
} // namespace trellon
