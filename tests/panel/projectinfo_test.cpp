// The project information dialog's checks and the procedure that applies its values.
#include "panelfixture.h"

#include "panel/projectinfodialog.h"
#include "panel/projectsummaryform.h"

#include "model/gbk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace trellon::testing {
namespace {

class ProjectInfoDialogTest : public ::testing::Test {
protected:
    void submit(const QString& design, const QString& upper, const QString& lower)
    {
        dialog.designCoverField().setText(design);
        dialog.upperDeviationField().setText(upper);
        dialog.lowerDeviationField().setText(lower);
        dialog.okButton().click();
    }

    ScriptedPrompts prompts;
    ProjectInfoDialog dialog{prompts};
};

TEST_F(ProjectInfoDialogTest, outOfRangeNumbersKeepTheDialogOpen)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("输入工程信息"));
    submit("10001", "5", "-5");
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("“请填入一个在0和10000之间的整数。”")});
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    submit("25", "5", "3");
    EXPECT_EQ(prompts.messages.last(), QStringLiteral("“请填入一个在-10000和0之间的整数。”"));
    submit("25", "10001", "-5");
    EXPECT_EQ(prompts.messages.last(), QStringLiteral("“请填入一个在0和10000之间的整数。”"));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(ProjectInfoDialogTest, textThatIsNotAnIntegerIsRefused)
{
    submit("2x", "5", "-5");
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("请键入一个整数。")});
    submit("25", "", "-5");
    EXPECT_EQ(prompts.messages.size(), 2);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(ProjectInfoDialogTest, nameWithoutAGbkFormIsRefused)
{
    dialog.nameField().setText(QString::fromUtf8("梁\xF0\x9F\x98\x80"));
    submit("25", "5", "-5");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(ProjectInfoDialogTest, acceptedValuesCarryTheNameAsGbk)
{
    dialog.nameField().setText(QStringLiteral("一号楼"));
    dialog.applyButton(ApplyTo::tickedMembers).setChecked(true);
    submit("25", "8", "-5");
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.values(),
              (ProjectInfo{systemText("一号楼"), 25, 8, -5, ApplyTo::tickedMembers, std::nullopt, false}));
}

TEST_F(ProjectInfoDialogTest, memberTypeAndSecondSampleAreChosenWithKeysAndClicks)
{
    dialog.setValues({"", 25, 10, -7, ApplyTo::currentMember, MemberType::slab, false});
    QComboBox& type = dialog.memberTypeField();
    EXPECT_EQ(type.currentText(), QStringLiteral("板"));
    dialog.nameField().setText(QStringLiteral("三层 悬挑梁 XL1"));
    EXPECT_EQ(type.itemText(type.count() - 1), QStringLiteral("按名称推断（悬挑梁）")) << "follows the typed name";
    type.setFocus();
    QTest::keyClick(&type, Qt::Key_End);
    QCheckBox& second = dialog.secondSampleField();
    QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(8, second.height() / 2));
    submit("25", "10", "-7");
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.values().memberType, std::nullopt);
    EXPECT_TRUE(dialog.values().secondSample);
}

TEST_F(ProjectInfoDialogTest, storedValuesOutsideTheirRangesShowAsZero)
{
    dialog.setValues({"", 20000, 12, 7, ApplyTo::currentMember, std::nullopt, false});
    EXPECT_EQ(dialog.designCoverField().text(), "0");
    EXPECT_EQ(dialog.upperDeviationField().text(), "12");
    EXPECT_EQ(dialog.lowerDeviationField().text(), "0");
}

// The procedure, with the real dialog filled in and confirmed.
class ProjectInfoProcedureTest : public PanelTest {
protected:
    void answerWith(const ProjectInfo& typed, bool confirm = true)
    {
        panel->setProjectInfoEditor(
            [this, typed, confirm](QWidget*, const ProjectInfo& initial) -> std::optional<ProjectInfo> {
                shownInitially = initial;
                ProjectInfoDialog dialog(host.prompts());
                dialog.setValues(typed);
                if (!confirm)
                    return std::nullopt;
                dialog.okButton().click();
                if (dialog.result() != QDialog::Accepted)
                    return std::nullopt;
                return dialog.values();
            });
    }

    ProjectInfo shownInitially;
};

TEST_F(ProjectInfoProcedureTest, allMembersGetTheValuesAndOnlyTheSelectedOneTheName)
{
    panel->chooseMode(TestMode::section);
    selectLine(1);
    answerWith({systemText("二号梁"), 25, 5, -5, ApplyTo::allMembers, std::nullopt, false});
    panel->showProjectInformation();
    for (const MemberRecord& m : document.project()->members) {
        EXPECT_EQ(m.designCover, 25);
        EXPECT_EQ(m.upperDeviation, 5);
        EXPECT_EQ(m.lowerDeviation, -5);
    }
    EXPECT_EQ(member(3).name, systemText("二号梁"));
    EXPECT_TRUE(member(1).name.empty());
    EXPECT_EQ(grid().itemText(0, 1), QStringLiteral("二号梁"));
    EXPECT_EQ(grid().itemText(1, 1), "25");
    EXPECT_EQ(list().currentRow(), 1);
}

TEST_F(ProjectInfoProcedureTest, tickedMembersAreTheTicksShownInTheList)
{
    panel->chooseMode(TestMode::section);
    list().item(2)->setCheckState(Qt::Checked);
    answerWith({"", 30, 6, -4, ApplyTo::tickedMembers, std::nullopt, false});
    panel->showProjectInformation();
    EXPECT_EQ(member(1).designCover, 30); // the selected member
    EXPECT_EQ(member(5).designCover, 30); // ticked
    EXPECT_EQ(member(3).designCover, 0);
    EXPECT_EQ(member(0).designCover, 0);
}

TEST_F(ProjectInfoProcedureTest, currentMemberOnlyAndTheSummaryFollows)
{
    loadWith([](std::vector<MemberRecord>& members) {
        members[2].designCover = 18;
        members[2].lowerDeviation = 4; // stored positive: offered as 0
    });
    selectLine(1);
    answerWith({"", 22, 3, -2, ApplyTo::currentMember, std::nullopt, false});
    panel->showProjectInformation();
    EXPECT_EQ(shownInitially.designCover, 18);
    EXPECT_EQ(member(2).designCover, 22);
    EXPECT_EQ(member(0).designCover, 0);
    EXPECT_EQ(panel->summaryForm().field(ProjectSummaryForm::Field::designCover).text(), "22");
}

TEST_F(ProjectInfoProcedureTest, changedTypeAndSecondSampleGoToTheChosenMembersInOneStep)
{
    loadWith([](std::vector<MemberRecord>& members) { members[4].checked = 1; });
    document.setMemberType({4}, MemberType::other);
    const Project& project = *document.project();
    const Project before = project;
    const int steps = document.stepCount();
    clickLine(1);
    const MemberRecord& selected = member(2);
    answerWith({selected.name, selected.designCover, selected.upperDeviation, selected.lowerDeviation,
                ApplyTo::tickedMembers, MemberType::cantileverSlab, true});
    panel->showProjectInformation();
    for (std::size_t i = 0; i < project.members.size(); ++i) {
        const bool chosen = i == 2 || project.members[i].checked != 0;
        const MemberExtras extras =
            i < project.extension.members.size() ? project.extension.members[i] : MemberExtras{};
        const std::optional<MemberType> own = i == 4 ? std::optional(MemberType::other) : std::nullopt;
        EXPECT_EQ(extras.type, chosen ? std::optional(MemberType::cantileverSlab) : own) << i;
        EXPECT_EQ(extras.secondSample, chosen) << i;
    }
    EXPECT_EQ(document.stepCount(), steps + 1);
    const Project after = project;
    document.undo();
    EXPECT_EQ(*document.project(), before);
    document.redo();
    EXPECT_EQ(*document.project(), after);

    // Confirmed again without a change, the dialog adds no step.
    answerWith({selected.name, selected.designCover, selected.upperDeviation, selected.lowerDeviation,
                ApplyTo::tickedMembers, MemberType::cantileverSlab, true});
    panel->showProjectInformation();
    EXPECT_EQ(document.stepCount(), steps + 1);
}

TEST_F(ProjectInfoProcedureTest, unchangedTypeLeavesTheOtherMembersTheirOwn)
{
    document.setMemberType({4}, MemberType::beam);
    document.setSecondSample({5}, true);
    const Project& project = *document.project();
    clickLine(1);
    answerWith({"", 30, 6, -4, ApplyTo::allMembers, std::nullopt, false});
    panel->showProjectInformation();
    EXPECT_EQ(shownInitially.memberType, std::nullopt);
    EXPECT_EQ(project.extension.members[4].type, MemberType::beam);
    EXPECT_TRUE(project.extension.members[5].secondSample);
    EXPECT_EQ(member(4).designCover, 30);
}

TEST_F(ProjectInfoProcedureTest, cancelChangesNothing)
{
    const Project before = *document.project();
    answerWith({"", 22, 3, -2, ApplyTo::allMembers, std::nullopt, false}, false);
    panel->showProjectInformation();
    EXPECT_EQ(*document.project(), before);
}

TEST_F(ProjectInfoProcedureTest, noSelectedLineShowsNoDialog)
{
    bool asked = false;
    panel->setProjectInfoEditor([&](QWidget*, const ProjectInfo&) -> std::optional<ProjectInfo> {
        asked = true;
        return std::nullopt;
    });
    list().clearSelection();
    panel->showProjectInformation();
    EXPECT_FALSE(asked);
}

} // namespace
} // namespace trellon::testing
