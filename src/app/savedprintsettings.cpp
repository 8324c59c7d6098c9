// Print settings at start-up.
#include "savedprintsettings.h"

#include "model/printsettingsfile.h"

#include <QFile>

namespace trellon {

PrintSettings savedPrintSettings(const QString& folder)
{
    const std::string local = QFile::encodeName(folder).toStdString();
    const SettingsProbe probe =
        probeSettingsFiles([&local](int index) { return printSettingsFilePath(local, index); }, printSettingsMagic);
    const PrintSettings initial;
    if (!probe.matched)
        return initial;
    PrintSettings saved = decodePrintSettingsFile(*probe.matched, printSettingsDialogDefaults());
    saved.headerText = QString::fromStdString(saved.headerText).trimmed().toStdString();
    return pageNumberOverHeader(saved) || pageNumberOverFooter(saved) ? initial : saved;
}

} // namespace trellon
