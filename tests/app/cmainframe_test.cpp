// The main window's commands, menus and file flows, driven with scripted dialogs.
#include "app/cchildframe.h"
#include "app/cmainframe.h"
#include "app/conclusionbasisbar.h"
#include "app/evaluationwindow.h"
#include "app/helpwindow.h"
#include "app/transferdialog.h"
#include "app/windowplace.h"

#include "evaluation/acceptanceevaluation.h"
#include "model/membertype.h"
#include "model/projectfile.h"
#include "panel/controlpanel.h"
#include "support/reporttext.h"
#include "support/scriptedprompts.h"
#include "views/evaluationpages.h"
#include "widgets/cdatalistview.h"
#include "widgets/cgridctrl.h"
#include "widgets/cgridview.h"
#include "widgets/csectionview.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <numeric>

namespace trellon {
namespace {

using testing::ScriptedPrompts;

const QString sample = QStringLiteral(TRELLON_SOURCE_DIR "/data/samples/site-survey.gj");

// The words of the report the evaluation window shows, once its pages are current (when `current`).
QString shownReport(EvaluationWindow& window, bool current = true)
{
    if (current) {
        EXPECT_TRUE(QTest::qWaitFor([&window] { return !window.isStale(); }));
    }
    return window.pages() != nullptr ? QString::fromStdString(testing::reportText(window.pages()->report()))
                                     : QString();
}

class MainFrameTest : public ::testing::Test {
protected:
    MainFrameTest()
        : settings(dir.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat),
          frame(std::make_unique<CMainFrame>(prompts, settings, dir.filePath(QStringLiteral("recovery"))))
    {
        frame->setUrlOpener([this](const QUrl& url) {
            openedUrls << url;
            return true;
        });
    }

    // The in-place editor of a cell of the panel's grid, opened as a double click does.
    QLineEdit* openGridEditor(int row, int column)
    {
        CGridCtrl& grid = frame->controlPanel().parameterGrid();
        const QModelIndex cell = grid.model()->index(row, column);
        grid.setCurrentIndex(cell);
        grid.edit(cell);
        for (QLineEdit* editor : grid.viewport()->findChildren<QLineEdit*>()) {
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }
    // An edit through the list view, as the user makes it: the project is then modified.
    void correctAReading()
    {
        frame->childWindows().listView()->commitCellEdit(0, CDataListView::coverColumn, QStringLiteral("60"));
        ASSERT_TRUE(frame->document().isModified());
    }
    std::string currentFilePath() const { return frame->document().currentFilePath(); }
    QString copyOfSample(const QString& name) const
    {
        const QString path = dir.filePath(name);
        QFile::copy(sample, path);
        return path;
    }
    QStringList menuTitles() const
    {
        QStringList titles;
        for (QMenu* menu : frame->shownMenus())
            titles << menu->title();
        return titles;
    }
    QStringList fileMenuEntries() const
    {
        QStringList entries;
        for (QAction* entry : frame->shownMenus().front()->actions()) {
            if (!entry->isSeparator() && entry->isVisible())
                entries << entry->text();
        }
        return entries;
    }
    void closeChildWindows()
    {
        frame->mdiArea().closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    QSettings settings;
    ScriptedPrompts prompts;
    QList<QUrl> openedUrls;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(MainFrameTest, menuBarSwitchesAsChildWindowsOpenAndClose)
{
    ASSERT_NE(frame->childWindows().childFrame(ChildKind::list), nullptr) << "the empty list window opens at start";
    EXPECT_TRUE(fileMenuEntries().contains(QStringLiteral("保存(&S)")));
    EXPECT_EQ(menuTitles(),
              (QStringList{QStringLiteral("文件(&F)"), QStringLiteral("编辑(&E)"), QStringLiteral("数据传输(&D)"),
                           QStringLiteral("查看(&V)"), QStringLiteral("帮助(&H)")}));
    closeChildWindows();
    EXPECT_EQ(frame->childWindows().childFrame(ChildKind::list), nullptr);
    EXPECT_TRUE(fileMenuEntries().contains(QStringLiteral("新建(&N)")));
    EXPECT_FALSE(fileMenuEntries().contains(QStringLiteral("保存(&S)")));
    EXPECT_TRUE(fileMenuEntries().contains(QStringLiteral("最近文件")));
}

TEST_F(MainFrameTest, openShowsTheFirstSinglePointMemberAndReusesTheListWindow)
{
    CChildFrame* list = frame->childWindows().childFrame(ChildKind::list);
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    EXPECT_EQ(frame->childWindows().childFrame(ChildKind::list), list);
    EXPECT_EQ(frame->document().selectedMember(), 0);
    EXPECT_EQ(frame->childWindows().listView()->rowCount(), 24);
    EXPECT_EQ(frame->controlPanel().memberList().count(), 8);
    EXPECT_EQ(list->windowTitle(), sample);
    EXPECT_TRUE(frame->windowTitle().startsWith(QStringLiteral("Velmora钢筋检测分析软件V1.0")));

    closeChildWindows();
    prompts.filesToOpen.push_back(sample);
    frame->files().open();
    ASSERT_NE(frame->childWindows().childFrame(ChildKind::list), nullptr) << "opening re-creates the list window";
    EXPECT_EQ(frame->childWindows().listView()->rowCount(), 24);
}

TEST_F(MainFrameTest, openInADiagramModeShowsTheSinglePointModeInPanelAndWindow)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    for (const TestMode mode : {TestMode::section, TestMode::grid}) {
        frame->controlPanel().chooseMode(mode);
        ASSERT_NE(frame->childWindows().activeKind(), ChildKind::list);
        ASSERT_TRUE(frame->files().openProjectFile(sample));
        EXPECT_EQ(frame->controlPanel().mode(), TestMode::singlePoint);
        EXPECT_EQ(frame->document().currentTestMode(), TestMode::singlePoint);
        EXPECT_EQ(frame->childWindows().activeKind(), ChildKind::list);
        EXPECT_EQ(frame->controlPanel().memberList().item(0)->text(), QStringLiteral("1001"));
        EXPECT_FALSE(frame->action(Command::saveBmp)->isEnabled());
    }
}

TEST_F(MainFrameTest, unreadableFileLeavesTheLoadedProjectAsItWas)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    const Project* loaded = frame->document().project();
    const QString broken = dir.filePath(QStringLiteral("broken.gj"));
    std::ofstream(broken.toStdString()) << "VER1.2\0\0\0\0garbage";
    prompts.filesToOpen.push_back(broken);
    frame->files().open();
    EXPECT_EQ(frame->document().project(), loaded);
    EXPECT_EQ(currentFilePath(), sample.toStdString());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.front().contains(QStringLiteral("broken.gj")));
    EXPECT_EQ(prompts.captions.front(), QStringLiteral("Trellon"));
    EXPECT_EQ(frame->childWindows().listView()->rowCount(), 24);

    prompts.filesToOpen.push_back(dir.filePath(QStringLiteral("missing.gj")));
    frame->files().open();
    EXPECT_EQ(frame->document().project(), loaded);
}

TEST_F(MainFrameTest, aDamagedExtensionBlockIsToldAfterTheMeasurementsOpened)
{
    auto loaded = readProjectFile(sample.toStdString());
    ASSERT_TRUE(loaded.ok());
    Project project = *loaded.value().project;
    project.extension.pointsPerBar = 2;
    std::vector<std::uint8_t> bytes = encodeProjectFile(project);
    bytes.back() ^= 0xFF; // the block's CRC
    const QString damaged = dir.filePath(QStringLiteral("damaged.gj"));
    std::ofstream(damaged.toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(frame->files().openProjectFile(damaged));
    EXPECT_EQ(frame->document().project()->memberCount(), project.memberCount());
    EXPECT_EQ(frame->document().project()->extension, ProjectExtension{});
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.front().contains(QStringLiteral("damaged.gj")));
    EXPECT_EQ(prompts.messageIcons.front(), QMessageBox::Warning);
}

TEST_F(MainFrameTest, cancelledOpenDialogChangesNothing)
{
    frame->files().open();
    EXPECT_EQ(frame->document().project(), nullptr);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(MainFrameTest, saveAsWritesTheFileTheTitleNames)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->controlPanel().memberList().item(0)->setCheckState(Qt::Unchecked);
    const QString target = dir.filePath(QStringLiteral("copy"));
    prompts.filesToSave.push_back(target);
    ASSERT_TRUE(frame->files().saveAs());
    const QString written = target + QStringLiteral(".gj");
    EXPECT_EQ(currentFilePath(), written.toStdString());
    EXPECT_EQ(frame->childWindows().childFrame(ChildKind::list)->windowTitle(), written);
    auto reread = readProjectFile(written.toStdString());
    ASSERT_TRUE(reread.ok());
    EXPECT_EQ(reread.value().project->members.size(), 15u);
    EXPECT_EQ(reread.value().project->members[0].checked, 0) << "ticks stored before writing";
    EXPECT_EQ(frame->files().recentFiles().front(), written);
}

TEST_F(MainFrameTest, failedSaveKeepsTheFilePathAndSaysSo)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    prompts.filesToSave.push_back(dir.filePath(QStringLiteral("no/such/folder/x.gj")));
    EXPECT_FALSE(frame->files().saveAs());
    EXPECT_EQ(currentFilePath(), sample.toStdString());
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST_F(MainFrameTest, closeAsksAndCancelInTheSaveDialogKeepsTheWindowOpen)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->show();
    correctAReading();
    prompts.answers = {QMessageBox::Yes};
    EXPECT_FALSE(frame->close()) << "Yes, then the save dialog cancelled";
    EXPECT_EQ(prompts.questions, QStringList{QStringLiteral("您保存数据吗?")});
    prompts.answers = {QMessageBox::Cancel};
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());

    const QString target = dir.filePath(QStringLiteral("saved.gj"));
    prompts.answers = {QMessageBox::Yes};
    prompts.filesToSave.push_back(target);
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(QFileInfo::exists(target));
}

TEST_F(MainFrameTest, closeWithNoWritesNothingAndRemembersTheWindowPlace)
{
    ASSERT_TRUE(frame->files().openProjectFile(copyOfSample(QStringLiteral("a.gj"))));
    frame->show();
    correctAReading();
    prompts.answers = {QMessageBox::No};
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral(".gj")),
              QStringList{QStringLiteral("a.gj")});
    EXPECT_FALSE(settings.value(QStringLiteral("MainWindow/state")).toByteArray().isEmpty());

    CMainFrame next(prompts, settings, dir.filePath(QStringLiteral("recovery")));
    EXPECT_TRUE(restoreWindowPlace(next, settings));
    EXPECT_EQ(next.files().recentFiles().front(), dir.filePath(QStringLiteral("a.gj")));
}

TEST_F(MainFrameTest, closeAsksNothingWhileTheProjectIsAsItWasOpenedOrSaved)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->show();
    EXPECT_FALSE(frame->isWindowModified());
    correctAReading();
    EXPECT_TRUE(frame->isWindowModified());
    frame->action(Command::undo)->trigger();
    EXPECT_FALSE(frame->isWindowModified()) << "undone back to the file";
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(prompts.questions.isEmpty());
}

TEST_F(MainFrameTest, openAsksBeforeReplacingAModifiedProject)
{
    const QString first = copyOfSample(QStringLiteral("first.gj"));
    const QString second = copyOfSample(QStringLiteral("second.gj"));
    ASSERT_TRUE(frame->files().openProjectFile(first));
    correctAReading();
    const Project* edited = frame->document().project();

    prompts.answers = {QMessageBox::Cancel};
    prompts.filesToOpen = {second};
    frame->files().open();
    EXPECT_EQ(prompts.questions, QStringList{QStringLiteral("您保存数据吗?")});
    EXPECT_EQ(frame->document().project(), edited) << "Cancel keeps everything";
    EXPECT_EQ(frame->document().project()->members[0].samples[0], 60);
    EXPECT_EQ(currentFilePath(), first.toStdString());

    prompts.answers = {QMessageBox::Yes};
    prompts.filesToSave = {first};
    prompts.filesToOpen = {second};
    frame->files().open();
    EXPECT_EQ(currentFilePath(), second.toStdString());
    EXPECT_FALSE(frame->document().isModified());
    auto saved = readProjectFile(first.toStdString());
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.value().project->members[0].samples[0], 60) << "Yes saved first";

    correctAReading();
    prompts.answers = {QMessageBox::No};
    ASSERT_TRUE(frame->files().openProjectFile(first));
    EXPECT_EQ(frame->document().stepCount(), 0);
    auto unchanged = readProjectFile(second.toStdString());
    EXPECT_NE(unchanged.value().project->members[0].samples[0], 60) << "No discarded the correction";
}

TEST_F(MainFrameTest, undoAndRedoAreNamedInTheEditMenu)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    EXPECT_FALSE(frame->action(Command::undo)->isEnabled());
    frame->childWindows().listView()->commitCellEdit(2, CDataListView::coverColumn, QStringLiteral("40"));
    EXPECT_EQ(frame->action(Command::undo)->text(), QStringLiteral("撤销 1001 测点3：18→40"));
    EXPECT_EQ(frame->action(Command::undo)->shortcut(), QKeySequence(QKeySequence::Undo));
    frame->action(Command::undo)->trigger();
    EXPECT_EQ(frame->childWindows().listView()->item(2, CDataListView::coverColumn)->text(), QStringLiteral("18"));
    EXPECT_EQ(frame->action(Command::redo)->text(), QStringLiteral("重做 1001 测点3：18→40"));
    EXPECT_TRUE(frame->action(Command::redo)->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    frame->action(Command::redo)->trigger();
    EXPECT_EQ(frame->childWindows().listView()->item(2, CDataListView::coverColumn)->text(), QStringLiteral("40"));
}

TEST_F(MainFrameTest, undoShowsTheMemberTheEditWasMadeIn)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->controlPanel().chooseMode(TestMode::section);
    const int section = frame->document().selectedMember();
    ASSERT_TRUE(frame->document().deleteBar(section, BarRun::section, 0));
    frame->controlPanel().chooseMode(TestMode::singlePoint);
    frame->action(Command::undo)->trigger();
    EXPECT_EQ(frame->controlPanel().mode(), TestMode::section);
    EXPECT_EQ(frame->childWindows().activeKind(), ChildKind::section);
    EXPECT_EQ(frame->childWindows().sectionView()->memberIndex(), section);
    EXPECT_EQ(frame->controlPanel().shownMember(), section);
}

TEST_F(MainFrameTest, aBarValueTypedButNotConfirmedIsStoredBeforeClosingAsks)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->show();
    frame->controlPanel().chooseMode(TestMode::section);
    QLineEdit* editor = openGridEditor(4, 2);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("77"));
    prompts.answers = {QMessageBox::Cancel};
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(prompts.questions, QStringList{QStringLiteral("您保存数据吗?")});
    EXPECT_EQ(frame->document().member(frame->controlPanel().shownMember())->samples[2], 77);
}

TEST_F(MainFrameTest, undoFromTheToolbarStoresAnOpenCellFirstAndUndoesThat)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->show();
    frame->controlPanel().chooseMode(TestMode::section);
    const int member = frame->controlPanel().shownMember();
    const std::int32_t secondCover = frame->document().member(member)->samples[5];
    QLineEdit* first = openGridEditor(4, 2);
    ASSERT_NE(first, nullptr);
    first->selectAll();
    QTest::keyClicks(first, QStringLiteral("41"));
    QTest::keyClick(first, Qt::Key_Return);
    QCoreApplication::processEvents();
    QLineEdit* second = openGridEditor(5, 2);
    ASSERT_NE(second, nullptr);
    second->selectAll();
    QTest::keyClicks(second, QStringLiteral("77"));
    QTest::mouseClick(frame->toolBar().widgetForAction(frame->action(Command::undo)), Qt::LeftButton);
    QCoreApplication::processEvents();

    const MemberRecord& edited = *frame->document().member(member);
    EXPECT_EQ(edited.samples[2], 41) << "the earlier step stays";
    EXPECT_EQ(edited.samples[5], secondCover) << "the typed value was stored, then undone";
    EXPECT_TRUE(frame->isWindowModified());
    frame->action(Command::redo)->trigger();
    EXPECT_EQ(edited.samples[5], 77);
    EXPECT_FALSE(frame->document().canRedo());
    frame->action(Command::undo)->trigger();
    frame->action(Command::undo)->trigger();
    EXPECT_FALSE(frame->isWindowModified()) << "back at the file";
}

TEST_F(MainFrameTest, passColoursAreOnByDefaultAndTheToggleReachesTheDiagramsAndTheNextRun)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->controlPanel().chooseMode(TestMode::section);
    EXPECT_TRUE(frame->action(Command::passColours)->isChecked());
    EXPECT_EQ(frame->childWindows().sectionView()->passColours(), PassColours::on);
    frame->action(Command::passColours)->trigger();
    EXPECT_EQ(frame->childWindows().sectionView()->passColours(), PassColours::off);
    frame->controlPanel().chooseMode(TestMode::grid);
    EXPECT_EQ(frame->childWindows().gridView()->passColours(), PassColours::off) << "a window opened later follows";
    CMainFrame next(prompts, settings, dir.filePath(QStringLiteral("recovery")));
    EXPECT_FALSE(next.action(Command::passColours)->isChecked());
}

TEST_F(MainFrameTest, standardDeviationsAreOneStepForTheTickedBeamsAndSlabs)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    const Project& project = *frame->document().project();
    std::vector<int> all(static_cast<std::size_t>(project.memberCount()));
    std::iota(all.begin(), all.end(), 0);
    ASSERT_TRUE(frame->document().setProjectInformation(0, project.members[0].name, all, {25, 3, -3}));
    const Project before = project;
    frame->action(Command::standardPermittedDeviations)->trigger();
    int beams = 0;
    int slabs = 0;
    for (int i = 0; i < project.memberCount(); ++i) {
        const MemberRecord& member = project.members[static_cast<std::size_t>(i)];
        if (member.checked == 0)
            continue;
        const MemberType type = memberType(project, i);
        if (type == MemberType::beam || type == MemberType::cantileverBeam) {
            ++beams;
            EXPECT_EQ(std::pair(member.upperDeviation, member.lowerDeviation), std::pair(10, -7)) << i;
        } else if (type == MemberType::slab || type == MemberType::cantileverSlab) {
            ++slabs;
            EXPECT_EQ(std::pair(member.upperDeviation, member.lowerDeviation), std::pair(8, -5)) << i;
        }
    }
    EXPECT_GT(beams, 0);
    EXPECT_GT(slabs, 0);
    EXPECT_EQ(frame->document().stepCount(), 2);
    EXPECT_EQ(frame->action(Command::undo)->text(), QStringLiteral("撤销 按规范设置允许偏差"));
    frame->action(Command::undo)->trigger();
    EXPECT_EQ(project, before);
}

TEST_F(MainFrameTest, theEvaluationWindowShowsTheVerdictsAndSetsPointsPerBarAndPopulations)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->action(Command::evaluation)->trigger();
    EvaluationWindow* window = frame->evaluation().evaluationWindow();
    ASSERT_NE(window, nullptr);
    const AcceptanceEvaluation expected = evaluateAcceptance(*frame->document().project());
    const QString page = shownReport(*window);
    EXPECT_TRUE(page.contains(QStringLiteral("钢筋保护层厚度检验评定（GB 50204-2015 附录E）")));
    const std::string_view beams = lotResultText(expected.lots[0].result);
    EXPECT_TRUE(page.contains(QStringLiteral("梁类构件：") + QString::fromUtf8(beams.data(), beams.size())))
        << page.toStdString();

    window->pointsPerBarField().setValue(2);
    EXPECT_EQ(frame->document().project()->extension.pointsPerBar, 2);
    QSpinBox& beamsTotal = window->populationField(MemberType::beam);
    beamsTotal.setValue(40);
    emit beamsTotal.editingFinished();
    EXPECT_EQ(frame->document().project()->extension.population.at(MemberType::beam), 40);
    // The two changes bring one refresh, once they are done. The sample-size row of beams: type, population,
    // required, tested.
    EXPECT_TRUE(window->isStale());
    const QString sizes = shownReport(*window);
    // Of the six beams ticked, 1005 has no readings: five are tested.
    EXPECT_TRUE(sizes.contains(QStringLiteral("梁 40 5 5 满足"))) << "live: " << sizes.toStdString();
    EXPECT_TRUE(sizes.contains(QStringLiteral("本批有1个构件无测值"))) << "live: " << sizes.toStdString();
    frame->action(Command::undo)->trigger();
    frame->action(Command::undo)->trigger();
    EXPECT_EQ(window->pointsPerBarField().value(), 1) << "the fields follow an undo";
    EXPECT_EQ(beamsTotal.value(), -1);
    shownReport(*window);

    // Hidden, the window lays nothing out until it is shown again.
    window->hide();
    window->pointsPerBarField().setValue(3);
    QTest::qWait(300);
    EXPECT_TRUE(window->isStale());
    EXPECT_FALSE(shownReport(*window, false).contains(QStringLiteral("每根钢筋测点数：3")));
    frame->action(Command::evaluation)->trigger();
    EXPECT_TRUE(shownReport(*window).contains(QStringLiteral("每根钢筋测点数：3")));
}

TEST_F(MainFrameTest, theEvaluationWindowShowsTheWordReportsRateAndBasisAndChoosesTheBasis)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->action(Command::evaluation)->trigger();
    EvaluationWindow* window = frame->evaluation().evaluationWindow();
    ASSERT_NE(window, nullptr);
    ConclusionBasisBar& bar = window->conclusionBar();
    // The figures of the Word report's first sentence: 共计222点，其中合格点201个，合格点率为90.5%.
    EXPECT_EQ(bar.pooledLine().text(), QStringLiteral("全部勾选测点：共222点，合格201点，合格点率90.5%"));
    EXPECT_EQ(bar.basisLine().text(), QStringLiteral("Word报告结论依据：合格点率≥90%"));

    QComboBox& list = bar.basisList();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(frame->document().project()->extension.conclusionBasis, ConclusionBasis::appendixE);
    EXPECT_EQ(frame->document().stepCount(), 1);
    EXPECT_EQ(frame->action(Command::undo)->text(), QStringLiteral("撤销 修改结论依据"));
    ASSERT_TRUE(QTest::qWaitFor([window] { return !window->isStale(); }));
    EXPECT_EQ(bar.basisLine().text(), QStringLiteral("Word报告结论依据：GB 50204-2015 附录E"));
    EXPECT_EQ(list.currentText(), QStringLiteral("GB 50204-2015 附录E"));

    frame->action(Command::undo)->trigger();
    EXPECT_EQ(frame->document().project()->extension.conclusionBasis, ConclusionBasis::rate);
    ASSERT_TRUE(QTest::qWaitFor([window] { return !window->isStale(); }));
    EXPECT_EQ(bar.basisLine().text(), QStringLiteral("Word报告结论依据：合格点率≥90%"));
    EXPECT_EQ(list.currentText(), QStringLiteral("合格点率≥90%")) << "the list follows the undo";
    EXPECT_FALSE(frame->document().isModified());
}

TEST_F(MainFrameTest, theEvaluationWindowExportsItsReportAsAPdf)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->action(Command::evaluation)->trigger();
    EvaluationWindow* window = frame->evaluation().evaluationWindow();
    ASSERT_NE(window, nullptr);
    const QString pdf = dir.filePath(QStringLiteral("evaluation"));
    prompts.filesToSave = {pdf};
    QPushButton& button = window->exportPdfButton();
    QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());
    ASSERT_TRUE(QFileInfo::exists(pdf + QStringLiteral(".pdf"))) << "the suffix is added";
    QProcess text;
    text.start(QStringLiteral("/usr/bin/pdftotext"), {pdf + QStringLiteral(".pdf"), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished());
    const QString words =
        QString::fromUtf8(text.readAllStandardOutput()).remove(QRegularExpression(QStringLiteral("\\s")));
    EXPECT_TRUE(words.contains(QStringLiteral("钢筋保护层厚度检验评定（GB50204-2015附录E）")));
    EXPECT_TRUE(words.contains(QFileInfo(sample).fileName())) << "the report names its project";

    prompts.filesToSave = {dir.filePath(QStringLiteral("missing/evaluation.pdf"))};
    QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());
    ASSERT_FALSE(prompts.messages.isEmpty());
    EXPECT_TRUE(prompts.messages.back().contains(QStringLiteral("evaluation.pdf"))) << "the file is named";
}

TEST_F(MainFrameTest, closeWithoutProjectAsksNothing)
{
    frame->show();
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(prompts.questions.isEmpty());
}

TEST_F(MainFrameTest, recentFilesKeepTheFourNewestAndOpenThroughOpen)
{
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        paths << copyOfSample(QStringLiteral("p%1.gj").arg(i));
        ASSERT_TRUE(frame->files().openProjectFile(paths.back()));
    }
    EXPECT_EQ(frame->files().recentFiles(), (QStringList{paths[4], paths[3], paths[2], paths[1]}));
    settings.sync();
    EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(), paths[4]);

    closeChildWindows();
    QAction* entry = nullptr;
    for (QAction* candidate : frame->shownMenus().front()->actions()) {
        if (candidate->text().endsWith(QStringLiteral("p2.gj")))
            entry = candidate;
    }
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    EXPECT_EQ(currentFilePath(), paths[2].toStdString());
    EXPECT_EQ(frame->files().recentFiles().front(), paths[2]);
    EXPECT_EQ(frame->childWindows().listView()->rowCount(), 24);
}

TEST_F(MainFrameTest, recentFilesAreInTheFileMenuOfBothMenuSets)
{
    const QString path = copyOfSample(QStringLiteral("recent.gj"));
    ASSERT_TRUE(frame->files().openProjectFile(path));
    const auto entryFor = [this](const QString& name) -> QAction* {
        for (QAction* candidate : frame->shownMenus().front()->actions()) {
            if (candidate->isVisible() && candidate->text().endsWith(name))
                return candidate;
        }
        return nullptr;
    };
    ASSERT_NE(frame->childWindows().childFrame(ChildKind::list), nullptr);
    EXPECT_NE(entryFor(QStringLiteral("recent.gj")), nullptr) << "the File menu while a window is open";
    EXPECT_FALSE(fileMenuEntries().contains(QStringLiteral("最近文件")));

    ASSERT_TRUE(frame->files().openProjectFile(sample));
    QAction* entry = entryFor(QStringLiteral("recent.gj"));
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    EXPECT_EQ(currentFilePath(), path.toStdString());

    closeChildWindows();
    EXPECT_NE(entryFor(QStringLiteral("recent.gj")), nullptr) << "the File menu without windows";
}

TEST_F(MainFrameTest, droppedProjectFileIsOpened)
{
    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(QStringLiteral(TRELLON_SOURCE_DIR "/README.md"))});
    EXPECT_FALSE(frame->files().openDroppedFile(&other));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral(TRELLON_SOURCE_DIR "/README.md")), QUrl::fromLocalFile(sample)});
    EXPECT_TRUE(frame->files().openDroppedFile(&data));
    QCoreApplication::processEvents();
    EXPECT_EQ(currentFilePath(), sample.toStdString());
    ASSERT_NE(frame->document().project(), nullptr);
}

TEST_F(MainFrameTest, dataTransferAsksToSaveFirstWhenAProjectIsLoaded)
{
    frame->transfer().start();
    ASSERT_NE(frame->transfer().dialog(), nullptr);
    EXPECT_TRUE(prompts.questions.isEmpty()) << "nothing to save yet";
    frame->transfer().dialog()->reject();

    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->transfer().start();
    EXPECT_TRUE(prompts.questions.isEmpty()) << "nothing changed since it was opened";
    frame->transfer().dialog()->reject();
    correctAReading();
    prompts.answers = {QMessageBox::Cancel};
    frame->transfer().start();
    EXPECT_EQ(prompts.questions, QStringList{QStringLiteral("您保存数据吗?")});
    EXPECT_FALSE(frame->transfer().dialog()->isVisible());
    prompts.answers = {QMessageBox::Yes}; // and the save dialog cancelled
    frame->transfer().start();
    EXPECT_FALSE(frame->transfer().dialog()->isVisible());
    prompts.answers = {QMessageBox::No};
    frame->transfer().start();
    EXPECT_TRUE(frame->transfer().dialog()->isVisible());
    frame->transfer().dialog()->reject();
}

TEST_F(MainFrameTest, receivedProjectIsShownAtOnceInPanelAndViews)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->controlPanel().chooseMode(TestMode::section);
    ASSERT_NE(frame->childWindows().sectionView()->memberIndex(), -1);

    auto received = std::make_shared<Project>();
    MemberRecord single;
    single.number = "1001";
    single.designCover = 25;
    single.upperDeviation = 10;
    single.lowerDeviation = -7;
    single.replaceSamples({30, 50, 20});
    received->members = {single};
    const QString file = dir.filePath(QStringLiteral("data.gj"));
    ASSERT_TRUE(writeProjectFile(file.toStdString(), *received).ok());
    frame->transfer().installReceivedProject(received, file);

    EXPECT_EQ(frame->document().project()->members.size(), 1u);
    EXPECT_EQ(currentFilePath(), file.toStdString());
    EXPECT_EQ(frame->controlPanel().memberList().count(), 1);
    EXPECT_EQ(frame->controlPanel().mode(), TestMode::singlePoint);
    EXPECT_EQ(frame->childWindows().activeKind(), ChildKind::list);
    ASSERT_EQ(frame->childWindows().listView()->rowCount(), 3);
    EXPECT_EQ(frame->childWindows().listView()->item(1, CDataListView::markColumn)->text(), QStringLiteral("×"));
    EXPECT_EQ(frame->childWindows().sectionView()->memberIndex(), -1)
        << "no section member of the old project stays shown";
}

TEST_F(MainFrameTest, controlPanelCheckFollowsTheDocksRealVisibility)
{
    frame->show();
    QAction* panel = frame->action(Command::controlPanel);
    EXPECT_TRUE(panel->isChecked());
    frame->workspaceDock().close();
    EXPECT_FALSE(panel->isChecked()) << "closed by its own button";
    panel->trigger();
    EXPECT_TRUE(frame->workspaceDock().isVisible());
    EXPECT_TRUE(panel->isChecked());
    panel->trigger();
    EXPECT_FALSE(frame->workspaceDock().isVisible());
    EXPECT_FALSE(panel->isChecked());
}

TEST_F(MainFrameTest, helpOpensTheHtmlPageThatShipsWithTheProgram)
{
    frame->action(Command::helpTopics)->trigger();
    ASSERT_EQ(openedUrls.size(), 1);
    EXPECT_TRUE(openedUrls.front().isLocalFile());
    EXPECT_TRUE(openedUrls.front().toLocalFile().endsWith(QStringLiteral("help/index.html")));
    EXPECT_TRUE(QFileInfo::exists(openedUrls.front().toLocalFile()));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(MainFrameTest, helpShowsInAWindowOfItsOwnWithoutABrowser)
{
    frame->setUrlOpener([](const QUrl&) { return false; });
    frame->action(Command::helpTopics)->trigger();
    ASSERT_NE(frame->help().helpWindow(), nullptr);
    EXPECT_TRUE(frame->help().helpWindow()->isVisible());
    EXPECT_TRUE(
        frame->help().helpWindow()->browser().source().toLocalFile().endsWith(QStringLiteral("help/index.html")));
    EXPECT_TRUE(frame->help().helpWindow()->browser().toPlainText().contains(QStringLiteral("数据传输")));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(MainFrameTest, withoutARememberedPlaceTheWindowCoversMostOfTheScreen)
{
    showAtStart(*frame, settings);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    const QRect available = frame->screen()->availableGeometry();
    EXPECT_GE(frame->frameGeometry().width(), available.width() * 85 / 100);
    EXPECT_GE(frame->frameGeometry().height(), available.height() * 85 / 100);
}

TEST_F(MainFrameTest, aReadingKeptFromPartOfTheTypedTextIsNotedInTheStatusBar)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    CDataListView* list = frame->childWindows().listView();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(2, CDataListView::coverColumn)).center());
    ASSERT_TRUE(list->cellEditor().hasFocus());
    QTest::keyClicks(&list->cellEditor(), QStringLiteral("25.7"));
    QTest::keyClick(&list->cellEditor(), Qt::Key_Return);
    EXPECT_EQ(frame->document().project()->members[0].samples[2], 25);
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("已存为 25（读数为整毫米）"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(MainFrameTest, ctrlQQuits)
{
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(MainFrameTest, tabGoesFromTheMemberListToTheReadingsPastTheFiguresToRead)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QListWidget& members = frame->controlPanel().memberList();
    const auto memberLine = [&](const char* number) {
        return members.visualItemRect(members.findItems(QString::fromLatin1(number), Qt::MatchExactly).front());
    };
    // A known-diameter member has nothing to type in its summary; a measured-diameter one its design diameter.
    struct Stop {
        const char* member;
        int fieldStops;
    };
    for (const Stop stop : {Stop{"1001", 0}, Stop{"2001", 1}}) {
        QTest::mouseClick(members.viewport(), Qt::LeftButton, {}, memberLine(stop.member).center());
        members.setFocus(Qt::MouseFocusReason);
        QStringList stops;
        for (int tab = 0; tab < 10 && QApplication::focusWidget() != frame->childWindows().listView(); ++tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
                stops << (field->isReadOnly() ? QStringLiteral("read-only") : QStringLiteral("typable"));
        }
        EXPECT_EQ(QApplication::focusWidget(), frame->childWindows().listView()) << stop.member;
        EXPECT_EQ(stops, QStringList(stop.fieldStops, QStringLiteral("typable"))) << stop.member;
    }
}

TEST_F(MainFrameTest, committedListReadingRefreshesTheSummaryAndMark)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    CDataListView* list = frame->childWindows().listView();
    const std::int32_t before = frame->document().project()->members[0].passCount;
    // Reading 0 of member 1001 is 32 (acceptable); 60 is not.
    list->commitCellEdit(0, CDataListView::coverColumn, QStringLiteral("60"));
    EXPECT_EQ(list->item(0, CDataListView::markColumn)->text(), QStringLiteral("×"));
    EXPECT_EQ(frame->document().project()->members[0].passCount, before - 1);
}

} // namespace
} // namespace trellon
