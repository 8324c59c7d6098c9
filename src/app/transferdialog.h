// The data transfer dialog: storage path, link kind, port or device, start, cancel and progress.
#pragma once

#include "link/transfersession.h"
#include "model/project.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace trellon {

class UsbBlockDevice;
class UsbHotplugWatch;
class UserPrompts;
struct TransferReport;
struct TransferSummary;

class TransferDialog : public QDialog {
    Q_OBJECT

public:
    // Lives as long as its owner: the storage path, link kind and port are kept across openings.
    explicit TransferDialog(UserPrompts& prompts, QWidget* parent = nullptr);
    ~TransferDialog() override;

    // The storage path the dialog opens with; the received file is this path with ".gj" unless it ends so.
    QString storedPath() const { return storedPath_; }
    void setStoredPath(const QString& path) { storedPath_ = path; }

    // The instrument behind "模拟仪器"; by default one serving the bundled survey.
    using DeviceFactory = std::function<std::unique_ptr<UsbBlockDevice>()>;
    void setSimulatedInstrument(DeviceFactory factory) { simulatedInstrument_ = std::move(factory); }

    // The storage path as a file name: ".gj" appended unless the path already ends with it.
    static QString receivedFilePathFor(const QString& storagePath);

    QLineEdit* pathEdit() const { return pathEdit_; }
    QComboBox* portTypeList() const { return portTypeList_; }
    QComboBox* portList() const { return portList_; }
    QLabel* portLabel() const { return portLabel_; }
    QPushButton* browseButton() const { return browseButton_; }
    QPushButton* refreshButton() const { return refreshButton_; }
    QPushButton* startButton() const { return startButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QProgressBar* progressBar() const { return progressBar_; }
    QLabel* stateLabel() const { return stateLabel_; }

    // A transfer is open: started, and its end not yet told.
    bool transferRunning() const { return running_; }

    // Cancels a transfer that has not completed (nothing is written or handed over), then closes.
    void reject() override;

signals:
    // A complete transfer, on the user-interface thread, after the dialog has closed. The received
    // file may be missing when writing it failed; the user has been told.
    void projectReceived(std::shared_ptr<trellon::Project> project, QString receivedFilePath);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Transfer;
    class Relay;

    void retranslate();
    void prepareForOpening();
    void rememberSettings();
    void resetProgress();
    void portTypeChanged(int index);
    void fillPortList(const QString& keyToSelect);
    void refreshPortList();
    QString currentPortKey() const;
    // Says what to do when the entry chosen is that no USB instrument was found; otherwise nothing.
    void showPortState();
    void updateStartButton();
    void browse();
    void startTransfer();
    void startSerial(Transfer& transfer);
    void startUsb(Transfer& transfer);
    void cancelPressed();
    void cancelTransfer();
    std::unique_ptr<UsbBlockDevice> usbDevice(const QString& key);
    QString serialPortPath() const;

    // Handed over from the link's thread by Relay; ignored once another transfer has begun.
    void progressArrived(std::uint64_t generation, std::int64_t received, std::int64_t total);
    void frameCompleted(std::uint64_t generation, LinkKind kind, const std::optional<TransferSummary>& arrived);
    void transferEnded(std::uint64_t generation, TransferReport& report);

    // The outcome in the dialog's words; a received project goes to projectReceived.
    void tellOutcome(TransferReport& report);
    QWidget* messageParent();

    UserPrompts& prompts_;
    QString storedPath_;
    int storedPortType_;
    QString storedPort_; // the key of the port or device last used
    DeviceFactory simulatedInstrument_;

    QLabel* pathLabel_ = nullptr;
    QLabel* portTypeLabel_ = nullptr;
    QLabel* stateCaption_ = nullptr;
    QLineEdit* pathEdit_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QComboBox* portTypeList_ = nullptr;
    QLabel* portLabel_ = nullptr;
    QComboBox* portList_ = nullptr;
    QPushButton* refreshButton_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* stateLabel_ = nullptr;
    bool usbRunning_ = false; // a USB transfer runs: the link stays as chosen until it ends

    // Devices arriving or leaving refresh the list once things have settled (a serial adapter's port comes
    // after its USB device).
    std::unique_ptr<UsbHotplugWatch> hotplug_;
    QTimer* hotplugSettle_ = nullptr;

    std::unique_ptr<Transfer> transfer_;
    std::uint64_t generation_ = 0;
    bool running_ = false;
};

} // namespace trellon
