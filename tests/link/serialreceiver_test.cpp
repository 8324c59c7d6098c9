// The serial receiving side over a scripted port: polls, chunking, restart, ports that cannot be opened.
#include "link/serialreceiver.h"
#include "linktestsupport.h"

#include <deque>

namespace trellon {
namespace {

using namespace trellon::testing;

// A port whose input queue the test fills; what the instrument has sent waits there until read.
class ScriptedPort : public Transport {
public:
    std::string name() const override { return "scripted"; }
    Status open() override
    {
        ++opens;
        if (!openable)
            return Error{ErrorKind::cannotOpen, "no such port", std::nullopt};
        open_ = true;
        return success();
    }
    bool isOpen() const override { return open_; }
    Result<std::size_t> read(std::span<std::uint8_t> buffer, std::chrono::milliseconds) override
    {
        if (readFailure && queue.empty())
            return *readFailure;
        const std::size_t n = std::min(buffer.size(), queue.size());
        std::copy_n(queue.begin(), n, buffer.begin());
        queue.erase(queue.begin(), queue.begin() + static_cast<std::ptrdiff_t>(n));
        return n;
    }
    Status write(std::span<const std::uint8_t>, std::chrono::milliseconds) override
    {
        ++writes;
        return success();
    }
    Status purge() override
    {
        ++purges;
        queue.clear();
        return success();
    }
    void abort() override {}
    void close() override { open_ = false; }

    void arrive(std::span<const std::uint8_t> bytes) { queue.insert(queue.end(), bytes.begin(), bytes.end()); }

    bool openable = true;
    std::optional<Error> readFailure; // once the queue is empty: the adapter is gone
    int opens = 0;
    int purges = 0;
    int writes = 0;
    std::deque<std::uint8_t> queue;

private:
    bool open_ = false;
};

class SerialReceiverTest : public ::testing::Test {
protected:
    SerialReceiverTest() { session.setReceivedFilePath(folder.file("data.gj")); }

    // Delivers the bytes `perPoll` at a time, polling after each delivery, until the port closes.
    void receiveInPolls(std::span<const std::uint8_t> bytes, std::size_t perPoll)
    {
        for (std::size_t at = 0; at < bytes.size() && receiver.polling(); at += perPoll) {
            port.arrive(bytes.subspan(at, std::min(perPoll, bytes.size() - at)));
            receiver.pollSerialPort();
        }
    }

    ScratchFolder folder;
    ScriptedPort port;
    RecordingObserver observer;
    TransferSession session{observer};
    SerialReceiver receiver{port, session};
};

TEST_F(SerialReceiverTest, frameSpreadOverManyPollsDecodesAsOnePiece)
{
    const auto frame = frameOfMembers(6, 40); // 294 bytes: 7 polls of 48 bytes, as at 2400 baud
    ASSERT_TRUE(receiver.start());
    EXPECT_EQ(port.purges, 1) << "both queues are purged at open";
    receiveInPolls(frame, 48);
    ASSERT_EQ(observer.outcome(), TransferOutcome::completed);
    EXPECT_EQ(fileBytes(folder.file("data.gj")), expectedProjectFile(frame));
    EXPECT_EQ(fileBytes(folder.file("data.raw")), frame);
    EXPECT_FALSE(port.isOpen()) << "the port closes when the frame is complete";
    EXPECT_FALSE(receiver.polling());
    EXPECT_EQ(observer.announcements(), std::vector<LinkKind>{LinkKind::serial});
    EXPECT_EQ(port.writes, 0) << "nothing is ever sent to the instrument";
    EXPECT_EQ(observer.progress().size(), 7u);
}

TEST_F(SerialReceiverTest, theEndIsAnnouncedWhileThePortIsOpenAndBeforeAnythingIsWritten)
{
    const auto frame = frameOfMembers(2, 9);
    bool openAtAnnouncement = false;
    bool fileAtAnnouncement = true;
    observer.onFrameCompleted = [&](LinkKind) {
        openAtAnnouncement = port.isOpen();
        fileAtAnnouncement = fs::exists(folder.file("data.gj")) || fs::exists(folder.file("data.raw"));
    };
    ASSERT_TRUE(receiver.start());
    receiveInPolls(frame, 48);
    EXPECT_TRUE(openAtAnnouncement);
    EXPECT_FALSE(fileAtAnnouncement);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(observer.outcome(), TransferOutcome::completed);
}

TEST_F(SerialReceiverTest, pollReadsAtMost1024Bytes)
{
    const auto frame = frameOfMembers(10, 300); // 3082 bytes queued at once
    ASSERT_TRUE(receiver.start());
    port.arrive(frame);
    std::vector<std::size_t> counts;
    while (receiver.polling())
        counts.push_back(receiver.pollSerialPort());
    EXPECT_EQ(counts, (std::vector<std::size_t>{1024, 1024, 1024, 10}));
    EXPECT_EQ(fileBytes(folder.file("data.raw")), frame);
}

TEST_F(SerialReceiverTest, pollWithNothingQueuedDeliversNothing)
{
    ASSERT_TRUE(receiver.start());
    EXPECT_EQ(receiver.pollSerialPort(), 0u);
    EXPECT_TRUE(receiver.polling());
    EXPECT_TRUE(observer.progress().empty());
    EXPECT_EQ(observer.endings(), 0);
}

TEST_F(SerialReceiverTest, portThatCannotBeOpenedSaysSoOncePerStart)
{
    port.openable = false;
    EXPECT_FALSE(receiver.start());
    EXPECT_EQ(observer.endings(), 1);
    EXPECT_EQ(observer.outcome(), TransferOutcome::cannotOpenPort);
    ASSERT_TRUE(observer.report().detail);
    EXPECT_EQ(observer.report().detail->detail, "no such port");
    EXPECT_EQ(receiver.pollSerialPort(), 0u);
    EXPECT_FALSE(receiver.start());
    EXPECT_EQ(observer.endings(), 2);
    EXPECT_EQ(observer.outcome(), TransferOutcome::cannotOpenPort);
    EXPECT_TRUE(observer.announcements().empty());
}

TEST_F(SerialReceiverTest, restartDropsAHalfReceivedFrame)
{
    const auto first = frameOfMembers(3, 30);
    const auto second = frameOfMembers(2, 9);
    ASSERT_TRUE(receiver.start());
    receiveInPolls(std::span(first).first(first.size() / 2), 48);
    ASSERT_TRUE(receiver.polling());
    ASSERT_TRUE(receiver.start());
    EXPECT_EQ(port.opens, 2);
    EXPECT_EQ(observer.endings(), 0) << "a restart does not end the transfer";
    // What the instrument still sends of the first frame, then the second one in a later poll.
    port.arrive(std::span(first).subspan(first.size() / 2, 20));
    receiver.pollSerialPort();
    receiveInPolls(second, 48);
    ASSERT_EQ(observer.outcome(), TransferOutcome::completed);
    EXPECT_EQ(fileBytes(folder.file("data.raw")), second);
    EXPECT_EQ(fileBytes(folder.file("data.gj")), expectedProjectFile(second));
}

TEST_F(SerialReceiverTest, noiseBeforeTheFrameIsDroppedPollByPoll)
{
    const auto frame = frameOfMembers(2, 9);
    ASSERT_TRUE(receiver.start());
    const std::vector<std::uint8_t> noise{0x00, 0x55, 0x13, 0x55};
    port.arrive(noise);
    receiver.pollSerialPort();
    receiveInPolls(frame, 1024);
    ASSERT_EQ(observer.outcome(), TransferOutcome::completed);
    EXPECT_EQ(fileBytes(folder.file("data.raw")), frame);
}

TEST_F(SerialReceiverTest, cancelClosesThePortAndWritesNothing)
{
    const auto frame = frameOfMembers(3, 30);
    ASSERT_TRUE(receiver.start());
    receiveInPolls(std::span(frame).first(frame.size() - 1), 48);
    receiver.cancel();
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(observer.endings(), 1);
    EXPECT_EQ(observer.outcome(), TransferOutcome::cancelled);
    port.arrive(std::span(frame).last(1));
    EXPECT_EQ(receiver.pollSerialPort(), 0u);
    EXPECT_FALSE(fs::exists(folder.file("data.gj")));
    EXPECT_FALSE(fs::exists(folder.file("data.raw")));
}

TEST_F(SerialReceiverTest, aPortThatCanNoLongerBeReadEndsTheTransferOnceAndWritesNothing)
{
    const auto frame = frameOfMembers(3, 30);
    ASSERT_TRUE(receiver.start());
    port.arrive(std::span(frame).first(100));
    port.readFailure = Error{ErrorKind::truncated, "/dev/ttyUSB0: the port is gone", std::nullopt};
    EXPECT_EQ(receiver.pollSerialPort(), 100u);
    EXPECT_EQ(receiver.pollSerialPort(), 0u);
    EXPECT_FALSE(receiver.polling());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(receiver.pollSerialPort(), 0u);
    EXPECT_EQ(observer.endings(), 1);
    ASSERT_EQ(observer.outcome(), TransferOutcome::portLost);
    ASSERT_TRUE(observer.report().detail);
    EXPECT_EQ(observer.report().detail->detail, "/dev/ttyUSB0: the port is gone");
    EXPECT_TRUE(observer.announcements().empty());
    EXPECT_EQ(folder.names(), std::vector<std::string>{});
}

TEST_F(SerialReceiverTest, refusedFrameKeepsTheRawStreamOnly)
{
    // Member 1's offset lies before member 0's.
    auto frame = frameOfMembers(2, 5);
    frame[12 + 7 + 6] = 0x00;
    frame[12 + 6] = 0x03;
    ASSERT_TRUE(receiver.start());
    receiveInPolls(frame, 1024);
    ASSERT_EQ(observer.outcome(), TransferOutcome::frameRefused);
    ASSERT_TRUE(observer.report().detail);
    EXPECT_EQ(observer.report().detail->kind, ErrorKind::refused);
    EXPECT_FALSE(observer.report().project);
    EXPECT_FALSE(fs::exists(folder.file("data.gj")));
    EXPECT_EQ(fileBytes(folder.file("data.raw")), frame);
}

} // namespace
} // namespace trellon
