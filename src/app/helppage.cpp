// Help page lookup.
#include "helppage.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace trellon {

QString helpPagePath(InterfaceLanguage language)
{
    const QString folders[] = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/trellon/help"),
        QStringLiteral(TRELLON_HELP_SOURCE_DIR),
    };
    QStringList pages;
    if (language == InterfaceLanguage::english)
        pages << QStringLiteral("/en/index.html");
    pages << QStringLiteral("/index.html");
    for (const QString& page : pages) {
        for (const QString& folder : folders) {
            const QFileInfo file(folder + page);
            if (file.isFile())
                return file.canonicalFilePath();
        }
    }
    return {};
}

} // namespace trellon
