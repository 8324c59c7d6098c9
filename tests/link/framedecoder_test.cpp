// Collecting and unpacking transfer frames: sync rule, chunking, completion, refusal and the received-data file.
#include "link/framebuilder.h"
#include "link/framedecoder.h"
#include "link/transferframe.h"
#include "model/atomicfile.h"
#include "model/projectfile.h"
#include "recordingendpoint.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace trellon {
namespace {

using testing::RecordingEndpoint;
namespace fs = std::filesystem;

const std::vector<std::uint8_t> oneMemberFrame{0x55, 0,    0,    0,    0,    0, 0, 0, 0,    3,    0,
                                               1,    0x03, 0xE9, 0x00, 0x14, 0, 0, 0, 0x1E, 0x19, 0x23};

class DecoderTest : public ::testing::Test {
protected:
    DecoderTest()
    {
        std::string pattern = (fs::temp_directory_path() / "trellon-decoder-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        decoder.setReceivedFilePath(receivedPath());
    }
    ~DecoderTest() override { fs::remove_all(folder_); }

    std::string receivedPath() const { return (folder_ / "received.gj").string(); }

    void feed(const std::vector<std::uint8_t>& bytes, std::size_t chunk)
    {
        for (std::size_t at = 0; at < bytes.size(); at += chunk) {
            const std::size_t n = std::min(chunk, bytes.size() - at);
            decoder.feedReceivedBytes(static_cast<std::int32_t>(n), bytes.data() + at);
        }
    }

    RecordingEndpoint endpoint;
    FrameDecoder decoder{endpoint};

private:
    fs::path folder_;
};

TEST_F(DecoderTest, singlePointFrameGivesOneMember)
{
    feed(oneMemberFrame, oneMemberFrame.size());
    ASSERT_TRUE(endpoint.project);
    ASSERT_EQ(endpoint.project->memberCount(), 1);
    const MemberRecord& m = endpoint.project->members[0];
    EXPECT_EQ(m.number, "1001");
    EXPECT_EQ(m.name, "1001");
    EXPECT_EQ(m.knownDiameter, 20);
    EXPECT_EQ(m.barDiameter, 0);
    EXPECT_EQ(m.samples, (std::vector<std::int32_t>{30, 25, 35}));
    EXPECT_EQ(m.sampleCount, 3);
    EXPECT_EQ(m.maxCover, 35);
    EXPECT_EQ(m.minCover, 25);
    EXPECT_EQ(endpoint.ends, std::vector<LinkKind>{LinkKind::serial});
    EXPECT_EQ(endpoint.frameBytes, oneMemberFrame);
    EXPECT_EQ(decoder.progress().total, 22);
    EXPECT_EQ(decoder.progress().received, 22);
}

TEST_F(DecoderTest, receivedDataFileIsTheProjectAsVer12)
{
    feed(oneMemberFrame, 5);
    ASSERT_TRUE(endpoint.savedOk.value_or(false));
    auto written = readWholeFile(receivedPath());
    ASSERT_TRUE(written);
    EXPECT_EQ(written.value(), encodeProjectFile(*endpoint.project));
}

TEST_F(DecoderTest, everyChunkingDecodesIdentically)
{
    std::vector<InstrumentMember> members{
        {1001, 0, 12, {30, 25, 35, 40}},
        {2001, 0, 16, {30, 16, 29, 16, 31}},
        {3001, 14, 12, {170, 2, 20, 0, 100, 187, 187, 187, 25, 0, 150}},
        {4001, 0, 20, {170, 1, 30, 0, 50, 31, 1, 0}},
    };
    const auto frame = buildTransferFrame(members);
    feed(frame, frame.size());
    ASSERT_TRUE(endpoint.project);
    const Project whole = *endpoint.project;
    for (std::size_t chunk : {1u, 2u, 7u, 13u, 48u}) {
        RecordingEndpoint other;
        FrameDecoder chunked(other);
        chunked.setReceivedFilePath(receivedPath());
        for (std::size_t at = 0; at < frame.size(); at += chunk)
            chunked.feedReceivedBytes(static_cast<std::int32_t>(std::min(chunk, frame.size() - at)), frame.data() + at);
        ASSERT_TRUE(other.project) << "chunk " << chunk;
        EXPECT_EQ(*other.project, whole) << "chunk " << chunk;
    }
}

TEST_F(DecoderTest, onlyTheFirstByteOfAChunkIsExaminedWhileIdle)
{
    const std::vector<std::uint8_t> noise{0x00, 0x55, 0x55, 0x13};
    feed(noise, noise.size());
    EXPECT_FALSE(decoder.frameSynchronised());
    feed(oneMemberFrame, oneMemberFrame.size());
    ASSERT_TRUE(endpoint.project);
    EXPECT_EQ(endpoint.project->members[0].samples, (std::vector<std::int32_t>{30, 25, 35}));

    RecordingEndpoint lost;
    FrameDecoder shifted(lost);
    std::vector<std::uint8_t> prefixed{0x00};
    prefixed.insert(prefixed.end(), oneMemberFrame.begin(), oneMemberFrame.end());
    shifted.feedReceivedBytes(static_cast<std::int32_t>(prefixed.size()), prefixed.data());
    EXPECT_FALSE(shifted.frameSynchronised());
    EXPECT_FALSE(lost.project);
}

TEST_F(DecoderTest, emptyPollHasNoEffect)
{
    decoder.feedReceivedBytes(0, nullptr);
    decoder.feedReceivedBytes(0, oneMemberFrame.data());
    EXPECT_FALSE(decoder.frameSynchronised());
    feed(std::vector<std::uint8_t>(oneMemberFrame.begin(), oneMemberFrame.begin() + 4), 4);
    decoder.feedReceivedBytes(0, oneMemberFrame.data());
    EXPECT_EQ(decoder.progress().received, 4);
}

TEST_F(DecoderTest, bytesAfterACompleteFrameNeverCompleteASecondTime)
{
    std::vector<std::uint8_t> doubled = oneMemberFrame;
    doubled.insert(doubled.end(), oneMemberFrame.begin(), oneMemberFrame.end());
    feed(doubled, doubled.size());
    feed(oneMemberFrame, oneMemberFrame.size());
    EXPECT_EQ(endpoint.deliveries, 1);
    EXPECT_EQ(endpoint.ends.size(), 1u);

    decoder.reset();
    feed(oneMemberFrame, 3);
    EXPECT_EQ(endpoint.deliveries, 2) << "a new start takes the next frame";
}

TEST_F(DecoderTest, framesOfThirteenBytesOrLessNeverComplete)
{
    feed({0x55, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 12); // n = 0, L = 0
    feed({0, 0, 0, 0}, 4);
    EXPECT_EQ(endpoint.deliveries, 0);
    EXPECT_TRUE(endpoint.ends.empty());
}

TEST_F(DecoderTest, progressKnowsTheTotalFromTheThirteenthByte)
{
    const auto frame =
        buildTransferFrame(std::vector<InstrumentMember>{{1001, 0, 12, std::vector<std::uint8_t>(100, 30)}});
    feed(std::vector<std::uint8_t>(frame.begin(), frame.begin() + 12), 12);
    EXPECT_EQ(decoder.progress().total, 0);
    feed(std::vector<std::uint8_t>(frame.begin() + 12, frame.begin() + 13), 1);
    EXPECT_EQ(decoder.progress().total, static_cast<std::int64_t>(frame.size()));
    EXPECT_EQ(decoder.progress().received, 13);
}

TEST_F(DecoderTest, cutOffFrameHandsNothingOver)
{
    feed(std::vector<std::uint8_t>(oneMemberFrame.begin(), oneMemberFrame.end() - 1), 4);
    EXPECT_EQ(endpoint.deliveries, 0);
    EXPECT_FALSE(fs::exists(receivedPath()));
    decoder.reset();
    EXPECT_EQ(decoder.progress().received, 0);
}

TEST_F(DecoderTest, failedFileWriteIsReportedWithTheProject)
{
    decoder.setReceivedFilePath("/nonexistent-folder/received.gj");
    feed(oneMemberFrame, oneMemberFrame.size());
    ASSERT_TRUE(endpoint.project);
    EXPECT_EQ(endpoint.savedOk, false);
}

TEST_F(DecoderTest, usbLinkKindIsPassedToTheEndOfTransfer)
{
    decoder.setLinkKind(LinkKind::usb);
    feed(oneMemberFrame, 32);
    EXPECT_EQ(endpoint.ends, std::vector<LinkKind>{LinkKind::usb});
}

TEST_F(DecoderTest, refusedFrameEndsTheTransferButHandsNothingOver)
{
    std::vector<std::uint8_t> frame = oneMemberFrame;
    frame[12 + 6] = 4; // offset 4 beyond L = 3
    feed(frame, frame.size());
    ASSERT_TRUE(endpoint.refusal);
    EXPECT_EQ(endpoint.refusal->kind, ErrorKind::refused);
    EXPECT_EQ(endpoint.ends.size(), 1u);
    EXPECT_EQ(endpoint.deliveries, 0);
    EXPECT_FALSE(fs::exists(receivedPath()));
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
