// The data transfer command.
#include "transfercommand.h"

#include "commandwindow.h"
#include "filecommands.h"
#include "transferdialog.h"

#include "evaluation/statistics.h"

#include <QFileInfo>

namespace trellon {

TransferCommand::TransferCommand(CommandWindow& window, FileCommands& files, QObject* parent)
    : QObject(parent), window_(window), files_(files)
{
}

TransferCommand::~TransferCommand()
{
    delete dialog_;
}

void TransferCommand::start()
{
    if (!files_.confirmReplacingProject())
        return;
    if (dialog_ == nullptr) {
        dialog_ = new TransferDialog(window_.prompts(), window_.dialogParent());
        connect(dialog_, &TransferDialog::projectReceived, this, &TransferCommand::installReceivedProject);
    }
    dialog_->open();
}

void TransferCommand::cancel()
{
    if (dialog_ != nullptr && dialog_->isVisible())
        dialog_->reject();
}

void TransferCommand::installReceivedProject(std::shared_ptr<Project> project, const QString& receivedFilePath)
{
    if (project == nullptr)
        return;
    auto installed = std::make_unique<Project>(std::move(*project));
    recomputeStatistics(*installed);
    const bool written = !receivedFilePath.isEmpty() && QFileInfo::exists(receivedFilePath);
    const QString absolute = written ? QFileInfo(receivedFilePath).absoluteFilePath() : QString();
    // A transfer that could not write its file leaves a project that is nowhere else, unless it holds nothing.
    const bool unsaved = !written && installed->memberCount() > 0;
    files_.installProject(std::move(installed), absolute, unsaved);
    if (written)
        files_.addRecentFile(absolute);
}

} // namespace trellon
