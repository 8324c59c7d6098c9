// The transfer dialog on emulated devices: the instruments and serial adapter the system finds, transfers
// through the real libusb and QtSerialPort, and what the user is told when a device goes away.
#include "app/cmainframe.h"
#include "app/transferdialog.h"
#include "link/simulatedusbdevice.h"
#include "link/transferframe.h"
#include "link/usblink.h"
#include "model/atomicfile.h"
#include "model/projectfile.h"
#include "support/emulatedserialadapter.h"
#include "support/emulatedusbinstrument.h"
#include "support/listclicks.h"
#include "support/scriptedprompts.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace trellon {
namespace {

using namespace trellon::testing;

constexpr int transferWaitMs = 15000;
const QString surveyCapture = QStringLiteral(TRELLON_SOURCE_DIR "/data/samples/site-survey.transfer");

std::vector<std::uint8_t> surveyFrame()
{
    auto bytes = readWholeFile(QFile::encodeName(surveyCapture).toStdString());
    EXPECT_TRUE(bytes.ok());
    return bytes.ok() ? std::move(bytes).value() : std::vector<std::uint8_t>{};
}

std::vector<std::uint8_t> memoryHolding(const std::vector<std::uint8_t>& frame)
{
    auto memory = layOutInstrumentMemory(frame);
    EXPECT_TRUE(memory.ok());
    return memory.ok() ? std::move(memory).value() : std::vector<std::uint8_t>{};
}

QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The received-data file that decoding the frame directly gives.
QByteArray decodedFile(const std::vector<std::uint8_t>& frame)
{
    auto project = unpackFrame(frame);
    EXPECT_TRUE(project.ok());
    if (!project.ok())
        return {};
    const std::vector<std::uint8_t> bytes = encodeProjectFile(*project.value());
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

QStringList entriesOf(const QComboBox* list)
{
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries << list->itemText(row);
    return entries;
}

class EmulatedTransferDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(scratch.isValid()); }

    EmulatedUsbInstrument& plugIn(const std::vector<std::uint8_t>& frame, UsbPlace place = {},
                                  UsbInstrumentFaults faults = {})
    {
        instruments.push_back(std::make_unique<EmulatedUsbInstrument>(devices, memoryHolding(frame), place, faults));
        return *instruments.back();
    }

    QString storage(const QString& name) const { return QDir(scratch.path()).filePath(name); }

    void openOn(const QString& storagePath)
    {
        dialog->show();
        dialog->pathEdit()->setText(storagePath);
    }

    EmulatedDevices devices; // outlives what is plugged into it, and the dialog that watches it
    std::vector<std::unique_ptr<EmulatedUsbInstrument>> instruments;
    QTemporaryDir scratch;
    ScriptedPrompts prompts;
    std::unique_ptr<TransferDialog> dialog = std::make_unique<TransferDialog>(prompts);
};

TEST_F(EmulatedTransferDialogTest, listsTheInstrumentsFoundWithTheSimulatedOneLast)
{
    plugIn(surveyFrame(), {1, 4, {0x4348, 0x5537}});
    plugIn(surveyFrame(), {1, 6, {0x0403, 0x6001}}); // not an instrument
    dialog->show();
    EXPECT_EQ(entriesOf(dialog->portList()),
              (QStringList{QStringLiteral("Device1 (USB 1-4, 4348:5537)"), QStringLiteral("模拟仪器")}));
    EXPECT_EQ(dialog->portList()->currentIndex(), 0);
    EXPECT_TRUE(dialog->startButton()->isEnabled());
    EXPECT_EQ(dialog->stateLabel()->text(), QString());
}

TEST_F(EmulatedTransferDialogTest, withNoInstrumentItSaysSoAndRefreshFindsOnePluggedInLater)
{
    dialog->show();
    EXPECT_EQ(entriesOf(dialog->portList()),
              (QStringList{QStringLiteral("未找到USB仪器"), QStringLiteral("模拟仪器")}));
    EXPECT_FALSE(dialog->startButton()->isEnabled());
    EXPECT_TRUE(dialog->stateLabel()->text().startsWith(QStringLiteral("未找到USB仪器。")));

    plugIn(surveyFrame());
    QTest::mouseClick(dialog->refreshButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->portList()->currentText(), QStringLiteral("Device1 (USB 1-2, 1a86:5537)"));
    EXPECT_TRUE(dialog->startButton()->isEnabled());
    EXPECT_EQ(dialog->stateLabel()->text(), QString());
}

TEST_F(EmulatedTransferDialogTest, instrumentsArrivingAndLeavingShowUpByThemselves)
{
    dialog->show();
    EmulatedUsbInstrument& instrument = plugIn(surveyFrame());
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            return dialog->portList()->count() == 2 &&
                   dialog->portList()->itemText(0).startsWith(QStringLiteral("Device1"));
        },
        transferWaitMs));
    instrument.unplug();
    ASSERT_TRUE(QTest::qWaitFor([this] { return dialog->portList()->itemText(0) == QStringLiteral("未找到USB仪器"); },
                                transferWaitMs));
}

TEST_F(EmulatedTransferDialogTest, aTransferThroughLibusbDeliversWhatDecodingGives)
{
    const auto frame = surveyFrame();
    EmulatedUsbInstrument& instrument = plugIn(frame);
    QSignalSpy delivered(dialog.get(), &TransferDialog::projectReceived);
    openOn(storage(QStringLiteral("survey")));
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    ASSERT_TRUE(delivered.wait(transferWaitMs));
    EXPECT_EQ(fileContents(storage(QStringLiteral("survey.gj"))), decodedFile(frame));
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.front().startsWith(QStringLiteral("数据传输结束\n\n共收到 15 个构件")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return instrument.stopRequestWasLast(); }, transferWaitMs));
}

TEST_F(EmulatedTransferDialogTest, anInstrumentUnpluggedMidwayIsToldOnceAndAnotherCanBeUsedWithoutClosing)
{
    UsbInstrumentFaults unplugged;
    unplugged.vanishAtBlock = 221;
    plugIn(surveyFrame(), {1, 2, {0x1a86, 0x5537}}, unplugged);
    QSignalSpy delivered(dialog.get(), &TransferDialog::projectReceived);
    openOn(storage(QStringLiteral("survey")));
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !prompts.messages.isEmpty(); }, transferWaitMs));
    QTest::qWait(100);
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("数据传输中断!")});
    EXPECT_EQ(prompts.captions, QStringList{QStringLiteral("Trellon")});
    EXPECT_TRUE(prompts.messageDetails.front().startsWith(
        QStringLiteral("block 221: USB 1-2 1a86:5537: read: No such device (it may have been disconnected)")))
        << prompts.messageDetails.front().toStdString();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->startButton()->isEnabled());
    EXPECT_EQ(delivered.count(), 0);
    EXPECT_TRUE(QDir(scratch.path()).isEmpty()) << "no half file";

    // The user plugs in another instrument, refreshes and starts again in the same dialog.
    const auto frame = surveyFrame();
    instruments.front()->unplug();
    plugIn(frame, {1, 3, {0x1a86, 0x5537}});
    QTest::mouseClick(dialog->refreshButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->portList()->currentText(), QStringLiteral("Device1 (USB 1-3, 1a86:5537)"));
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    ASSERT_TRUE(delivered.wait(transferWaitMs));
    EXPECT_EQ(fileContents(storage(QStringLiteral("survey.gj"))), decodedFile(frame));
}

TEST_F(EmulatedTransferDialogTest, cancelDuringAUsbTransferFreesTheDialogWithinOneReadTimeout)
{
    UsbInstrumentFaults silent;
    silent.silentAtBlock = 220;
    EmulatedUsbInstrument& instrument = plugIn(surveyFrame(), {}, silent);
    openOn(storage(QStringLiteral("survey")));
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return instrument.readHeldBack(); }, transferWaitMs));
    const auto cancelledAt = std::chrono::steady_clock::now();
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return dialog->startButton()->isEnabled(); }, transferWaitMs));
    EXPECT_LT(std::chrono::steady_clock::now() - cancelledAt, UsbLink::defaultBlockTimeout);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(instrument.stopRequests(), 1u);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(QDir(scratch.path()).isEmpty());
}

TEST_F(EmulatedTransferDialogTest, theSerialAdapterIsListedAndDeliversWhatDecodingGives)
{
    EmulatedSerialAdapter adapter(devices);
    const auto frame = surveyFrame();
    QSignalSpy delivered(dialog.get(), &TransferDialog::projectReceived);
    openOn(storage(QStringLiteral("serial")));
    chooseInList(dialog->portTypeList(), QStringLiteral("COM"));
    EXPECT_EQ(dialog->portList()->currentText(), QStringLiteral("COM1 (/dev/ttyUSB0, USB Serial)"));
    adapter.sendWhenConfigured(frame);
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    ASSERT_TRUE(delivered.wait(transferWaitMs));
    EXPECT_EQ(fileContents(storage(QStringLiteral("serial.gj"))), decodedFile(frame));
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST_F(EmulatedTransferDialogTest, anAdapterUnpluggedMidwayIsToldWithTheSerialLinksMessage)
{
    EmulatedSerialAdapter adapter(devices);
    QSignalSpy delivered(dialog.get(), &TransferDialog::projectReceived);
    openOn(storage(QStringLiteral("serial")));
    chooseInList(dialog->portTypeList(), QStringLiteral("COM"));
    adapter.sendWhenConfigured(surveyFrame(), 200);
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !prompts.messages.isEmpty(); }, transferWaitMs));
    QTest::qWait(300);
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("串口已断开，数据传输中断!")});
    EXPECT_EQ(prompts.messageDetails,
              QStringList{QStringLiteral("/dev/ttyUSB0: the port is gone (adapter unplugged?)")});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->startButton()->isEnabled());
    EXPECT_FALSE(dialog->transferRunning());
    EXPECT_EQ(delivered.count(), 0);
    EXPECT_TRUE(QDir(scratch.path()).isEmpty()) << "no half file";
}

TEST_F(EmulatedTransferDialogTest, anInstrumentUnpluggedMidwayLeavesTheLoadedProjectAsItWas)
{
    const QString sample = QStringLiteral(TRELLON_SOURCE_DIR "/data/samples/site-survey.gj");
    QSettings settings(storage(QStringLiteral("trellon.ini")), QSettings::IniFormat);
    CMainFrame frame(prompts, settings, storage(QStringLiteral("recovery")));
    ASSERT_TRUE(frame.files().openProjectFile(sample));
    const Project loaded = *frame.document().project();

    UsbInstrumentFaults unplugged;
    unplugged.vanishAtBlock = 222;
    plugIn(surveyFrame(), {}, unplugged);
    frame.transfer().start();
    TransferDialog* transfer = frame.transfer().dialog();
    ASSERT_NE(transfer, nullptr);
    transfer->pathEdit()->setText(storage(QStringLiteral("received")));
    QTest::mouseClick(transfer->startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !prompts.messages.isEmpty(); }, transferWaitMs));
    QTest::qWait(100);

    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("数据传输中断!")});
    EXPECT_EQ(*frame.document().project(), loaded);
    EXPECT_EQ(frame.document().currentFilePath(), sample.toStdString());
    EXPECT_FALSE(frame.document().isModified());
    EXPECT_FALSE(QFile::exists(storage(QStringLiteral("received.gj"))));
    EXPECT_FALSE(QFile::exists(storage(QStringLiteral("received.raw"))));
    transfer->reject();
}

} // namespace
} // namespace trellon
