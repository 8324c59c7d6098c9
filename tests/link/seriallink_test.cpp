// The serial link end to end: trellon-sim on a pseudo-terminal, Qt SerialPort, the decoder, the files.
#include "linktestsupport.h"
#include "model/atomicfile.h"
#include "seriallink/seriallink.h"
#include "seriallink/serialports.h"

#include <QCoreApplication>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace trellon {
namespace {

using namespace trellon::testing;

// trellon-sim as a child process: its stdin starts each capture, its first stdout line is the port.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> args)
    {
        int in[2];
        int out[2];
        if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        args.insert(args.begin(), TRELLON_SIM);
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        if (::posix_spawn(&pid_, TRELLON_SIM, &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        input_ = in[1];
        output_ = out[0];
    }
    ~SimProcess()
    {
        closeInput();
        if (output_ >= 0)
            ::close(output_);
        if (pid_ > 0) {
            int status = 0;
            ::waitpid(pid_, &status, 0);
        }
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The pseudo-terminal's path; empty when the simulator did not come up.
    std::string portPath()
    {
        std::string line;
        char c = 0;
        while (output_ >= 0 && ::read(output_, &c, 1) == 1 && c != '\n')
            line.push_back(c);
        return line;
    }
    void sendNext() { (void)!::write(input_, "\n", 1); }
    void closeInput()
    {
        if (input_ >= 0)
            ::close(input_);
        input_ = -1;
    }

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
};

class SerialLinkTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "serial_tests";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr)
            static QCoreApplication application(argc, argv);
        std::signal(SIGPIPE, SIG_IGN);
    }

    SerialLinkTest() { session.setReceivedFilePath(received()); }

    std::string capture(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        const std::string path = folder.file(name);
        EXPECT_TRUE(writeFileAtomically(path, bytes, "cannot create").ok());
        return path;
    }
    std::string received() const { return folder.file("data.gj"); }

    // Runs the event loop, as the dialog does, until the condition holds; the guard only stops a hang.
    template <typename Condition> bool runUntil(Condition condition)
    {
        const auto guard = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > guard)
                return false;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        return true;
    }

    void expectDecodedAsDirectly(const std::vector<std::uint8_t>& frame)
    {
        ASSERT_EQ(observer.outcome(), TransferOutcome::completed);
        EXPECT_FALSE(observer.report().rawStreamNotWritten);
        EXPECT_EQ(fileBytes(received()), expectedProjectFile(frame));
        EXPECT_EQ(fileBytes(folder.file("data.raw")), frame);
        EXPECT_EQ(observer.announcements(), std::vector<LinkKind>{LinkKind::serial});
        EXPECT_FALSE(link.polling()) << "the port closes at the end of the transfer";
    }

    ScratchFolder folder;
    RecordingObserver observer;
    TransferSession session{observer};
    SerialLink link{session};
};

TEST_F(SerialLinkTest, fastCaptureThroughAPseudoTerminalDecodesAsDirectly)
{
    const auto frame = frameOfMembers(20, 60); // 1352 bytes: more than one poll can take
    SimProcess sim({"--serial", capture("big.cap", frame), "--fast"});
    const std::string port = sim.portPath();
    ASSERT_FALSE(port.empty());
    ASSERT_TRUE(link.start(port));
    sim.sendNext();
    ASSERT_TRUE(runUntil([&] { return observer.endings() > 0; }));
    expectDecodedAsDirectly(frame);
    EXPECT_GE(observer.progress().size(), 2u) << "at most 1024 bytes a poll";
}

TEST_F(SerialLinkTest, pacedCaptureWithNoiseArrivesOverManyPolls)
{
    const auto frame = frameOfMembers(3, 25); // 108 bytes at 2400 baud
    SimProcess sim({"--serial", capture("paced.cap", frame), "--baud-pacing", "--noise", "5"});
    const std::string port = sim.portPath();
    ASSERT_FALSE(port.empty());
    ASSERT_TRUE(link.start(port));
    sim.sendNext();
    ASSERT_TRUE(runUntil([&] { return observer.endings() > 0; }));
    expectDecodedAsDirectly(frame);
}

TEST_F(SerialLinkTest, restartDropsTheHalfReceivedFrame)
{
    const auto first = frameOfMembers(4, 30);
    const std::vector<std::uint8_t> half(first.begin(), first.begin() + 60);
    const auto second = frameOfMembers(2, 11);
    SimProcess sim({"--serial", capture("half.cap", half), capture("second.cap", second), "--fast"});
    const std::string port = sim.portPath();
    ASSERT_FALSE(port.empty());
    ASSERT_TRUE(link.start(port));
    sim.sendNext();
    ASSERT_TRUE(runUntil([&] {
        const auto progress = observer.progress();
        return !progress.empty() && progress.back().received == 60;
    }));
    ASSERT_TRUE(link.start(port));
    sim.sendNext();
    ASSERT_TRUE(runUntil([&] { return observer.endings() > 0; }));
    expectDecodedAsDirectly(second);
}

TEST_F(SerialLinkTest, cancelClosesThePortAndLeavesNoFile)
{
    const auto frame = frameOfMembers(4, 30);
    const std::vector<std::uint8_t> half(frame.begin(), frame.begin() + 60);
    SimProcess sim({"--serial", capture("half.cap", half), "--fast"});
    const std::string port = sim.portPath();
    ASSERT_TRUE(link.start(port));
    sim.sendNext();
    ASSERT_TRUE(runUntil([&] { return !observer.progress().empty() && observer.progress().back().received == 60; }));
    link.cancel();
    EXPECT_FALSE(link.polling());
    EXPECT_EQ(observer.outcome(), TransferOutcome::cancelled);
    EXPECT_FALSE(fs::exists(received()));
    EXPECT_FALSE(fs::exists(folder.file("data.raw")));
}

TEST_F(SerialLinkTest, portThatDoesNotExistSaysSoOncePerStart)
{
    const std::string missing = folder.file("ttyNone");
    EXPECT_FALSE(link.start(missing));
    EXPECT_EQ(observer.endings(), 1);
    EXPECT_EQ(link.pollSerialPort(), 0u);
    EXPECT_FALSE(link.start(missing));
    EXPECT_EQ(observer.endings(), 2);
    EXPECT_EQ(observer.outcome(), TransferOutcome::cannotOpenPort);
    ASSERT_TRUE(observer.report().detail);
    EXPECT_NE(observer.report().detail->detail.find(missing), std::string::npos);
}

TEST(SerialPortsTest, numbersOneToSixMapOntoTheList)
{
    const std::vector<std::string> ports{"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyUSB0"};
    EXPECT_EQ(serialPortForNumber(1, ports), "/dev/ttyACM0");
    EXPECT_EQ(serialPortForNumber(3, ports), "/dev/ttyUSB0");
    EXPECT_EQ(serialPortForNumber(4, ports), "");
    EXPECT_EQ(serialPortForNumber(0, ports), "");
    EXPECT_EQ(serialPortForNumber(7, std::vector<std::string>(8, "/dev/ttyS9")), "");
    EXPECT_EQ(resolveSerialPort("2", ports), "/dev/ttyS0");
    EXPECT_EQ(resolveSerialPort("/dev/pts/7", ports), "/dev/pts/7");
    EXPECT_EQ(resolveSerialPort("7", ports), "7");
}

} // namespace
} // namespace trellon
