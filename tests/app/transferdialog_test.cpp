// The transfer dialog driven as the user drives it, against the simulated instrument on USB.
#include "app/transferdialog.h"

#include "app/pathdialog.h"
#include "app/transferports.h"
#include "link/demotransfer.h"
#include "link/simulatedusbdevice.h"
#include "model/atomicfile.h"
#include "model/projectfile.h"
#include "support/listclicks.h"
#include "support/scriptedprompts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace trellon {
namespace {

using testing::chooseInList;
using testing::ScriptedPrompts;

constexpr int transferWaitMs = 15000;

std::vector<std::uint8_t> demoMemory()
{
    auto memory = layOutInstrumentMemory(demoTransfer());
    EXPECT_TRUE(memory.ok());
    return memory.ok() ? std::move(memory).value() : std::vector<std::uint8_t>{};
}

QByteArray fileContents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The end-of-transfer message for the bundled survey.
const QString surveyArrived = QStringLiteral("数据传输结束\n\n共收到 15 个构件：\n单点测试 8 个，读数 130 个\n"
                                             "剖面测试 4 个，钢筋 49 根\n网格测试 3 个，钢筋 43 根");

// Holds the reader at one block request until released (or until a generous time has passed).
class RequestGate {
public:
    explicit RequestGate(std::uint32_t block) : block_(block) {}
    void onRequest(std::uint32_t block)
    {
        if (block != block_)
            return;
        reached.store(true);
        for (int i = 0; i < 3000 && !released.load(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::atomic<bool> reached{false};
    std::atomic<bool> released{false};

private:
    const std::uint32_t block_;
};

class TransferDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        dialog.setSimulatedInstrument([this]() -> std::unique_ptr<UsbBlockDevice> {
            ++devicesMade;
            std::vector<std::uint8_t> memory = demoMemory();
            if (alterMemory)
                alterMemory(memory);
            auto made = std::make_unique<SimulatedUsbDevice>(std::move(memory), faults);
            if (gate)
                made->setRequestHook([this](std::uint32_t block) { gate->onRequest(block); });
            device = made.get();
            return made;
        });
    }

    QString storage(const QString& name) const { return QDir(scratch.path()).filePath(name); }

    // Opens the dialog, picks the simulated instrument and the storage path, and presses start.
    void startSimulatedTransfer(const QString& storagePath)
    {
        dialog.show();
        dialog.pathEdit()->setText(storagePath);
        chooseInList(dialog.portList(), QStringLiteral("模拟仪器"));
        QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    }

    QTemporaryDir scratch;
    ScriptedPrompts prompts;
    TransferDialog dialog{prompts};
    SimulatedUsbFaults faults;
    std::function<void(std::vector<std::uint8_t>&)> alterMemory; // the instrument's memory, changed before serving
    std::unique_ptr<RequestGate> gate;
    SimulatedUsbDevice* device = nullptr; // owned by the dialog's transfer
    int devicesMade = 0;
};

TEST_F(TransferDialogTest, opensOnUsbWithTheInstrumentsFoundAndTheSimulatedOneLast)
{
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("数据传输设置"));
    EXPECT_EQ(dialog.portTypeList()->currentText(), QStringLiteral("USB"));
    EXPECT_EQ(dialog.portLabel()->text(), QStringLiteral("设备号："));
    EXPECT_EQ(dialog.portList()->currentIndex(), 0);
    // What is attached to this machine is not known here; the emulated-device tests list real ones.
    ASSERT_GE(dialog.portList()->count(), 2);
    const int last = dialog.portList()->count() - 1;
    EXPECT_EQ(dialog.portList()->itemText(last), QStringLiteral("模拟仪器"));
    EXPECT_EQ(dialog.portList()->itemData(last).toString(), simulatedInstrumentKey);
    const bool noneFound = dialog.portList()->itemData(0).toString() == noInstrumentKey;
    EXPECT_EQ(dialog.startButton()->isEnabled(), !noneFound) << "nothing to start with when nothing was found";
    EXPECT_EQ(dialog.storedPath(), QDir::homePath() + QStringLiteral("/data"));
    EXPECT_EQ(dialog.pathEdit()->text(), dialog.storedPath());
    EXPECT_FALSE(dialog.progressBar()->isTextVisible());
}

TEST_F(TransferDialogTest, theStateSaysNoInstrumentWasFoundOnlyWhileThatIsChosen)
{
    dialog.show();
    if (dialog.portList()->itemData(0).toString() != noInstrumentKey)
        GTEST_SKIP() << "an instrument is attached to this machine";
    EXPECT_TRUE(dialog.stateLabel()->text().startsWith(QStringLiteral("未找到USB仪器")));
    chooseInList(dialog.portList(), QStringLiteral("模拟仪器"));
    EXPECT_EQ(dialog.stateLabel()->text(), QString());
    chooseInList(dialog.portList(), QStringLiteral("未找到USB仪器"));
    EXPECT_TRUE(dialog.stateLabel()->text().startsWith(QStringLiteral("未找到USB仪器")));
}

TEST_F(TransferDialogTest, switchingToComListsSixPortsThatCanAlsoBeTyped)
{
    dialog.show();
    chooseInList(dialog.portTypeList(), QStringLiteral("COM"));
    EXPECT_EQ(dialog.portLabel()->text(), QStringLiteral("端口号："));
    ASSERT_EQ(dialog.portList()->count(), 6);
    EXPECT_EQ(dialog.portList()->currentIndex(), 0);
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(dialog.portList()->itemText(i).startsWith(QStringLiteral("COM%1").arg(i + 1)));
    EXPECT_TRUE(dialog.portList()->isEditable());
    EXPECT_TRUE(dialog.startButton()->isEnabled());
}

TEST_F(TransferDialogTest, thePathLinkKindAndPortAreRememberedAcrossOpenings)
{
    dialog.show();
    chooseInList(dialog.portTypeList(), QStringLiteral("COM"));
    dialog.portList()->setEditText(storage(QStringLiteral("ttyTyped")));
    dialog.pathEdit()->setText(storage(QStringLiteral("typed")));
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    EXPECT_EQ(dialog.portTypeList()->currentText(), QStringLiteral("COM"));
    EXPECT_EQ(dialog.portLabel()->text(), QStringLiteral("端口号："));
    EXPECT_EQ(dialog.portList()->currentText(), storage(QStringLiteral("ttyTyped")));
    EXPECT_EQ(dialog.pathEdit()->text(), storage(QStringLiteral("typed")));
    EXPECT_EQ(dialog.storedPath(), storage(QStringLiteral("typed")));

    // The simulated instrument, chosen for a transfer, is what the next opening offers.
    chooseInList(dialog.portTypeList(), QStringLiteral("USB"));
    QSignalSpy delivered(&dialog, &TransferDialog::projectReceived);
    startSimulatedTransfer(storage(QStringLiteral("survey")));
    ASSERT_TRUE(delivered.wait(transferWaitMs));
    dialog.show();
    EXPECT_EQ(dialog.portTypeList()->currentText(), QStringLiteral("USB"));
    EXPECT_EQ(dialog.portList()->currentText(), QStringLiteral("模拟仪器"));
    EXPECT_EQ(dialog.pathEdit()->text(), storage(QStringLiteral("survey")));
}

TEST_F(TransferDialogTest, completeSimulatedTransferDeliversTheProjectOnTheUiThreadAndCloses)
{
    QSignalSpy delivered(&dialog, &TransferDialog::projectReceived);
    QThread* deliveredOn = nullptr;
    QObject::connect(
        &dialog, &TransferDialog::projectReceived, &dialog,
        [&deliveredOn](const std::shared_ptr<Project>&, const QString&) { deliveredOn = QThread::currentThread(); });
    startSimulatedTransfer(storage(QStringLiteral("survey")));
    EXPECT_FALSE(dialog.startButton()->isEnabled());
    ASSERT_TRUE(delivered.wait(transferWaitMs));

    EXPECT_EQ(deliveredOn, QApplication::instance()->thread());
    const QString written = storage(QStringLiteral("survey.gj"));
    EXPECT_EQ(delivered.at(0).at(1).toString(), written);
    const auto project = delivered.at(0).at(0).value<std::shared_ptr<Project>>();
    ASSERT_TRUE(project);
    EXPECT_GT(project->memberCount(), 0);
    auto readBack = readProjectFile(QFile::encodeName(written).toStdString());
    ASSERT_TRUE(readBack.ok());
    EXPECT_EQ(*readBack.value().project, *project);

    const QByteArray raw = fileContents(storage(QStringLiteral("survey.raw")));
    const auto frame = demoTransfer();
    EXPECT_EQ(raw, QByteArray(reinterpret_cast<const char*>(frame.data()), static_cast<qsizetype>(frame.size())));

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(prompts.messages, QStringList{surveyArrived});
    EXPECT_EQ(prompts.captions, QStringList{QStringLiteral("Trellon")});
    EXPECT_EQ(dialog.progressBar()->maximum(), static_cast<int>(frame.size()));
    EXPECT_EQ(dialog.progressBar()->value(), dialog.progressBar()->maximum());
    EXPECT_TRUE(dialog.progressBar()->isTextVisible());
}

TEST_F(TransferDialogTest, aStoragePathEndingInGjIsNotGivenASecondOne)
{
    EXPECT_EQ(TransferDialog::receivedFilePathFor(QStringLiteral("/x/data")), QStringLiteral("/x/data.gj"));
    EXPECT_EQ(TransferDialog::receivedFilePathFor(QStringLiteral("/x/data.gj")), QStringLiteral("/x/data.gj"));
    EXPECT_EQ(TransferDialog::receivedFilePathFor(QStringLiteral("/x/DATA.GJ")), QStringLiteral("/x/DATA.GJ"));

    QSignalSpy delivered(&dialog, &TransferDialog::projectReceived);
    startSimulatedTransfer(storage(QStringLiteral("beams.gj")));
    ASSERT_TRUE(delivered.wait(transferWaitMs));
    EXPECT_EQ(delivered.at(0).at(1).toString(), storage(QStringLiteral("beams.gj")));
    EXPECT_TRUE(QFile::exists(storage(QStringLiteral("beams.gj"))));
    EXPECT_FALSE(QFile::exists(storage(QStringLiteral("beams.gj.gj"))));
    EXPECT_TRUE(QFile::exists(storage(QStringLiteral("beams.raw"))));
}

TEST_F(TransferDialogTest, anExistingFileIsOverwrittenOnlyWhenTheUserAgrees)
{
    const QString existing = storage(QStringLiteral("survey.gj"));
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("earlier survey");
    }
    QSignalSpy delivered(&dialog, &TransferDialog::projectReceived);

    prompts.answers = {QMessageBox::No};
    startSimulatedTransfer(storage(QStringLiteral("survey")));
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_TRUE(prompts.questions.front().contains(existing));
    QTest::qWait(100);
    EXPECT_EQ(devicesMade, 0);
    EXPECT_TRUE(dialog.startButton()->isEnabled());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(delivered.count(), 0);
    EXPECT_EQ(fileContents(existing), QByteArray("earlier survey"));

    prompts.answers = {QMessageBox::Yes};
    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    ASSERT_TRUE(delivered.wait(transferWaitMs));
    EXPECT_EQ(prompts.questions.size(), 2);
    EXPECT_TRUE(readProjectFile(QFile::encodeName(existing).toStdString()).ok());
}

TEST_F(TransferDialogTest, cancelDuringTheTransferWritesNothingAndTheDialogCanStartAgain)
{
    gate = std::make_unique<RequestGate>(221);
    QSignalSpy delivered(&dialog, &TransferDialog::projectReceived);
    startSimulatedTransfer(storage(QStringLiteral("survey")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return gate->reached.load(); }, transferWaitMs));
    EXPECT_FALSE(dialog.startButton()->isEnabled());
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible()) << "cancel stops the transfer, not the dialog";
    gate->released.store(true);

    // The reader stops: the stop request goes out, the device closes, and start is offered again.
    ASSERT_NE(device, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.startButton()->isEnabled(); }, transferWaitMs));
    EXPECT_TRUE(device->closeCount() >= 1 && device->stopRequests() == 1);
    EXPECT_FALSE(dialog.transferRunning());
    EXPECT_EQ(dialog.stateLabel()->text(), QStringLiteral("数据传输已取消。"));
    EXPECT_EQ(delivered.count(), 0);
    EXPECT_FALSE(QFile::exists(storage(QStringLiteral("survey.gj"))));
    EXPECT_FALSE(QFile::exists(storage(QStringLiteral("survey.raw"))));
    EXPECT_TRUE(prompts.messages.isEmpty());

    gate.reset();
    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    ASSERT_TRUE(delivered.wait(transferWaitMs));
    EXPECT_EQ(devicesMade, 2);
    EXPECT_TRUE(QFile::exists(storage(QStringLiteral("survey.gj"))));
}

// Switching to COM and starting again would leave the USB reader to write its files unheard.
TEST_F(TransferDialogTest, whileAUsbTransferRunsItsLinkCannotBeChangedNorAnotherStarted)
{
    gate = std::make_unique<RequestGate>(221);
    QSignalSpy delivered(&dialog, &TransferDialog::projectReceived);
    startSimulatedTransfer(storage(QStringLiteral("survey")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return gate->reached.load(); }, transferWaitMs));
    EXPECT_FALSE(dialog.portTypeList()->isEnabled());
    EXPECT_FALSE(dialog.portList()->isEnabled());
    EXPECT_FALSE(dialog.refreshButton()->isEnabled());
    EXPECT_FALSE(dialog.startButton()->isEnabled());
    QTest::mouseClick(dialog.portTypeList(), Qt::LeftButton);
    QTest::keyClick(dialog.portTypeList(), Qt::Key_Up);
    EXPECT_EQ(dialog.portTypeList()->currentText(), QStringLiteral("USB"));

    gate->released.store(true);
    ASSERT_TRUE(delivered.wait(transferWaitMs));
    EXPECT_EQ(delivered.count(), 1);
}

TEST_F(TransferDialogTest, cancelWithNoTransferRunningClosesTheDialog)
{
    dialog.show();
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(TransferDialogTest, closingTheDialogDuringATransferCancelsIt)
{
    gate = std::make_unique<RequestGate>(221);
    QSignalSpy delivered(&dialog, &TransferDialog::projectReceived);
    startSimulatedTransfer(storage(QStringLiteral("survey")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return gate->reached.load(); }, transferWaitMs));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    gate->released.store(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.transferRunning(); }, transferWaitMs));
    EXPECT_EQ(device->stopRequests(), 1u);
    EXPECT_EQ(delivered.count(), 0);
    EXPECT_FALSE(QFile::exists(storage(QStringLiteral("survey.raw"))));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(TransferDialogTest, aFailedWriteIsToldAndTheProjectStillDelivered)
{
    QSignalSpy delivered(&dialog, &TransferDialog::projectReceived);
    startSimulatedTransfer(storage(QStringLiteral("no such folder/survey")));
    ASSERT_TRUE(delivered.wait(transferWaitMs));
    ASSERT_EQ(prompts.messages.size(), 3);
    EXPECT_EQ(prompts.messages[0], surveyArrived);
    EXPECT_TRUE(prompts.messages[1].contains(QStringLiteral("原始数据文件")));
    EXPECT_TRUE(prompts.messages[2].startsWith(QStringLiteral("数据文件")));
    EXPECT_TRUE(prompts.messages[2].contains(storage(QStringLiteral("no such folder/survey.gj"))));
    EXPECT_TRUE(prompts.messageDetails[2].contains(QStringLiteral("No such file or directory")))
        << prompts.messageDetails[2].toStdString();
}

TEST_F(TransferDialogTest, aSendFailureIsToldOnceUnderTheUsbCaption)
{
    faults.unplugAfterBlocks = 3;
    startSimulatedTransfer(storage(QStringLiteral("survey")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts.messages.size() == 1; }, transferWaitMs));
    EXPECT_TRUE(prompts.messages.front().startsWith(QStringLiteral("端点2下传失败！")));
    EXPECT_EQ(prompts.captions.front(), QStringLiteral("DEBUG372"));
    QTest::qWait(50);
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST_F(TransferDialogTest, aFailureIsToldOnceWithTheSystemsDetailAndTheDialogCanStartAgain)
{
    faults.failOpen = true;
    QSignalSpy delivered(&dialog, &TransferDialog::projectReceived);
    startSimulatedTransfer(storage(QStringLiteral("survey")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts.messages.size() == 1; }, transferWaitMs));
    EXPECT_EQ(prompts.messages.front(), QStringLiteral("打开设备失败！"));
    EXPECT_EQ(prompts.captions.front(), QStringLiteral("DEBUG372"));
    EXPECT_EQ(prompts.messageDetails.front(), QStringLiteral("no such device"));
    QTest::qWait(50);
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.startButton()->isEnabled());
    EXPECT_EQ(dialog.stateLabel()->text(), QStringLiteral("数据传输未完成。"));
    EXPECT_EQ(delivered.count(), 0);

    faults = {};
    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    ASSERT_TRUE(delivered.wait(transferWaitMs));
    EXPECT_EQ(prompts.messages.back(), surveyArrived);
}

TEST_F(TransferDialogTest, aBlockThatCannotBeReadMidwayIsTold)
{
    faults.failReadOfBlock = 221;
    startSimulatedTransfer(storage(QStringLiteral("survey")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts.messages.size() == 1; }, transferWaitMs));
    EXPECT_EQ(prompts.messages.front(), QStringLiteral("数据传输中断!"));
    EXPECT_TRUE(prompts.messageDetails.front().startsWith(QStringLiteral("block 221: ")))
        << prompts.messageDetails.front().toStdString();
    QTest::qWait(50);
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.startButton()->isEnabled());
    EXPECT_FALSE(QFile::exists(storage(QStringLiteral("survey.gj"))));
}

TEST_F(TransferDialogTest, aSerialPortThatDoesNotExistIsTold)
{
    dialog.show();
    chooseInList(dialog.portTypeList(), QStringLiteral("COM"));
    dialog.portList()->setEditText(storage(QStringLiteral("ttyNothing")));
    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts.messages.size() == 1; }, transferWaitMs));
    EXPECT_EQ(prompts.messages.front(), QStringLiteral("不能打开串口!"));
    EXPECT_EQ(prompts.messageDetails.front(),
              storage(QStringLiteral("ttyNothing: cannot open: No such file or directory")));
    EXPECT_EQ(prompts.captions.front(), QStringLiteral("Trellon"));
    QTest::qWait(50);
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.startButton()->isEnabled());
}

// Prompts that run a check whenever a message is shown, as the user would see the screen at that moment.
class WatchingPrompts final : public UserPrompts {
public:
    explicit WatchingPrompts(std::function<void(const QString&)> watch) : watch_(std::move(watch)) {}
    QString chooseFileToOpen(QWidget*, const QString&) override { return {}; }
    QString chooseFileToSave(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    void showMessage(QWidget*, const QString& text, QMessageBox::Icon, const QString&, const QString&) override
    {
        watch_(text);
    }
    QMessageBox::StandardButton ask(QWidget*, const QString&, QMessageBox::StandardButtons, QMessageBox::Icon) override
    {
        return QMessageBox::Yes;
    }
    int choose(QWidget*, const QString&, const QStringList&, int escapeAnswer) override { return escapeAnswer; }

private:
    std::function<void(const QString&)> watch_;
};

TEST_F(TransferDialogTest, usbTellsTheEndAfterClosingAndBeforeWritingOrStoppingTheDevice)
{
    const QString written = storage(QStringLiteral("survey.gj"));
    TransferDialog* watched = nullptr;
    QStringList seen;
    WatchingPrompts watching([&](const QString& text) {
        seen << QStringLiteral("%1 open=%2 written=%3 stopped=%4")
                    .arg(text.section(QLatin1Char('\n'), 0, 0))
                    .arg(watched->isVisible())
                    .arg(QFile::exists(written))
                    .arg(device != nullptr && device->stopRequests() > 0);
    });
    TransferDialog usbDialog(watching);
    watched = &usbDialog;
    usbDialog.setSimulatedInstrument([this]() -> std::unique_ptr<UsbBlockDevice> {
        auto made = std::make_unique<SimulatedUsbDevice>(demoMemory());
        device = made.get();
        return made;
    });
    QSignalSpy delivered(&usbDialog, &TransferDialog::projectReceived);
    usbDialog.show();
    usbDialog.pathEdit()->setText(storage(QStringLiteral("survey")));
    chooseInList(usbDialog.portList(), QStringLiteral("模拟仪器"));
    QTest::mouseClick(usbDialog.startButton(), Qt::LeftButton);
    ASSERT_TRUE(delivered.wait(transferWaitMs));
    EXPECT_EQ(seen.join(QStringLiteral(" | ")).toStdString(), "数据传输结束 open=0 written=0 stopped=0");
    EXPECT_TRUE(QFile::exists(written));
    // The reader thread sends the stop request after the hand-over.
    EXPECT_TRUE(QTest::qWaitFor([this] { return device->stopRequests() == 1u; }, transferWaitMs));
}

// What the dialog says for one outcome: the first lines of its messages in order, and the caption and icon
// of the last one.
struct OutcomeCase {
    const char* name;
    SimulatedUsbFaults faults;
    std::function<void(std::vector<std::uint8_t>&)> alterMemory;
    QStringList firstLines;
    QString caption;
    QMessageBox::Icon icon;
    bool frameArrived; // the dialog closes and the raw stream is kept
};

class TransferDialogOutcomeTest : public TransferDialogTest, public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(TransferDialogOutcomeTest, isToldInTheDialogsWordsWithoutHandingOverAProject)
{
    const OutcomeCase& outcome = GetParam();
    faults = outcome.faults;
    alterMemory = outcome.alterMemory;
    QSignalSpy delivered(&dialog, &TransferDialog::projectReceived);
    startSimulatedTransfer(storage(QStringLiteral("survey")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts.messages.size() == outcome.firstLines.size(); }, transferWaitMs));
    QTest::qWait(50);

    QStringList firstLines;
    for (const QString& message : prompts.messages)
        firstLines << message.section(QLatin1Char('\n'), 0, 0);
    EXPECT_EQ(firstLines, outcome.firstLines);
    EXPECT_EQ(prompts.captions.back(), outcome.caption);
    EXPECT_EQ(prompts.messageIcons.back(), outcome.icon);
    EXPECT_EQ(dialog.isVisible(), !outcome.frameArrived);
    EXPECT_EQ(delivered.count(), 0);
    EXPECT_FALSE(QFile::exists(storage(QStringLiteral("survey.gj"))));
    EXPECT_EQ(QFile::exists(storage(QStringLiteral("survey.raw"))), outcome.frameArrived);
}

SimulatedUsbFaults withFault(const std::function<void(SimulatedUsbFaults&)>& set)
{
    SimulatedUsbFaults faults;
    set(faults);
    return faults;
}

const QString finished = QStringLiteral("数据传输结束");
const QString interrupted = QStringLiteral("数据传输中断!");
const QString trellonCaption = QStringLiteral("Trellon");
const QString usbCaption = QStringLiteral("DEBUG372");

INSTANTIATE_TEST_SUITE_P(
    Outcomes, TransferDialogOutcomeTest,
    ::testing::Values(OutcomeCase{"noMembers",
                                  {},
                                  [](std::vector<std::uint8_t>& memory) { memory[11] = 0; }, // n = 0
                                  {finished, QStringLiteral("仪器中没有构件数据，未写入数据文件。")},
                                  trellonCaption,
                                  QMessageBox::Information,
                                  true},
                      OutcomeCase{"frameRefused",
                                  {},
                                  [](std::vector<std::uint8_t>& memory) {
                                      memory[12 + 6] = 5;     // the first member starts after ...
                                      memory[12 + 7 + 6] = 0; // ... the second one
                                  },
                                  {finished, QStringLiteral("接收的数据无法识别，未写入数据文件。")},
                                  trellonCaption,
                                  QMessageBox::Warning,
                                  true},
                      OutcomeCase{"cannotOpenPipes",
                                  withFault([](SimulatedUsbFaults& f) { f.failPipes = true; }),
                                  {},
                                  {QStringLiteral("无法打开设备！")},
                                  usbCaption,
                                  QMessageBox::Critical,
                                  false},
                      OutcomeCase{"deviceVanished",
                                  withFault([](SimulatedUsbFaults& f) { f.failRequestOfBlock = 221; }),
                                  {},
                                  {QStringLiteral("端点2下传失败！如果设备断开过那么请先关闭本程序")},
                                  usbCaption,
                                  QMessageBox::Critical,
                                  false},
                      OutcomeCase{"stalled",
                                  withFault([](SimulatedUsbFaults& f) { f.shortBlock = 220; }),
                                  {},
                                  {interrupted},
                                  trellonCaption,
                                  QMessageBox::Warning,
                                  false},
                      OutcomeCase{"notAFrame",
                                  {},
                                  [](std::vector<std::uint8_t>& memory) { memory[0] = 0; },
                                  {interrupted},
                                  trellonCaption,
                                  QMessageBox::Warning,
                                  false},
                      OutcomeCase{"memoryEnded",
                                  {},
                                  [](std::vector<std::uint8_t>& memory) {
                                      memory[7] = 0x02;
                                  }, // more samples than blocks 220 to 4095
                                  {interrupted},
                                  trellonCaption,
                                  QMessageBox::Warning,
                                  false}),
    [](const ::testing::TestParamInfo<OutcomeCase>& param) { return std::string(param.param.name); });

// A pseudo-terminal standing in for the instrument's serial port; the instrument writes on the master side.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        char name[128] = {};
        termios raw{};
        ::cfmakeraw(&raw);
        if (::openpty(&master_, &slave_, name, &raw, nullptr) == 0)
            path_ = QString::fromLocal8Bit(name);
    }
    ~PseudoTerminal()
    {
        if (writer_.joinable())
            writer_.join();
        ::close(master_);
        ::close(slave_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    QString path() const { return path_; }
    // Sends the bytes in small paced pieces, as a 2400 baud line would not overrun the terminal's buffer.
    void send(std::span<const std::uint8_t> bytes)
    {
        writer_ = std::thread([this, bytes] {
            for (std::size_t at = 0; at < bytes.size(); at += 256) {
                const std::size_t count = std::min<std::size_t>(256, bytes.size() - at);
                (void)!::write(master_, bytes.data() + at, count);
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    }

private:
    int master_ = -1;
    int slave_ = -1;
    QString path_;
    std::thread writer_;
};

TEST_F(TransferDialogTest, completeSerialTransferOnATypedPortDeliversTheProject)
{
    PseudoTerminal terminal;
    ASSERT_FALSE(terminal.path().isEmpty());
    QSignalSpy delivered(&dialog, &TransferDialog::projectReceived);
    dialog.show();
    dialog.pathEdit()->setText(storage(QStringLiteral("serial")));
    chooseInList(dialog.portTypeList(), QStringLiteral("COM"));
    dialog.portList()->setEditText(terminal.path());
    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.startButton()->isEnabled());
    EXPECT_EQ(dialog.stateLabel()->text(), QStringLiteral("串口已打开，请在仪器上开始发送数据。"));
    terminal.send(demoTransfer());
    ASSERT_TRUE(delivered.wait(transferWaitMs));
    EXPECT_EQ(prompts.messages, QStringList{surveyArrived});
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    auto readBack = readProjectFile(QFile::encodeName(storage(QStringLiteral("serial.gj"))).toStdString());
    ASSERT_TRUE(readBack.ok());
    EXPECT_EQ(*readBack.value().project, *delivered.at(0).at(0).value<std::shared_ptr<Project>>());
}

TEST_F(TransferDialogTest, serialTellsTheEndBeforeClosingAndBeforeWriting)
{
    PseudoTerminal terminal;
    ASSERT_FALSE(terminal.path().isEmpty());
    const QString written = storage(QStringLiteral("serial.gj"));
    TransferDialog* watched = nullptr;
    QStringList seen;
    WatchingPrompts watching([&](const QString& text) {
        seen << QStringLiteral("%1 open=%2 written=%3")
                    .arg(text.section(QLatin1Char('\n'), 0, 0))
                    .arg(watched->isVisible())
                    .arg(QFile::exists(written));
    });
    TransferDialog serialDialog(watching);
    watched = &serialDialog;
    QSignalSpy delivered(&serialDialog, &TransferDialog::projectReceived);
    serialDialog.show();
    serialDialog.pathEdit()->setText(storage(QStringLiteral("serial")));
    chooseInList(serialDialog.portTypeList(), QStringLiteral("COM"));
    serialDialog.portList()->setEditText(terminal.path());
    QTest::mouseClick(serialDialog.startButton(), Qt::LeftButton);
    terminal.send(demoTransfer());
    ASSERT_TRUE(delivered.wait(transferWaitMs));
    EXPECT_EQ(seen.join(QStringLiteral(" | ")).toStdString(), "数据传输结束 open=1 written=0");
    EXPECT_FALSE(serialDialog.isVisible());
    EXPECT_TRUE(QFile::exists(written));
}

TEST_F(TransferDialogTest, browsingToAFolderStoresItsDataPathAcrossOpenings)
{
    const QString folder = storage(QStringLiteral("site"));
    ASSERT_TRUE(QDir().mkpath(folder));
    dialog.show();
    QString chooserStartedWith;
    QTimer::singleShot(0, &dialog, [&] {
        auto* chooser = qobject_cast<PathDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        chooserStartedWith = chooser->pathEdit()->text();
        chooser->pathEdit()->setText(folder);
        chooser->accept();
    });
    QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
    EXPECT_EQ(chooserStartedWith, QDir::homePath() + QStringLiteral("/"));
    EXPECT_EQ(dialog.pathEdit()->text(), folder + QStringLiteral("/data"));
    EXPECT_EQ(dialog.storedPath(), folder + QStringLiteral("/data"));
    dialog.hide();
    dialog.show();
    EXPECT_EQ(dialog.pathEdit()->text(), folder + QStringLiteral("/data"));
}

} // namespace
} // namespace trellon
