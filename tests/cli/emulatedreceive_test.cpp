// trellon-cli receive and ports on emulated devices: the instrument on USB through the real libusb, and a USB
// serial adapter found through the system's port list.
#include "clirunner.h"
#include "link/simulatedusbdevice.h"
#include "support/emulatedserialadapter.h"
#include "support/emulatedusbinstrument.h"
#include "support/randomcapture.h"

#include <gtest/gtest.h>

#include <memory>

namespace trellon {
namespace {

using namespace trellon::testing;

const std::string surveyCapture = TRELLON_SOURCE_DIR "/data/samples/site-survey.transfer";

std::vector<std::uint8_t> bytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> memoryHolding(const std::string& capture)
{
    auto memory = layOutInstrumentMemory(bytesOf(capture));
    EXPECT_TRUE(memory.ok());
    return memory.ok() ? std::move(memory).value() : std::vector<std::uint8_t>{};
}

class EmulatedReceiveTest : public ::testing::Test {
protected:
    EmulatedUsbInstrument& plugIn(const std::string& capture, UsbPlace place = {}, UsbInstrumentFaults faults = {})
    {
        instruments.push_back(std::make_unique<EmulatedUsbInstrument>(devices, memoryHolding(capture), place, faults));
        return *instruments.back();
    }

    // Receives with the options given, then checks the file against what decode makes of the capture.
    void expectReceivedAsDecoded(const std::string& capture, const std::vector<std::string>& source)
    {
        writeFile(folder / "capture", capture);
        std::vector<std::string> args{"receive"};
        args.insert(args.end(), source.begin(), source.end());
        args.insert(args.end(), {"-o", (folder / "received.gj").string()});
        const CliRun received = runCli(args);
        ASSERT_EQ(received.status, 0) << received.err;
        const CliRun decoded =
            runCli({"decode", (folder / "capture").string(), "-o", (folder / "decoded.gj").string()});
        ASSERT_EQ(decoded.status, 0) << decoded.err;
        EXPECT_EQ(fileContent(folder / "received.gj"), fileContent(folder / "decoded.gj"));
        EXPECT_EQ(fileContent(folder / "received.raw"), capture);
    }

    EmulatedDevices devices; // outlives what is plugged into it
    std::vector<std::unique_ptr<EmulatedUsbInstrument>> instruments;
    ScratchFolder folder;
};

class EmulatedUsbReceiveTest : public EmulatedReceiveTest, public ::testing::WithParamInterface<std::uint32_t> {};

// Seed 0 stands for the bundled survey.
TEST_P(EmulatedUsbReceiveTest, writesWhatDecodeWritesAndKeepsTheCapture)
{
    const std::vector<std::uint8_t> random = randomCapture(GetParam());
    const std::string capture =
        GetParam() == 0 ? fileContent(surveyCapture) : std::string(random.begin(), random.end());
    plugIn(capture);
    expectReceivedAsDecoded(capture, {"--usb", "1"});
}

INSTANTIATE_TEST_SUITE_P(Captures, EmulatedUsbReceiveTest, ::testing::Values(0u, 11u, 12u, 13u));

// The instrument a --usb number picks, told by the line of `ports` that names it.
TEST_F(EmulatedReceiveTest, portsTellsWhichNumberPicksWhichInstrument)
{
    const std::vector<std::uint8_t> first = randomCapture(21);
    const std::vector<std::uint8_t> second = randomCapture(22);
    plugIn({first.begin(), first.end()}, {1, 4, {0x4348, 0x5537}});
    plugIn({second.begin(), second.end()}, {3, 7, {0x1a86, 0x5537}});

    const CliRun ports = runCli({"ports"});
    ASSERT_EQ(ports.status, 0) << ports.err;
    const bool firstListedFirst = ports.out.starts_with("--usb 1\tbus 1 address 4\t4348:5537\n");
    EXPECT_EQ(ports.out, firstListedFirst
                             ? "--usb 1\tbus 1 address 4\t4348:5537\n--usb 2\tbus 3 address 7\t1a86:5537\n"
                             : "--usb 1\tbus 3 address 7\t1a86:5537\n--usb 2\tbus 1 address 4\t4348:5537\n");
    EXPECT_EQ(ports.err, "") << "serial ports are optional; instruments were found";

    const std::vector<std::uint8_t>& pickedByTwo = firstListedFirst ? second : first;
    expectReceivedAsDecoded({pickedByTwo.begin(), pickedByTwo.end()}, {"--usb", "2"});
}

TEST_F(EmulatedReceiveTest, anInstrumentWithOtherIdsIsFoundOnlyWithUsbId)
{
    const std::string capture = fileContent(surveyCapture);
    plugIn(capture, {1, 5, {0x1234, 0xabcd}});

    const CliRun notFound = runCli({"receive", "--usb", "1", "-o", (folder / "out.gj").string()});
    EXPECT_EQ(notFound.status, 1);
    EXPECT_EQ(notFound.err, "trellon-cli: DEBUG372: 打开设备失败！ (USB device 1: No such device (it may have been "
                            "disconnected))\n");
    EXPECT_EQ(folder.entries(), 0u);
    EXPECT_EQ(runCli({"ports"}).err, "no instrument found\n");
    EXPECT_EQ(runCli({"ports", "--usb-id", "1234:ABCD"}).out, "--usb 1\tbus 1 address 5\t1234:abcd\n");

    expectReceivedAsDecoded(capture, {"--usb", "1", "--usb-id", "1234:abcd"});
}

TEST_F(EmulatedReceiveTest, anInstrumentUnpluggedMidwayEndsWithOneLineAndNoFiles)
{
    UsbInstrumentFaults unplugged;
    unplugged.vanishAtBlock = 222;
    plugIn(fileContent(surveyCapture), {}, unplugged);
    const CliRun run = runCli({"receive", "--usb", "1", "-o", (folder / "out.gj").string()});
    EXPECT_EQ(run.status, 1);
    const std::string last = run.err.substr(run.err.rfind('\n', run.err.size() - 2) + 1);
    EXPECT_TRUE(last.starts_with("trellon-cli: the link closed before the frame was complete: block 222: USB 1-2 "
                                 "1a86:5537: read: No such device"))
        << run.err;
    EXPECT_EQ(folder.entries(), 0u) << "no half file";
}

TEST_F(EmulatedReceiveTest, portsListsTheSerialAdapterAndTheInstrument)
{
    EmulatedSerialAdapter adapter(devices);
    plugIn(fileContent(surveyCapture));
    const CliRun ports = runCli({"ports"});
    EXPECT_EQ(ports.status, 0);
    EXPECT_EQ(ports.out, "--serial 1\t/dev/ttyUSB0\tUSB Serial\t1a86:7523\n--usb 1\tbus 1 address 2\t1a86:5537\n");
    EXPECT_EQ(ports.err, "");
}

TEST_F(EmulatedReceiveTest, portsWithNoInstrumentAttachedSaysSoAndSucceeds)
{
    plugIn(fileContent(surveyCapture), {1, 3, {0x046d, 0xc077}}); // a mouse
    const CliRun ports = runCli({"ports"});
    EXPECT_EQ(ports.status, 0);
    EXPECT_EQ(ports.out, "");
    EXPECT_EQ(ports.err, "no instrument found\n");
}

TEST_F(EmulatedReceiveTest, theSerialAdapterDeliversWhatDecodeWrites)
{
    EmulatedSerialAdapter adapter(devices);
    const std::string capture = fileContent(surveyCapture);
    adapter.sendWhenConfigured(bytesOf(capture));
    expectReceivedAsDecoded(capture, {"--serial", "1"});
    EXPECT_TRUE(adapter.configured());
}

TEST_F(EmulatedReceiveTest, anAdapterUnpluggedMidwayEndsWithTheSerialLinksLineAndNoFiles)
{
    EmulatedSerialAdapter adapter(devices);
    adapter.sendWhenConfigured(bytesOf(fileContent(surveyCapture)), 200);
    const CliRun run =
        runCli({"receive", "--serial", EmulatedSerialAdapter::devicePath, "-o", (folder / "out.gj").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("trellon-cli: 串口已断开，数据传输中断! (/dev/ttyUSB0: the port is gone (adapter "
                           "unplugged?))\n"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(folder.entries(), 0u) << "no half file";
}

} // namespace
} // namespace trellon
