// The session around the decoder: the order at the end of a transfer, the files it writes, and its outcomes.
#include "linktestsupport.h"
#include "model/atomicfile.h"

namespace trellon {
namespace {

using namespace trellon::testing;

// A link that only records when it was told to stop, in the order of the observer's announcements.
class RecordingLink : public LinkControl {
public:
    explicit RecordingLink(std::vector<std::string>& events) : events_(events) {}
    void stopAtEndOfTransfer() override { events_.push_back("link stopped"); }

private:
    std::vector<std::string>& events_;
};

class TransferSessionTest : public ::testing::Test {
protected:
    TransferSessionTest()
    {
        session.setReceivedFilePath(folder.file("data.gj"));
        observer.onFrameCompleted = [this](LinkKind) {
            events.push_back(fs::exists(folder.file("data.gj")) ? "announced after writing" : "announced");
        };
    }

    void receive(const std::vector<std::uint8_t>& frame, LinkKind kind = LinkKind::serial)
    {
        session.begin(kind, link);
        session.feed(frame);
    }

    ScratchFolder folder;
    RecordingObserver observer;
    TransferSession session{observer};
    std::vector<std::string> events;
    RecordingLink link{events};
};

TEST_F(TransferSessionTest, writesTheReceivedFileAsVer12AndTheRawStreamBesideIt)
{
    const auto frame = frameOfMembers(3, 7);
    receive(frame);
    ASSERT_EQ(observer.endings(), 1);
    TransferReport& report = observer.report();
    EXPECT_EQ(report.outcome, TransferOutcome::completed);
    EXPECT_FALSE(report.detail);
    EXPECT_FALSE(report.rawStreamNotWritten);
    ASSERT_TRUE(report.project);
    EXPECT_EQ(report.project->memberCount(), 3);
    EXPECT_EQ(report.receivedFilePath, folder.file("data.gj"));
    EXPECT_EQ(report.rawFilePath, folder.file("data.raw"));
    EXPECT_EQ(fileBytes(folder.file("data.gj")), encodeProjectFile(*report.project));
    EXPECT_EQ(fileBytes(folder.file("data.raw")), frame);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"data.gj", "data.raw"}));
}

TEST_F(TransferSessionTest, announcesTheEndInTheLinksOrderBeforeWriting)
{
    receive(frameOfMembers(1, 3), LinkKind::serial);
    EXPECT_EQ(events, (std::vector<std::string>{"announced", "link stopped"}));
    EXPECT_EQ(observer.announcements(), std::vector<LinkKind>{LinkKind::serial});

    events.clear();
    fs::remove(folder.file("data.gj"));
    receive(frameOfMembers(1, 3), LinkKind::usb);
    EXPECT_EQ(events, (std::vector<std::string>{"link stopped", "announced"}));
    EXPECT_EQ(observer.endings(), 2);
}

TEST_F(TransferSessionTest, theAnnouncementCarriesTheProjectThatIsThenWritten)
{
    receive(frameOfMembers(3, 5));
    const std::vector<std::optional<Project>> arrivals = observer.arrivals();
    ASSERT_EQ(arrivals.size(), 1u);
    ASSERT_TRUE(arrivals.front());
    ASSERT_TRUE(observer.report().project);
    EXPECT_EQ(*arrivals.front(), *observer.report().project);
    EXPECT_EQ(arrivals.front()->memberCount(), 3);
}

TEST_F(TransferSessionTest, missingFolderFailsCleanlyNamingThePath)
{
    const std::string missing = folder.file("missing/data.gj");
    session.setReceivedFilePath(missing);
    receive(frameOfMembers(2, 4));
    TransferReport& report = observer.report();
    EXPECT_EQ(report.outcome, TransferOutcome::cannotWriteReceivedFile);
    ASSERT_TRUE(report.detail);
    EXPECT_EQ(report.detail->kind, ErrorKind::cannotOpen);
    EXPECT_NE(report.detail->detail.find(missing), std::string::npos) << report.detail->detail;
    ASSERT_TRUE(report.rawStreamNotWritten);
    EXPECT_NE(report.rawStreamNotWritten->detail.find(folder.file("missing/data.raw")), std::string::npos);
    EXPECT_TRUE(report.project) << "the complete project is still handed over";
    EXPECT_TRUE(folder.names().empty());
}

TEST_F(TransferSessionTest, aFileThatCannotReplaceItsTargetLeavesNoTemporaryBehind)
{
    // The temporary file is created, but renaming it over a folder fails.
    fs::create_directory(folder.file("data.gj"));
    const auto frame = frameOfMembers(2, 4);
    receive(frame);
    TransferReport& report = observer.report();
    EXPECT_EQ(report.outcome, TransferOutcome::cannotWriteReceivedFile);
    ASSERT_TRUE(report.detail);
    EXPECT_EQ(report.detail->kind, ErrorKind::cannotWrite);
    EXPECT_NE(report.detail->detail.find(folder.file("data.gj")), std::string::npos) << report.detail->detail;
    EXPECT_FALSE(report.rawStreamNotWritten);
    EXPECT_EQ(fileBytes(folder.file("data.raw")), frame);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"data.gj", "data.raw"}));
    EXPECT_TRUE(fs::is_directory(folder.file("data.gj")));
}

TEST_F(TransferSessionTest, frameWithoutMembersKeepsOnlyTheRawStream)
{
    const auto frame = frameWithoutMembers(20);
    receive(frame);
    EXPECT_EQ(observer.outcome(), TransferOutcome::noMembers);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"data.raw"});
    EXPECT_EQ(fileBytes(folder.file("data.raw")), frame);
}

TEST_F(TransferSessionTest, refusedFrameIsAnnouncedAndKeepsOnlyTheRawStream)
{
    auto frame = frameOfMembers(2, 5);
    frame[12 + 7 + 6] = 0x00;
    frame[12 + 6] = 0x03; // the second member starts before the first
    receive(frame);
    TransferReport& report = observer.report();
    EXPECT_EQ(report.outcome, TransferOutcome::frameRefused);
    ASSERT_TRUE(report.detail);
    EXPECT_EQ(report.detail->offset, std::optional<std::uint64_t>{12 + 7 + 4});
    EXPECT_FALSE(report.project);
    EXPECT_EQ(events, (std::vector<std::string>{"announced", "link stopped"}));
    EXPECT_EQ(observer.arrivals(), std::vector<std::optional<Project>>{std::nullopt})
        << "a refused frame brought no project";
    EXPECT_EQ(folder.names(), std::vector<std::string>{"data.raw"});
}

TEST_F(TransferSessionTest, cancelBeforeTheLastByteDropsTheFrameAndWritesNothing)
{
    const auto frame = frameOfMembers(2, 5);
    session.begin(LinkKind::usb, link);
    session.feed(std::span(frame).first(frame.size() - 1));
    EXPECT_TRUE(session.requestCancel());
    session.feed(std::span(frame).last(1));
    EXPECT_EQ(observer.endings(), 0) << "the cancel is reported when the link has closed";
    session.linkEnded(TransferOutcome::stalled, Error{ErrorKind::truncated, "late", std::nullopt});
    EXPECT_EQ(observer.endings(), 1);
    EXPECT_EQ(observer.outcome(), TransferOutcome::cancelled);
    EXPECT_FALSE(observer.report().detail);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(folder.names().empty());
}

TEST_F(TransferSessionTest, theLinksEndIsReportedOnceAndNeverAfterTheFrame)
{
    session.begin(LinkKind::usb, link);
    session.linkEnded(TransferOutcome::deviceVanished, Error{ErrorKind::cannotWrite, "block 3: gone", 96});
    session.linkEnded(TransferOutcome::linkClosed, std::nullopt);
    EXPECT_EQ(observer.endings(), 1);
    EXPECT_EQ(observer.outcome(), TransferOutcome::deviceVanished);
    ASSERT_TRUE(observer.report().detail);
    EXPECT_EQ(observer.report().detail->describe(), "block 3: gone (offset 96)");

    receive(frameOfMembers(1, 2), LinkKind::usb);
    session.linkEnded(TransferOutcome::linkClosed, std::nullopt);
    EXPECT_EQ(observer.endings(), 2);
    EXPECT_EQ(observer.outcome(), TransferOutcome::completed);
    EXPECT_FALSE(session.requestCancel()) << "a transfer that has ended cannot be cancelled";
}

} // namespace
} // namespace trellon
