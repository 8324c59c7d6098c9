// The control panel's modes, ticks and bar corrections, driven through its widgets.
#include "panelfixture.h"

#include "panel/projectsummaryform.h"

#include <QApplication>
#include <QClipboard>
#include <QRadioButton>
#include <QStatusTipEvent>

namespace trellon::testing {
namespace {

QStringList lines(QListWidget& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

using ModeTest = PanelTest;

TEST_F(ModeTest, eachModeListsItsMembersInArrayOrder)
{
    EXPECT_EQ(lines(list()), (QStringList{"1001", "2001"}));
    EXPECT_EQ(document.selectedMember(), 0);
    QTest::mouseClick(&panel->modeButton(TestMode::section), Qt::LeftButton);
    EXPECT_EQ(lines(list()), (QStringList{"4001", "4002", "4003"}));
    EXPECT_EQ(document.currentTestMode(), TestMode::section);
    EXPECT_TRUE(host.calls.contains("showSectionMember 0"));
    EXPECT_EQ(grid().itemText(4, 1), "100");
    panel->modeButton(TestMode::grid).click();
    EXPECT_EQ(lines(list()), (QStringList{"3001", "3002"}));
    EXPECT_TRUE(host.calls.contains("showGridMember 0"));
    EXPECT_EQ(grid().itemText(6, 1), "240");
    EXPECT_EQ(grid().itemText(5, 3), "130");
    EXPECT_EQ(member(4).xBarCount, 0) << "showing a member changes nothing of it";
}

TEST_F(ModeTest, aTickIsStoredAtOnceAsOneStepAndSurvivesModeSwitches)
{
    panel->chooseMode(TestMode::section);
    list().item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(member(3).checked, 1);
    EXPECT_EQ(member(1).checked, 0);
    EXPECT_EQ(document.undoText(), QStringLiteral("勾选 4002"));
    panel->chooseMode(TestMode::grid);
    list().item(0)->setCheckState(Qt::Checked);
    EXPECT_EQ(member(4).checked, 1);
    panel->chooseMode(TestMode::section);
    EXPECT_EQ(list().item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(list().item(0)->checkState(), Qt::Unchecked);

    document.undo();
    EXPECT_EQ(member(4).checked, 0);
    document.undo();
    EXPECT_EQ(member(3).checked, 0);
    EXPECT_EQ(list().item(1)->checkState(), Qt::Unchecked) << "the list follows the undone tick";
}

TEST_F(ModeTest, aTickIsStoredAlsoWithoutASelectedLine)
{
    panel->chooseMode(TestMode::section);
    list().clearSelection();
    list().item(0)->setCheckState(Qt::Checked);
    EXPECT_EQ(member(1).checked, 1);
}

TEST_F(ModeTest, singlePointModeShowsTheSummaryOfTheChosenMember)
{
    selectLine(1);
    EXPECT_EQ(document.selectedMember(), 2);
    EXPECT_EQ(panel->summaryForm().field(ProjectSummaryForm::Field::number).text(), "2001");
    EXPECT_TRUE(grid().isHidden());
    EXPECT_TRUE(host.calls.endsWith("showListWindow"));
}

TEST_F(ModeTest, sectionSelectionIsTheDocumentsSelection)
{
    panel->chooseMode(TestMode::section);
    selectLine(2);
    EXPECT_EQ(document.selectedMember(), 5);
    EXPECT_EQ(document.currentTestMode(), TestMode::section);
    EXPECT_EQ(panel->shownMember(), 5);
    EXPECT_TRUE(host.calls.endsWith("showSectionMember 2"));
}

TEST_F(ModeTest, projectWithoutSectionMembersShowsAnEmptyLayout)
{
    auto project = std::make_unique<Project>();
    project->members = {singlePointMember("1001", {30})};
    document.replaceProject(std::move(project));
    panel->chooseMode(TestMode::section);
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(grid().rowCount(), 500);
    EXPECT_EQ(grid().itemText(3, 1), QStringLiteral("位置(mm)"));
    EXPECT_FALSE(grid().isCellEditable(4, 1));
}

TEST_F(ModeTest, aNewProjectNeverReceivesTheOldListsTicks)
{
    panel->chooseMode(TestMode::section);
    list().item(0)->setCheckState(Qt::Checked);
    auto project = std::make_unique<Project>();
    project->members = {sectionMember("4001", 1, {{10, 10}})};
    document.replaceProject(std::move(project));
    EXPECT_EQ(panel->mode(), TestMode::singlePoint);
    panel->chooseMode(TestMode::section);
    EXPECT_EQ(member(0).checked, 0);
}

using MouseChoiceTest = PanelTest;

TEST_F(MouseChoiceTest, clickedSectionMemberIsTheOneShownAndEdited)
{
    panel->chooseMode(TestMode::section);
    clickLine(1);
    EXPECT_TRUE(host.calls.endsWith("showSectionMember 1"));
    EXPECT_EQ(panel->shownMember(), 3);
    EXPECT_EQ(grid().itemText(4, 1), "50");
    EXPECT_EQ(grid().itemText(4, 2), "30");
    EXPECT_TRUE(grid().itemText(5, 1).isEmpty());
    grid().setCurrentIndex(grid().model()->index(4, 1));
    panel->insertRowAbove();
    EXPECT_EQ(member(3).xBarCount, 2);
    EXPECT_EQ(member(1).xBarCount, 2);
    EXPECT_EQ(member(1).sampleCount, 8);
}

TEST_F(MouseChoiceTest, clickedGridMemberIsTheOneShownAndEdited)
{
    panel->chooseMode(TestMode::grid);
    clickLine(1);
    EXPECT_TRUE(host.calls.endsWith("showGridMember 1"));
    EXPECT_EQ(panel->shownMember(), 6);
    EXPECT_EQ(grid().itemText(5, 3), "90");
    EXPECT_TRUE(grid().itemText(5, 1).isEmpty());
    grid().setCurrentIndex(grid().model()->index(5, 4));
    panel->insertRowBelow();
    EXPECT_EQ(member(6).yBarCount, 2);
    EXPECT_EQ(barCount(member(4), BarRun::gridY), 1);
}

using CellEditTest = PanelTest;

TEST_F(CellEditTest, coverLimitIs185)
{
    panel->chooseMode(TestMode::section);
    typeIntoCell(4, 2, "186");
    EXPECT_EQ(host.scripted.messages, QStringList{QStringLiteral("您输入的数据越界（0–185）")});
    EXPECT_EQ(member(1).samples[2], 20);
    EXPECT_EQ(grid().itemText(4, 2), "20");
    typeIntoCell(4, 2, "185");
    EXPECT_EQ(member(1).samples[2], 185);
    typeIntoCell(5, 2, "0");
    EXPECT_EQ(member(1).samples[5], 0);
    EXPECT_EQ(host.scripted.messages.size(), 1);
    EXPECT_EQ(document.stepCount(), 2) << "each stored value is one step, the refused one none";
}

TEST_F(CellEditTest, positionIsStoredAsHighAndLowParts)
{
    panel->chooseMode(TestMode::section);
    typeIntoCell(4, 1, "300");
    EXPECT_EQ(member(1).samples[3], 1);
    EXPECT_EQ(member(1).samples[4], 44);
    EXPECT_EQ(grid().itemText(4, 1), "300");
}

TEST_F(CellEditTest, positionLimitFollowsTheScaleCode)
{
    panel->chooseMode(TestMode::section);
    selectLine(1); // scale code 3
    typeIntoCell(4, 1, "2000");
    EXPECT_EQ(member(3).samples[3] * 256 + member(3).samples[4], 2000);
    typeIntoCell(4, 1, "2001");
    EXPECT_EQ(member(3).samples[3] * 256 + member(3).samples[4], 2000);
    selectLine(2); // scale code 4
    typeIntoCell(4, 1, "65520");
    EXPECT_EQ(member(5).samples[3], 255);
    EXPECT_EQ(member(5).samples[4], 240);
    typeIntoCell(4, 1, "65521");
    selectLine(0); // scale code 1
    typeIntoCell(4, 1, "501");
    EXPECT_EQ(host.scripted.messages,
              (QStringList{QStringLiteral("您输入的数据越界（0–2000）"), QStringLiteral("您输入的数据越界（0–65520）"),
                           QStringLiteral("您输入的数据越界（0–500）")}))
        << "each refusal names the member's own limit";
}

TEST_F(CellEditTest, editedMemberStaysShown)
{
    panel->chooseMode(TestMode::section);
    selectLine(2);
    host.calls.clear();
    typeIntoCell(4, 2, "33");
    typeIntoCell(4, 2, "34");
    EXPECT_EQ(member(5).samples[2], 34);
    EXPECT_EQ(list().currentRow(), 2);
    EXPECT_EQ(panel->shownMember(), 5);
    EXPECT_FALSE(host.calls.contains("showSectionMember 0"));
    EXPECT_EQ(member(1).samples[2], 20);
}

TEST_F(CellEditTest, gridModeEditsTheYRunAfterTheSeparator)
{
    panel->chooseMode(TestMode::grid);
    typeIntoCell(5, 4, "44");
    typeIntoCell(5, 3, "260");
    const auto& samples = member(4).samples;
    // X run: 2 bars from index 2; separator at 8; Y bar 0 from index 11.
    EXPECT_EQ(samples[11], 44);
    EXPECT_EQ(samples[12] * 256 + samples[13], 260);
    EXPECT_EQ(samples[2], 22);
    EXPECT_FALSE(grid().isCellEditable(6, 3));
}

TEST_F(CellEditTest, tabAndEnterCarryTypingFromCellToCell)
{
    panel->chooseMode(TestMode::section);
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    grid().setCurrentIndex(grid().model()->index(4, 1));
    grid().setFocus();
    const auto type = [](const char* keys, Qt::Key last) {
        for (const char* key = keys; *key != '\0'; ++key)
            QTest::keyClick(QApplication::focusWidget(), *key);
        QTest::keyClick(QApplication::focusWidget(), last);
        QCoreApplication::processEvents();
    };
    type("120", Qt::Key_Tab);
    type("27", Qt::Key_Return);
    EXPECT_EQ(member(1).samples[3] * 256 + member(1).samples[4], 120);
    EXPECT_EQ(member(1).samples[2], 27);
    EXPECT_EQ(grid().currentIndex(), grid().model()->index(5, 2));
    type("33", Qt::Key_Backtab);
    EXPECT_EQ(member(1).samples[5], 33);
    EXPECT_EQ(grid().currentIndex(), grid().model()->index(5, 1));
}

TEST_F(CellEditTest, textWithoutANumberIsRefusedAsInTheList)
{
    panel->chooseMode(TestMode::section);
    typeIntoCell(4, 2, "abc");
    typeIntoCell(4, 2, "-");
    grid().setCurrentIndex(grid().model()->index(4, 2));
    QApplication::clipboard()->setText("abc");
    QTest::keyClick(&grid(), Qt::Key_V, Qt::ControlModifier);
    grid().finishEditing();
    EXPECT_EQ(host.scripted.messages, QStringList(3, QStringLiteral("请键入一个整数。")))
        << "typed, typed without digits, pasted";
    EXPECT_EQ(member(1).samples[2], 20);
    EXPECT_EQ(grid().itemText(4, 2), "20");
    EXPECT_EQ(document.stepCount(), 0);
}

// Records the notes sent towards the status bar.
class StatusNotes : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::StatusTip)
            notes << static_cast<QStatusTipEvent*>(event)->tip();
        return QObject::eventFilter(watched, event);
    }
    QStringList notes;
};

TEST_F(CellEditTest, aValueKeptFromPartOfTheTextIsNoted)
{
    StatusNotes status;
    panel->installEventFilter(&status);
    panel->chooseMode(TestMode::section);
    typeIntoCell(4, 2, "25.7");
    typeIntoCell(5, 2, "26");
    EXPECT_EQ(member(1).samples[2], 25);
    EXPECT_EQ(member(1).samples[5], 26);
    EXPECT_EQ(status.notes, QStringList{QStringLiteral("已存为 25（读数为整毫米）")});
    EXPECT_TRUE(host.scripted.messages.isEmpty());
}

TEST_F(CellEditTest, statisticsFollowTheStoredValue)
{
    panel->chooseMode(TestMode::section);
    typeIntoCell(4, 2, "90");
    EXPECT_EQ(member(1).maxCover, 90);
}

TEST_F(CellEditTest, pasteGoesThroughTheLimits)
{
    panel->chooseMode(TestMode::section);
    grid().setCurrentIndex(grid().model()->index(4, 1));
    QApplication::clipboard()->setText("150\t186\n200\t30");
    QTest::keyClick(&grid(), Qt::Key_V, Qt::ControlModifier);
    grid().finishEditing();
    EXPECT_EQ(member(1).samples[3] * 256 + member(1).samples[4], 150);
    EXPECT_EQ(member(1).samples[2], 20);
    EXPECT_EQ(grid().itemText(4, 2), "20");
    EXPECT_EQ(member(1).samples[5], 30);
    EXPECT_EQ(member(1).samples[6] * 256 + member(1).samples[7], 200);
    EXPECT_EQ(host.scripted.messages, QStringList{QStringLiteral("您输入的数据越界（0–185）")});
    EXPECT_EQ(document.stepCount(), 1) << "one paste, one step";
    document.undo();
    EXPECT_EQ(member(1).samples[5], 25);
    EXPECT_EQ(member(1).samples[3] * 256 + member(1).samples[4], 100);
}

TEST_F(CellEditTest, pastingWhatTheCellsHoldOrOnlyRefusedValuesIsNoStep)
{
    panel->chooseMode(TestMode::section);
    typeIntoCell(4, 2, "40");
    document.undo();
    ASSERT_FALSE(document.isModified());
    grid().setCurrentIndex(grid().model()->index(4, 1));
    QApplication::clipboard()->setText("100\t20\n300\t25");
    QTest::keyClick(&grid(), Qt::Key_V, Qt::ControlModifier);
    grid().finishEditing();
    grid().setCurrentIndex(grid().model()->index(4, 2));
    QApplication::clipboard()->setText("186\n190");
    QTest::keyClick(&grid(), Qt::Key_V, Qt::ControlModifier);
    grid().finishEditing();
    EXPECT_EQ(host.scripted.messages, QStringList{QStringLiteral("您输入的数据越界（0–185）")});
    EXPECT_FALSE(document.isModified());
    EXPECT_TRUE(document.canRedo()) << "the step undone before is still there to redo";
    EXPECT_EQ(grid().itemText(4, 2), "20");
}

TEST_F(CellEditTest, cutStoresZeroLikeAnEmptiedCell)
{
    panel->chooseMode(TestMode::section);
    grid().setCurrentIndex(grid().model()->index(5, 2));
    QTest::keyClick(&grid(), Qt::Key_X, Qt::ControlModifier);
    grid().finishEditing();
    EXPECT_EQ(member(1).samples[5], 0);
    EXPECT_EQ(grid().itemText(5, 2), "0");
}

TEST_F(CellEditTest, editPendingWhenAnotherMemberIsChosenLandsInItsOwnMember)
{
    panel->chooseMode(TestMode::section);
    const QModelIndex cover = grid().model()->index(4, 2);
    grid().setCurrentIndex(cover);
    grid().edit(cover);
    QLineEdit* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "77");
    selectLine(1);
    EXPECT_EQ(member(1).samples[2], 77);
    EXPECT_EQ(member(3).samples[2], 30);
    EXPECT_EQ(panel->shownMember(), 3);
}

using BarListTest = PanelTest;

TEST_F(BarListTest, insertAboveTheFirstBar)
{
    panel->chooseMode(TestMode::section);
    grid().setCurrentIndex(grid().model()->index(4, 1));
    panel->insertRowAbove();
    EXPECT_EQ(member(1).samples, (std::vector<std::int32_t>{170, 1, 0, 0, 0, 20, 0, 100, 25, 1, 44}));
    EXPECT_EQ(member(1).sampleCount, 11);
    EXPECT_EQ(member(1).xBarCount, 3);
    EXPECT_EQ(grid().itemText(5, 1), "100");
    EXPECT_TRUE(grid().isCellEditable(6, 2));
    EXPECT_TRUE(host.scripted.questions.isEmpty());
}

TEST_F(BarListTest, insertBelowFollowsTheBarAndKeepsTheMemberShown)
{
    panel->chooseMode(TestMode::section);
    selectLine(1);
    grid().setCurrentIndex(grid().model()->index(4, 2));
    panel->insertRowBelow();
    EXPECT_EQ(member(3).samples, (std::vector<std::int32_t>{170, 3, 30, 0, 50, 0, 0, 0}));
    EXPECT_EQ(list().currentRow(), 1);
    EXPECT_EQ(panel->shownMember(), 3);
}

TEST_F(BarListTest, insertionNeedsABarOnTheRow)
{
    panel->chooseMode(TestMode::section);
    grid().setCurrentIndex(grid().model()->index(6, 1));
    panel->insertRowAbove();
    grid().clearSelection();
    panel->insertRowBelow();
    EXPECT_EQ(member(1).sampleCount, 8);
    panel->chooseMode(TestMode::grid);
    selectLine(1); // no X bars
    grid().setCurrentIndex(grid().model()->index(5, 1));
    panel->insertRowAbove();
    EXPECT_EQ(member(6).xBarCount, 0);
}

TEST_F(BarListTest, gridInsertionTakesTheRunFromTheColumn)
{
    panel->chooseMode(TestMode::grid);
    grid().setCurrentIndex(grid().model()->index(5, 3));
    panel->insertRowAbove();
    EXPECT_EQ(member(4).yBarCount, 2);
    EXPECT_EQ(member(4).xBarCount, 2);
    EXPECT_EQ(grid().itemText(6, 3), "130");
    grid().setCurrentIndex(grid().model()->index(6, 0));
    panel->insertRowBelow();
    EXPECT_EQ(member(4).xBarCount, 3);
    EXPECT_EQ(grid().itemText(7, 1), "0");
}

struct NewBar {
    TestMode mode;
    int row; // the clicked cell
    int column;
    bool below;
    BarRun run;
    int bar; // the new bar
};

class NewBarTest : public PanelTest, public ::testing::WithParamInterface<NewBar> {};

TEST_P(NewBarTest, isSelectedWithItsPositionOpenForTyping)
{
    const NewBar& wanted = GetParam();
    panel->chooseMode(wanted.mode);
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {},
                      grid().visualRect(grid().model()->index(wanted.row, wanted.column)).center());
    wanted.below ? panel->insertRowBelow() : panel->insertRowAbove();
    const int memberIndex = panel->shownMember();
    const int firstBarRow = wanted.mode == TestMode::section ? 4 : 5;
    const QModelIndex position = grid().model()->index(firstBarRow + wanted.bar, wanted.run == BarRun::gridY ? 3 : 1);
    EXPECT_EQ(grid().currentIndex(), position);
    ASSERT_NE(openEditor(), nullptr) << "the position cell is open for typing";
    QTest::keyClicks(QApplication::focusWidget(), "141");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(barValue(member(memberIndex), wanted.run, wanted.bar, BarField::position), 141);
}

INSTANTIATE_TEST_SUITE_P(BarListTest, NewBarTest,
                         ::testing::Values(NewBar{TestMode::section, 5, 2, true, BarRun::section, 2},
                                           NewBar{TestMode::section, 4, 1, false, BarRun::section, 0},
                                           NewBar{TestMode::grid, 5, 2, true, BarRun::gridX, 1},
                                           NewBar{TestMode::grid, 5, 4, false, BarRun::gridY, 0}));

TEST_F(BarListTest, deleteAsksFirstAndNoKeepsTheBar)
{
    panel->chooseMode(TestMode::section);
    grid().setCurrentIndex(grid().model()->index(4, 1));
    host.scripted.answers = {QMessageBox::No};
    panel->deleteBar();
    EXPECT_EQ(host.scripted.questions, QStringList{QStringLiteral("删除钢筋 1（位置 100 mm，保护层 20 mm）？")});
    EXPECT_EQ(member(1).sampleCount, 8);
    host.scripted.answers = {QMessageBox::Yes};
    panel->deleteBar();
    EXPECT_EQ(member(1).samples, (std::vector<std::int32_t>{170, 1, 25, 1, 44}));
    EXPECT_EQ(member(1).xBarCount, 1);
    EXPECT_EQ(grid().itemText(4, 1), "300");
    EXPECT_TRUE(grid().itemText(5, 1).isEmpty());
}

TEST_F(BarListTest, deletingTheOnlyBarKeepsTheMemberListed)
{
    panel->chooseMode(TestMode::section);
    selectLine(1);
    grid().setCurrentIndex(grid().model()->index(4, 1));
    host.scripted.answers = {QMessageBox::Yes};
    panel->deleteBar();
    EXPECT_EQ(member(3).samples, (std::vector<std::int32_t>{170, 3}));
    EXPECT_EQ(list().count(), 3);
    EXPECT_FALSE(grid().isCellEditable(4, 1));
}

TEST_F(BarListTest, deletingAYBarLeavesTheXRun)
{
    panel->chooseMode(TestMode::grid);
    grid().setCurrentIndex(grid().model()->index(6, 2));
    host.scripted.answers = {QMessageBox::No};
    panel->deleteBar();
    grid().setCurrentIndex(grid().model()->index(5, 4));
    host.scripted.answers = {QMessageBox::Yes};
    panel->deleteBar();
    EXPECT_EQ(host.scripted.questions, (QStringList{QStringLiteral("删除 X 钢筋 2（位置 240 mm，保护层 24 mm）？"),
                                                    QStringLiteral("删除 Y 钢筋 1（位置 130 mm，保护层 26 mm）？")}));
    EXPECT_EQ(member(4).yBarCount, 0);
    EXPECT_EQ(member(4).xBarCount, 2);
    EXPECT_EQ(member(4).sampleCount, 11);
}

TEST_F(BarListTest, singlePointModeIgnoresBarRequests)
{
    const auto before = member(0).samples;
    host.scripted.answers = {QMessageBox::Yes};
    panel->deleteBar();
    panel->insertRowAbove();
    EXPECT_EQ(member(0).samples, before);
    EXPECT_TRUE(host.scripted.questions.isEmpty());
}

} // namespace
} // namespace trellon::testing
