// The main window: the document area with the list, section and grid windows, the menus and toolbar of the
// command table, the status bar, and the docks of the control panel and the history. It assembles the project
// document and the objects that carry out the commands, and wires them together.
#pragma once

#include "childwindows.h"
#include "commandtable.h"
#include "commandwindow.h"
#include "crashrecovery.h"
#include "editcommands.h"
#include "evaluationcommand.h"
#include "filecommands.h"
#include "helpcommands.h"
#include "languageswitch.h"
#include "printcommands.h"
#include "transfercommand.h"
#include "verificationcommand.h"

#include "document/projectdocument.h"

#include <QMainWindow>

#include <functional>

class QDockWidget;
class QLabel;
class QMdiArea;
class QMenu;
class QSettings;
class QToolBar;

namespace trellon {

class CommandActions;
class ControlPanel;
class HistoryDock;

class CMainFrame final : public QMainWindow, public CommandWindow {
    Q_OBJECT

public:
    // prompts and settings outlive the window. Opens the empty list window. A modified project is kept for
    // recovery after a crash in recoveryFolder (empty: the user's state folder).
    CMainFrame(UserPrompts& prompts, QSettings& settings, const QString& recoveryFolder = {},
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The parts the window is assembled from.
    ControlPanel& controlPanel() { return *controlPanel_; }
    QDockWidget& workspaceDock() { return *workspaceDock_; }
    HistoryDock& historyDock() { return *historyDock_; }
    QToolBar& toolBar() { return *toolBar_; }
    QMdiArea& mdiArea() { return *mdiArea_; }
    FileCommands& files() { return files_; }
    TransferCommand& transfer() { return transfer_; }
    PrintCommands& printing() { return printing_; }
    EvaluationCommand& evaluation() { return evaluation_; }
    VerificationCommand& verification() { return verification_; }
    HelpCommands& help() { return help_; }
    CrashRecovery& crashRecovery() { return recovery_; }

    // The action of a row of the command table.
    QAction* action(Command command) const;
    // The menus now on the menu bar, and 查看 → 语言.
    QList<QMenu*> shownMenus() const { return childMenusShown_ ? childMenus_ : noChildMenus_; }
    QMenu& languageMenu();

    // Opens the help page and the written reports; by default in the desktop's application for them. Help shows
    // in a window of the program's own when that fails.
    void setUrlOpener(std::function<bool(const QUrl&)> opener) { urlOpener_ = std::move(opener); }
    // Re-evaluates the rows' rules and shows the menu set of whether a child window is open.
    void updateCommands();

    // CommandWindow
    ProjectDocument& document() override { return document_; }
    UserPrompts& prompts() override { return prompts_; }
    QWidget* dialogParent() override { return this; }
    ChildWindows& childWindows() override { return childWindows_; }
    const PrintSettings& printSettings() const override { return printing_.printSettings(); }
    bool openUrl(const QUrl& url) override { return urlOpener_(url); }
    void finishEditing() override { edits_.finishEditing(); }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createDocks();
    void createBars();
    void createCommands();
    // What the rows' rules look at, as the window is now.
    CommandState commandState() const;
    // Every text of the window in the language of the interface.
    void retranslate();
    // The window's title names the active child window's file and marks a modified project.
    void retitle();

    UserPrompts& prompts_;
    QSettings& settings_;
    ProjectDocument document_;
    std::function<bool(const QUrl&)> urlOpener_;
    QMdiArea* mdiArea_;
    ChildWindows childWindows_;
    QDockWidget* workspaceDock_;
    ControlPanel* controlPanel_;
    FileCommands files_;
    TransferCommand transfer_;
    EditCommands edits_;
    PrintCommands printing_;
    EvaluationCommand evaluation_;
    VerificationCommand verification_;
    HelpCommands help_;
    LanguageSwitch languages_;
    CrashRecovery recovery_;
    HistoryDock* historyDock_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* readyLabel_ = nullptr;
    CommandActions* commands_ = nullptr;
    QList<QMenu*> noChildMenus_;
    QList<QMenu*> childMenus_;
    bool childMenusShown_ = false;
    bool menusBuilt_ = false;
};

} // namespace trellon
