// Main window and the procedures of its commands.
#include "cmainframe.h"

#include "aboutdialog.h"
#include "bitmapexportcommand.h"
#include "cchildframe.h"
#include "commandicons.h"
#include "csvexportcommand.h"
#include "desktopopener.h"
#include "evaluationpdfcommand.h"
#include "evaluationwindow.h"
#include "excelreportcommand.h"
#include "helppage.h"
#include "historydock.h"
#include "helpwindow.h"
#include "pdfexportcommand.h"
#include "printsettingsdialog.h"
#include "savedprintsettings.h"
#include "transferdialog.h"
#include "usersettingsfolder.h"
#include "wordreportcommand.h"

#include "evaluation/openproject.h"
#include "evaluation/standardpermitteddeviations.h"
#include "evaluation/statistics.h"
#include "model/projectfile.h"
#include "panel/controlpanel.h"
#include "reports/textexport.h"
#include "widgets/cdatalistview.h"
#include "widgets/cgridview.h"
#include "widgets/csectionview.h"
#include "widgets/userprompts.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace trellon {

namespace {

const QString geometryKey = QStringLiteral("MainWindow/geometry");
const QString stateKey = QStringLiteral("MainWindow/state");
const QString previewKey = QStringLiteral("Settings/PreviewPages");
const QString passColoursKey = QStringLiteral("View/PassColours");

// The answers to the recovery question, in their order: 恢复, 以后再说, 丢弃.
constexpr int recoveryRestore = 0;
constexpr int recoveryLater = 1;

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

bool isProjectFile(const QString& path)
{
    return path.endsWith(QStringLiteral(".gj"), Qt::CaseInsensitive);
}

// The first local .gj file among dropped URLs.
QString droppedProjectFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && isProjectFile(url.toLocalFile()))
            return url.toLocalFile();
    }
    return {};
}

} // namespace

CMainFrame::CMainFrame(UserPrompts& prompts, QSettings& settings, const QString& recoveryFolder, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), settings_(settings),
      recovery_(recoveryFolder.isEmpty() ? RecoveryFile::defaultFolder() : recoveryFolder),
      autosave_(document_, recovery_), urlOpener_(&openWithDesktopApplication)
{
    setWindowIcon(applicationIcon());
    setAcceptDrops(true);
    setDockOptions(dockOptions() | QMainWindow::AllowTabbedDocks);

    recentFiles_.load(settings_);
    printSettings_ = savedPrintSettings(userSettingsFolder());
    systemPrintDialogs_.previewPages = settings_.value(previewKey, 0).toInt();

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);

    createDock();
    createActions();
    createUndoActions();
    createToolBar();
    createStatusBar();
    createMenus();
    retranslate();
    restoreState(settings_.value(stateKey).toByteArray());

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] {
        retitleWindows();
        updateCommands();
    });
    connect(&document_, &ProjectDocument::projectReplaced, this, &CMainFrame::updateCommands);
    connect(&document_, &ProjectDocument::selectionChanged, this, &CMainFrame::updateCommands);
    connect(&document_, &ProjectDocument::modifiedChanged, this, &CMainFrame::retitleWindows);
    showListWindow();
    updateCommands();
}

CMainFrame::~CMainFrame()
{
    // The views and the panel refer to the document: let them go while it is still here.
    for (CChildFrame* frame : {listFrame_, sectionFrame_, gridFrame_}) {
        if (frame != nullptr)
            disconnect(frame, nullptr, this, nullptr);
    }
    delete transferDialog_;
    delete mdiArea_;
    delete dock_;
}

void CMainFrame::createDock()
{
    dock_ = new QDockWidget(this);
    dock_->setObjectName(QStringLiteral("workspaceDock"));
    dock_->setAllowedAreas(Qt::AllDockWidgetAreas);
    dock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                       QDockWidget::DockWidgetFloatable);
    controlPanel_ = new ControlPanel(document_, *this, dock_);
    dock_->setWidget(controlPanel_);
    addDockWidget(Qt::LeftDockWidgetArea, dock_);
    resizeDocks({dock_}, {410}, Qt::Horizontal);

    historyDock_ = new HistoryDock(document_, [this] { finishEditing(); }, this);
    addDockWidget(Qt::RightDockWidgetArea, historyDock_);
    historyDock_->hide();
}

QAction* CMainFrame::addCommand(Command command, void (CMainFrame::*handler)())
{
    auto* act = new QAction(commandIcon(command), QString(), this);
    if (handler != nullptr)
        connect(act, &QAction::triggered, this, handler);
    actions_[command] = act;
    return act;
}

void CMainFrame::createActions()
{
    addCommand(Command::newFile, &CMainFrame::showListWindow)->setShortcut(QKeySequence(tr("Ctrl+N")));
    addCommand(Command::open, &CMainFrame::openProject)->setShortcut(QKeySequence(tr("Ctrl+O")));
    QAction* save = addCommand(Command::save, nullptr);
    save->setShortcut(QKeySequence(tr("Ctrl+S")));
    connect(save, &QAction::triggered, this, &CMainFrame::saveProject);
    addCommand(Command::saveTxt, &CMainFrame::saveText);
    connect(addCommand(Command::exportCsv, nullptr), &QAction::triggered, this, [this] { exportCsv(*this); });
    connect(addCommand(Command::exportPdf, nullptr), &QAction::triggered, this, [this] { exportPdf(*this); });
    connect(addCommand(Command::saveBmp, nullptr), &QAction::triggered, this,
            [this] { saveActiveDiagramBitmap(*this); });
    connect(addCommand(Command::saveAs, nullptr), &QAction::triggered, this, &CMainFrame::saveProjectAs);
    connect(addCommand(Command::wordReport, nullptr), &QAction::triggered, this, [this] { makeWordReport(*this); });
    connect(addCommand(Command::excelReport, nullptr), &QAction::triggered, this, [this] { makeExcelReport(*this); });
    addCommand(Command::print, &CMainFrame::print)->setShortcut(QKeySequence(tr("Ctrl+P")));
    addCommand(Command::printPreview, &CMainFrame::printPreview);
    addCommand(Command::printSettings, &CMainFrame::showPrintSettings);
    QAction* exit = addCommand(Command::exit, nullptr);
    // The File menu's 退出(&X) shares its mnemonic with 生成Excel报表(&X): the shortcut reaches it in one step.
    exit->setShortcut(QKeySequence(tr("Ctrl+Q")));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    addCommand(Command::dataTransfer, &CMainFrame::startDataTransfer);
    addCommand(Command::projectInformation, &CMainFrame::showProjectInformation);
    addCommand(Command::helpTopics, &CMainFrame::showHelp);
    addCommand(Command::about, &CMainFrame::showAbout);
    addCommand(Command::insertRowAbove, &CMainFrame::insertRowAbove);
    addCommand(Command::insertRowBelow, &CMainFrame::insertRowBelow);
    addCommand(Command::deleteBar, &CMainFrame::deleteBar);

    passColoursAction_ = new QAction(this);
    passColoursAction_->setCheckable(true);
    passColoursAction_->setChecked(settings_.value(passColoursKey, true).toBool());
    connect(passColoursAction_, &QAction::toggled, this, [this](bool on) {
        settings_.setValue(passColoursKey, on);
        for (CDiagramView* view : {static_cast<CDiagramView*>(sectionView()), static_cast<CDiagramView*>(gridView())}) {
            if (view != nullptr)
                view->setPassColours(passColours());
        }
    });

    // The dock's own action checks itself by the dock's real visibility, also when its close button hid it.
    QAction* panel = dock_->toggleViewAction();
    panel->setIcon(commandIcon(Command::controlPanel));
    actions_[Command::controlPanel] = panel;
}

void CMainFrame::createUndoActions()
{
    evaluationAction_ = new QAction(this);
    connect(evaluationAction_, &QAction::triggered, this, &CMainFrame::showEvaluation);
    standardDeviationsAction_ = new QAction(this);
    connect(standardDeviationsAction_, &QAction::triggered, this, &CMainFrame::setStandardDeviations);
    undoAction_ = new QAction(
        QIcon::fromTheme(QStringLiteral("edit-undo"), style()->standardIcon(QStyle::SP_ArrowBack)), QString(), this);
    undoAction_->setShortcut(QKeySequence::Undo);
    redoAction_ = new QAction(
        QIcon::fromTheme(QStringLiteral("edit-redo"), style()->standardIcon(QStyle::SP_ArrowForward)), QString(), this);
    redoAction_->setShortcuts({QKeySequence(tr("Ctrl+Y")), QKeySequence(tr("Ctrl+Shift+Z"))});
    connect(&document_, &ProjectDocument::historyChanged, this, &CMainFrame::nameUndoActions);
    // What is typed but not confirmed becomes a step first, so the history is never changed under an open editor.
    connect(undoAction_, &QAction::triggered, this, [this] {
        finishEditing();
        document_.undo();
    });
    connect(redoAction_, &QAction::triggered, this, [this] {
        finishEditing();
        document_.redo();
    });
}

PassColours CMainFrame::passColours() const
{
    return passColoursAction_->isChecked() ? PassColours::on : PassColours::off;
}

void CMainFrame::nameUndoActions()
{
    undoAction_->setEnabled(document_.canUndo());
    undoAction_->setText(document_.canUndo() ? tr("撤销 %1").arg(document_.undoText()) : tr("撤销"));
    redoAction_->setEnabled(document_.canRedo());
    redoAction_->setText(document_.canRedo() ? tr("重做 %1").arg(document_.redoText()) : tr("重做"));
}

void CMainFrame::finishEditing()
{
    controlPanel_->finishEditing();
    if (CDataListView* list = listView())
        list->commitOpenEditor();
}

void CMainFrame::createToolBar()
{
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setIconSize(QSize(32, 32));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, toolBar_);
    const std::initializer_list<Command> groups[] = {
        {Command::open, Command::save, Command::print, Command::printSettings, Command::printPreview},
        {Command::saveBmp, Command::saveTxt, Command::wordReport, Command::excelReport},
        {Command::dataTransfer, Command::controlPanel, Command::projectInformation},
        {Command::insertRowAbove, Command::insertRowBelow, Command::deleteBar},
        {Command::about},
    };
    for (const auto& group : groups) {
        if (!toolBar_->actions().isEmpty())
            toolBar_->addSeparator();
        for (const Command command : group)
            toolBar_->addAction(action(command));
    }
    toolBar_->addSeparator();
    toolBar_->addActions({undoAction_, redoAction_});

    actions_[Command::toolbar] = toolBar_->toggleViewAction();
}

void CMainFrame::createStatusBar()
{
    readyLabel_ = new QLabel(this);
    statusBar()->addWidget(readyLabel_, 1);
    QAction* shown = addCommand(Command::statusBar, nullptr);
    shown->setCheckable(true);
    shown->setChecked(true);
    connect(shown, &QAction::toggled, statusBar(), &QWidget::setVisible);
}

void CMainFrame::createMenus()
{
    auto* file = new QMenu(this);
    file->addAction(action(Command::newFile));
    file->addAction(action(Command::open));
    file->addSeparator();
    file->addAction(action(Command::printSettings));
    file->addSeparator();
    addRecentFileSection(file);
    file->addAction(action(Command::exit));

    auto* transfer = new QMenu(this);
    transfer->addAction(action(Command::dataTransfer));
    createLanguageMenu();
    auto* view = new QMenu(this);
    view->addActions({action(Command::toolbar), action(Command::statusBar), action(Command::controlPanel),
                      historyDock_->toggleViewAction(), passColoursAction_, evaluationAction_});
    view->addSeparator();
    view->addMenu(languageMenu_);
    auto* help = new QMenu(this);
    help->addActions({action(Command::helpTopics), action(Command::about)});
    noChildMenus_ = {file, editMenu(), transfer, view, help};

    auto* childFile = new QMenu(this);
    childFile->addActions({action(Command::open), action(Command::save), action(Command::saveTxt),
                           action(Command::saveBmp), action(Command::saveAs), action(Command::wordReport),
                           action(Command::excelReport)});
    childFile->insertActions(action(Command::saveBmp), {action(Command::exportCsv), action(Command::exportPdf)});
    childFile->addSeparator();
    childFile->addActions({action(Command::print), action(Command::printPreview), action(Command::printSettings)});
    childFile->addSeparator();
    addRecentFileSection(childFile);
    childFile->addAction(action(Command::exit));
    auto* childTransfer = new QMenu(this);
    childTransfer->addAction(action(Command::dataTransfer));
    childTransfer->addSeparator();
    auto* childView = new QMenu(this);
    childView->addActions({action(Command::toolbar), action(Command::statusBar)});
    childView->addSeparator();
    childView->addActions({action(Command::controlPanel), historyDock_->toggleViewAction(), passColoursAction_,
                           evaluationAction_, action(Command::projectInformation)});
    childView->addSeparator();
    childView->addMenu(languageMenu_);
    auto* childHelp = new QMenu(this);
    childHelp->addActions({action(Command::helpTopics), action(Command::about)});
    childMenus_ = {childFile, editMenu(), childTransfer, childView, childHelp};

    for (QMenu* m : noChildMenus_ + childMenus_)
        connect(m, &QMenu::aboutToShow, this, &CMainFrame::updateCommands);
}

void CMainFrame::createLanguageMenu()
{
    languageMenu_ = new QMenu(this);
    auto* group = new QActionGroup(languageMenu_);
    // Each language is named in its own words, so it can be found whatever language the menus are in.
    const std::pair<InterfaceLanguage, QString> languages[] = {{InterfaceLanguage::chinese, QStringLiteral("中文")},
                                                               {InterfaceLanguage::english, QStringLiteral("English")}};
    for (const auto& [language, name] : languages) {
        QAction* entry = languageMenu_->addAction(name);
        entry->setCheckable(true);
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, language = language] { chooseLanguage(language); });
        languageActions_[language] = entry;
    }
}

void CMainFrame::chooseLanguage(InterfaceLanguage language)
{
    const InterfaceLanguage shown = useInterfaceLanguage(language);
    rememberLanguage(settings_, shown);
    languageActions_.at(shown)->setChecked(true);
    if (shown != language)
        prompts_.showMessage(this, tr("找不到英文界面的翻译文件，界面仍为中文。"), QMessageBox::Warning);
}

void CMainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void CMainFrame::retranslate()
{
    // Docks and the toolbar name their toggle actions after their titles: the titles come first.
    dock_->setWindowTitle(tr("Workspace"));
    toolBar_->setWindowTitle(tr("工具栏"));
    for (const auto& [command, act] : actions_) {
        const CommandTexts texts = commandTexts(command);
        act->setText(texts.text);
        act->setStatusTip(texts.prompt);
        act->setToolTip(texts.toolTip);
    }
    QAction* history = historyDock_->toggleViewAction();
    history->setText(tr("操作历史"));
    history->setStatusTip(tr("显示或隐藏可以撤销的操作"));
    passColoursAction_->setText(tr("按合格着色"));
    passColoursAction_->setStatusTip(tr("示意图中合格的钢筋显示为绿色，不合格的显示为红色"));
    evaluationAction_->setText(tr("检验评定"));
    evaluationAction_->setStatusTip(tr("按 GB 50204-2015 附录E 评定已勾选构件的保护层厚度"));
    standardDeviationsAction_->setText(tr("按规范设置允许偏差"));
    standardDeviationsAction_->setStatusTip(tr("已勾选的梁允许偏差设为 +10/-7 mm，板设为 +8/-5 mm"));
    undoAction_->setStatusTip(tr("撤销上一个操作"));
    redoAction_->setStatusTip(tr("重做撤销的操作"));
    document_.retranslateHistory();
    nameUndoActions();
    readyLabel_->setText(tr("就绪"));

    // Both menu sets hold the same menus in the same order.
    const QString menuTitles[] = {tr("文件(&F)"), tr("编辑(&E)"), tr("数据传输(&D)"), tr("查看(&V)"), tr("帮助(&H)")};
    for (const QList<QMenu*>& menus : {noChildMenus_, childMenus_}) {
        for (qsizetype i = 0; i < menus.size(); ++i)
            menus[i]->setTitle(menuTitles[i]);
    }
    languageMenu_->setTitle(tr("语言"));
    languageActions_.at(interfaceLanguage())->setChecked(true);
    for (const RecentFileSection& section : recentFileSections_)
        section.placeholder->setText(tr("最近文件"));
    rebuildRecentFileMenu();
    retitleWindows();
    // A help page shown in the program's own window changes to the page of the language.
    if (helpWindow_ != nullptr && !helpWindow_->browser().source().isEmpty())
        helpWindow_->browser().setSource(QUrl::fromLocalFile(helpPagePath()));
}

QMenu* CMainFrame::editMenu()
{
    auto* edit = new QMenu(this);
    edit->addActions({undoAction_, redoAction_});
    edit->addSeparator();
    edit->addAction(standardDeviationsAction_);
    return edit;
}

void CMainFrame::showEvaluation()
{
    if (evaluationWindow_ == nullptr) {
        evaluationWindow_ = new EvaluationWindow(document_, this);
        connect(evaluationWindow_, &EvaluationWindow::exportPdfRequested, this, [this] { exportEvaluationPdf(*this); });
    }
    evaluationWindow_->show();
    evaluationWindow_->raise();
    evaluationWindow_->activateWindow();
}

void CMainFrame::setStandardDeviations()
{
    const Project* project = document_.project();
    if (project == nullptr)
        return;
    const std::vector<StandardPermittedDeviations> deviations = standardPermittedDeviationsOfLots(*project);
    if (deviations.empty())
        prompts_.showMessage(this, tr("没有已勾选的梁或板构件。"));
    else
        document_.setStandardPermittedDeviations(deviations);
}

QList<QMenu*> CMainFrame::shownMenus() const
{
    return childMenusShown_ ? childMenus_ : noChildMenus_;
}

void CMainFrame::addRecentFileSection(QMenu* menu)
{
    RecentFileSection section{menu, menu->addAction(QString()), nullptr, {}};
    section.placeholder->setEnabled(false);
    section.end = menu->addSeparator();
    recentFileSections_.push_back(section);
}

void CMainFrame::rebuildRecentFileMenu()
{
    const QStringList& files = recentFiles_.files();
    for (RecentFileSection& section : recentFileSections_) {
        for (QAction* old : std::as_const(section.entries)) {
            section.menu->removeAction(old);
            old->deleteLater();
        }
        section.entries.clear();
        section.placeholder->setVisible(files.isEmpty());
        for (int i = 0; i < files.size(); ++i) {
            const QString path = files[i];
            auto* entry =
                new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), section.menu);
            entry->setStatusTip(tr("打开该文档"));
            connect(entry, &QAction::triggered, this, [this, path] { openRecentFile(path); });
            section.menu->insertAction(section.end, entry);
            section.entries << entry;
        }
    }
}

CChildFrame* CMainFrame::childFrame(ChildKind kind) const
{
    switch (kind) {
    case ChildKind::list:
        return listFrame_;
    case ChildKind::section:
        return sectionFrame_;
    case ChildKind::grid:
        return gridFrame_;
    case ChildKind::none:
        break;
    }
    return nullptr;
}

CDataListView* CMainFrame::listView() const
{
    return listFrame_ != nullptr ? static_cast<CDataListView*>(listFrame_->widget()) : nullptr;
}

CSectionView* CMainFrame::sectionView() const
{
    return sectionFrame_ != nullptr ? static_cast<CSectionView*>(sectionFrame_->widget()) : nullptr;
}

CGridView* CMainFrame::gridView() const
{
    return gridFrame_ != nullptr ? static_cast<CGridView*>(gridFrame_->widget()) : nullptr;
}

ChildKind CMainFrame::activeChildKind() const
{
    // currentSubWindow, unlike activeSubWindow, also answers while the application is not active.
    const auto* frame = qobject_cast<const CChildFrame*>(mdiArea_->currentSubWindow());
    return frame != nullptr ? frame->kind() : ChildKind::none;
}

void CMainFrame::updateCommands()
{
    CommandContext context;
    context.loaded = document_.project() != nullptr;
    context.active = activeChildKind();
    context.mode = document_.currentTestMode();
    context.memberCount = document_.memberCount();
    for (const auto& [command, act] : actions_)
        act->setEnabled(commandEnabled(command, context));
    standardDeviationsAction_->setEnabled(context.loaded);

    const bool anyChild = listFrame_ != nullptr || sectionFrame_ != nullptr || gridFrame_ != nullptr;
    if (menusBuilt_ && anyChild == childMenusShown_)
        return;
    menusBuilt_ = true;
    childMenusShown_ = anyChild;
    menuBar()->clear();
    for (QMenu* m : anyChild ? childMenus_ : noChildMenus_)
        menuBar()->addMenu(m);
}

CChildFrame* CMainFrame::createChildFrame(ChildKind kind)
{
    QWidget* view = nullptr;
    switch (kind) {
    case ChildKind::list:
        view = new CDataListView(document_, prompts_);
        break;
    case ChildKind::section: {
        auto* section = new CSectionView(document_);
        section->setPassColours(passColours());
        view = section;
        break;
    }
    case ChildKind::grid: {
        auto* grid = new CGridView(document_);
        grid->setPassColours(passColours());
        view = grid;
        break;
    }
    case ChildKind::none:
        return nullptr;
    }
    auto* frame = new CChildFrame(kind, view);
    frame->setWindowIcon(applicationIcon());
    mdiArea_->addSubWindow(frame);
    connect(frame, &QObject::destroyed, this, &CMainFrame::childFrameDestroyed);
    if (kind == ChildKind::list) {
        listFrame_ = frame;
        listView()->refreshPassMarks();
        frame->showMaximized();
    } else {
        (kind == ChildKind::section ? sectionFrame_ : gridFrame_) = frame;
        frame->resize(view->sizeHint().expandedTo(QSize(480, 360)));
        frame->show();
    }
    return frame;
}

CChildFrame* CMainFrame::openOrActivate(ChildKind kind)
{
    CChildFrame* frame = childFrame(kind);
    if (frame == nullptr)
        frame = createChildFrame(kind);
    else
        frame->show();
    mdiArea_->setActiveSubWindow(frame);
    retitleWindows();
    updateCommands();
    return frame;
}

void CMainFrame::childFrameDestroyed(QObject* frame)
{
    if (frame == listFrame_)
        listFrame_ = nullptr;
    if (frame == sectionFrame_)
        sectionFrame_ = nullptr;
    if (frame == gridFrame_)
        gridFrame_ = nullptr;
    // The document area lets go of the window after this signal.
    QTimer::singleShot(0, this, [this] {
        retitleWindows();
        updateCommands();
    });
    updateCommands();
}

void CMainFrame::retitleWindows()
{
    const QString path = QString::fromStdString(document_.currentFilePath());
    const QString title = path.isEmpty() ? tr("无标题") : QDir::toNativeSeparators(path);
    for (CChildFrame* frame : {listFrame_, sectionFrame_, gridFrame_}) {
        if (frame != nullptr)
            frame->setWindowTitle(title);
    }
    QString mainTitle = tr("Velmora钢筋检测分析软件V1.0");
    if (activeChildKind() != ChildKind::none)
        mainTitle += QStringLiteral(" - [%1]").arg(title);
    // The marker shows while the project differs from its file.
    setWindowTitle(mainTitle + QStringLiteral("[*]"));
    setWindowModified(document_.isModified());
}

void CMainFrame::showListWindow()
{
    openOrActivate(ChildKind::list);
}

void CMainFrame::showSectionMember(int listPosition)
{
    openOrActivate(ChildKind::section);
    sectionView()->selectSectionMember(listPosition);
    updateCommands();
}

void CMainFrame::showGridMember(int listPosition)
{
    openOrActivate(ChildKind::grid);
    gridView()->selectGridMember(listPosition);
    updateCommands();
}

void CMainFrame::openProject()
{
    const QString path = prompts_.chooseFileToOpen(this, tr("钢筋仪数据处理文件(*.gj)"));
    if (path.isEmpty())
        return;
    openProjectFile(path);
}

bool CMainFrame::openProjectFile(const QString& path)
{
    Result<LoadedProject> read = trellon::openProject(localPath(path));
    if (!read) {
        prompts_.showMessage(this,
                             tr("无法打开文件“%1”：\n%2\n\n已载入的数据保持不变。")
                                 .arg(QDir::toNativeSeparators(path), QString::fromStdString(read.error().describe())),
                             QMessageBox::Warning);
        return false;
    }
    // The file is good: only now may the loaded project give way, and only as the user says.
    if (!confirmReplacingProject())
        return false;
    std::unique_ptr<Project> project = std::move(read.value().project);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    dock_->show();
    // The control panel answers by choosing the single-point mode, which shows the list window with the first
    // single-point member.
    document_.replaceProject(std::move(project), absolute.toStdString());
    showListWindow();
    recentFiles_.add(absolute);
    recentFiles_.save(settings_);
    rebuildRecentFileMenu();
    if (read.value().extensionWarning)
        prompts_.showMessage(
            this,
            tr("“%1”中的构件类型、复检标记、每根钢筋测点数、构件总数和结论依据已损坏，未能读取；"
               "测量数据已完整打开。\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(*read.value().extensionWarning)),
            QMessageBox::Warning);
    return true;
}

void CMainFrame::openRecentFile(const QString& path)
{
    if (!openProjectFile(path) && !QFileInfo::exists(path)) {
        recentFiles_.remove(path);
        recentFiles_.save(settings_);
        rebuildRecentFileMenu();
    }
}

QString CMainFrame::proposedPath(const QString& suffix) const
{
    const QString current = QString::fromStdString(document_.currentFilePath());
    if (current.isEmpty())
        return QDir::homePath();
    const QFileInfo file(current);
    return file.path() + QLatin1Char('/') + file.completeBaseName() + suffix;
}

bool CMainFrame::saveProject()
{
    return saveProjectAs();
}

bool CMainFrame::saveProjectAs()
{
    const Project* project = document_.project();
    if (project == nullptr || project->members.empty()) {
        prompts_.showMessage(this, tr("没有可保存的数据。"));
        return false;
    }
    QString path = prompts_.chooseFileToSave(this, tr("钢筋仪数据处理文件(*.gj)"), QStringLiteral("gj"),
                                             proposedPath(QStringLiteral(".gj")));
    if (path.isEmpty())
        return false;
    if (!isProjectFile(path))
        path += QStringLiteral(".gj");
    const Result<SaveOutcome> written = writeProjectFile(localPath(path), *project);
    if (!written) {
        prompts_.showMessage(
            this,
            tr("无法保存文件“%1”：\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.error().describe())),
            QMessageBox::Warning);
        return false;
    }
    fileWritten(QFileInfo(path).absoluteFilePath());
    return true;
}

void CMainFrame::fileWritten(const QString& path)
{
    document_.markSaved(path.toStdString());
    retitleWindows();
    recentFiles_.add(path);
    recentFiles_.save(settings_);
    rebuildRecentFileMenu();
}

void CMainFrame::saveText()
{
    const Project* project = document_.project();
    if (project == nullptr)
        return;
    QString path = prompts_.chooseFileToSave(this, tr("钢筋仪数据处理文件(*.txt)"), QStringLiteral("txt"),
                                             proposedPath(QStringLiteral(".txt")));
    if (path.isEmpty())
        return;
    const Status written = writeTextExport(localPath(path), *project);
    if (!written)
        prompts_.showMessage(
            this,
            tr("无法保存文件“%1”：\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.error().describe())),
            QMessageBox::Warning);
}

bool CMainFrame::confirmReplacingProject()
{
    finishEditing();
    if (document_.project() == nullptr || !document_.isModified())
        return true;
    switch (prompts_.ask(this, tr("您保存数据吗?"), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return saveProject();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void CMainFrame::startDataTransfer()
{
    if (!confirmReplacingProject())
        return;
    if (transferDialog_ == nullptr) {
        transferDialog_ = new TransferDialog(prompts_, this);
        connect(transferDialog_, &TransferDialog::projectReceived, this, &CMainFrame::installReceivedProject);
    }
    transferDialog_->open();
}

void CMainFrame::installReceivedProject(std::shared_ptr<Project> project, const QString& receivedFilePath)
{
    if (project == nullptr)
        return;
    auto installed = std::make_unique<Project>(std::move(*project));
    recomputeStatistics(*installed);
    const bool written = !receivedFilePath.isEmpty() && QFileInfo::exists(receivedFilePath);
    const QString absolute = written ? QFileInfo(receivedFilePath).absoluteFilePath() : QString();
    dock_->show();
    // A transfer that could not write its file leaves a project that is nowhere else, unless it holds nothing.
    const bool unsaved = !written && installed->memberCount() > 0;
    document_.replaceProject(std::move(installed), absolute.toStdString(), unsaved);
    showListWindow();
    if (written) {
        recentFiles_.add(absolute);
        recentFiles_.save(settings_);
        rebuildRecentFileMenu();
    }
}

void CMainFrame::showHelp()
{
    const QString page = helpPagePath();
    if (page.isEmpty()) {
        prompts_.showMessage(this, tr("找不到帮助文件。"), QMessageBox::Warning);
        return;
    }
    if (urlOpener_(QUrl::fromLocalFile(page)))
        return;
    if (helpWindow_ == nullptr)
        helpWindow_ = new HelpWindow(this);
    helpWindow_->showPage(page);
}

void CMainFrame::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

void CMainFrame::runPrint(void (*run)(QWidget*, const Project&, const PrintSettings&, PrintDialogs&, UserPrompts&))
{
    const ChildKind before = activeChildKind();
    showListWindow();
    if (const Project* project = document_.project())
        run(this, *project, printSettings_, *printDialogs_, prompts_);
    // The diagram window the run started from comes back, so that it and the panel show the same mode again.
    if ((before == ChildKind::section || before == ChildKind::grid) && childFrame(before) != nullptr)
        openOrActivate(before);
}

void CMainFrame::print()
{
    runPrint(printCheckedMembers);
}

void CMainFrame::printPreview()
{
    runPrint(previewCheckedMembers);
}

void CMainFrame::showPrintSettings()
{
    if (auto confirmed = PrintSettingsDialog::ask(this, prompts_, userSettingsFolder()))
        printSettings_ = std::move(*confirmed);
}

void CMainFrame::insertRowAbove()
{
    if (activeChildKind() == ChildKind::list)
        listView()->insertReadingRow(false);
    else if (activeChildKind() == ChildKind::section || activeChildKind() == ChildKind::grid)
        controlPanel_->insertRowAbove();
}

void CMainFrame::insertRowBelow()
{
    if (activeChildKind() == ChildKind::list)
        listView()->insertReadingRow(true);
    else if (activeChildKind() == ChildKind::section || activeChildKind() == ChildKind::grid)
        controlPanel_->insertRowBelow();
}

void CMainFrame::deleteBar()
{
    if (activeChildKind() == ChildKind::list)
        listView()->deleteReadingRow();
    else if (activeChildKind() == ChildKind::section || activeChildKind() == ChildKind::grid)
        controlPanel_->deleteBar();
}

void CMainFrame::showProjectInformation()
{
    if (document_.project() != nullptr)
        controlPanel_->showProjectInformation();
}

bool CMainFrame::restoreWindowPlace()
{
    const QByteArray geometry = settings_.value(geometryKey).toByteArray();
    return !geometry.isEmpty() && restoreGeometry(geometry);
}

void CMainFrame::showAtStart()
{
    if (restoreWindowPlace()) {
        show();
        return;
    }
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        const QSize most = available.size() * 9 / 10;
        setGeometry(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, most, available));
    }
    showMaximized();
}

void CMainFrame::saveWindowPlace()
{
    settings_.setValue(geometryKey, saveGeometry());
    settings_.setValue(stateKey, saveState());
    settings_.setValue(previewKey, systemPrintDialogs_.previewPages);
    recentFiles_.save(settings_);
    settings_.sync();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (transferDialog_ != nullptr && transferDialog_->isVisible())
        transferDialog_->reject();
    if (!confirmReplacingProject()) {
        event->ignore();
        return;
    }
    saveWindowPlace();
    autosave_.discard();
    autosave_.flush();
    event->accept();
}

bool CMainFrame::offerRecovery()
{
    for (const RecoveryFile::Leftover& leftover : recovery_.leftovers()) {
        const QString file =
            leftover.sourcePath.isEmpty() ? tr("无标题") : QDir::toNativeSeparators(leftover.sourcePath);
        const bool today = leftover.savedAt.date() == QDate::currentDate();
        const QString savedAt =
            leftover.savedAt.toString(today ? QStringLiteral("HH:mm:ss") : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const int answer =
            prompts_.choose(this, tr("%1 的未保存修改（最后保存于 %2）可以恢复。是否恢复？").arg(file, savedAt),
                            {tr("恢复"), tr("以后再说"), tr("丢弃")}, recoveryLater);
        if (answer == recoveryLater) {
            recovery_.release(leftover);
            continue;
        }
        if (answer != recoveryRestore) {
            recovery_.remove(leftover);
            continue;
        }
        std::unique_ptr<Project> project = recovery_.read(leftover);
        if (project == nullptr) {
            prompts_.showMessage(this, tr("恢复文件已损坏，无法恢复。"), QMessageBox::Warning);
            recovery_.remove(leftover);
            continue;
        }
        dock_->show();
        document_.replaceProject(std::move(project), leftover.sourcePath.toStdString(), true);
        showListWindow();
        // This run keeps it from now on; the crashed run's files go once this run's are on disk.
        autosave_.writeNow();
        autosave_.flush();
        recovery_.remove(leftover);
        return true;
    }
    return false;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedProjectFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    if (openDroppedFile(event->mimeData()))
        event->acceptProposedAction();
}

bool CMainFrame::openDroppedFile(const QMimeData* dropped)
{
    const QString path = droppedProjectFile(dropped);
    if (path.isEmpty())
        return false;
    // Not inside the drag's own event loop: the open may show a message.
    QTimer::singleShot(0, this, [this, path] { openProjectFile(path); });
    return true;
}

} // namespace trellon
