// Link benchmarks: the USB reader against a zero-latency simulated instrument and the serial poll path.
#include "ratioreport.h"

#include "link/framebuilder.h"
#include "link/framedecoder.h"
#include "link/serialreceiver.h"
#include "link/simulatedusbdevice.h"
#include "link/transferframe.h"
#include "link/usblink.h"
#include "model/projectfile.h"
#include "seriallink/serialporttransport.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <thread>

namespace {

using namespace trellon;

constexpr double ratioGoal = 2.0;
constexpr int fullMemoryMembers = 1004; // 12 + 7 × 1004 = 7040 bytes: the directory fills blocks 0 to 219
constexpr std::size_t fullSampleArea = instrumentMemorySize - sampleAreaAddress;
constexpr std::size_t serialFrameSize = 64 * 1024;

std::vector<std::uint8_t> frameOf(int members, std::size_t samples)
{
    std::vector<InstrumentMember> list(static_cast<std::size_t>(members));
    for (std::size_t k = 0; k < list.size(); ++k) {
        list[k].number = static_cast<std::uint16_t>(1001 + k % 999);
        list[k].diameter = 20;
    }
    for (std::size_t m = 0; m < samples; ++m)
        list[m % list.size()].readings.push_back(static_cast<std::uint8_t>(20 + m % 40));
    return buildTransferFrame(list);
}

class Quiet : public TransferObserver {
public:
    // The files cannot be written (see absentPath); the frame was received and decoded all the same.
    void transferEnded(TransferReport report) override
    {
        received += report.outcome == TransferOutcome::cannotWriteReceivedFile;
    }
    std::int64_t received = 0;
};

// The received-data files go to a missing folder: the disk is not part of what is measured.
std::string absentPath()
{
    return (std::filesystem::temp_directory_path() / "trellon-link-bench-absent" / "received.gj").string();
}

// The blocks the reader asks for, in its order: the directory from block 0, the sample area from block 220.
std::vector<std::pair<std::uint32_t, std::size_t>> blockSchedule(const std::vector<std::uint8_t>& frame)
{
    const std::size_t directory = frameHeaderSize + directoryEntrySize * ((std::size_t{frame[10]} << 8) | frame[11]);
    const std::size_t samples = frame.size() - directory;
    std::vector<std::pair<std::uint32_t, std::size_t>> schedule;
    for (std::size_t at = 0; at < directory; at += usbBlockSize)
        schedule.emplace_back(static_cast<std::uint32_t>(at / usbBlockSize), std::min(usbBlockSize, directory - at));
    for (std::size_t at = 0; at < samples; at += usbBlockSize)
        schedule.emplace_back(static_cast<std::uint32_t>(sampleAreaFirstBlock + at / usbBlockSize), usbBlockSize);
    return schedule;
}

std::vector<bench::RatioRow> registerUsbBenchmarks(const std::vector<std::uint8_t>& frame)
{
    auto memory = layOutInstrumentMemory(frame);
    if (!memory)
        throw std::runtime_error(memory.error().describe());
    const auto schedule = blockSchedule(frame);
    const auto blocks = static_cast<double>(schedule.size());
    std::printf("USB: full memory, %zu blocks a transfer (the instrument's memory holds 4096)\n", schedule.size());

    benchmark::RegisterBenchmark("usbReader",
                                 [memory = memory.value(), blocks](benchmark::State& state) {
                                     Quiet quiet;
                                     SimulatedUsbDevice device(memory);
                                     TransferSession session(quiet);
                                     session.setReceivedFilePath(absentPath());
                                     UsbLink link(device, session);
                                     for (auto _ : state) {
                                         device.rewind();
                                         link.start();
                                         link.waitUntilFinished();
                                     }
                                     if (quiet.received != state.iterations())
                                         state.SkipWithError("a transfer did not complete");
                                     state.counters["blocks/s"] = benchmark::Counter(
                                         blocks * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);

    // The same requests, reads and feeds on the calling thread, without the link around them.
    benchmark::RegisterBenchmark(
        "bareBlockLoop",
        [memory = memory.value(), schedule, blocks](benchmark::State& state) {
            std::int64_t decoded = 0;
            SimulatedUsbDevice device(memory);
            std::array<std::uint8_t, usbBlockSize> block{};
            FrameDecoder decoder;
            for (auto _ : state) {
                device.rewind();
                decoder.reset();
                (void)device.open();
                (void)device.openPipes();
                for (const auto& [index, length] : schedule) {
                    const std::array<std::uint8_t, 2> request{static_cast<std::uint8_t>(index >> 8),
                                                              static_cast<std::uint8_t>(index)};
                    (void)device.write(request, std::chrono::milliseconds{0});
                    (void)device.read(block, std::chrono::milliseconds{0});
                    auto completed = decoder.feedReceivedBytes(static_cast<std::int32_t>(length), block.data());
                    if (completed && completed->project.ok()) {
                        // Writing is attempted as the session does, and fails alike at creation.
                        (void)writeProjectFile(absentPath(), *completed->project.value());
                        ++decoded;
                    }
                }
                device.close();
            }
            if (decoded != state.iterations())
                state.SkipWithError("a frame did not complete");
            state.counters["blocks/s"] =
                benchmark::Counter(blocks * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
        })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);

    return {{"USB reader, full memory / bare block loop", "usbReader", "bareBlockLoop"}};
}

struct PseudoTerminal {
    PseudoTerminal()
    {
        termios raw{};
        ::cfmakeraw(&raw);
        if (::openpty(&master, &slave, nullptr, &raw, nullptr) != 0)
            throw std::runtime_error("cannot open a pseudo-terminal");
        path = ::ttyname(slave);
    }
    ~PseudoTerminal()
    {
        ::close(master);
        ::close(slave);
    }
    int master = -1;
    int slave = -1;
    std::string path;
};

void sendAll(int fd, const std::vector<std::uint8_t>& bytes)
{
    std::size_t at = 0;
    while (at < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + at, bytes.size() - at);
        if (n <= 0)
            return;
        at += static_cast<std::size_t>(n);
    }
}

std::vector<bench::RatioRow> registerSerialBenchmarks(const std::vector<std::uint8_t>& frame)
{
    std::printf("serial: %zu-byte frame through a pseudo-terminal; the instrument sends 240 bytes/s at 2400 baud\n",
                frame.size());

    // Polls without pause while a thread sends the frame at full speed.
    benchmark::RegisterBenchmark("serialPoll",
                                 [&frame](benchmark::State& state) {
                                     PseudoTerminal pty;
                                     Quiet quiet;
                                     TransferSession session(quiet);
                                     session.setReceivedFilePath(absentPath());
                                     SerialPortTransport port;
                                     port.setPortPath(pty.path);
                                     SerialReceiver receiver(port, session);
                                     for (auto _ : state) {
                                         if (!receiver.start()) {
                                             state.SkipWithError("cannot open the pseudo-terminal");
                                             break;
                                         }
                                         std::thread sender(sendAll, pty.master, std::cref(frame));
                                         while (receiver.polling())
                                             receiver.pollSerialPort();
                                         sender.join();
                                     }
                                     if (quiet.received != state.iterations())
                                         state.SkipWithError("a frame did not complete");
                                     state.SetBytesProcessed(state.iterations() *
                                                             static_cast<std::int64_t>(frame.size()));
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);

    // The same bytes read straight from the terminal in 1024-byte reads.
    benchmark::RegisterBenchmark("bareTerminalRead",
                                 [&frame](benchmark::State& state) {
                                     PseudoTerminal pty;
                                     const int fd = ::open(pty.path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
                                     std::array<std::uint8_t, 1024> buffer{};
                                     for (auto _ : state) {
                                         std::thread sender(sendAll, pty.master, std::cref(frame));
                                         std::size_t got = 0;
                                         while (got < frame.size()) {
                                             const ssize_t n = ::read(fd, buffer.data(), buffer.size());
                                             if (n > 0)
                                                 got += static_cast<std::size_t>(n);
                                         }
                                         sender.join();
                                     }
                                     ::close(fd);
                                     state.SetBytesProcessed(state.iterations() *
                                                             static_cast<std::int64_t>(frame.size()));
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);

    return {{"serial poll path / bare terminal reads", "serialPoll", "bareTerminalRead"}};
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    try {
        QCoreApplication application(argc, argv);
        const auto usbFrame = frameOf(fullMemoryMembers, fullSampleArea);
        const auto serialFrame = frameOf(100, serialFrameSize);
        auto rows = registerUsbBenchmarks(usbFrame);
        const auto serialRows = registerSerialBenchmarks(serialFrame);
        rows.insert(rows.end(), serialRows.begin(), serialRows.end());
        return bench::runWithRatioTable(rows, ratioGoal);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trellon-link-bench: %s\n", e.what());
        return 1;
    }
}
