// The single-point summary: what it shows per member kind, and the design diameter typed into it.
#include "panelfixture.h"

#include "panel/projectsummaryform.h"

#include "model/gbk.h"


namespace trellon::testing {
namespace {

using Field = ProjectSummaryForm::Field;
using SummaryTest = PanelTest;

TEST_F(SummaryTest, knownDiameterMemberHasNoDesignDiameterToType)
{
    loadWith([](std::vector<MemberRecord>& members) {
        members[0].knownDiameter = 16;
        members[0].designDiameter = 12;
    });
    auto& form = panel->summaryForm();
    EXPECT_EQ(form.field(Field::sampleCount).text(), "3");
    EXPECT_EQ(form.field(Field::knownDiameter).text(), "16");
    EXPECT_TRUE(form.field(Field::designDiameter).text().isEmpty());
    EXPECT_TRUE(form.field(Field::designDiameter).isReadOnly());
    EXPECT_EQ(member(0).designDiameter, 12);
}

TEST_F(SummaryTest, measuredDiameterMemberTakesATypedDesignDiameter)
{
    selectLine(1);
    auto& form = panel->summaryForm();
    EXPECT_EQ(form.field(Field::sampleCount).text(), "2");
    EXPECT_TRUE(form.field(Field::knownDiameter).text().isEmpty());
    ASSERT_FALSE(form.field(Field::designDiameter).isReadOnly());
    form.field(Field::designDiameter).selectAll();
    QTest::keyClicks(&form.field(Field::designDiameter), "14mm");
    EXPECT_EQ(member(2).designDiameter, 0) << "nothing is stored while typing";
    QTest::keyClick(&form.field(Field::designDiameter), Qt::Key_Return);
    EXPECT_EQ(member(2).designDiameter, 14);
    EXPECT_EQ(document.stepCount(), 1) << "the typed value is one step";
    document.undo();
    EXPECT_EQ(form.field(Field::designDiameter).text(), "0");
}

TEST_F(SummaryTest, aTypedDesignDiameterGoesToTheMemberItWasTypedForOnly)
{
    loadWith([](std::vector<MemberRecord>& members) { members[2].designDiameter = 16; });
    panel->chooseMode(TestMode::section);
    typeIntoCell(4, 2, "40");
    panel->chooseMode(TestMode::singlePoint);
    selectLine(1);
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    QLineEdit& field = panel->summaryForm().field(Field::designDiameter);
    field.setFocus();
    document.undo(); // shows section member 4001 and hides the form that had the focus
    QCoreApplication::processEvents();
    EXPECT_EQ(member(1).designDiameter, 0) << "leaving the field changed nothing";
    EXPECT_EQ(member(2).designDiameter, 16);

    panel->chooseMode(TestMode::singlePoint);
    selectLine(1);
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, "25");
    panel->chooseMode(TestMode::section); // the form hides with the typed value
    EXPECT_EQ(member(2).designDiameter, 25);
    EXPECT_EQ(member(1).designDiameter, 0);
}

TEST_F(SummaryTest, coverStatisticsOfTheJudgedValuesStandBelowTheFields)
{
    loadWith([](std::vector<MemberRecord>& members) {
        members[0].replaceSamples({30, 31, 32, 36});
        members[0].designCover = 30;
        members[0].lowerDeviation = -2;
        members[0].upperDeviation = 2;
    });
    auto& form = panel->summaryForm();
    EXPECT_EQ(form.field(Field::meanCover).text(), "32.3");
    EXPECT_EQ(form.field(Field::standardDeviation).text(), "2.6");    // sqrt(20.75 / 3)
    EXPECT_EQ(form.field(Field::characteristicCover).text(), "25.3"); // 32.25 − 2.63 × 2.630
    EXPECT_EQ(form.field(Field::passRate).text(), "75.0%");
    ASSERT_TRUE(document.setPointsPerBar(2)); // means 30.5 and 34
    EXPECT_EQ(form.field(Field::meanCover).text(), "32.3");
    EXPECT_EQ(form.field(Field::passRate).text(), "50.0%");
    EXPECT_TRUE(form.field(Field::characteristicCover).text().isEmpty()) << "two values give no characteristic";
}

TEST_F(SummaryTest, positiveLowerDeviationIsShownAsZeroWithTheMessage)
{
    loadWith([](std::vector<MemberRecord>& members) { members[0].lowerDeviation = 3; });
    EXPECT_EQ(host.scripted.messages, QStringList{QStringLiteral("允许偏差下限应为负值或零!")});
    EXPECT_EQ(panel->summaryForm().field(Field::lowerDeviation).text(), "0");
    EXPECT_EQ(member(0).lowerDeviation, 3);
}

TEST_F(SummaryTest, aMemberWithoutReadingsShowsNoFigures)
{
    loadWith([](std::vector<MemberRecord>& members) { members[0].replaceSamples({}); });
    panel->refreshSummaryForm();
    auto& form = panel->summaryForm();
    EXPECT_EQ(form.field(Field::sampleCount).text(), "0");
    for (const Field figure : {Field::maxCover, Field::minCover, Field::meanCover})
        EXPECT_TRUE(form.field(figure).text().isEmpty()) << static_cast<int>(figure);
}

TEST_F(SummaryTest, aLongNameShowsItsStart)
{
    loadWith([](std::vector<MemberRecord>& members) {
        members[0].name = utf8ToGbk("二层 KL10 梁底 东侧第三跨 1001 复测").value();
    });
    panel->refreshSummaryForm();
    QLineEdit& name = panel->summaryForm().field(Field::name);
    ASSERT_GT(name.fontMetrics().horizontalAdvance(name.text()), name.width()) << "the name must not fit";
    EXPECT_EQ(name.cursorPosition(), 0);
}

TEST_F(SummaryTest, noSelectedMemberEmptiesEveryField)
{
    document.select(TestMode::singlePoint, -1);
    panel->refreshSummaryForm();
    EXPECT_TRUE(panel->summaryForm().field(Field::number).text().isEmpty());
    EXPECT_TRUE(panel->summaryForm().field(Field::sampleCount).text().isEmpty());
}

} // namespace
} // namespace trellon::testing
