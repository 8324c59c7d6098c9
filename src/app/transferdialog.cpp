// The transfer dialog drives the links as the command line does; their reports reach it through a queued relay.
#include "transferdialog.h"

#include "link/demotransfer.h"
#include "link/libusbdevice.h"
#include "link/simulatedusbdevice.h"
#include "link/transfersession.h"
#include "link/usblink.h"
#include "pathdialog.h"
#include "seriallink/seriallink.h"
#include "seriallink/serialports.h"
#include "widgets/userprompts.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace trellon {
namespace {

constexpr int portTypeCom = 0;
constexpr int portTypeUsb = 1;
constexpr int portCount = 6;

constexpr const char* usbLinkCaption = "DEBUG372";

QString errorText(const std::optional<Error>& error)
{
    return error ? QString::fromStdString(error->describe()) : QString();
}

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
    void frameCompleted(LinkKind kind, const std::optional<TransferSummary>&) override
    {
        if (QThread::currentThread() == dialog_.thread()) {
            dialog_.frameCompleted(generation_, kind);
            return;
        }
        auto announced = std::make_shared<Announcement>();
        {
            const std::lock_guard lock(mutex_);
            if (abandoned_)
                return;
            pending_ = announced;
        }
        post([kind, announced](TransferDialog& dialog, std::uint64_t generation) {
            dialog.frameCompleted(generation, kind);
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
    : QDialog(parent), prompts_(prompts), storedPath_(QDir::homePath() + QStringLiteral("/data"))
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
    portList_->setMinimumContentsLength(18);
    portLabel_->setBuddy(portList_);

    startButton_ = new QPushButton(this);
    startButton_->setDefault(true);
    cancelButton_ = new QPushButton(this);
    cancelButton_->setAutoDefault(false);

    stateLabel_ = new QLabel(this);
    auto* stateFrame = new QFrame(this);
    stateFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    progressBar_ = new QProgressBar(stateFrame);
    auto* frameLayout = new QVBoxLayout(stateFrame);
    frameLayout->addWidget(progressBar_);
    frameLayout->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(pathLabel_, 0, 0, Qt::AlignRight);
    layout->addWidget(pathEdit_, 0, 1);
    layout->addWidget(browseButton_, 0, 2);
    layout->addWidget(portTypeLabel_, 1, 0, Qt::AlignRight);
    layout->addWidget(portTypeList_, 1, 1);
    layout->addWidget(startButton_, 1, 2);
    layout->addWidget(portLabel_, 2, 0, Qt::AlignRight);
    layout->addWidget(portList_, 2, 1);
    layout->addWidget(cancelButton_, 2, 2);
    layout->addWidget(stateLabel_, 3, 0, 1, 3);
    layout->addWidget(stateFrame, 4, 0, 1, 3);
    layout->setRowStretch(4, 1);

    connect(portTypeList_, &QComboBox::currentIndexChanged, this, &TransferDialog::portTypeChanged);
    connect(browseButton_, &QPushButton::clicked, this, &TransferDialog::browse);
    connect(startButton_, &QPushButton::clicked, this, &TransferDialog::startTransfer);
    connect(cancelButton_, &QPushButton::clicked, this, &TransferDialog::reject);

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
    stateLabel_->setText(tr("通信状态："));
    progressBar_->setFormat(tr("%v / %m 字节"));
    // The port list and its label are filled each time the dialog opens; being modal, it is closed while the
    // language changes.
}

TransferDialog::~TransferDialog()
{
    // The reader must be gone before the dialog it reports to.
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
    if (!event->spontaneous())
        prepareForOpening();
    QDialog::showEvent(event);
}

void TransferDialog::prepareForOpening()
{
    portTypeList_->setCurrentIndex(portTypeUsb);
    portTypeChanged(portTypeUsb);
    pathEdit_->setText(storedPath_);
    startButton_->setEnabled(true);
    resetProgress();
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
    portList_->clear();
    if (index == portTypeCom) {
        // COMn is the n-th serial port of the system; another port can be typed as its path.
        const std::vector<std::string> ports = availableSerialPorts();
        portList_->setEditable(true);
        for (int number = 1; number <= portCount; ++number) {
            const QString path = QString::fromStdString(serialPortForNumber(number, ports));
            const QString name = tr("COM%1").arg(number);
            portList_->addItem(path.isEmpty() ? name : tr("%1 (%2)").arg(name, path), path);
        }
        portLabel_->setText(tr("端口号："));
    } else {
        portList_->setEditable(false);
        for (int number = 1; number <= portCount; ++number)
            portList_->addItem(tr("Device%1").arg(number));
        portList_->addItem(tr("模拟仪器"));
        portLabel_->setText(tr("设备号："));
    }
    portList_->setCurrentIndex(0);
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

    // A transfer still open ends first; its late reports carry the old generation and are dropped.
    transfer_.reset();
    ++generation_;
    resetProgress();
    progressBar_->setRange(0, 0);

    const LinkKind kind = portTypeList_->currentIndex() == portTypeCom ? LinkKind::serial : LinkKind::usb;
    transfer_ = std::make_unique<Transfer>(*this, generation_);
    transfer_->session.setReceivedFilePath(QFile::encodeName(filePath).toStdString());
    if (kind == LinkKind::serial)
        startSerial(*transfer_);
    else
        startUsb(*transfer_);
}

void TransferDialog::startSerial(Transfer& transfer)
{
    transfer.serial = std::make_unique<SerialLink>(transfer.session);
    transfer.serial->start(QFile::encodeName(serialPortPath()).toStdString());
}

void TransferDialog::startUsb(Transfer& transfer)
{
    // Only cancel is left once a USB transfer has been started.
    startButton_->setEnabled(false);
    transfer.device = usbDevice(portList_->currentIndex());
    if (!transfer.device) {
        TransferReport report;
        report.outcome = TransferOutcome::cannotOpenDevice;
        tellOutcome(report);
        return;
    }
    transfer.usb = std::make_unique<UsbLink>(*transfer.device, transfer.session);
    transfer.usb->start();
}

std::unique_ptr<UsbBlockDevice> TransferDialog::usbDevice(int position)
{
    if (position == simulatedInstrumentIndex) {
        if (simulatedInstrument_)
            return simulatedInstrument_();
        auto memory = layOutInstrumentMemory(demoTransfer());
        if (!memory)
            return nullptr;
        return std::make_unique<SimulatedUsbDevice>(std::move(memory).value());
    }
    return std::make_unique<LibusbDevice>(position, defaultUsbIds());
}

void TransferDialog::reject()
{
    if (transfer_) {
        if (transfer_->usb)
            transfer_->usb->cancel();
        if (transfer_->serial)
            transfer_->serial->cancel();
    }
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

void TransferDialog::frameCompleted(std::uint64_t generation, LinkKind kind)
{
    if (generation != generation_)
        return;
    // Serial: the message, then the dialog closes. USB: the dialog closes, then the message.
    const auto tellFinished = [this] { prompts_.showMessage(messageParent(), tr("数据传输结束")); };
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

void TransferDialog::tellUsbLinkFailure(const QString& text)
{
    prompts_.showMessage(messageParent(), text, QMessageBox::Critical, QString::fromLatin1(usbLinkCaption));
}

void TransferDialog::tellOutcome(TransferReport& report)
{
    if (!report.frameArrived()) {
        // The dialog stays open; the user may start again or cancel.
        resetProgress();
    } else if (report.rawStreamNotWritten) {
        const QString rawPath = QFile::decodeName(report.rawFilePath.c_str());
        prompts_.showMessage(messageParent(),
                             tr("原始数据文件%1写入失败!\n%2").arg(rawPath, errorText(report.rawStreamNotWritten)),
                             QMessageBox::Warning);
    }

    const QString filePath = QFile::decodeName(report.receivedFilePath.c_str());
    switch (report.outcome) {
    case TransferOutcome::cancelled:
    case TransferOutcome::linkClosed:
        return;
    case TransferOutcome::cannotOpenPort:
        prompts_.showMessage(messageParent(), tr("不能打开串口!"));
        return;
    case TransferOutcome::portLost:
        prompts_.showMessage(messageParent(), tr("串口已断开，数据传输中断!\n%1").arg(errorText(report.detail)),
                             QMessageBox::Warning);
        return;
    case TransferOutcome::cannotOpenDevice:
        tellUsbLinkFailure(tr("打开设备失败！"));
        return;
    case TransferOutcome::cannotOpenPipes:
        tellUsbLinkFailure(tr("无法打开设备！"));
        return;
    case TransferOutcome::readerNotStarted:
        tellUsbLinkFailure(tr("端点2线程启动失败"));
        return;
    case TransferOutcome::deviceVanished:
        tellUsbLinkFailure(tr("端点2下传失败！如果设备断开过那么请先关闭本程序"));
        return;
    case TransferOutcome::stalled:
    case TransferOutcome::notAFrame:
    case TransferOutcome::memoryEnded:
        prompts_.showMessage(messageParent(), tr("数据传输中断!\n%1").arg(errorText(report.detail)),
                             QMessageBox::Warning);
        return;
    case TransferOutcome::frameRefused:
        prompts_.showMessage(messageParent(),
                             tr("接收的数据无法识别，未写入数据文件。\n%1").arg(errorText(report.detail)),
                             QMessageBox::Warning);
        return;
    case TransferOutcome::noMembers:
        // An empty memory would only replace the loaded project with nothing.
        prompts_.showMessage(messageParent(), tr("仪器中没有构件数据，未写入数据文件。"));
        return;
    case TransferOutcome::cannotWriteReceivedFile:
        prompts_.showMessage(messageParent(), tr("数据文件%1写入失败!\n%2").arg(filePath, errorText(report.detail)),
                             QMessageBox::Warning);
        break;
    case TransferOutcome::completed:
        break;
    }
    emit projectReceived(std::shared_ptr<Project>(std::move(report.project)), filePath);
}

} // namespace trellon
