// The path a save dialog proposes.
#include "proposedpath.h"

#include "document/projectdocument.h"

#include <QDir>
#include <QFileInfo>

namespace trellon {

QString proposedPath(const ProjectDocument& document, const QString& suffix)
{
    const QString current = QString::fromStdString(document.currentFilePath());
    if (current.isEmpty())
        return QDir::homePath();
    const QFileInfo file(current);
    return file.path() + QLatin1Char('/') + file.completeBaseName() + suffix;
}

} // namespace trellon
