// The main window: document area with the list, section and grid windows, menus, toolbar, status bar and the
// Workspace dock holding the control panel. It holds the project document and carries out the commands.
#pragma once

#include "commandtable.h"
#include "printdialogs.h"
#include "printrun.h"
#include "recentfilelist.h"
#include "translations.h"

#include "document/projectdocument.h"
#include "document/recoveryautosave.h"
#include "document/recoveryfile.h"
#include "model/printsettings.h"
#include "panel/panelhost.h"
#include "views/passcolours.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QDockWidget;
class QLabel;
class QMdiArea;
class QMenu;
class QMimeData;
class QSettings;
class QTimer;
class QToolBar;
class QUrl;

namespace trellon {

class CChildFrame;
class CDataListView;
class CGridView;
class CSectionView;
class ControlPanel;
class EvaluationWindow;
class HelpWindow;
class HistoryDock;
class TransferDialog;
struct Project;

class CMainFrame final : public QMainWindow, public PanelHost {
    Q_OBJECT

public:
    // prompts and settings outlive the window. Opens the empty list window. A modified project is kept for
    // recovery after a crash in recoveryFolder (empty: the user's state folder).
    CMainFrame(UserPrompts& prompts, QSettings& settings, const QString& recoveryFolder = {},
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    ProjectDocument& document() { return document_; }
    ControlPanel& controlPanel() { return *controlPanel_; }
    QDockWidget& workspaceDock() { return *dock_; }
    HistoryDock& historyDock() { return *historyDock_; }
    QAction& undoAction() { return *undoAction_; }
    QAction& redoAction() { return *redoAction_; }
    // 查看 → 按合格着色: the diagram windows colour their marks by pass state; on unless turned off before.
    QAction& passColoursAction() { return *passColoursAction_; }
    // 编辑 → 按规范设置允许偏差: the standard's deviations for the ticked beams and slabs, one step.
    QAction& standardDeviationsAction() { return *standardDeviationsAction_; }
    void setStandardDeviations();
    // 查看 → 检验评定: opens or brings forward the evaluation window; null until then.
    QAction& evaluationAction() { return *evaluationAction_; }
    void showEvaluation();
    EvaluationWindow* evaluationWindow() const { return evaluationWindow_; }
    PassColours passColours() const;
    QMdiArea& mdiArea() { return *mdiArea_; }
    QToolBar& toolBar() { return *toolBar_; }
    QAction* action(Command command) const { return actions_.at(command); }
    // The menus now on the menu bar.
    QList<QMenu*> shownMenus() const;
    // 查看 → 语言: one entry for each language of the interface; the choice applies at once to every window and
    // is remembered in the settings.
    QMenu& languageMenu() { return *languageMenu_; }
    // The open child windows and their views; null when closed.
    CChildFrame* childFrame(ChildKind kind) const;
    CDataListView* listView() const;
    CSectionView* sectionView() const;
    CGridView* gridView() const;
    ChildKind activeChildKind() const;
    const QStringList& recentFiles() const { return recentFiles_.files(); }
    // Pages the print preview shows side by side; remembered between runs.
    int previewPages() const { return systemPrintDialogs_.previewPages; }
    // What print runs use: those of the settings file at start, replaced as a whole by a confirmed print-settings
    // dialog.
    const PrintSettings& printSettings() const { return printSettings_; }
    // Null until the first data transfer.
    TransferDialog* transferDialog() const { return transferDialog_; }
    // Null until help was shown without the desktop's browser.
    HelpWindow* helpWindow() const { return helpWindow_; }

    // The dialogs print runs ask through; by default the system's. The dialogs outlive the window.
    void setPrintDialogs(PrintDialogs& dialogs) { printDialogs_ = &dialogs; }

    // Opens the help page and the written reports; by default in the desktop's application for them. Help shows
    // in a window of the program's own when that fails.
    void setUrlOpener(std::function<bool(const QUrl&)> opener) { urlOpener_ = std::move(opener); }
    // Opens a file or page in the desktop's application for it, through the opener set; false when that failed.
    bool openUrl(const QUrl& url) const { return urlOpener_(url); }
    // What a save dialog proposes: the current project's path with the suffix for its extension, else the home folder.
    QString proposedPath(const QString& suffix) const;

    // The Open procedure after its file dialog: reads the file into a new project and installs it only when
    // reading succeeded; otherwise says why and leaves the loaded project as it was.
    bool openProjectFile(const QString& path);
    // What a drop on the window does: opens the first local .gj file among the URLs after the drop has ended.
    // False (nothing opened) when there is none.
    bool openDroppedFile(const QMimeData* dropped);
    // Offers the projects runs that did not end cleanly left modified, newest first, each to be restored, kept for
    // a later start or discarded; true when one was restored (as a modified project titled with the file it came
    // from).
    bool offerRecovery();
    const RecoveryFile& recoveryFile() const { return recovery_; }
    RecoveryAutosave& recoveryAutosave() { return autosave_; }

    // Restores the geometry of the last run; false when there is none.
    bool restoreWindowPlace();
    // Shows the window where the last run left it; otherwise maximised, and, where the desktop does not maximise
    // it, over most of the screen.
    void showAtStart();
    // Re-evaluates the enable rules and shows the menus of whether a child window is open.
    void updateCommands();

    // PanelHost
    void showListWindow() override;
    void showSectionMember(int listPosition) override;
    void showGridMember(int listPosition) override;
    UserPrompts& prompts() override { return prompts_; }

public slots:
    void openProject();
    // Save and Save As: the save dialog and the writer. True when a file was written;
    // currentFilePath is then that file.
    bool saveProject();
    bool saveProjectAs();
    void saveText();
    void startDataTransfer();
    // A completed transfer, on the user-interface thread: installed, with the panel and the views refreshed.
    void installReceivedProject(std::shared_ptr<trellon::Project> project, const QString& receivedFilePath);
    void showHelp();
    void showAbout();
    void print();
    void printPreview();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createUndoActions();
    // Undo and redo, named by the step they undo or redo.
    void nameUndoActions();
    // Stores what is typed but not yet confirmed in the panel and the list window.
    void finishEditing();
    QMenu* editMenu();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createDock();
    void createLanguageMenu();
    void chooseLanguage(InterfaceLanguage language);
    // Every text of the window, its menus, actions and docks in the language of the interface.
    void retranslate();
    QAction* addCommand(Command command, void (CMainFrame::*handler)());
    // A disabled "最近文件" line while the list is empty, then the recent files, then a separator.
    void addRecentFileSection(QMenu* menu);
    void rebuildRecentFileMenu();
    void openRecentFile(const QString& path);
    CChildFrame* openOrActivate(ChildKind kind);
    CChildFrame* createChildFrame(ChildKind kind);
    void childFrameDestroyed(QObject* frame);
    void retitleWindows();
    void fileWritten(const QString& path);
    // Asks "您保存数据吗?" when a project is loaded; false when the user keeps what is on screen (Cancel, or Yes and
    // the save did not happen).
    bool confirmReplacingProject();
    void showPrintSettings();
    // Print and Print preview: the list window first, then the run; the window of the panel's mode comes back.
    void runPrint(void (*run)(QWidget*, const Project&, const PrintSettings&, PrintDialogs&, UserPrompts&));
    void insertRowAbove();
    void insertRowBelow();
    void deleteBar();
    void showProjectInformation();
    void saveWindowPlace();

    UserPrompts& prompts_;
    QSettings& settings_;
    ProjectDocument document_;
    RecoveryFile recovery_;
    RecoveryAutosave autosave_;
    RecentFileList recentFiles_;
    PrintSettings printSettings_;
    std::function<bool(const QUrl&)> urlOpener_;
    SystemPrintDialogs systemPrintDialogs_;
    PrintDialogs* printDialogs_ = &systemPrintDialogs_;

    QMdiArea* mdiArea_ = nullptr;
    QDockWidget* dock_ = nullptr;
    HistoryDock* historyDock_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* passColoursAction_ = nullptr;
    QAction* standardDeviationsAction_ = nullptr;
    QAction* evaluationAction_ = nullptr;
    EvaluationWindow* evaluationWindow_ = nullptr;
    QAction* redoAction_ = nullptr;
    ControlPanel* controlPanel_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* readyLabel_ = nullptr;
    TransferDialog* transferDialog_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
    std::map<Command, QAction*> actions_;
    QMenu* languageMenu_ = nullptr;
    std::map<InterfaceLanguage, QAction*> languageActions_;
    QList<QMenu*> noChildMenus_;
    QList<QMenu*> childMenus_;
    struct RecentFileSection {
        QMenu* menu;
        QAction* placeholder;
        QAction* end;
        QList<QAction*> entries;
    };
    // One in the File menu of each menu set.
    std::vector<RecentFileSection> recentFileSections_;
    bool childMenusShown_ = false;
    bool menusBuilt_ = false;

    CChildFrame* listFrame_ = nullptr;
    CChildFrame* sectionFrame_ = nullptr;
    CChildFrame* gridFrame_ = nullptr;
};

} // namespace trellon
