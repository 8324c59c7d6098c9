// The USB reader against the simulated instrument: block schedule, faults, cancel, files.
#include "link/simulatedusbdevice.h"
#include "link/usblink.h"
#include "linktestsupport.h"
#include "model/atomicfile.h"

#include <condition_variable>
#include <thread>

namespace trellon {
namespace {

using namespace trellon::testing;

class UsbLinkTest : public ::testing::Test {
protected:
    // Runs one whole transfer of frame on a simulated device with the given faults.
    void transfer(const std::vector<std::uint8_t>& frame, SimulatedUsbFaults faults = {})
    {
        prepare(frame, faults);
        started = link->start();
        link->waitUntilFinished();
    }

    void prepare(const std::vector<std::uint8_t>& frame, SimulatedUsbFaults faults = {})
    {
        auto memory = layOutInstrumentMemory(frame);
        ASSERT_TRUE(memory.ok()) << memory.error().describe();
        device.emplace(std::move(memory).value(), faults);
        session.setReceivedFilePath(receivedPath());
        link.emplace(*device, session);
    }

    std::string receivedPath() const { return folder.file("data.gj"); }
    std::string rawPath() const { return folder.file("data.raw"); }

    // Every finishing case: stop request last, device closed, reader gone, exactly one ending.
    void expectFinishedCleanly()
    {
        EXPECT_EQ(device->stopRequests(), 1u);
        EXPECT_TRUE(device->stopRequestWasLast());
        EXPECT_FALSE(device->isOpen());
        EXPECT_EQ(device->closeCount(), device->openCount());
        EXPECT_FALSE(link->readerActive());
        EXPECT_FALSE(link->usbRunning());
        EXPECT_EQ(observer.endings(), 1);
    }

    void expectNothingWritten()
    {
        EXPECT_FALSE(fs::exists(receivedPath()));
        EXPECT_FALSE(fs::exists(rawPath()));
        EXPECT_FALSE(observer.report().project);
    }

    void expectReceived(const std::vector<std::uint8_t>& frame)
    {
        ASSERT_EQ(observer.outcome(), TransferOutcome::completed);
        ASSERT_TRUE(observer.report().project);
        EXPECT_FALSE(observer.report().rawStreamNotWritten);
        EXPECT_EQ(fileBytes(receivedPath()), expectedProjectFile(frame));
        EXPECT_EQ(fileBytes(rawPath()), frame);
        EXPECT_EQ(observer.announcements(), std::vector<LinkKind>{LinkKind::usb});
    }

    ScratchFolder folder;
    RecordingObserver observer;
    TransferSession session{observer};
    std::optional<SimulatedUsbDevice> device;
    std::optional<UsbLink> link;
    bool started = false;
};

using Blocks = std::vector<std::uint32_t>;

TEST_F(UsbLinkTest, twoMembersCutBlockZeroAndJumpToTheSampleArea)
{
    const auto frame = frameOfMembers(2, 5); // 26 bytes of header and directory, 10 samples
    transfer(frame);
    EXPECT_TRUE(started);
    EXPECT_EQ(device->requestedBlocks(), (Blocks{0, 220}));
    expectReceived(frame);
    expectFinishedCleanly();
}

TEST_F(UsbLinkTest, fourMembersFeedBlockZeroWholeAndEightBytesOfBlockOne)
{
    const auto frame = frameOfMembers(4, 20); // 40 bytes of header and directory, 80 samples
    transfer(frame);
    EXPECT_EQ(device->requestedBlocks(), (Blocks{0, 1, 220, 221, 222}));
    expectReceived(frame);
    expectFinishedCleanly();
}

TEST_F(UsbLinkTest, twelveMembersEndTheDirectoryExactlyAtABlockBoundary)
{
    const auto frame = frameOfMembers(12, 3); // 96 bytes: blocks 0 to 2 fed whole
    transfer(frame);
    EXPECT_EQ(device->requestedBlocks(), (Blocks{0, 1, 2, 220, 221}));
    expectReceived(frame);
}

TEST_F(UsbLinkTest, noMembersCutBlockZeroToTheHeader)
{
    const auto frame = frameWithoutMembers(40);
    transfer(frame);
    EXPECT_EQ(device->requestedBlocks(), (Blocks{0, 220, 221}));
    ASSERT_EQ(observer.outcome(), TransferOutcome::noMembers);
    EXPECT_EQ(observer.report().project->memberCount(), 0);
    EXPECT_EQ(fileBytes(rawPath()), frame) << "block 0 must be cut to its 12 header bytes";
    EXPECT_FALSE(fs::exists(receivedPath())) << "a project without members writes no file";
    expectFinishedCleanly();
}

TEST_F(UsbLinkTest, theEndIsAnnouncedAfterTheReaderWasStoppedAndBeforeAnythingIsWritten)
{
    const auto frame = frameOfMembers(2, 5);
    prepare(frame);
    bool runningAtAnnouncement = true;
    bool fileAtAnnouncement = true;
    std::size_t stopRequestsAtAnnouncement = 1;
    observer.onFrameCompleted = [&](LinkKind) {
        runningAtAnnouncement = link->usbRunning();
        fileAtAnnouncement = fs::exists(receivedPath()) || fs::exists(rawPath());
        stopRequestsAtAnnouncement = device->stopRequests();
    };
    ASSERT_TRUE(link->start());
    link->waitUntilFinished();
    EXPECT_FALSE(runningAtAnnouncement);
    EXPECT_FALSE(fileAtAnnouncement);
    EXPECT_EQ(stopRequestsAtAnnouncement, 0u);
    expectReceived(frame);
    expectFinishedCleanly();
}

TEST_F(UsbLinkTest, completionInTheMiddleOfABlockStopsAfterThatBlock)
{
    const auto frame = frameOfMembers(2, 20); // 40 samples: the frame ends 8 bytes into block 221
    transfer(frame);
    EXPECT_EQ(device->requestedBlocks(), (Blocks{0, 220, 221}));
    EXPECT_EQ(observer.progress().back().received, static_cast<std::int64_t>(frame.size()));
    EXPECT_EQ(observer.progress().back().total, static_cast<std::int64_t>(frame.size()));
    expectReceived(frame);
    expectFinishedCleanly();
}

TEST_F(UsbLinkTest, memoryEndReachedAtBlock4095FinishesWithoutAFrame)
{
    // The header announces more samples than blocks 220 to 4095 can hold.
    auto frame = frameOfMembers(1, 10);
    frame[7] = 0x02; // L = 0x02000A
    transfer(frame);
    const auto blocks = device->requestedBlocks();
    ASSERT_EQ(blocks.size(), 1u + (4096u - 220u));
    EXPECT_EQ(blocks.front(), 0u);
    EXPECT_EQ(blocks[1], 220u);
    EXPECT_EQ(blocks.back(), 4095u);
    const auto bytes = device->requestBytes();
    EXPECT_EQ(bytes[1], (std::array<std::uint8_t, 2>{0x00, 0xDC})) << "block indexes go big-endian";
    EXPECT_EQ(bytes.back(), (std::array<std::uint8_t, 2>{0x0F, 0xFF}));
    EXPECT_EQ(observer.outcome(), TransferOutcome::memoryEnded);
    ASSERT_TRUE(observer.report().detail);
    EXPECT_EQ(observer.report().detail->kind, ErrorKind::incomplete);
    EXPECT_TRUE(observer.announcements().empty());
    expectNothingWritten();
    expectFinishedCleanly();
}

TEST_F(UsbLinkTest, progressCountsTheFrameBytesAgainstItsTotal)
{
    const auto frame = frameOfMembers(4, 30); // 40 + 120 bytes
    transfer(frame);
    const auto progress = observer.progress();
    ASSERT_GE(progress.size(), 3u);
    EXPECT_EQ(progress.front().received, 32);
    EXPECT_EQ(progress.front().total, 160);
    for (std::size_t k = 1; k < progress.size(); ++k)
        EXPECT_GT(progress[k].received, progress[k - 1].received);
    EXPECT_EQ(progress.back().received, 160);
}

struct FaultCase {
    const char* name;
    SimulatedUsbFaults faults;
    std::vector<std::uint32_t> requests;
    TransferOutcome outcome;
};

class UsbLinkFaultTest : public UsbLinkTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(UsbLinkFaultTest, finishesWithTheStopRequestAndTheLinkClosed)
{
    const FaultCase& fault = GetParam();
    transfer(frameOfMembers(4, 100), fault.faults); // blocks 0, 1, 220 to 232
    EXPECT_TRUE(started);
    EXPECT_EQ(device->requestedBlocks(), fault.requests);
    EXPECT_EQ(observer.outcome(), fault.outcome);
    EXPECT_TRUE(observer.report().detail);
    EXPECT_TRUE(observer.announcements().empty());
    expectNothingWritten();
    expectFinishedCleanly();
}

SimulatedUsbFaults unpluggedAfter(std::size_t k)
{
    SimulatedUsbFaults faults;
    faults.unplugAfterBlocks = k;
    return faults;
}
SimulatedUsbFaults failingRead(std::uint32_t block)
{
    SimulatedUsbFaults faults;
    faults.failReadOfBlock = block;
    return faults;
}
SimulatedUsbFaults failingSend(std::uint32_t block)
{
    SimulatedUsbFaults faults;
    faults.failRequestOfBlock = block;
    return faults;
}
SimulatedUsbFaults shortBlock(std::uint32_t block, std::size_t length)
{
    SimulatedUsbFaults faults;
    faults.shortBlock = block;
    faults.shortBlockLength = length;
    return faults;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, UsbLinkFaultTest,
    ::testing::Values(
        FaultCase{"unpluggedAfterThreeBlocks", unpluggedAfter(3), {0, 1, 220}, TransferOutcome::deviceVanished},
        FaultCase{"failingReadOfBlock221", failingRead(221), {0, 1, 220, 221}, TransferOutcome::stalled},
        FaultCase{"failingReadOfBlock0", failingRead(0), {0}, TransferOutcome::stalled},
        FaultCase{"failingSendOfBlock1", failingSend(1), {0, 1}, TransferOutcome::deviceVanished},
        FaultCase{"shortBlock222", shortBlock(222, 17), {0, 1, 220, 221, 222}, TransferOutcome::stalled},
        FaultCase{"shortBlockZero", shortBlock(0, 11), {0}, TransferOutcome::stalled},
        FaultCase{"emptyBlock220", shortBlock(220, 0), {0, 1, 220}, TransferOutcome::stalled}),
    [](const ::testing::TestParamInfo<FaultCase>& param) { return std::string(param.param.name); });

TEST_F(UsbLinkTest, blockZeroWithoutSyncByteEndsAtOnce)
{
    auto memory = layOutInstrumentMemory(frameOfMembers(1, 4));
    ASSERT_TRUE(memory.ok());
    memory.value()[0] = 0x00;
    device.emplace(std::move(memory).value());
    session.setReceivedFilePath(receivedPath());
    link.emplace(*device, session);
    ASSERT_TRUE(link->start());
    link->waitUntilFinished();
    EXPECT_EQ(device->requestedBlocks(), (Blocks{0}));
    EXPECT_EQ(observer.outcome(), TransferOutcome::notAFrame);
    expectNothingWritten();
    expectFinishedCleanly();
}

TEST_F(UsbLinkTest, deviceThatCannotBeOpenedStartsNothing)
{
    SimulatedUsbFaults faults;
    faults.failOpen = true;
    transfer(frameOfMembers(2, 5), faults);
    EXPECT_FALSE(started);
    EXPECT_TRUE(device->requestedBlocks().empty());
    EXPECT_EQ(device->stopRequests(), 0u);
    EXPECT_EQ(observer.endings(), 1);
    EXPECT_EQ(observer.outcome(), TransferOutcome::cannotOpenDevice);
    ASSERT_TRUE(observer.report().detail);
    EXPECT_EQ(observer.report().detail->detail, "no such device");
    EXPECT_FALSE(link->readerActive());
}

TEST_F(UsbLinkTest, pipesThatCannotBeOpenedReleaseTheDevice)
{
    SimulatedUsbFaults faults;
    faults.failPipes = true;
    transfer(frameOfMembers(2, 5), faults);
    EXPECT_FALSE(started);
    EXPECT_EQ(observer.outcome(), TransferOutcome::cannotOpenPipes);
    EXPECT_FALSE(device->isOpen());
    EXPECT_FALSE(link->usbRunning());
    EXPECT_EQ(observer.endings(), 1);
}

TEST_F(UsbLinkTest, unwritableFolderIsReportedForBothFiles)
{
    const auto frame = frameOfMembers(2, 5);
    prepare(frame);
    session.setReceivedFilePath(folder.file("missing/data.gj"));
    ASSERT_TRUE(link->start());
    link->waitUntilFinished();
    ASSERT_EQ(observer.outcome(), TransferOutcome::cannotWriteReceivedFile);
    EXPECT_TRUE(observer.report().project) << "the received project survives a failed write";
    ASSERT_TRUE(observer.report().detail);
    EXPECT_NE(observer.report().detail->detail.find(folder.file("missing/data.gj")), std::string::npos);
    ASSERT_TRUE(observer.report().rawStreamNotWritten);
    EXPECT_NE(observer.report().rawStreamNotWritten->detail.find(folder.file("missing/data.raw")), std::string::npos);
    expectFinishedCleanly();
}

TEST_F(UsbLinkTest, secondStartAfterACompleteTransferReceivesAgain)
{
    const auto frame = frameOfMembers(3, 6);
    transfer(frame);
    ASSERT_EQ(observer.outcome(), TransferOutcome::completed);
    fs::remove(receivedPath());
    device->rewind();
    ASSERT_TRUE(link->start());
    link->waitUntilFinished();
    EXPECT_EQ(observer.endings(), 2);
    EXPECT_EQ(device->requestedBlocks(), (Blocks{0, 1, 220}));
    EXPECT_EQ(fileBytes(receivedPath()), expectedProjectFile(frame));
}

// Holds the reader inside the request of one block until the test lets it go on.
class RequestGate {
public:
    explicit RequestGate(std::uint32_t block) : block_(block) {}

    void onRequest(std::uint32_t block)
    {
        if (block != block_)
            return;
        std::unique_lock lock(mutex_);
        reached_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return released_; });
    }
    bool waitUntilReached()
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(30), [this] { return reached_; });
    }
    void release()
    {
        const std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    const std::uint32_t block_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool reached_ = false;
    bool released_ = false;
};

TEST_F(UsbLinkTest, cancelFromAnotherThreadStopsTheReaderAfterItsStep)
{
    const auto frame = frameOfMembers(4, 100);
    prepare(frame);
    RequestGate gate(224);
    device->setRequestHook([&gate](std::uint32_t block) { gate.onRequest(block); });
    ASSERT_TRUE(link->start());
    ASSERT_TRUE(gate.waitUntilReached());
    link->cancel();
    gate.release();
    link->waitUntilFinished();
    EXPECT_EQ(device->requestedBlocks(), (Blocks{0, 1, 220, 221, 222, 223, 224}));
    EXPECT_EQ(observer.outcome(), TransferOutcome::cancelled);
    EXPECT_TRUE(observer.announcements().empty());
    expectNothingWritten();
    expectFinishedCleanly();
}

TEST_F(UsbLinkTest, cancelWhileTheLastBlockIsRequestedKeepsTheUsersFile)
{
    const auto frame = frameOfMembers(2, 20); // the last block is 221
    prepare(frame);
    const std::vector<std::uint8_t> previous{'o', 'l', 'd'};
    ASSERT_TRUE(writeFileAtomically(receivedPath(), previous, "cannot create").ok());
    device->setRequestHook([this](std::uint32_t block) {
        if (block == 221)
            link->cancel();
    });
    ASSERT_TRUE(link->start());
    link->waitUntilFinished();
    EXPECT_EQ(observer.outcome(), TransferOutcome::cancelled);
    EXPECT_FALSE(observer.report().project);
    EXPECT_EQ(fileBytes(receivedPath()), previous);
    EXPECT_FALSE(fs::exists(rawPath()));
    EXPECT_TRUE(observer.announcements().empty());
    expectFinishedCleanly();
}

TEST_F(UsbLinkTest, cancelWhileTheLastBlockArrivesWinsOverCompletion)
{
    // The block that completes the frame is in hand when the cancel comes: it must not be fed.
    const auto frame = frameOfMembers(2, 20);
    prepare(frame);
    const std::vector<std::uint8_t> previous{'o', 'l', 'd'};
    ASSERT_TRUE(writeFileAtomically(receivedPath(), previous, "cannot create").ok());
    device->setAnswerHook([this](std::uint32_t block) {
        if (block == 221)
            link->cancel();
    });
    ASSERT_TRUE(link->start());
    link->waitUntilFinished();
    EXPECT_EQ(device->requestedBlocks(), (Blocks{0, 220, 221}));
    EXPECT_EQ(observer.outcome(), TransferOutcome::cancelled);
    EXPECT_FALSE(observer.report().project);
    EXPECT_EQ(fileBytes(receivedPath()), previous);
    EXPECT_FALSE(fs::exists(rawPath()));
    EXPECT_TRUE(observer.announcements().empty());
    expectFinishedCleanly();
}

TEST_F(UsbLinkTest, cancelAfterCompletionLeavesTheReceivedProject)
{
    const auto frame = frameOfMembers(2, 5);
    transfer(frame);
    link->cancel();
    EXPECT_FALSE(session.requestCancel());
    EXPECT_EQ(observer.endings(), 1);
    expectReceived(frame);
}

TEST_F(UsbLinkTest, destroyingTheLinkStopsARunningReader)
{
    prepare(frameOfMembers(4, 100));
    RequestGate gate(221);
    device->setRequestHook([&gate](std::uint32_t block) { gate.onRequest(block); });
    ASSERT_TRUE(link->start());
    ASSERT_TRUE(gate.waitUntilReached());
    std::thread releaser([this, &gate] {
        while (!session.cancelRequested())
            std::this_thread::yield();
        gate.release();
    });
    link.reset();
    releaser.join();
    // The reader may see the cancel only after the step that follows the gate.
    const auto blocks = device->requestedBlocks();
    ASSERT_GE(blocks.size(), 4u);
    EXPECT_LE(blocks.size(), 5u);
    EXPECT_EQ(blocks[3], 221u);
    EXPECT_EQ(device->stopRequests(), 1u);
    EXPECT_FALSE(device->isOpen());
    EXPECT_EQ(observer.outcome(), TransferOutcome::cancelled);
    expectNothingWritten();
}

TEST(InstrumentMemoryTest, refusesFramesThatDoNotFitTheMemory)
{
    EXPECT_FALSE(layOutInstrumentMemory(std::vector<std::uint8_t>{0x55, 0, 0}).ok());
    auto directoryTooLong = frameWithoutMembers(0);
    directoryTooLong[10] = 0x03; // n = 0x03EE = 1006: 7054 bytes of directory
    directoryTooLong[11] = 0xEE;
    directoryTooLong.resize(7054, 0);
    EXPECT_FALSE(layOutInstrumentMemory(directoryTooLong).ok());
    EXPECT_FALSE(layOutInstrumentMemory(frameWithoutMembers(124033)).ok());
    EXPECT_TRUE(layOutInstrumentMemory(frameWithoutMembers(124032)).ok());
}

TEST(RawStreamPathTest, replacesTheProjectExtension)
{
    EXPECT_EQ(rawStreamPath("/data/site.gj"), "/data/site.raw");
    EXPECT_EQ(rawStreamPath("/data/site"), "/data/site.raw");
    EXPECT_EQ(rawStreamPath("/data/site.gj.gj"), "/data/site.gj.raw");
}

} // namespace
} // namespace trellon
