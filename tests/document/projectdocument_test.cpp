// The document's edits: each one step that undoes and redoes to the bytes of the file, with the statistics, the
// modified state and the selection following.
#include "document/projectdocument.h"

#include "evaluation/acceptanceevaluation.h"
#include "evaluation/checkedsetverdict.h"
#include "evaluation/statistics.h"
#include "model/gbk.h"
#include "model/projectfile.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

namespace trellon {
namespace {

const std::string sample = TRELLON_SOURCE_DIR "/data/samples/site-survey.gj";

std::unique_ptr<Project> openSample()
{
    auto read = readProjectFile(sample);
    EXPECT_TRUE(read.ok());
    std::unique_ptr<Project> project = std::move(read.value().project);
    recomputeStatistics(*project);
    return project;
}

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() { document.replaceProject(openSample(), sample); }

    int indexOf(const char* number) const
    {
        for (int i = 0; i < document.memberCount(); ++i) {
            if (document.member(i)->number == number)
                return i;
        }
        ADD_FAILURE() << "no member " << number;
        return -1;
    }
    const MemberRecord& memberNumbered(const char* number) const { return *document.member(indexOf(number)); }
    std::vector<std::uint8_t> saved() const { return encodeProjectFile(*document.project()); }
    // The sample edited by hand, with the statistics it then has.
    Project editedByHand(const std::function<void(Project&)>& edit) const
    {
        std::unique_ptr<Project> project = openSample();
        edit(*project);
        recomputeStatistics(*project);
        return *project;
    }
    // Undo and redo of the last step: the undone project is `before` to the byte, the redone one `after`.
    void expectUndoableAs(const Project& after, const Project& before)
    {
        EXPECT_EQ(*document.project(), after);
        EXPECT_EQ(saved(), encodeProjectFile(after));
        document.undo();
        EXPECT_EQ(*document.project(), before);
        EXPECT_EQ(saved(), encodeProjectFile(before));
        document.redo();
        EXPECT_EQ(*document.project(), after);
    }
    void expectUndoableAs(const Project& after) { expectUndoableAs(after, *openSample()); }

    ProjectDocument document;
};

TEST_F(DocumentTest, eachReadingEditUndoesToTheFileAndRedoesToTheHandEditedProject)
{
    const int known = indexOf("1001");
    ASSERT_EQ(document.setReading(known, 3, 60), ReadingEdit::stored);
    const Project edited = editedByHand([&](Project& p) { p.members[known].samples[3] = 60; });
    expectUndoableAs(edited);
    EXPECT_EQ(document.undoText(), QStringLiteral("1001 测点4：26→60"));

    ASSERT_TRUE(document.insertReadingRow(known, 0));
    expectUndoableAs(editedByHand([&](Project& p) {
                         p.members[known].samples[3] = 60;
                         p.members[known].samples.insert(p.members[known].samples.begin(), 0);
                         p.members[known].sampleCount += 1;
                     }),
                     edited);

    const int measured = indexOf("2001");
    const auto rows = document.member(measured)->sampleCount / 2;
    ASSERT_TRUE(document.deleteReadingRow(measured, 1));
    EXPECT_EQ(document.member(measured)->sampleCount / 2, rows - 1);
    EXPECT_EQ(document.undoText(), QStringLiteral("2001 删除测点2"));
    document.undo();
    document.undo();
    document.undo();
    EXPECT_EQ(saved(), encodeProjectFile(*openSample()));
}

TEST_F(DocumentTest, measuredDiameterRowsAreInsertedAndDeletedAsPairs)
{
    const int measured = indexOf("2001");
    const std::vector<std::int32_t> before = document.member(measured)->samples;
    ASSERT_TRUE(document.insertReadingRow(measured, 1));
    std::vector<std::int32_t> expected = before;
    expected.insert(expected.begin() + 2, {0, 0});
    EXPECT_EQ(document.member(measured)->samples, expected);
    EXPECT_EQ(document.member(measured)->sampleCount, static_cast<std::int32_t>(expected.size()));
    ASSERT_TRUE(document.deleteReadingRow(measured, 1));
    EXPECT_EQ(document.member(measured)->samples, before);
    EXPECT_EQ(document.stepCount(), 2);
}

TEST_F(DocumentTest, barEditsUndoToTheFileAndRedoToTheHandEditedProject)
{
    const int section = indexOf("4001");
    ASSERT_EQ(document.setBarValue(section, BarRun::section, 1, BarField::position, 300), BarEdit::stored);
    Project expected = editedByHand([&](Project& p) {
        p.members[section].samples[6] = 1;
        p.members[section].samples[7] = 44;
    });
    expectUndoableAs(expected);
    EXPECT_EQ(document.undoText(), QStringLiteral("4001 钢筋2 位置：141→300"));

    const int grid = indexOf("3001");
    const std::int32_t yBars = document.member(grid)->yBarCount;
    ASSERT_TRUE(document.deleteBar(grid, BarRun::gridY, 0));
    EXPECT_EQ(document.member(grid)->yBarCount, yBars - 1);
    EXPECT_EQ(document.undoText(), QStringLiteral("3001 删除Y钢筋1"));
    ASSERT_TRUE(document.insertBar(grid, BarRun::gridX, 0, true));
    EXPECT_EQ(document.undoText(), QStringLiteral("3001 插入X钢筋2"));
    document.undo();
    document.undo();
    EXPECT_EQ(document.member(grid)->yBarCount, yBars);
    EXPECT_EQ(*document.project(), expected);
}

TEST_F(DocumentTest, stepsNameTheMemberAndTheChange)
{
    // Sample values: 2001 holds cover 18 and diameter 16 in row 2 and design diameter 18; 3001's first X bar has
    // cover 13; 1001 is ticked.
    struct Step {
        std::function<bool()> edit;
        QString text;
    };
    const int measured = indexOf("2001");
    const int grid = indexOf("3001");
    const int known = indexOf("1001");
    const Step steps[] = {
        {[&] { return document.setReading(measured, 3, 20) == ReadingEdit::stored; },
         QStringLiteral("2001 测点2 直径：16→20")},
        {[&] { return document.setReading(measured, 2, 30) == ReadingEdit::stored; },
         QStringLiteral("2001 测点2：18→30")},
        {[&] { return document.setDesignDiameter(measured, 22); }, QStringLiteral("2001 设计直径：18→22")},
        {[&] { return document.setBarValue(grid, BarRun::gridX, 0, BarField::cover, 31) == BarEdit::stored; },
         QStringLiteral("3001 X钢筋1 保护层：13→31")},
        {[&] { return document.setBarValue(grid, BarRun::gridY, 0, BarField::position, 200) == BarEdit::stored; },
         QStringLiteral("3001 Y钢筋1 位置：%1→200")
             .arg(barValue(*document.member(grid), BarRun::gridY, 0, BarField::position))},
        {[&] { return document.insertReadingRow(known, 0); }, QStringLiteral("1001 插入测点1")},
        {[&] { return document.setChecked({known}, false); }, QStringLiteral("取消勾选 1001")},
        {[&] {
             return document.setProjectInformation(known, "KL1", {}, {30, 10, -7});
         },
         QStringLiteral("1001 修改工程信息")},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(step.edit()) << step.text.toStdString();
        EXPECT_EQ(document.undoText(), step.text);
    }

    // The project information with acceptance data is one step, named as the first change it makes.
    const DesignValues kept{30, 10, -7};
    ASSERT_TRUE(document.setProjectInformation(known, "KL1", {}, kept, {false, {}, true, true}));
    EXPECT_EQ(document.undoText(), QStringLiteral("设为复检")) << "only the flag changed";
    const int made = document.stepCount();
    ASSERT_TRUE(document.setProjectInformation(known, "KL2", {}, kept, {true, MemberType::slab, true, false}));
    EXPECT_EQ(document.undoText(), QStringLiteral("1001 修改工程信息"));
    EXPECT_EQ(document.stepCount(), made + 1);
    document.undo();
    EXPECT_EQ(document.member(known)->name, "KL1");
    EXPECT_EQ(document.project()->extension.members[static_cast<std::size_t>(known)],
              (MemberExtras{std::nullopt, true}));
}

TEST_F(DocumentTest, refusedAndEmptyEditsLeaveNoStep)
{
    const int section = indexOf("4001");
    EXPECT_EQ(document.setBarValue(section, BarRun::section, 0, BarField::cover, 186), BarEdit::outOfRange);
    EXPECT_EQ(document.setBarValue(section, BarRun::section, 99, BarField::cover, 20), BarEdit::noSuchBar);
    EXPECT_EQ(document.setBarValue(indexOf("1001"), BarRun::section, 0, BarField::cover, 20), BarEdit::noSuchBar);
    EXPECT_EQ(document.setReading(section, 2, 30), ReadingEdit::noSuchReading)
        << "a section member has no single-point readings";
    EXPECT_EQ(document.setReading(indexOf("1001"), 24, 30), ReadingEdit::noSuchReading);
    EXPECT_FALSE(document.deleteReadingRow(indexOf("1001"), -1));
    EXPECT_EQ(document.setReading(indexOf("1001"), 0, document.member(indexOf("1001"))->samples[0]),
              ReadingEdit::unchanged);
    EXPECT_FALSE(document.setChecked({indexOf("1001")}, true)) << "already ticked";
    // What the records cannot hold is refused by the document, whatever the form let through.
    EXPECT_EQ(document.setReading(indexOf("1001"), 0, 256), ReadingEdit::outOfRange);
    EXPECT_EQ(document.setReading(indexOf("1001"), 0, -1), ReadingEdit::outOfRange);
    const std::string name = document.member(indexOf("1001"))->name;
    EXPECT_FALSE(document.setProjectInformation(indexOf("1001"), name, {}, {10001, 10, -7}));
    EXPECT_FALSE(document.setProjectInformation(indexOf("1001"), name, {}, {30, 10, 1}));
    EXPECT_EQ(document.stepCount(), 0);
    EXPECT_FALSE(document.isModified());
}

TEST_F(DocumentTest, projectInformationAndTicksOfManyMembersAreOneStep)
{
    std::vector<int> all(static_cast<std::size_t>(document.memberCount()));
    std::iota(all.begin(), all.end(), 0);
    const int current = indexOf("1002");
    QSignalSpy changed(&document, &ProjectDocument::membersChanged);
    ASSERT_TRUE(document.setProjectInformation(current, "KL9", all, {30, 8, -5}));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.front().front().value<QList<int>>().size(), document.memberCount());
    expectUndoableAs(editedByHand([&](Project& p) {
        for (MemberRecord& m : p.members) {
            m.designCover = 30;
            m.upperDeviation = 8;
            m.lowerDeviation = -5;
        }
        p.members[current].name = "KL9";
    }));

    ASSERT_TRUE(document.setChecked(all, false));
    EXPECT_EQ(document.undoText(), QStringLiteral("取消勾选 %1 个构件").arg(document.memberCount()));
    EXPECT_EQ(checkedSetVerdict(*document.project()).points, 0);
    document.undo();
    EXPECT_GT(checkedSetVerdict(*document.project()).points, 0);
}

TEST_F(DocumentTest, statisticsFollowEveryStep)
{
    const int known = indexOf("1001");
    const std::int32_t passing = document.member(known)->passCount;
    ASSERT_EQ(document.setReading(known, 0, 99), ReadingEdit::stored);
    EXPECT_EQ(document.member(known)->passCount, passing - 1);
    EXPECT_EQ(document.member(known)->maxCover, 99);
    document.undo();
    EXPECT_EQ(document.member(known)->passCount, passing);
    ASSERT_TRUE(document.setProjectInformation(known, document.member(known)->name, {}, {99, 0, 0}));
    EXPECT_EQ(document.member(known)->passCount, 0);
}

TEST_F(DocumentTest, modifiedStateFollowsTheSavedPlaceInTheHistory)
{
    QSignalSpy modified(&document, &ProjectDocument::modifiedChanged);
    const int known = indexOf("1001");
    document.setReading(known, 0, 40);
    document.setReading(known, 1, 41);
    EXPECT_TRUE(document.isModified());
    document.markSaved("/tmp/saved.gj");
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.currentFilePath(), "/tmp/saved.gj");
    document.undo();
    EXPECT_TRUE(document.isModified()) << "undone past the save";
    document.redo();
    EXPECT_FALSE(document.isModified());
    document.undo();
    document.undo();
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(modified.count(), 5);

    document.replaceProject(openSample(), sample);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.stepCount(), 0) << "a replaced project has no history";

    document.replaceProject(openSample(), sample, true);
    EXPECT_TRUE(document.isModified());
    document.setReading(known, 0, 40);
    document.undo();
    EXPECT_TRUE(document.isModified()) << "a recovered project differs from its file without any step";
}

TEST_F(DocumentTest, undoAndRedoShowTheMemberTheEditWasMadeIn)
{
    const int section = indexOf("4002");
    document.select(TestMode::section, section);
    ASSERT_EQ(document.insertBar(section, BarRun::section, 0, false), true);
    document.select(TestMode::singlePoint, indexOf("1003"));
    QSignalSpy selection(&document, &ProjectDocument::selectionChanged);
    document.undo();
    EXPECT_EQ(document.currentTestMode(), TestMode::section);
    EXPECT_EQ(document.selectedMember(), section);
    EXPECT_EQ(selection.count(), 1);
}

TEST_F(DocumentTest, aTickDoesNotMoveTheSelection)
{
    document.select(TestMode::singlePoint, indexOf("1001"));
    ASSERT_TRUE(document.setChecked({indexOf("1003")}, false));
    EXPECT_EQ(document.selectedMember(), indexOf("1001"));
    EXPECT_EQ(document.undoText(), QStringLiteral("取消勾选 1003"));
}

TEST_F(DocumentTest, selectionKeepsToTheMembersOfItsMode)
{
    EXPECT_EQ(document.currentTestMode(), TestMode::singlePoint);
    EXPECT_EQ(document.selectedMember(), indexOf("1001"));
    document.select(TestMode::grid, indexOf("1002"));
    EXPECT_EQ(document.currentTestMode(), TestMode::grid);
    EXPECT_EQ(document.selectedMember(), -1);
    document.select(TestMode::grid, 999);
    EXPECT_EQ(document.selectedMember(), -1);
}

TEST_F(DocumentTest, acceptanceDataAreUndoableStepsNamingTheMembersTheyChange)
{
    QSignalSpy changed(&document, &ProjectDocument::membersChanged);
    QSignalSpy extension(&document, &ProjectDocument::extensionChanged);
    ASSERT_TRUE(document.setMemberType({2, 5}, MemberType::cantileverSlab));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.front().front().value<QList<int>>(), (QList<int>{2, 5}));
    EXPECT_EQ(extension.count(), 1);
    ASSERT_TRUE(document.setSecondSample({5}, true));
    ASSERT_TRUE(document.setPointsPerBar(3));
    EXPECT_FALSE(document.setPointsPerBar(6));
    ASSERT_TRUE(document.setPopulation(MemberType::beam, 40));
    const ProjectExtension& e = document.project()->extension;
    ASSERT_EQ(e.members.size(), 6u);
    EXPECT_EQ(e.members[5], (MemberExtras{MemberType::cantileverSlab, true}));
    EXPECT_EQ(e.pointsPerBar, 3);
    EXPECT_EQ(e.population.at(MemberType::beam), 40);
    EXPECT_TRUE(document.isModified());

    for (int i = 0; i < 4; ++i)
        document.undo();
    EXPECT_EQ(document.project()->extension, ProjectExtension{});
    EXPECT_FALSE(document.isModified());
    document.redo();
    EXPECT_EQ(document.project()->extension.members[2].type, MemberType::cantileverSlab);

    EXPECT_TRUE(document.setMemberType({2, 5}, std::nullopt));
    EXPECT_TRUE(document.project()->extension.members.empty()) << "back to inferring: nothing left to store";
    EXPECT_FALSE(document.setMemberType({2}, std::nullopt)) << "no change, no step";
}

VerificationPoint verificationAt(int member, PointRun run, std::int32_t number, std::int32_t measured = 250)
{
    return {member, run, number, measured, VerificationMethod::drill, std::nullopt, "note"};
}

std::vector<std::int32_t> verifiedNumbers(const ProjectDocument& document)
{
    std::vector<std::int32_t> numbers;
    for (const VerificationPoint& p : document.project()->extension.verification.points)
        numbers.push_back(p.point);
    return numbers;
}

TEST_F(DocumentTest, verificationPointsMoveWithTheirReadingsInTheSameStep)
{
    const int known = indexOf("1001");
    const int grid = indexOf("3001");
    for (const VerificationPoint& p :
         {verificationAt(known, PointRun::none, 3), verificationAt(known, PointRun::none, 9),
          verificationAt(grid, PointRun::x, 2), verificationAt(grid, PointRun::y, 2)})
        ASSERT_TRUE(document.addVerificationPoint(p));
    const std::vector<std::int32_t> added{3, 9, 2, 2};
    ASSERT_EQ(verifiedNumbers(document), added);

    const struct {
        std::function<bool()> edit;
        std::vector<std::int32_t> numbers;
    } cases[] = {
        {[&] { return document.insertReadingRow(known, 0); }, {4, 10, 2, 2}},
        {[&] { return document.insertReadingRow(known, 3); }, {3, 10, 2, 2}},
        {[&] { return document.deleteReadingRow(known, 2); }, {deletedPointNumber, 8, 2, 2}},
        {[&] { return document.deleteReadingRow(known, 0); }, {2, 8, 2, 2}},
        {[&] { return document.insertBar(grid, BarRun::gridY, 0, false); }, {3, 9, 2, 3}},
        {[&] { return document.insertBar(grid, BarRun::gridX, 1, true); }, {3, 9, 2, 2}},
        {[&] { return document.deleteBar(grid, BarRun::gridX, 1); }, {3, 9, deletedPointNumber, 2}},
        {[&] { return document.setReading(known, 2, 40) == ReadingEdit::stored; }, added},
    };
    const std::vector<MemberRecord> measured = document.project()->members;
    for (const auto& c : cases) {
        ASSERT_TRUE(c.edit());
        EXPECT_EQ(verifiedNumbers(document), c.numbers);
        document.undo();
        EXPECT_EQ(verifiedNumbers(document), added);
        EXPECT_EQ(document.project()->members, measured) << "one step undoes the readings with their points";
        document.redo();
        EXPECT_EQ(verifiedNumbers(document), c.numbers);
        document.undo();
    }
    EXPECT_EQ(document.project()->extension.verification.points[0].note, "note");
}

TEST_F(DocumentTest, verificationEditsAreStepsAndRefuseValuesOutsideTheirRanges)
{
    QSignalSpy extension(&document, &ProjectDocument::extensionChanged);
    ASSERT_TRUE(document.addVerificationPoint(verificationAt(0, PointRun::none, 1)));
    ASSERT_TRUE(document.addVerificationPoint(verificationAt(0, PointRun::none, 2)));
    ASSERT_TRUE(document.setVerificationPoint(1, verificationAt(0, PointRun::none, 2, 2000)));
    EXPECT_FALSE(document.setVerificationPoint(1, verificationAt(0, PointRun::none, 2, 2001)));
    EXPECT_FALSE(document.setVerificationPoint(2, verificationAt(0, PointRun::none, 2)));
    VerificationPoint thick = verificationAt(0, PointRun::none, 3);
    thick.diameter = 101;
    EXPECT_FALSE(document.addVerificationPoint(thick));
    ASSERT_TRUE(document.setVerificationRules({200, 100, 1000, 200}));
    EXPECT_FALSE(document.setVerificationRules({201, 30, 6, 10}));
    EXPECT_FALSE(document.setVerificationRules({0, 101, 6, 10}));
    ASSERT_TRUE(document.setJudgeCorrected(true));
    EXPECT_FALSE(document.setJudgeCorrected(true));
    ASSERT_TRUE(document.deleteVerificationPoints({0}));
    EXPECT_EQ(extension.count(), 6);
    EXPECT_EQ(document.undoText(), QStringLiteral("删除 1 个验证点"));
    EXPECT_EQ(document.project()->extension.verification.points,
              (std::vector<VerificationPoint>{verificationAt(0, PointRun::none, 2, 2000)}));
    while (document.canUndo())
        document.undo();
    EXPECT_EQ(document.project()->extension, ProjectExtension{});
    EXPECT_FALSE(document.isModified());
}

TEST(ProjectDocumentVerification, judgingOnCorrectedCoversTurnsALotAcceptedAndUndoTurnsItBack)
{
    MemberRecord beam;
    beam.number = "1001";
    beam.name = systemText("梁");
    beam.knownDiameter = 20;
    beam.designCover = 25;
    beam.upperDeviation = 10;
    beam.lowerDeviation = -7;
    beam.checked = 1;
    beam.replaceSamples({17, 17, 17, 25, 25, 25, 25, 25, 25, 25});
    auto project = std::make_unique<Project>();
    project->members = {beam};
    ProjectDocument document;
    document.replaceProject(std::move(project));
    const auto beamResult = [&] { return evaluateAcceptance(*document.project()).lots[0].result; };
    ASSERT_TRUE(document.addVerificationPoint(verificationAt(0, PointRun::none, 1, 182)));
    ASSERT_TRUE(document.addVerificationPoint(verificationAt(0, PointRun::none, 2, 184)));
    ASSERT_TRUE(document.addVerificationPoint(verificationAt(0, PointRun::none, 3, 183)));
    EXPECT_EQ(beamResult(), LotResult::rejected);
    ASSERT_TRUE(document.setJudgeCorrected(true));
    EXPECT_EQ(beamResult(), LotResult::accepted);
    EXPECT_EQ(document.member(0)->samples[0], 17) << "the readings stay as measured";
    document.undo();
    EXPECT_EQ(beamResult(), LotResult::rejected);
    document.redo();
    EXPECT_EQ(beamResult(), LotResult::accepted);
}

TEST(ProjectDocumentWithoutProject, memberLookupRefusesIndexesOutsideTheProject)
{
    ProjectDocument document;
    EXPECT_EQ(document.member(0), nullptr);
    auto project = allocateMembers(2);
    project->members[1].number = "4001";
    document.replaceProject(std::move(project));
    ASSERT_NE(document.member(1), nullptr);
    EXPECT_EQ(document.member(1)->number, "4001");
    EXPECT_EQ(document.member(2), nullptr);
    EXPECT_EQ(document.member(-1), nullptr);
}

TEST(ProjectDocumentWithoutProject, replacingTheProjectTellsTheViews)
{
    ProjectDocument document;
    QSignalSpy replaced(&document, &ProjectDocument::projectReplaced);
    document.replaceProject(allocateMembers(1));
    document.replaceProject(nullptr);
    EXPECT_EQ(replaced.count(), 2);
    EXPECT_EQ(document.project(), nullptr);
    EXPECT_FALSE(document.setChecked({0}, true));
}

} // namespace
} // namespace trellon
