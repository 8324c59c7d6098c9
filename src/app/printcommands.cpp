// The print commands.
#include "printcommands.h"

#include "childwindows.h"
#include "commandwindow.h"
#include "printrun.h"
#include "printsettingsdialog.h"
#include "savedprintsettings.h"
#include "usersettingsfolder.h"

#include "document/projectdocument.h"

#include <QSettings>

namespace trellon {

namespace {

const QString previewKey = QStringLiteral("Settings/PreviewPages");

} // namespace

PrintCommands::PrintCommands(CommandWindow& window, QSettings& settings)
    : window_(window), settings_(settings), printSettings_(savedPrintSettings(userSettingsFolder()))
{
    systemDialogs_.previewPages = settings.value(previewKey, 0).toInt();
}

void PrintCommands::rememberPreviewPages()
{
    settings_.setValue(previewKey, systemDialogs_.previewPages);
}

void PrintCommands::runPrint(Run run)
{
    ChildWindows& windows = window_.childWindows();
    const ChildKind before = windows.activeKind();
    windows.showListWindow();
    if (const Project* project = window_.document().project())
        run(window_.dialogParent(), *project, printSettings_, *dialogs_, window_.prompts());
    // The diagram window the run started from comes back, so that it and the panel show the same mode again.
    if ((before == ChildKind::section || before == ChildKind::grid) && windows.childFrame(before) != nullptr)
        windows.openOrActivate(before);
}

void PrintCommands::print()
{
    runPrint(printCheckedMembers);
}

void PrintCommands::preview()
{
    runPrint(previewCheckedMembers);
}

void PrintCommands::showSettingsDialog()
{
    if (auto confirmed = PrintSettingsDialog::ask(window_.dialogParent(), window_.prompts(), userSettingsFolder()))
        printSettings_ = std::move(*confirmed);
}

} // namespace trellon
