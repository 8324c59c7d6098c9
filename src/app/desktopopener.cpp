// The desktop's application for a file type, asked through xdg-mime.
#include "desktopopener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace trellon {

namespace {

// False only when the desktop says no application is registered for the type; where the desktop cannot be
// asked, the opening itself decides.
bool desktopHasApplicationFor(const QString& path)
{
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty())
        return true;
    const QString type =
        QFileInfo(path).isDir() ? QStringLiteral("inode/directory") : QMimeDatabase().mimeTypeForFile(path).name();
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!process.waitForFinished(5000) || process.exitStatus() != QProcess::NormalExit)
        return true;
    return !process.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

bool openWithDesktopApplication(const QUrl& url)
{
    if (url.isLocalFile() && !desktopHasApplicationFor(url.toLocalFile()))
        return false;
    return QDesktopServices::openUrl(url);
}

} // namespace trellon
