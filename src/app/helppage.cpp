// Help page lookup.
#include "helppage.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace trellon {

QString helpPagePath()
{
    const QString bin = QCoreApplication::applicationDirPath();
    const QString candidates[] = {
        bin + QStringLiteral("/../share/trellon/help/index.html"),
        QStringLiteral(TRELLON_HELP_SOURCE_DIR "/index.html"),
    };
    for (const QString& candidate : candidates) {
        const QFileInfo file(candidate);
        if (file.isFile())
            return file.canonicalFilePath();
    }
    return {};
}

} // namespace trellon
