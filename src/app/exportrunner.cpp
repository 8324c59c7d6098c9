// Exports on a worker thread with a progress dialog.
#include "exportrunner.h"

#include "widgets/waitcursor.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QTimer>

#include <filesystem>
#include <limits>
#include <thread>

namespace trellon {
namespace {

constexpr int dialogDelayMs = 500;
constexpr int progressPollMs = 50;

std::string temporaryPathBeside(const std::string& path)
{
    return path + "." + std::to_string(QCoreApplication::applicationPid()) + ".part";
}

// The job's messages name the file chosen, not the temporary one it wrote.
Status namingTarget(const Status& status, const std::string& temporary, const std::string& path)
{
    if (status)
        return status;
    Error error = status.error();
    for (auto at = error.detail.find(temporary); at != std::string::npos;
         at = error.detail.find(temporary, at + path.size()))
        error.detail.replace(at, temporary.size(), path);
    return error;
}

void removeQuietly(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

} // namespace

std::optional<Status> runExport(QWidget* parent, const QString& label, const std::string& path, const ExportJob& job)
{
    const WaitCursor waiting;
    const std::string temporary = temporaryPathBeside(path);
    ExportTask progress(path);
    std::optional<Status> outcome;
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        Status written = job(temporary, progress);
        outcome = std::move(written);
        finished = true;
        // Wakes the loop below.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
    });

    QProgressDialog dialog(label, QCoreApplication::translate("ExportRunner", "取消"), 0, 0, parent);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    // Shown by the timer below only, not by the dialog's own guess from the progress.
    dialog.setMinimumDuration(std::numeric_limits<int>::max());
    QTimer::singleShot(dialogDelayMs, &dialog, [&dialog, &finished] {
        if (!finished)
            dialog.show();
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&progress] { progress.cancel(); });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
        if (progress.total() > 0 && dialog.maximum() != progress.total())
            dialog.setMaximum(progress.total());
        if (progress.total() > 0)
            dialog.setValue(progress.done());
    });
    poll.start(progressPollMs);
    // Until the dialog stands in its way, input waits, so that nothing changes the project under the export.
    while (!finished)
        QCoreApplication::processEvents(dialog.isVisible()
                                            ? QEventLoop::WaitForMoreEvents
                                            : QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
    worker.join();
    poll.stop();
    dialog.hide();

    if (progress.isCancelled()) {
        removeQuietly(temporary);
        return std::nullopt;
    }
    if (!*outcome) {
        removeQuietly(temporary);
        return namingTarget(*outcome, temporary, path);
    }
    std::error_code renamed;
    std::filesystem::rename(temporary, path, renamed);
    if (renamed) {
        removeQuietly(temporary);
        return Error{ErrorKind::cannotWrite, "cannot replace " + path + ": " + renamed.message(), std::nullopt};
    }
    return success();
}

} // namespace trellon
