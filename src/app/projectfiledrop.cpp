// Dropped project files.
#include "projectfiledrop.h"

#include <QMimeData>
#include <QUrl>

namespace trellon {

bool isProjectFileName(const QString& path)
{
    return path.endsWith(QStringLiteral(".gj"), Qt::CaseInsensitive);
}

QString droppedProjectFile(const QMimeData* dropped)
{
    if (dropped == nullptr || !dropped->hasUrls())
        return {};
    for (const QUrl& url : dropped->urls()) {
        if (url.isLocalFile() && isProjectFileName(url.toLocalFile()))
            return url.toLocalFile();
    }
    return {};
}

} // namespace trellon
