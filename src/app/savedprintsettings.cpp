// Print settings at start-up.
#include "savedprintsettings.h"

#include "model/printsettingsfile.h"

#include <QFile>

namespace trellon {

namespace {

constexpr int topCentre = 4;
constexpr int bottomCentre = 1;

} // namespace

bool pageNumberInterferes(const PrintSettings& settings)
{
    return (!settings.headerText.empty() && settings.headerOn && settings.pageNumberPosition == topCentre) ||
           (!settings.footerText.empty() && settings.footerOn && settings.pageNumberPosition == bottomCentre);
}

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
    return pageNumberInterferes(saved) ? initial : saved;
}

} // namespace trellon
