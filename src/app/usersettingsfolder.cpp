// The settings files' folder.
#include "usersettingsfolder.h"

#include <QDir>
#include <QStandardPaths>

namespace trellon {

QString userSettingsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return folder;
}

} // namespace trellon
