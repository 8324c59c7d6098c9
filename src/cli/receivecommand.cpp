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

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <optional>

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

// Progress on stderr; the link's messages kept for the one closing line (the end-of-transfer note is printed).
class ConsoleTransfer : public TransferObserver, public LinkMessages {
public:
    void showLinkMessage(const LinkMessage& message) override
    {
        const std::lock_guard lock(mutex_);
        if (!message.error && message.text == transferFinishedMessage.text) {
            endProgressLine();
            std::cerr << message.text << '\n';
            return;
        }
        std::string text(message.text);
        if (message.caption != linkApplicationCaption)
            text = std::string(message.caption) + ": " + text;
        lastMessage_ = text;
    }

    void transferProgress(const TransferProgress& progress) override
    {
        const std::lock_guard lock(mutex_);
        if (progress.total > 0)
            std::fprintf(stderr, "\rreceiving: %3d%% (%lld/%lld bytes)",
                         static_cast<int>(progress.received * 100 / progress.total),
                         static_cast<long long>(progress.received), static_cast<long long>(progress.total));
        else
            std::fprintf(stderr, "\rreceiving: %lld bytes", static_cast<long long>(progress.received));
        std::fflush(stderr);
        progressShown_ = true;
    }

    void transferEnded(TransferResult result) override
    {
        const std::lock_guard lock(mutex_);
        result_ = std::move(result);
        ended_.notify_all();
    }

    // Waits until the transfer ends or Ctrl-C arrives; true when it ended.
    bool waitForEnd(std::chrono::milliseconds slice)
    {
        std::unique_lock lock(mutex_);
        return ended_.wait_for(lock, slice, [this] { return result_.has_value(); });
    }
    bool ended()
    {
        const std::lock_guard lock(mutex_);
        return result_.has_value();
    }

    // The exit status and the one closing line.
    int finish()
    {
        const std::lock_guard lock(mutex_);
        endProgressLine();
        if (!result_)
            return fail("the transfer did not end");
        TransferResult& result = *result_;
        const std::string rawKept = result.rawSaved && result.rawSaved->ok()
                                        ? "; the bytes received are kept in " + result.rawFilePath
                                        : std::string();
        switch (result.ending) {
        case TransferEnding::cancelled:
            return fail("transfer cancelled; nothing was written");
        case TransferEnding::linkEnded: {
            std::string line = lastMessage_.empty() ? "the link closed before the frame was complete" : lastMessage_;
            if (result.error)
                line += lastMessage_.empty() ? ": " + result.error->describe() : " (" + result.error->describe() + ")";
            return fail(line);
        }
        case TransferEnding::refused:
            return fail((result.error ? result.error->describe() : std::string("frame refused")) + rawKept);
        case TransferEnding::received:
            break;
        }
        if (!result.projectSaved->ok())
            return fail(result.projectSaved->error().describe() + rawKept);
        if (!result.rawSaved->ok())
            return fail(result.rawSaved->error());
        if (result.projectSaved->value() == SaveOutcome::nothingToWrite)
            return fail("the frame holds no members: nothing to write" + rawKept);
        std::cout << result.receivedFilePath << ": " << result.project->memberCount() << " members\n";
        return exitSuccess;
    }

private:
    void endProgressLine()
    {
        if (progressShown_)
            std::cerr << '\n';
        progressShown_ = false;
    }

    std::mutex mutex_;
    std::condition_variable ended_;
    std::optional<TransferResult> result_;
    std::string lastMessage_;
    bool progressShown_ = false;
};

constexpr std::chrono::milliseconds interruptCheck{50};

int receiveOverUsb(UsbBlockDevice& device, TransferSession& session, ConsoleTransfer& console)
{
    UsbLink link(device, session, console);
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
    SerialLink link(session, console);
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

std::vector<UsbId> usbIds(const Arguments& arguments)
{
    std::vector<UsbId> ids = defaultUsbIds();
    if (const auto text = arguments.value("--usb-id")) {
        const auto id = parseUsbId(*text);
        if (!id)
            throw UsageError("--usb-id needs VVVV:PPPP in hexadecimal");
        ids.push_back(*id);
    }
    return ids;
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

    ConsoleTransfer console;
    TransferSession session(console, console);
    session.setReceivedFilePath(outputPath);
    const InterruptGuard interruptGuard;

    if (const auto port = arguments.value("--serial"))
        return receiveOverSerial(resolveSerialPort(*port, availableSerialPorts()), session, console);

    if (arguments.has("--usb")) {
        const long number = arguments.numberOr("--usb", 1, 1);
        if (number > 6)
            throw UsageError("--usb needs a device number from 1 to 6");
        LibusbDevice device(static_cast<int>(number - 1), usbIds(arguments));
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
