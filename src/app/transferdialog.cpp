// The transfer dialog drives the links as the command line does; their reports reach it through a queued relay.
#include "transferdialog.h"

#include "link/demotransfer.h"
#include "link/libusbdevice.h"
#include "link/simulatedusbdevice.h"
#include "link/transfersession.h"
#include "link/usbhotplugwatch.h"
#include "link/usblink.h"
#include "pathdialog.h"
#include "seriallink/seriallink.h"
#include "seriallink/serialports.h"
#include "transfermessages.h"
#include "transferports.h"
#include "widgets/userprompts.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace trellon {
namespace {

constexpr int portTypeCom = 0;
constexpr int portTypeUsb = 1;
constexpr int hotplugSettleMs = 500;

// Set once on the dialog's thread; the reader thread waits for it.
class Announcement {
public:
    void finish()
    {
        const std::lock_guard lock(mutex_);
        done_ = true;
        changed_.notify_all();
    }
    void wait()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return done_; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool done_ = false;
};

} // namespace

// Carries the link's reports, from whichever thread makes them, to the dialog's thread. Each transfer has
// its own relay, so reports of a transfer that was replaced are recognised and dropped.
class TransferDialog::Relay final : public TransferObserver {
public:
    Relay(TransferDialog& dialog, std::uint64_t generation) : dialog_(dialog), generation_(generation) {}

    void transferProgress(const TransferProgress& progress) override
    {
        post([progress](TransferDialog& dialog, std::uint64_t generation) {
            dialog.progressArrived(generation, progress.received, progress.total);
        });
    }

    // The files are written only once the user has been told: the reader thread waits for the dialog.
    void frameCompleted(LinkKind kind, const Project* project) override
    {
        std::optional<TransferSummary> arrived;
        if (project != nullptr)
            arrived = summarizeTransfer(*project);
        if (QThread::currentThread() == dialog_.thread()) {
            dialog_.frameCompleted(generation_, kind, arrived);
            return;
        }
        auto announced = std::make_shared<Announcement>();
        {
            const std::lock_guard lock(mutex_);
            if (abandoned_)
                return;
            pending_ = announced;
        }
        post([kind, arrived, announced](TransferDialog& dialog, std::uint64_t generation) {
            dialog.frameCompleted(generation, kind, arrived);
            announced->finish();
        });
        announced->wait();
    }

    void transferEnded(TransferReport report) override
    {
        auto ended = std::make_shared<TransferReport>(std::move(report));
        post([ended](TransferDialog& dialog, std::uint64_t generation) { dialog.transferEnded(generation, *ended); });
    }

    // The dialog lets go of the transfer, maybe to join its reader: a reader waiting for the dialog goes on.
    void abandon()
    {
        const std::lock_guard lock(mutex_);
        abandoned_ = true;
        if (pending_)
            pending_->finish();
    }

private:
    template <typename Call> void post(Call call)
    {
        TransferDialog* dialog = &dialog_;
        const std::uint64_t generation = generation_;
        QMetaObject::invokeMethod(
            dialog, [dialog, generation, call] { call(*dialog, generation); }, Qt::QueuedConnection);
    }

    TransferDialog& dialog_;
    const std::uint64_t generation_;
    std::mutex mutex_;
    bool abandoned_ = false;
    std::shared_ptr<Announcement> pending_;
};

// One transfer's link and session. Destroyed links stop first: a USB reader is joined, a serial port closed.
struct TransferDialog::Transfer {
    Transfer(TransferDialog& dialog, std::uint64_t generation) : relay(dialog, generation), session(relay) {}
    ~Transfer() { relay.abandon(); }

    Relay relay;
    TransferSession session;
    std::unique_ptr<UsbBlockDevice> device;
    std::unique_ptr<UsbLink> usb;
    std::unique_ptr<SerialLink> serial;
};

TransferDialog::TransferDialog(UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), storedPath_(QDir::homePath() + QStringLiteral("/data")),
      storedPortType_(portTypeUsb)
{
    pathLabel_ = new QLabel(this);
    pathEdit_ = new QLineEdit(this);
    pathEdit_->setMinimumWidth(240);
    pathLabel_->setBuddy(pathEdit_);
    browseButton_ = new QPushButton(this);
    browseButton_->setAutoDefault(false);

    portTypeLabel_ = new QLabel(this);
    portTypeList_ = new QComboBox(this);
    portTypeList_->addItems({QString(), QString()});
    portTypeLabel_->setBuddy(portTypeList_);
    portLabel_ = new QLabel(this);
    portList_ = new QComboBox(this);
    portList_->setInsertPolicy(QComboBox::NoInsert);
    portList_->setMinimumContentsLength(24);
    portList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    portLabel_->setBuddy(portList_);
    refreshButton_ = new QPushButton(this);
    refreshButton_->setAutoDefault(false);

    startButton_ = new QPushButton(this);
    startButton_->setDefault(true);
    cancelButton_ = new QPushButton(this);
    cancelButton_->setAutoDefault(false);

    stateCaption_ = new QLabel(this);
    auto* stateFrame = new QFrame(this);
    stateFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    progressBar_ = new QProgressBar(stateFrame);
    stateLabel_ = new QLabel(stateFrame);
    stateLabel_->setWordWrap(true);
    auto* frameLayout = new QVBoxLayout(stateFrame);
    frameLayout->addWidget(progressBar_);
    frameLayout->addWidget(stateLabel_);
    frameLayout->addStretch();

    auto* portRow = new QHBoxLayout;
    portRow->addWidget(portList_, 1);
    portRow->addWidget(refreshButton_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(pathLabel_, 0, 0, Qt::AlignRight);
    layout->addWidget(pathEdit_, 0, 1);
    layout->addWidget(browseButton_, 0, 2);
    layout->addWidget(portTypeLabel_, 1, 0, Qt::AlignRight);
    layout->addWidget(portTypeList_, 1, 1);
    layout->addWidget(startButton_, 1, 2);
    layout->addWidget(portLabel_, 2, 0, Qt::AlignRight);
    layout->addLayout(portRow, 2, 1);
    layout->addWidget(cancelButton_, 2, 2);
    layout->addWidget(stateCaption_, 3, 0, 1, 3);
    layout->addWidget(stateFrame, 4, 0, 1, 3);
    layout->setRowStretch(4, 1);

    hotplugSettle_ = new QTimer(this);
    hotplugSettle_->setSingleShot(true);
    hotplugSettle_->setInterval(hotplugSettleMs);

    connect(portTypeList_, &QComboBox::currentIndexChanged, this, &TransferDialog::portTypeChanged);
    connect(portList_, &QComboBox::currentIndexChanged, this, [this] {
        showPortState();
        updateStartButton();
    });
    connect(refreshButton_, &QPushButton::clicked, this, &TransferDialog::refreshPortList);
    connect(hotplugSettle_, &QTimer::timeout, this, &TransferDialog::refreshPortList);
    connect(browseButton_, &QPushButton::clicked, this, &TransferDialog::browse);
    connect(startButton_, &QPushButton::clicked, this, &TransferDialog::startTransfer);
    connect(cancelButton_, &QPushButton::clicked, this, &TransferDialog::cancelPressed);

    retranslate();
    prepareForOpening();
}

void TransferDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void TransferDialog::retranslate()
{
    setWindowTitle(tr("数据传输设置"));
    pathLabel_->setText(tr("文件存储路径："));
    browseButton_->setText(tr("浏览..."));
    portTypeLabel_->setText(tr("端口类型："));
    portTypeList_->setItemText(portTypeCom, tr("COM"));
    portTypeList_->setItemText(portTypeUsb, tr("USB"));
    startButton_->setText(tr("数据传输"));
    cancelButton_->setText(tr("取 消"));
    stateCaption_->setText(tr("通信状态："));
    refreshButton_->setText(tr("刷新"));
    refreshButton_->setToolTip(tr("重新查找串口和USB仪器"));
    progressBar_->setFormat(tr("%v / %m 字节"));
    // The port list and its label are filled each time the dialog opens; being modal, it is closed while the
    // language changes.
}

TransferDialog::~TransferDialog()
{
    // The watch and the reader must be gone before the dialog they report to.
    hotplug_.reset();
    transfer_.reset();
}

QString TransferDialog::receivedFilePathFor(const QString& storagePath)
{
    if (storagePath.endsWith(QStringLiteral(".gj"), Qt::CaseInsensitive))
        return storagePath;
    return storagePath + QStringLiteral(".gj");
}

void TransferDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        prepareForOpening();
        hotplug_ = std::make_unique<UsbHotplugWatch>([this] {
            QMetaObject::invokeMethod(
                hotplugSettle_, [settle = hotplugSettle_] { settle->start(); }, Qt::QueuedConnection);
        });
    }
    QDialog::showEvent(event);
}

void TransferDialog::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous()) {
        rememberSettings();
        hotplug_.reset();
        hotplugSettle_->stop();
    }
    QDialog::hideEvent(event);
}

void TransferDialog::prepareForOpening()
{
    pathEdit_->setText(storedPath_);
    {
        const QSignalBlocker blocker(portTypeList_);
        portTypeList_->setCurrentIndex(storedPortType_);
    }
    portTypeChanged(storedPortType_);
    resetProgress();
}

void TransferDialog::rememberSettings()
{
    storedPath_ = pathEdit_->text().trimmed();
    storedPortType_ = portTypeList_->currentIndex();
    storedPort_ = currentPortKey();
}

void TransferDialog::resetProgress()
{
    // The byte count shows once the frame's length is known.
    progressBar_->setTextVisible(false);
    progressBar_->setRange(0, 1);
    progressBar_->setValue(0);
}

void TransferDialog::portTypeChanged(int index)
{
    if (index == portTypeCom) {
        // COMn is the n-th serial port of the system; another port can be typed as its path.
        portList_->setEditable(true);
        portLabel_->setText(tr("端口号："));
    } else {
        portList_->setEditable(false);
        portLabel_->setText(tr("设备号："));
    }
    fillPortList(index == storedPortType_ ? storedPort_ : QString());
}

void TransferDialog::fillPortList(const QString& keyToSelect)
{
    const bool serial = portTypeList_->currentIndex() == portTypeCom;
    {
        const QSignalBlocker blocker(portList_);
        portList_->clear();
        for (const PortEntry& entry : serial ? serialPortEntries() : usbDeviceEntries())
            portList_->addItem(entry.label, entry.key);
        const int at = keyToSelect.isEmpty() ? -1 : portList_->findData(keyToSelect);
        portList_->setCurrentIndex(std::max(at, 0));
        // A port typed as its path stays as typed.
        if (serial && at < 0 && !keyToSelect.isEmpty())
            portList_->setEditText(keyToSelect);
    }
    showPortState();
    updateStartButton();
}

void TransferDialog::showPortState()
{
    if (running_)
        return;
    const bool noInstrument = portTypeList_->currentIndex() == portTypeUsb && currentPortKey() == noInstrumentKey;
    stateLabel_->setText(noInstrument ? tr("未找到USB仪器。请用USB线连接仪器并开机，然后按“刷新”。") : QString());
}

void TransferDialog::refreshPortList()
{
    fillPortList(currentPortKey());
}

QString TransferDialog::currentPortKey() const
{
    if (portTypeList_->currentIndex() == portTypeCom)
        return serialPortPath();
    return portList_->currentData().toString();
}

void TransferDialog::updateStartButton()
{
    // A USB transfer runs to its end or its cancel, whatever is chosen meanwhile, so the link cannot be changed
    // under it; a serial one may be restarted.
    const bool usb = portTypeList_->currentIndex() == portTypeUsb;
    startButton_->setEnabled(!usbRunning_ && !(usb && running_) && !(usb && currentPortKey() == noInstrumentKey));
    portTypeList_->setEnabled(!usbRunning_);
    portList_->setEnabled(!usbRunning_);
    refreshButton_->setEnabled(!usbRunning_);
}

void TransferDialog::browse()
{
    // The chooser starts at the folder of the storage path.
    const QString folderOfStoredPath = QFileInfo(storedPath_).path();
    PathDialog chooser(folderOfStoredPath.endsWith(QLatin1Char('/')) ? folderOfStoredPath
                                                                     : folderOfStoredPath + QLatin1Char('/'),
                       this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    QString folder = chooser.chosenPath().trimmed();
    if (folder.isEmpty())
        return;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    storedPath_ = folder + QStringLiteral("data");
    pathEdit_->setText(storedPath_);
}

QString TransferDialog::serialPortPath() const
{
    const int index = portList_->currentIndex();
    const QString text = portList_->currentText().trimmed();
    if (index >= 0 && text == portList_->itemText(index))
        return portList_->itemData(index).toString();
    return QString::fromStdString(resolveSerialPort(text.toStdString(), availableSerialPorts()));
}

void TransferDialog::startTransfer()
{
    const QString storagePath = pathEdit_->text().trimmed();
    if (storagePath.isEmpty()) {
        prompts_.showMessage(this, tr("请输入文件存储路径!"), QMessageBox::Warning);
        return;
    }
    const QString filePath = receivedFilePathFor(storagePath);
    if (QFileInfo::exists(filePath) && prompts_.ask(this, tr("文件%1已存在，您要覆盖它吗?").arg(filePath),
                                                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    rememberSettings();

    // A transfer still open ends first; its late reports carry the old generation and are dropped.
    transfer_.reset();
    ++generation_;
    resetProgress();
    progressBar_->setRange(0, 0);

    const LinkKind kind = portTypeList_->currentIndex() == portTypeCom ? LinkKind::serial : LinkKind::usb;
    transfer_ = std::make_unique<Transfer>(*this, generation_);
    transfer_->session.setReceivedFilePath(QFile::encodeName(filePath).toStdString());
    running_ = true;
    usbRunning_ = kind == LinkKind::usb;
    updateStartButton();
    if (kind == LinkKind::serial)
        startSerial(*transfer_);
    else
        startUsb(*transfer_);
}

void TransferDialog::startSerial(Transfer& transfer)
{
    transfer.serial = std::make_unique<SerialLink>(transfer.session);
    if (transfer.serial->start(QFile::encodeName(serialPortPath()).toStdString()))
        stateLabel_->setText(tr("串口已打开，请在仪器上开始发送数据。"));
}

void TransferDialog::startUsb(Transfer& transfer)
{
    stateLabel_->setText(tr("正在接收数据……"));
    transfer.device = usbDevice(currentPortKey());
    if (!transfer.device) {
        TransferReport report;
        report.outcome = TransferOutcome::cannotOpenDevice;
        tellOutcome(report);
        return;
    }
    transfer.usb = std::make_unique<UsbLink>(*transfer.device, transfer.session);
    transfer.usb->start();
}

std::unique_ptr<UsbBlockDevice> TransferDialog::usbDevice(const QString& key)
{
    if (key == simulatedInstrumentKey) {
        if (simulatedInstrument_)
            return simulatedInstrument_();
        auto memory = layOutInstrumentMemory(demoTransfer());
        if (!memory)
            return nullptr;
        return std::make_unique<SimulatedUsbDevice>(std::move(memory).value());
    }
    const int index = deviceIndexOf(key);
    if (index < 0)
        return nullptr;
    return std::make_unique<LibusbDevice>(index, defaultUsbIds());
}

void TransferDialog::cancelPressed()
{
    if (running_)
        cancelTransfer();
    else
        reject();
}

void TransferDialog::cancelTransfer()
{
    // The end is told when the link has closed: at once for serial, after the reader's current step for USB.
    if (transfer_ && transfer_->usb)
        transfer_->usb->cancel();
    if (transfer_ && transfer_->serial)
        transfer_->serial->cancel();
    stateLabel_->setText(tr("正在取消……"));
}

void TransferDialog::reject()
{
    if (running_)
        cancelTransfer();
    QDialog::reject();
}

QWidget* TransferDialog::messageParent()
{
    return isVisible() ? this : parentWidget();
}

void TransferDialog::progressArrived(std::uint64_t generation, std::int64_t received, std::int64_t total)
{
    if (generation != generation_)
        return;
    if (total <= 0) {
        progressBar_->setRange(0, 0);
        return;
    }
    progressBar_->setTextVisible(true);
    progressBar_->setRange(0, static_cast<int>(total));
    progressBar_->setValue(static_cast<int>(std::min(received, total)));
}

void TransferDialog::frameCompleted(std::uint64_t generation, LinkKind kind,
                                    const std::optional<TransferSummary>& arrived)
{
    if (generation != generation_)
        return;
    // Serial: the message, then the dialog closes. USB: the dialog closes, then the message.
    const auto tellFinished = [this, &arrived] { prompts_.showMessage(messageParent(), endOfTransferText(arrived)); };
    if (kind == LinkKind::serial)
        tellFinished();
    if (isVisible())
        done(QDialog::Accepted);
    if (kind == LinkKind::usb)
        tellFinished();
}

void TransferDialog::transferEnded(std::uint64_t generation, TransferReport& report)
{
    if (generation == generation_)
        tellOutcome(report);
}

void TransferDialog::tellOutcome(TransferReport& report)
{
    running_ = false;
    usbRunning_ = false;
    if (!report.frameArrived()) {
        // The dialog stays open; the user may start again or close it.
        resetProgress();
        stateLabel_->setText(report.outcome == TransferOutcome::cancelled ? tr("数据传输已取消。")
                                                                          : tr("数据传输未完成。"));
        updateStartButton();
    }
    for (const TransferMessage& message : outcomeMessages(report))
        prompts_.showMessage(messageParent(), message.text, message.icon, message.caption, message.details);
    if (report.outcome != TransferOutcome::completed && report.outcome != TransferOutcome::cannotWriteReceivedFile)
        return;
    const QString filePath = QFile::decodeName(report.receivedFilePath.c_str());
    emit projectReceived(std::shared_ptr<Project>(std::move(report.project)), filePath);
}

} // namespace trellon
