// trellon-cli receive over the simulated instrument (USB) and trellon-sim (serial), Ctrl-C included.
#include "clirunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace trellon {
namespace {

using namespace trellon::testing;
namespace fs = std::filesystem;

const std::string sampleCapture = TRELLON_SOURCE_DIR "/data/samples/site-survey.transfer";

// A child process with pipes on stdin, stdout and stderr.
class Child {
public:
    Child(const std::string& program, std::vector<std::string> args)
    {
        int in[2], out[2], err[2];
        if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        args.insert(args.begin(), program);
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        if (::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        ::close(err[1]);
        input_ = in[1];
        output_ = out[0];
        errors_ = err[0];
    }
    ~Child()
    {
        closeInput();
        wait();
        ::close(output_);
        ::close(errors_);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    std::string stdoutLine() { return readLine(output_); }
    // Reads stderr up to and including the first line holding text; false at end of output.
    bool stderrUntil(const std::string& text)
    {
        for (;;) {
            const std::string line = readLine(errors_, &ended_);
            if (line.find(text) != std::string::npos)
                return true;
            if (ended_)
                return false;
        }
    }
    void writeLine() { (void)!::write(input_, "\n", 1); }
    void closeInput()
    {
        if (input_ >= 0)
            ::close(input_);
        input_ = -1;
    }
    void interrupt() { ::kill(pid_, SIGINT); }
    int wait()
    {
        if (pid_ > 0) {
            int status = 0;
            ::waitpid(pid_, &status, 0);
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            pid_ = -1;
        }
        return status_;
    }

private:
    static std::string readLine(int fd, bool* ended = nullptr)
    {
        std::string line;
        char c = 0;
        for (;;) {
            const ssize_t n = ::read(fd, &c, 1);
            if (n <= 0) {
                if (ended != nullptr)
                    *ended = true;
                return line;
            }
            if (c == '\n')
                return line;
            line.push_back(c);
        }
    }

    pid_t pid_ = -1;
    int status_ = -1;
    int input_ = -1;
    int output_ = -1;
    int errors_ = -1;
    bool ended_ = false;
};

TEST(CliReceive, simulatedUsbWritesWhatDecodeWritesAndTheRawStream)
{
    ScratchFolder folder;
    const CliRun received = runCli({"receive", "--usb-sim", sampleCapture, "-o", (folder / "usb.gj").string()});
    ASSERT_EQ(received.status, 0) << received.err;
    EXPECT_NE(received.err.find("100% (588/588 bytes)"), std::string::npos) << received.err;
    const CliRun decoded = runCli({"decode", sampleCapture, "-o", (folder / "decoded.gj").string()});
    ASSERT_EQ(decoded.status, 0) << decoded.err;
    EXPECT_EQ(fileContent(folder / "usb.gj"), fileContent(folder / "decoded.gj"));
    EXPECT_EQ(fileContent(folder / "usb.raw"), fileContent(sampleCapture));
}

// stderr of a run of the CLI on a pseudo-terminal, as a user's shell gives it.
std::string stderrOnTerminal(const std::vector<std::string>& args)
{
    int master = -1;
    int slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, slave, 2);
    std::vector<std::string> all{TRELLON_CLI};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& arg : all)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const bool spawned = ::posix_spawn(&pid, TRELLON_CLI, &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(slave);
    std::string err;
    char buffer[256];
    // The master reads until the child's end closes the terminal (EIO).
    for (ssize_t n; spawned && (n = ::read(master, buffer, sizeof buffer)) > 0;)
        err.append(buffer, static_cast<std::size_t>(n));
    if (spawned)
        ::waitpid(pid, nullptr, 0);
    ::close(master);
    return err;
}

TEST(CliReceive, progressIsRewrittenInPlaceOnlyOnATerminal)
{
    ScratchFolder folder;
    const std::vector<std::string> args{"receive", "--usb-demo", "-o", (folder / "demo.gj").string()};

    const CliRun logged = runCli(args);
    ASSERT_EQ(logged.status, 0) << logged.err;
    EXPECT_EQ(logged.err.find('\r'), std::string::npos) << logged.err;
    std::vector<std::string> progressLines;
    for (std::size_t at = 0; at < logged.err.size();) {
        const std::size_t end = std::min(logged.err.find('\n', at), logged.err.size());
        if (logged.err.compare(at, 10, "receiving:") == 0)
            progressLines.push_back(logged.err.substr(at, end - at));
        at = end + 1;
    }
    ASSERT_EQ(progressLines.size(), 4u) << "a line per quarter: " << logged.err;
    EXPECT_EQ(progressLines.back(), "receiving: 100% (588/588 bytes)");

    const std::string live = stderrOnTerminal(args);
    EXPECT_NE(live.find("\rreceiving: 100% (588/588 bytes)"), std::string::npos) << live;
}

TEST(CliReceive, builtInInstrumentServesTheBundledSurvey)
{
    ScratchFolder folder;
    const CliRun received = runCli({"receive", "--usb-demo", "-o", (folder / "demo.gj").string()});
    ASSERT_EQ(received.status, 0) << received.err;
    EXPECT_EQ(fileContent(folder / "demo.gj"), fileContent(TRELLON_SOURCE_DIR "/data/samples/site-survey-received.gj"));
    EXPECT_EQ(fileContent(folder / "demo.raw"), fileContent(sampleCapture));
}

TEST(CliReceive, serialThroughThePseudoTerminalWritesWhatDecodeWrites)
{
    ScratchFolder folder;
    Child sim(TRELLON_SIM, {"--serial", sampleCapture, "--fast"});
    const std::string port = sim.stdoutLine();
    ASSERT_FALSE(port.empty());
    Child cli(TRELLON_CLI, {"receive", "--serial", port, "-o", (folder / "serial.gj").string()});
    ASSERT_TRUE(cli.stderrUntil("receiving on"));
    sim.writeLine();
    ASSERT_EQ(cli.wait(), 0);
    ASSERT_EQ(runCli({"decode", sampleCapture, "-o", (folder / "decoded.gj").string()}).status, 0);
    EXPECT_EQ(fileContent(folder / "serial.gj"), fileContent(folder / "decoded.gj"));
    EXPECT_EQ(fileContent(folder / "serial.raw"), fileContent(sampleCapture));
}

TEST(CliReceive, interruptCancelsAndLeavesNoFile)
{
    ScratchFolder folder;
    Child sim(TRELLON_SIM, {"--serial", sampleCapture, "--fast"});
    const std::string port = sim.stdoutLine();
    ASSERT_FALSE(port.empty());
    Child cli(TRELLON_CLI, {"receive", "--serial", port, "-o", (folder / "out.gj").string()});
    ASSERT_TRUE(cli.stderrUntil("receiving on"));
    cli.interrupt();
    EXPECT_TRUE(cli.stderrUntil("cancelled"));
    EXPECT_EQ(cli.wait(), 1);
    EXPECT_EQ(folder.entries(), 0u);
}

TEST(CliReceive, failuresExit1WithoutFiles)
{
    ScratchFolder folder;
    writeFile(folder / "noise.cap", std::string(40, '\x01'));
    const CliRun notAFrame =
        runCli({"receive", "--usb-sim", (folder / "noise.cap").string(), "-o", (folder / "out.gj").string()});
    EXPECT_EQ(notAFrame.status, 1);
    const CliRun noPort =
        runCli({"receive", "--serial", (folder / "ttyNone").string(), "-o", (folder / "out.gj").string()});
    EXPECT_EQ(noPort.status, 1);
    EXPECT_NE(noPort.err.find("不能打开串口!"), std::string::npos) << noPort.err;
    EXPECT_EQ(folder.entries(), 1u) << "only the capture";
}

// The lines of stderr after the progress line, which carriage returns keep rewriting.
std::vector<std::string> messageLines(const std::string& err)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < err.size()) {
        const std::size_t end = std::min(err.find('\n', at), err.size());
        const std::string line = err.substr(at, end - at);
        if (line.find('\r') == std::string::npos && !line.starts_with("receiving"))
            lines.push_back(line);
        at = end + 1;
    }
    return lines;
}

TEST(CliReceive, eachFailureEndsWithItsOwnLine)
{
    ScratchFolder folder;
    const std::string capture = fileContent(sampleCapture);
    std::string backwards = capture;
    backwards[12 + 7 + 6] = 0; // second member's offset before the first's ...
    backwards[12 + 6] = 5;     // ... which starts after it
    writeFile(folder / "backwards.cap", backwards);
    writeFile(folder / "empty.cap", std::string("\x55\0\0\0\0\0\0\0\0\x02\0\0\x07\x08", 14));
    const std::string raw = (folder / "out.raw").string();
    const std::string out = (folder / "out.gj").string();

    const CliRun refused = runCli({"receive", "--usb-sim", (folder / "backwards.cap").string(), "-o", out});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(messageLines(refused.err),
              (std::vector<std::string>{"数据传输结束",
                                        "trellon-cli: directory entry 2 starts at sample offset 0, before the previous "
                                        "member's 5 (offset 23); the bytes received are kept in " +
                                            raw}));
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(fileContent(raw), backwards);
    fs::remove(raw);

    const CliRun empty = runCli({"receive", "--usb-sim", (folder / "empty.cap").string(), "-o", out});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(messageLines(empty.err),
              (std::vector<std::string>{
                  "数据传输结束",
                  "trellon-cli: the frame holds no members: nothing to write; the bytes received are kept in " + raw}));
    EXPECT_FALSE(fs::exists(out));
    fs::remove(raw);

    const std::string missing = (folder / "missing" / "out.gj").string();
    const CliRun unwritable = runCli({"receive", "--usb-demo", "-o", missing});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(messageLines(unwritable.err),
              (std::vector<std::string>{"数据传输结束", "trellon-cli: cannot create the project file (" + missing +
                                                            ": No such file or directory)"}));

    const std::string noPort = (folder / "ttyNone").string();
    const CliRun unopened = runCli({"receive", "--serial", noPort, "-o", out});
    EXPECT_EQ(unopened.status, 1);
    EXPECT_EQ(messageLines(unopened.err), std::vector<std::string>{"trellon-cli: 不能打开串口! (" + noPort +
                                                                   ": cannot open: No such file or directory)"});

    // No instrument is attached to these machines.
    const CliRun noDevice = runCli({"receive", "--usb", "6", "-o", out});
    EXPECT_EQ(noDevice.status, 1);
    const auto deviceLines = messageLines(noDevice.err);
    ASSERT_EQ(deviceLines.size(), 1u) << noDevice.err;
    EXPECT_TRUE(deviceLines[0].starts_with("trellon-cli: DEBUG372: 打开设备失败！ (")) << deviceLines[0];

    EXPECT_EQ(folder.entries(), 2u) << "only the captures";
}

TEST(CliReceive, badArgumentsExit2)
{
    EXPECT_EQ(runCli({"receive", "-o", "x.gj"}).status, 2);
    EXPECT_EQ(runCli({"receive", "--usb", "1", "--usb-sim", "c", "-o", "x.gj"}).status, 2);
    EXPECT_EQ(runCli({"receive", "--usb", "1", "--usb-id", "43485537", "-o", "x.gj"}).status, 2);
    EXPECT_EQ(runCli({"receive", "--usb", "7", "-o", "x.gj"}).status, 2);
    EXPECT_EQ(runCli({"receive", "--usb-sim", "c"}).status, 2);
}

} // namespace
} // namespace trellon
