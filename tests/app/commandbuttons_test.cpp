// The commands as the user reaches them: every toolbar button and a menu item of every kind pressed where it is
// drawn, in each state of the window, and what each did (or that it could not be pressed).
#include "app/cchildframe.h"
#include "app/cmainframe.h"
#include "app/evaluationwindow.h"
#include "app/historydock.h"
#include "app/verificationwindow.h"

#include "panel/controlpanel.h"
#include "panel/parametergrid.h"
#include "support/scriptedprompts.h"
#include "widgets/cgridctrl.h"

#include <QApplication>
#include <QDockWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <numeric>

namespace trellon {
namespace {

using testing::ScriptedPrompts;

const QString sample = QStringLiteral(TRELLON_SOURCE_DIR "/data/samples/site-survey.gj");

// Print runs that stop at the printer's dialog, and previews that show nothing.
class CountingPrintDialogs final : public PrintDialogs {
public:
    bool choosePrinter(QWidget*, QPrinter&, int) override
    {
        ++printers;
        return false;
    }
    void showPreview(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) override { ++previews; }

    int printers = 0;
    int previews = 0;
};

// What the window shows that a command can change.
struct Seen {
    int steps = 0;
    bool canRedo = false;
    const Project* project = nullptr;
    qsizetype saves = 0;
    qsizetype opens = 0;
    qsizetype questions = 0;
    qsizetype messages = 0;
    qsizetype printers = 0;
    qsizetype previews = 0;
    qsizetype urls = 0;
    ChildKind active = ChildKind::none;
    bool toolbar = false;
    bool statusBar = false;
    bool workspace = false;
    bool history = false;
    bool evaluation = false;
    bool verification = false;
    bool passColours = false;
    bool visible = false;
};

class CommandButtonsTest : public ::testing::Test {
protected:
    CommandButtonsTest()
        : settings(dir.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat),
          frame(std::make_unique<CMainFrame>(prompts, settings, dir.filePath(QStringLiteral("recovery"))))
    {
        frame->printing().setDialogs(dialogs);
        frame->setUrlOpener([this](const QUrl& url) {
            openedUrls << url;
            return true;
        });
        frame->resize(1280, 800);
        frame->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    Seen seen() const
    {
        const ProjectDocument& document = frame->document();
        const EvaluationWindow* evaluation = frame->evaluation().evaluationWindow();
        const VerificationWindow* verification = frame->verification().verificationWindow();
        return {document.stepCount(),
                document.canRedo(),
                document.project(),
                prompts.saveSuffixes.size(),
                prompts.openFilters.size(),
                prompts.questions.size(),
                prompts.messages.size(),
                dialogs.printers,
                dialogs.previews,
                openedUrls.size(),
                frame->childWindows().activeKind(),
                !frame->toolBar().isHidden(),
                !frame->statusBar()->isHidden(),
                !frame->workspaceDock().isHidden(),
                !frame->historyDock().isHidden(),
                evaluation != nullptr && evaluation->isVisible(),
                verification != nullptr && !verification->isHidden(),
                frame->childWindows().passColours() == PassColours::on,
                frame->isVisible()};
    }

    // What changed between two looks at the window, and the modal dialog shown meanwhile.
    QStringList changes(const Seen& before, const Seen& after, const QString& dialog) const
    {
        QStringList said;
        if (!dialog.isEmpty())
            said << dialog;
        if (after.steps > before.steps)
            said << QStringLiteral("step ") + frame->document().undoText();
        else if (after.canRedo && !before.canRedo)
            said << QStringLiteral("undone");
        else if (!after.canRedo && before.canRedo)
            said << QStringLiteral("redone");
        if (after.project != before.project)
            said << QStringLiteral("project opened");
        if (after.saves > before.saves)
            said << QStringLiteral("save dialog .") + prompts.saveSuffixes.back();
        if (after.messages > before.messages)
            said << QStringLiteral("message ") + prompts.messages.back();
        const std::pair<qsizetype Seen::*, const char*> counted[] = {{&Seen::opens, "open dialog"},
                                                                     {&Seen::questions, "asked"},
                                                                     {&Seen::printers, "printer dialog"},
                                                                     {&Seen::previews, "preview"},
                                                                     {&Seen::urls, "help page"}};
        for (const auto& [count, name] : counted) {
            if (after.*count > before.*count)
                said << QString::fromLatin1(name);
        }
        if (after.active != before.active)
            said << QStringLiteral("window %1").arg(static_cast<int>(after.active));
        const std::pair<bool Seen::*, const char*> toggles[] = {
            {&Seen::toolbar, "toolbar"},          {&Seen::statusBar, "status bar"},
            {&Seen::workspace, "Workspace"},      {&Seen::history, "history"},
            {&Seen::evaluation, "evaluation"},    {&Seen::verification, "verification"},
            {&Seen::passColours, "pass colours"}, {&Seen::visible, "main window"}};
        for (const auto& [shown, name] : toggles) {
            if (after.*shown != before.*shown)
                said << QString::fromLatin1(name) +
                            (after.*shown ? QStringLiteral(" shown") : QStringLiteral(" hidden"));
        }
        return said;
    }

    // Clicks at a place and tells what the click did: "-" when it could not be pressed. A modal dialog it opens is
    // named and closed at once.
    QString press(QAction* action, const std::function<void()>& click)
    {
        const bool enabled = action->isEnabled();
        const Seen before = seen();
        QString dialog;
        QTimer::singleShot(0, frame.get(), [&dialog] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                dialog = QString::fromLatin1(modal->metaObject()->className()).section(QStringLiteral("::"), -1);
                modal->close();
            }
        });
        click();
        QCoreApplication::processEvents();
        const QStringList said = changes(before, seen(), dialog);
        if (!enabled) {
            EXPECT_TRUE(said.isEmpty()) << action->text().toStdString() << " did " << said.join(", ").toStdString();
            return QStringLiteral("-");
        }
        return said.isEmpty() ? QStringLiteral("nothing") : said.join(QStringLiteral(", "));
    }

    // Every button of the toolbar pressed in turn, left to right, and what each did.
    QString pressEveryButton()
    {
        QList<QAction*> buttons = frame->toolBar().actions();
        buttons.removeIf([](const QAction* button) { return button->isSeparator(); });
        return pressButtons(buttons);
    }
    QString pressButtons(std::initializer_list<Command> commands)
    {
        QList<QAction*> buttons;
        for (const Command command : commands)
            buttons << frame->action(command);
        return pressButtons(buttons);
    }
    QString pressButtons(const QList<QAction*>& buttons)
    {
        QStringList outcomes;
        for (QAction* button : buttons) {
            QWidget* drawn = frame->toolBar().widgetForAction(button);
            // The tip the user reads before pressing.
            const QString tip = button->toolTip();
            outcomes << tip + QStringLiteral(": ") + press(button, [drawn] {
                            QTest::mouseClick(drawn, Qt::LeftButton, {}, drawn->rect().center());
                        });
        }
        return outcomes.join(QLatin1Char('\n'));
    }

    static void expectDone(const QString& done, const char* expected)
    {
        EXPECT_TRUE(done == QString::fromUtf8(expected)) << "done:\n" << done.toStdString();
    }

    // A menu of the menu bar, its entry, and what pressing the entry is to do.
    struct MenuItem {
        const char* menu;
        std::string entry;
        const char* done;
    };
    // Opens each menu and presses its entry, both where they are drawn, in turn.
    void pressMenuItems(const std::vector<MenuItem>& items)
    {
        for (const MenuItem& item : items) {
            const QString title = QString::fromUtf8(item.menu);
            const QString text = QString::fromStdString(item.entry);
            EXPECT_EQ(pressMenuItem(title, text).toStdString(), item.done) << item.menu << " > " << item.entry;
        }
    }

    QString pressMenuItem(const QString& menuTitle, const QString& entryText)
    {
        QMenuBar* bar = frame->menuBar();
        QMenu* menu = nullptr;
        for (QMenu* candidate : frame->shownMenus()) {
            if (candidate->title() == menuTitle)
                menu = candidate;
        }
        EXPECT_NE(menu, nullptr) << menuTitle.toStdString();
        if (menu == nullptr)
            return {};
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
        QAction* entry = nullptr;
        for (QAction* candidate : menu->actions()) {
            if (candidate->isVisible() && candidate->text() == entryText)
                entry = candidate;
        }
        EXPECT_NE(entry, nullptr) << entryText.toStdString();
        if (entry == nullptr)
            return {};
        const QString outcome = press(entry, [menu, entry] {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        });
        // A disabled entry leaves its menu open.
        menu->close();
        return outcome;
    }

    void openSample()
    {
        ASSERT_TRUE(frame->files().openProjectFile(sample));
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    QSettings settings;
    ScriptedPrompts prompts;
    CountingPrintDialogs dialogs;
    QList<QUrl> openedUrls;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(CommandButtonsTest, withoutAProjectOnlyTheButtonsThatNeedNoDataDoAnything)
{
    expectDone(pressEveryButton(), R"(打开: open dialog
保存: -
打印: -
打印设置: PrintSettingsDialog
打印预览: -
保存bmp文件: -
保存txt文件: -
生成报告: -
生成报表: -
数据传输: TransferDialog
控制面板: Workspace hidden
工程信息: -
插入数据: -
插入数据: -
删除数据: -
关于: AboutDialog
撤销: -
重做: -)");
}

TEST_F(CommandButtonsTest, inTheListWindowTheButtonsActOnTheReadingsAndTheTickedMembers)
{
    openSample();
    ASSERT_EQ(frame->childWindows().activeKind(), ChildKind::list);
    expectDone(pressEveryButton(), R"(打开: open dialog
保存: save dialog .gj
打印: printer dialog
打印设置: PrintSettingsDialog
打印预览: preview
保存bmp文件: -
保存txt文件: save dialog .txt
生成报告: ReportParamsDialog
生成报表: save dialog .xlsx
数据传输: TransferDialog
控制面板: Workspace hidden
工程信息: ProjectInfoDialog
插入数据: step 1001 插入测点25
插入数据: step 1001 插入测点26
删除数据: step 1001 删除测点26
关于: AboutDialog
撤销 1001 删除测点26: undone
重做 1001 删除测点26: redone)");
}

TEST_F(CommandButtonsTest, inADiagramWindowTheButtonsActOnTheBarsAndSaveTheDiagram)
{
    openSample();
    frame->controlPanel().chooseMode(TestMode::section);
    CGridCtrl& grid = frame->controlPanel().parameterGrid();
    const QRect firstBar = grid.visualRect(grid.model()->index(sectionFirstBarRow, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, firstBar.center());
    // The buttons that act otherwise than in the list window; printing brings the diagram window back.
    expectDone(pressButtons({Command::print, Command::saveBmp, Command::insertRowAbove, Command::insertRowBelow,
                             Command::deleteBar, Command::undo, Command::redo}),
               R"(打印: printer dialog
保存bmp文件: save dialog .bmp
插入数据: step 4001 插入钢筋1
插入数据: step 4001 插入钢筋2
删除数据: asked
撤销 4001 插入钢筋2: undone
重做 4001 插入钢筋2: redone)");

    // With the list window brought forward the diagram cannot be saved.
    frame->mdiArea().setActiveSubWindow(frame->childWindows().childFrame(ChildKind::list));
    EXPECT_FALSE(frame->action(Command::saveBmp)->isEnabled());
}

TEST_F(CommandButtonsTest, theMenuItemsOfBothMenuSetsDoWhatTheySay)
{
    frame->mdiArea().closeAllSubWindows();
    QCoreApplication::processEvents();
    ASSERT_EQ(frame->childWindows().activeKind(), ChildKind::none);
    pressMenuItems({{"文件(&F)", "最近文件", "-"},
                    {"编辑(&E)", "按规范设置允许偏差", "-"},
                    {"查看(&V)", "工具栏(&T)", "toolbar hidden"},
                    {"查看(&V)", "工具栏(&T)", "toolbar shown"},
                    {"查看(&V)", "状态栏(&S)", "status bar hidden"},
                    {"查看(&V)", "操作历史", "history shown"},
                    {"查看(&V)", "检验评定", "evaluation shown"},
                    {"查看(&V)", "钻孔验证与修正", "verification shown"},
                    {"帮助(&H)", "帮助主题", "help page"},
                    {"文件(&F)", "新建(&N)", "window 1"}});

    // The ticked beams and slabs with other deviations than the standard's.
    openSample();
    const Project& project = *frame->document().project();
    std::vector<int> all(static_cast<std::size_t>(project.memberCount()));
    std::iota(all.begin(), all.end(), 0);
    ASSERT_TRUE(frame->document().setProjectInformation(0, project.members[0].name, all, {25, 3, -3}));
    pressMenuItems({{"文件(&F)", "另存为(&A)...", "save dialog .gj"},
                    {"文件(&F)", "导出CSV文件", "save dialog .csv"},
                    {"文件(&F)", "导出PDF文件", "save dialog .pdf"},
                    {"编辑(&E)", "按规范设置允许偏差", "step 按规范设置允许偏差"},
                    {"编辑(&E)", "撤销 按规范设置允许偏差", "undone"},
                    {"查看(&V)", "按合格着色", "pass colours hidden"},
                    // The project changed since it was opened: the question is answered Cancel.
                    {"文件(&F)", "&1 " + QDir::toNativeSeparators(sample).toStdString(), "asked"}});
    prompts.answers = {QMessageBox::No};
    pressMenuItems({{"文件(&F)", "退出(&X)", "asked, main window hidden"}});
}

} // namespace
} // namespace trellon
