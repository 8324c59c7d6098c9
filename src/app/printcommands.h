// 打印, 打印预览 and 打印设置: the print settings the runs use, and the dialogs they ask through.
#pragma once

#include "printdialogs.h"

#include "model/printsettings.h"

class QSettings;

namespace trellon {

class CommandWindow;
class UserPrompts;
struct Project;

class PrintCommands {
public:
    // The print settings are those of the settings file; the pages the preview shows side by side those of the
    // last run. The window and the settings outlive the commands.
    PrintCommands(CommandWindow& window, QSettings& settings);

    // Replaced as a whole by a confirmed print-settings dialog.
    const PrintSettings& printSettings() const { return printSettings_; }
    // By default the system's dialogs; the dialogs set outlive the commands.
    void setDialogs(PrintDialogs& dialogs) { dialogs_ = &dialogs; }
    int previewPages() const { return systemDialogs_.previewPages; }
    // Keeps the preview's pages side by side for the next run.
    void rememberPreviewPages();

    // The list window is brought forward for the run; the diagram window it started from comes back after it.
    void print();
    void preview();
    void showSettingsDialog();

private:
    using Run = void (*)(QWidget*, const Project&, const PrintSettings&, PrintDialogs&, UserPrompts&);
    void runPrint(Run run);

    CommandWindow& window_;
    QSettings& settings_;
    PrintSettings printSettings_;
    SystemPrintDialogs systemDialogs_;
    PrintDialogs* dialogs_ = &systemDialogs_;
};

} // namespace trellon
