// Construction, docking and wiring of the main window.
#include "cmainframe.h"

#include "commandactions.h"
#include "commandicons.h"
#include "desktopopener.h"
#include "historydock.h"
#include "projectfiledrop.h"
#include "windowplace.h"

#include "panel/controlpanel.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

namespace trellon {

CMainFrame::CMainFrame(UserPrompts& prompts, QSettings& settings, const QString& recoveryFolder, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), settings_(settings), urlOpener_(&openWithDesktopApplication),
      mdiArea_(new QMdiArea(this)), childWindows_(document_, prompts, *mdiArea_, settings),
      workspaceDock_(new QDockWidget(this)), controlPanel_(new ControlPanel(document_, childWindows_, workspaceDock_)),
      files_(*this, settings), transfer_(*this, files_), edits_(*this, *controlPanel_), printing_(*this, settings),
      evaluation_(*this),
      verification_(*this, document_,
                    [this] { return chosenPoint(document_, *controlPanel_, childWindows_.listView()); }),
      help_(*this), languages_(*this, settings), recovery_(*this, files_, recoveryFolder)
{
    setWindowIcon(applicationIcon());
    setAcceptDrops(true);
    setDockOptions(dockOptions() | QMainWindow::AllowTabbedDocks);
    // A dock below the document area leaves the side docks their full height.
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);

    createDocks();
    createBars();
    createCommands();
    retranslate();
    restoreDockPlaces(*this, settings_);

    // The ticks of 工具栏, 控制面板 and 操作历史 follow the bars, also when the docks' own buttons close them.
    connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::updateCommands);
    for (QDockWidget* dock : {workspaceDock_, static_cast<QDockWidget*>(historyDock_)})
        connect(dock, &QDockWidget::visibilityChanged, this, &CMainFrame::updateCommands);
    connect(&childWindows_, &ChildWindows::windowsChanged, this, [this] {
        retitle();
        updateCommands();
    });
    connect(&document_, &ProjectDocument::projectReplaced, this, [this] {
        // A project put in place is shown with the panel it is chosen in.
        workspaceDock_->show();
        updateCommands();
    });
    for (auto changed : {&ProjectDocument::selectionChanged, &ProjectDocument::historyChanged})
        connect(&document_, changed, this, &CMainFrame::updateCommands);
    connect(&document_, &ProjectDocument::modifiedChanged, this, &CMainFrame::retitle);
    connect(&document_, &ProjectDocument::saved, this, &CMainFrame::retitle);
    connect(&files_, &FileCommands::recentFilesChanged, this, &CMainFrame::updateCommands);
    childWindows_.showListWindow();
    updateCommands();
}

CMainFrame::~CMainFrame()
{
    // The views and the panel refer to the document, and the docks and windows tell this window of their changes:
    // they go while the document and the commands are still here, and tell nobody.
    for (const QObject* part :
         std::initializer_list<const QObject*>{&childWindows_, workspaceDock_, historyDock_, toolBar_})
        disconnect(part, nullptr, this, nullptr);
    delete mdiArea_;
    delete workspaceDock_;
}

void CMainFrame::createDocks()
{
    workspaceDock_->setObjectName(QStringLiteral("workspaceDock"));
    workspaceDock_->setAllowedAreas(Qt::AllDockWidgetAreas);
    workspaceDock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                                QDockWidget::DockWidgetFloatable);
    workspaceDock_->setWidget(controlPanel_);
    addDockWidget(Qt::LeftDockWidgetArea, workspaceDock_);
    resizeDocks({workspaceDock_}, {410}, Qt::Horizontal);

    historyDock_ = new HistoryDock(
        document_, [this] { finishEditing(); }, this);
    addDockWidget(Qt::RightDockWidgetArea, historyDock_);
    historyDock_->hide();
}

void CMainFrame::createBars()
{
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setIconSize(QSize(32, 32));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, toolBar_);

    readyLabel_ = new QLabel(this);
    statusBar()->addWidget(readyLabel_, 1);
}

void CMainFrame::createCommands()
{
    const CommandTargets targets{*this,         *toolBar_,     *workspaceDock_, *historyDock_, *this,
                                 childWindows_, files_,        edits_,          printing_,     transfer_,
                                 evaluation_,   verification_, help_,           languages_};
    commands_ = new CommandActions(
        targets, [this] { return commandState(); }, this);
    commands_->fillToolBar(*toolBar_, toolBarLayout());
    noChildMenus_ = commands_->menus(menusWithoutChildWindow());
    childMenus_ = commands_->menus(menusWithChildWindow());
    connect(commands_, &CommandActions::commandRun, this, &CMainFrame::updateCommands);
}

QAction* CMainFrame::action(Command command) const
{
    return commands_->action(command);
}

QMenu& CMainFrame::languageMenu()
{
    return *commands_->menu(languagesMenu());
}

CommandState CMainFrame::commandState() const
{
    CommandState state;
    state.loaded = document_.project() != nullptr;
    state.active = childWindows_.activeKind();
    state.mode = document_.currentTestMode();
    state.memberCount = document_.memberCount();
    state.canUndo = document_.canUndo();
    state.canRedo = document_.canRedo();
    state.undoText = document_.undoText();
    state.redoText = document_.redoText();
    state.recentFiles = files_.recentFiles();
    state.toolbarShown = !toolBar_->isHidden();
    state.statusBarShown = !statusBar()->isHidden();
    state.workspaceShown = !workspaceDock_->isHidden();
    state.historyShown = !historyDock_->isHidden();
    state.passColours = childWindows_.passColours() == PassColours::on;
    state.language = interfaceLanguage();
    return state;
}

void CMainFrame::updateCommands()
{
    commands_->update();
    const bool anyChild = childWindows_.anyOpen();
    if (menusBuilt_ && anyChild == childMenusShown_)
        return;
    menusBuilt_ = true;
    childMenusShown_ = anyChild;
    menuBar()->clear();
    for (QMenu* menu : shownMenus())
        menuBar()->addMenu(menu);
}

void CMainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void CMainFrame::retranslate()
{
    workspaceDock_->setWindowTitle(tr("Workspace"));
    toolBar_->setWindowTitle(tr("工具栏"));
    readyLabel_->setText(tr("就绪"));
    document_.retranslateHistory();
    commands_->retranslate();
    retitle();
}

void CMainFrame::retitle()
{
    childWindows_.retitle();
    QString title = tr("Velmora钢筋检测分析软件V1.0");
    if (childWindows_.activeKind() != ChildKind::none)
        title += QStringLiteral(" - [%1]").arg(childWindows_.title());
    // The marker shows while the project differs from its file.
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(document_.isModified());
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    transfer_.cancel();
    if (!files_.confirmReplacingProject()) {
        event->ignore();
        return;
    }
    saveWindowPlace(*this, settings_);
    printing_.rememberPreviewPages();
    settings_.sync();
    recovery_.discard();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedProjectFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    if (files_.openDroppedFile(event->mimeData()))
        event->acceptProposedAction();
}

} // namespace trellon
