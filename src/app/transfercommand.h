// "数据传输": the transfer dialog, and the project it receives put in place of the loaded one.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace trellon {

class CommandWindow;
class FileCommands;
class TransferDialog;
struct Project;

class TransferCommand final : public QObject {
    Q_OBJECT

public:
    // The window and the file commands outlive the command.
    TransferCommand(CommandWindow& window, FileCommands& files, QObject* parent = nullptr);
    ~TransferCommand() override;

    // Asks to save a modified project first, then opens the transfer dialog.
    void start();
    // Ends a transfer under way, as the dialog's own Cancel does.
    void cancel();
    // A completed transfer, on the user-interface thread: installed, with the panel and the views refreshed, and
    // the file it was written to first among the recent files.
    void installReceivedProject(std::shared_ptr<trellon::Project> project, const QString& receivedFilePath);

    // Null until the first transfer.
    TransferDialog* dialog() const { return dialog_; }

private:
    CommandWindow& window_;
    FileCommands& files_;
    TransferDialog* dialog_ = nullptr;
};

} // namespace trellon
