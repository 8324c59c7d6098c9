// trellon-cli receive: one transfer from the instrument over serial, USB or the simulated instrument.
#include "clicommand.h"

#include "link/demotransfer.h"
#include "link/libusbdevice.h"
#include "link/simulatedusbdevice.h"
#include "link/usblink.h"
#include "model/atomicfile.h"
#include "seriallink/seriallink.h"
#include "seriallink/serialports.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <optional>
#include <unistd.h>

namespace trellon::cli {
namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int)
{
    interrupted.store(true);
}

// Ctrl-C asks for a cancel once; a second one ends the program the usual way.
class InterruptGuard {
public:
    InterruptGuard()
    {
        interrupted.store(false);
        struct sigaction action {};
        action.sa_handler = onInterrupt;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, &previous_);
    }
    ~InterruptGuard() { ::sigaction(SIGINT, &previous_, nullptr); }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    struct sigaction previous_ {};
};

// A link failure in the instrument's words, then what the system said.
std::string linkFailure(const std::string& text, const std::optional<Error>& detail)
{
    return detail ? text + " (" + detail->describe() + ")" : text;
}

std::string describe(const std::optional<Error>& detail, const std::string& otherwise)
{
    return detail ? detail->describe() : otherwise;
}

// The closing line of a transfer that did not end well; nothing for a complete one.
std::optional<std::string> receiveFailureLine(const TransferReport& report)
{
    const std::string rawKept = report.frameArrived() && !report.rawStreamNotWritten
                                    ? "; the bytes received are kept in " + report.rawFilePath
                                    : std::string();
    switch (report.outcome) {
    case TransferOutcome::completed:
        if (report.rawStreamNotWritten)
            return report.rawStreamNotWritten->describe();
        return std::nullopt;
    case TransferOutcome::noMembers:
        if (report.rawStreamNotWritten)
            return report.rawStreamNotWritten->describe();
        return "the frame holds no members: nothing to write" + rawKept;
    case TransferOutcome::cannotWriteReceivedFile:
        return describe(report.detail, "cannot write " + report.receivedFilePath) + rawKept;
    case TransferOutcome::frameRefused:
        return describe(report.detail, "frame refused") + rawKept;
    case TransferOutcome::cancelled:
        return "transfer cancelled; nothing was written";
    case TransferOutcome::cannotOpenPort:
        return linkFailure("不能打开串口!", report.detail);
    case TransferOutcome::portLost:
        return linkFailure("串口已断开，数据传输中断!", report.detail);
    case TransferOutcome::cannotOpenDevice:
        return linkFailure("DEBUG372: 打开设备失败！", report.detail);
    case TransferOutcome::cannotOpenPipes:
        return linkFailure("DEBUG372: 无法打开设备！", report.detail);
    case TransferOutcome::readerNotStarted:
        return linkFailure("DEBUG372: 端点2线程启动失败", report.detail);
    case TransferOutcome::deviceVanished:
        return linkFailure("DEBUG372: 端点2下传失败！如果设备断开过那么请先关闭本程序", report.detail);
    case TransferOutcome::stalled:
    case TransferOutcome::notAFrame:
    case TransferOutcome::memoryEnded:
    case TransferOutcome::linkClosed:
        break;
    }
    const std::string line = "the link closed before the frame was complete";
    return report.detail ? line + ": " + report.detail->describe() : line;
}

// Progress and the end of the transfer on stderr; the report kept for the one closing line. On a terminal the
// progress line is rewritten in place; elsewhere (a pipe, a log file) a line is written at each quarter.
class ConsoleTransfer : public TransferObserver {
public:
    explicit ConsoleTransfer(bool liveProgress) : liveProgress_(liveProgress) {}

    void frameCompleted(LinkKind, const Project*) override
    {
        const std::lock_guard lock(mutex_);
        endProgressLine();
        std::cerr << "数据传输结束\n";
    }

    void transferProgress(const TransferProgress& progress) override
    {
        const std::lock_guard lock(mutex_);
        if (liveProgress_)
            showLiveProgress(progress);
        else
            logQuarter(progress);
    }

    void transferEnded(TransferReport report) override
    {
        const std::lock_guard lock(mutex_);
        report_ = std::move(report);
        ended_.notify_all();
    }

    // Waits until the transfer ends or Ctrl-C arrives; true when it ended.
    bool waitForEnd(std::chrono::milliseconds slice)
    {
        std::unique_lock lock(mutex_);
        return ended_.wait_for(lock, slice, [this] { return report_.has_value(); });
    }
    bool ended()
    {
        const std::lock_guard lock(mutex_);
        return report_.has_value();
    }

    // The exit status and the one closing line.
    int finish()
    {
        const std::lock_guard lock(mutex_);
        endProgressLine();
        if (!report_)
            return fail("the transfer did not end");
        if (const auto failure = receiveFailureLine(*report_))
            return fail(*failure);
        std::cout << report_->receivedFilePath << ": " << report_->project->memberCount() << " members\n";
        return exitSuccess;
    }

private:
    void showLiveProgress(const TransferProgress& progress)
    {
        if (progress.total > 0)
            printProgress(progress, "\r", "");
        else
            std::fprintf(stderr, "\rreceiving: %lld bytes", static_cast<long long>(progress.received));
        std::fflush(stderr);
        progressShown_ = true;
    }

    void logQuarter(const TransferProgress& progress)
    {
        if (progress.total <= 0)
            return;
        const int quarter = static_cast<int>(std::min(progress.received, progress.total) * 4 / progress.total);
        if (quarter <= quartersLogged_)
            return;
        quartersLogged_ = quarter;
        printProgress(progress, "", "\n");
        std::fflush(stderr);
    }

    static void printProgress(const TransferProgress& progress, const char* before, const char* after)
    {
        std::fprintf(stderr, "%sreceiving: %3d%% (%lld/%lld bytes)%s", before,
                     static_cast<int>(progress.received * 100 / progress.total),
                     static_cast<long long>(progress.received), static_cast<long long>(progress.total), after);
    }

    void endProgressLine()
    {
        if (progressShown_)
            std::cerr << '\n';
        progressShown_ = false;
    }

    std::mutex mutex_;
    std::condition_variable ended_;
    std::optional<TransferReport> report_;
    const bool liveProgress_;
    bool progressShown_ = false;
    int quartersLogged_ = 0;
};

constexpr std::chrono::milliseconds interruptCheck{50};

int receiveOverUsb(UsbBlockDevice& device, TransferSession& session, ConsoleTransfer& console)
{
    UsbLink link(device, session);
    if (link.start()) {
        while (!console.waitForEnd(interruptCheck)) {
            if (interrupted.load()) {
                link.cancel();
                break;
            }
        }
    }
    // The stop request has been sent and the device closed once the reader is gone.
    link.waitUntilFinished();
    return console.finish();
}

int receiveOverSerial(const std::string& port, TransferSession& session, ConsoleTransfer& console)
{
    int argc = 1;
    char name[] = "trellon-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    SerialLink link(session);
    if (link.start(port)) {
        std::cerr << "receiving on " << port << "; start sending on the instrument\n";
        while (!console.ended()) {
            if (interrupted.load()) {
                link.cancel();
                break;
            }
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, static_cast<int>(interruptCheck.count()));
        }
    }
    link.cancel();
    return console.finish();
}

} // namespace

int runReceiveCommand(const std::vector<std::string>& args)
{
    const Arguments arguments(args, {"-o", "--serial", "--usb", "--usb-id", "--usb-sim"}, {"--usb-demo"});
    if (!arguments.positional().empty())
        throw UsageError("unexpected argument " + arguments.positional().front());
    const std::string& outputPath = arguments.requireValue("-o");
    const int sources =
        arguments.has("--serial") + arguments.has("--usb") + arguments.has("--usb-sim") + arguments.has("--usb-demo");
    if (sources != 1)
        throw UsageError("give one of --serial PORT, --usb N, --usb-sim CAPTURE, --usb-demo");
    if (arguments.has("--usb-id") && !arguments.has("--usb"))
        throw UsageError("--usb-id goes with --usb");

    ConsoleTransfer console(::isatty(STDERR_FILENO) == 1);
    TransferSession session(console);
    session.setReceivedFilePath(outputPath);
    const InterruptGuard interruptGuard;

    if (const auto port = arguments.value("--serial"))
        return receiveOverSerial(resolveSerialPort(*port, availableSerialPorts()), session, console);

    if (arguments.has("--usb")) {
        const long number = arguments.numberOr("--usb", 1, 1);
        if (number > 6)
            throw UsageError("--usb needs a device number from 1 to 6");
        LibusbDevice device(static_cast<int>(number - 1), instrumentUsbIds(arguments));
        return receiveOverUsb(device, session, console);
    }

    std::vector<std::uint8_t> capture;
    if (const auto path = arguments.value("--usb-sim")) {
        auto read = readWholeFile(*path);
        if (!read)
            return fail(read.error());
        capture = std::move(read).value();
    } else {
        capture.assign(demoTransfer().begin(), demoTransfer().end());
    }
    auto memory = layOutInstrumentMemory(capture);
    if (!memory)
        return fail(memory.error());
    SimulatedUsbDevice device(std::move(memory).value());
    return receiveOverUsb(device, session, console);
}

} // namespace trellon::cli
