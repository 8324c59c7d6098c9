// The USB link through the real libusb and usbdevfs on an emulated instrument: device matching, descriptors,
// bulk transfers, faults, cancel and hotplug.
#include "link/libusbdevice.h"
#include "link/simulatedusbdevice.h"
#include "link/usbhotplugwatch.h"
#include "link/usblink.h"
#include "linktestsupport.h"
#include "model/atomicfile.h"
#include "support/emulatedusbinstrument.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace trellon {
namespace {

using namespace trellon::testing;
using namespace std::chrono_literals;

const std::string surveyCapture = TRELLON_SOURCE_DIR "/data/samples/site-survey.transfer";

std::vector<std::uint8_t> surveyFrame()
{
    auto bytes = readWholeFile(surveyCapture);
    EXPECT_TRUE(bytes.ok());
    return bytes.ok() ? std::move(bytes).value() : std::vector<std::uint8_t>{};
}

std::vector<std::uint8_t> memoryHolding(const std::vector<std::uint8_t>& frame)
{
    auto memory = layOutInstrumentMemory(frame);
    EXPECT_TRUE(memory.ok());
    return memory.ok() ? std::move(memory).value() : std::vector<std::uint8_t>{};
}

// Waits for a condition another thread makes true.
bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit = 5s)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

class EmulatedUsbTest : public ::testing::Test {
protected:
    EmulatedUsbInstrument& plugIn(const std::vector<std::uint8_t>& frame, UsbPlace place = {},
                                  UsbInstrumentFaults faults = {})
    {
        instruments.push_back(std::make_unique<EmulatedUsbInstrument>(devices, memoryHolding(frame), place, faults));
        return *instruments.back();
    }

    // Starts a transfer from the deviceIndex-th matching device, as `--usb deviceIndex+1` does.
    void start(int deviceIndex = 0, std::vector<UsbId> ids = defaultUsbIds(),
               std::chrono::milliseconds blockTimeout = UsbLink::defaultBlockTimeout)
    {
        session.setReceivedFilePath(folder.file("data.gj"));
        link.reset();
        device.emplace(deviceIndex, std::move(ids));
        link.emplace(*device, session, blockTimeout);
        started = link->start();
    }

    void transfer(int deviceIndex = 0, std::vector<UsbId> ids = defaultUsbIds(),
                  std::chrono::milliseconds blockTimeout = UsbLink::defaultBlockTimeout)
    {
        start(deviceIndex, std::move(ids), blockTimeout);
        link->waitUntilFinished();
    }

    void expectReceived(const std::vector<std::uint8_t>& frame)
    {
        ASSERT_EQ(observer.outcome(), TransferOutcome::completed) << describe(observer.report().detail);
        EXPECT_EQ(fileBytes(folder.file("data.gj")), expectedProjectFile(frame));
        EXPECT_EQ(fileBytes(folder.file("data.raw")), frame);
    }

    // Every ending: one report, the reader gone, the device closed.
    void expectEndedOnce()
    {
        EXPECT_EQ(observer.endings(), 1);
        EXPECT_FALSE(link->readerActive());
        EXPECT_FALSE(link->usbRunning());
        EXPECT_FALSE(device->isOpen());
    }

    static std::string describe(const std::optional<Error>& error) { return error ? error->describe() : "no detail"; }

    EmulatedDevices devices; // outlives the instruments plugged into it
    std::vector<std::unique_ptr<EmulatedUsbInstrument>> instruments;
    ScratchFolder folder;
    RecordingObserver observer;
    TransferSession session{observer};
    std::optional<LibusbDevice> device;
    std::optional<UsbLink> link;
    bool started = false;
};

TEST_F(EmulatedUsbTest, theSurveyArrivesBlockByBlockAndTheInstrumentIsToldToStop)
{
    const auto frame = surveyFrame();
    EmulatedUsbInstrument& instrument = plugIn(frame);
    transfer();
    EXPECT_TRUE(started);
    expectReceived(frame);
    expectEndedOnce();

    // Header and directory from block 0, the sample area from block 220 on.
    const std::size_t directory = frameHeaderSize + directoryEntrySize * readFrameHeader(frame).memberCount;
    std::vector<std::uint32_t> schedule;
    for (std::uint32_t block = 0; usbBlockSize * block < directory; ++block)
        schedule.push_back(block);
    for (std::uint32_t block = 0; usbBlockSize * block < frame.size() - directory; ++block)
        schedule.push_back(sampleAreaFirstBlock + block);
    EXPECT_EQ(instrument.requestedBlocks(), schedule);
    EXPECT_EQ(instrument.stopRequests(), 1u);
    EXPECT_TRUE(instrument.stopRequestWasLast());
    EXPECT_EQ(instrument.claims(), 1);
    EXPECT_EQ(instrument.releases(), 1);
    ASSERT_TRUE(device->name().starts_with("USB 1-2 1a86:5537")) << device->name();
}

TEST_F(EmulatedUsbTest, instrumentsAreListedInTheOrderTheirIndexesOpen)
{
    const auto first = frameOfMembers(2, 5);
    const auto second = frameOfMembers(3, 7);
    plugIn(first, {1, 4, {0x4348, 0x5537}});
    plugIn(second, {2, 9, {0x1a86, 0x5537}});
    plugIn(frameOfMembers(1, 1), {1, 6, {0x0403, 0x6001}}); // something else on the bus

    const auto found = findUsbDevices(defaultUsbIds());
    ASSERT_TRUE(found.ok()) << found.error().describe();
    ASSERT_EQ(found.value().size(), 2u);
    EXPECT_EQ(found.value()[0].deviceIndex, 0);
    EXPECT_EQ(found.value()[1].deviceIndex, 1);
    const FoundUsbDevice& listedSecond = found.value()[1];

    // The device listed second is the one index 1 opens.
    transfer(1);
    const bool secondIsBus2 = listedSecond.bus == 2;
    expectReceived(secondIsBus2 ? second : first);
    EXPECT_EQ(listedSecond.address, secondIsBus2 ? 9 : 4);
    EXPECT_EQ(listedSecond.id, secondIsBus2 ? (UsbId{0x1a86, 0x5537}) : (UsbId{0x4348, 0x5537}));
}

TEST_F(EmulatedUsbTest, aDeviceWithOtherIdsIsFoundOnlyWhenItsIdsAreNamed)
{
    const auto frame = frameOfMembers(2, 5);
    plugIn(frame, {1, 3, {0x1234, 0xabcd}});
    ASSERT_TRUE(findUsbDevices(defaultUsbIds()).ok());
    EXPECT_TRUE(findUsbDevices(defaultUsbIds()).value().empty());

    transfer();
    EXPECT_FALSE(started);
    EXPECT_EQ(observer.outcome(), TransferOutcome::cannotOpenDevice);
    ASSERT_TRUE(observer.report().detail);
    EXPECT_EQ(observer.report().detail->detail, "USB device 1: No such device (it may have been disconnected)");
    EXPECT_TRUE(folder.names().empty());

    std::vector<UsbId> ids = defaultUsbIds();
    ids.push_back({0x1234, 0xabcd});
    const auto found = findUsbDevices(ids);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(found.value(), (std::vector<FoundUsbDevice>{{0, 1, 3, {0x1234, 0xabcd}}}));
    observer.report() = {};
    transfer(0, ids);
    expectReceived(frame);
}

// A fault of the device and how the transfer ends through the real stack.
struct FaultCase {
    const char* name;
    UsbInstrumentFaults faults;
    TransferOutcome outcome;
    const char* detail;    // part of the system's detail
    bool stopRequestTaken; // the device still took the stop request
};

void PrintTo(const FaultCase& fault, std::ostream* out)
{
    *out << fault.name;
}

class EmulatedUsbFaultTest : public EmulatedUsbTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(EmulatedUsbFaultTest, endsOnceWithTheLinkClosedAndNothingWritten)
{
    const FaultCase& fault = GetParam();
    EmulatedUsbInstrument& instrument = plugIn(surveyFrame(), {}, fault.faults);
    transfer(0, defaultUsbIds(), 300ms);
    EXPECT_EQ(observer.outcome(), fault.outcome);
    ASSERT_TRUE(observer.report().detail);
    EXPECT_NE(observer.report().detail->detail.find(fault.detail), std::string::npos)
        << observer.report().detail->detail;
    expectEndedOnce();
    EXPECT_EQ(instrument.stopRequests(), fault.stopRequestTaken ? 1u : 0u);
    EXPECT_EQ(instrument.releases(), instrument.claims()) << "the interface is released";
    EXPECT_FALSE(observer.report().project);
    EXPECT_TRUE(folder.names().empty()) << "no half file";
}

UsbInstrumentFaults faultsWith(const std::function<void(UsbInstrumentFaults&)>& set)
{
    UsbInstrumentFaults faults;
    set(faults);
    return faults;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, EmulatedUsbFaultTest,
    ::testing::Values(FaultCase{"vanishesMidTransfer", faultsWith([](auto& f) { f.vanishAtBlock = 221; }),
                                TransferOutcome::stalled, "block 221: USB 1-2 1a86:5537: read: No such device", false},
                      FaultCase{"stalledEndpoint", faultsWith([](auto& f) { f.stallAtBlock = 220; }),
                                TransferOutcome::stalled, "block 220: USB 1-2 1a86:5537: read: Pipe error", true},
                      FaultCase{"neverAnswers", faultsWith([](auto& f) { f.silentAtBlock = 0; }),
                                TransferOutcome::stalled, "block 0: USB 1-2 1a86:5537: no answer within 300 ms", true},
                      FaultCase{"shortRead", faultsWith([](auto& f) { f.shortBlock = 221; }), TransferOutcome::stalled,
                                "block 221 came with 17 of 32 bytes", true},
                      FaultCase{"withoutEndpoints", faultsWith([](auto& f) { f.withoutEndpoints = true; }),
                                TransferOutcome::cannotOpenPipes,
                                "USB 1-2 1a86:5537: interface 0 has no bulk endpoints", false}),
    [](const ::testing::TestParamInfo<FaultCase>& param) { return std::string(param.param.name); });

TEST_F(EmulatedUsbTest, withoutAnInstrumentTheDeviceCannotBeOpened)
{
    plugIn(surveyFrame());
    transfer(1);
    EXPECT_FALSE(started);
    EXPECT_EQ(observer.outcome(), TransferOutcome::cannotOpenDevice);
    ASSERT_TRUE(observer.report().detail);
    EXPECT_EQ(observer.report().detail->detail, "USB device 2: No such device (it may have been disconnected)");
    expectEndedOnce();
    EXPECT_TRUE(folder.names().empty());
}

TEST_F(EmulatedUsbTest, cancelReturnsWithinOneReadTimeout)
{
    EmulatedUsbInstrument& instrument = plugIn(surveyFrame(), {}, faultsWith([](auto& f) { f.silentAtBlock = 220; }));
    start();
    ASSERT_TRUE(started);
    ASSERT_TRUE(eventually([&] { return instrument.readHeldBack(); }));
    const auto cancelledAt = std::chrono::steady_clock::now();
    link->cancel();
    link->waitUntilFinished();
    const auto took = std::chrono::steady_clock::now() - cancelledAt;
    EXPECT_LT(took, UsbLink::defaultBlockTimeout);
    EXPECT_EQ(observer.outcome(), TransferOutcome::cancelled);
    expectEndedOnce();
    EXPECT_EQ(instrument.stopRequests(), 1u);
    EXPECT_TRUE(folder.names().empty());
}

TEST_F(EmulatedUsbTest, theHotplugWatchTellsOfInstrumentsArrivingAndLeaving)
{
    std::atomic<int> changes{0};
    UsbHotplugWatch watch([&changes] { ++changes; });
    ASSERT_TRUE(watch.watching());
    EmulatedUsbInstrument& instrument = plugIn(surveyFrame());
    ASSERT_TRUE(eventually([&] { return changes.load() >= 1; }));
    instrument.unplug();
    ASSERT_TRUE(eventually([&] { return changes.load() >= 2; }));
}

} // namespace
} // namespace trellon
