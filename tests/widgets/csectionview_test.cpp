// The section view: choosing members by list position, following edits and replaced projects.
#include "widgets/csectionview.h"

#include "document/projectdocument.h"
#include "model/projectfixtures.h"
#include "support/pixels.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace trellon {
namespace {

using testing::member;

using testing::isBlack;
using testing::isWhite;

std::unique_ptr<Project> projectOf(std::vector<MemberRecord> members)
{
    auto project = std::make_unique<Project>();
    project->members = std::move(members);
    return project;
}

// Section members at array indexes 1 and 3, with one bar each at 120 mm and 420 mm, cover 33 (scale code 1).
std::unique_ptr<Project> mixedProject()
{
    return projectOf({member("1001", {30, 31}), member("4001", {170, 1, 33, 0, 120}),
                      member("3001", {170, 1, 20, 0, 100, 187, 187, 187}), member("4002", {170, 1, 33, 1, 164})});
}

class SectionViewTest : public ::testing::Test {
protected:
    // Black marks: these tests look at where the marks are.
    SectionViewTest()
    {
        view.resize(570, 600);
        view.setPassColours(PassColours::off);
    }

    QImage shown() { return view.grab().toImage(); }

    ProjectDocument document;
    CSectionView view{document};
};

TEST_F(SectionViewTest, listPositionsCountOnlySectionMembers)
{
    document.replaceProject(mixedProject());
    EXPECT_EQ(view.memberIndex(), 1);
    view.selectSectionMember(1);
    EXPECT_EQ(view.memberIndex(), 3);
    const QImage image = shown();
    EXPECT_TRUE(isBlack(image, 470, 190));
    EXPECT_TRUE(isWhite(image, 170, 190));
    view.selectSectionMember(0);
    EXPECT_EQ(view.memberIndex(), 1);
}

TEST_F(SectionViewTest, aMissingListPositionKeepsTheShownMember)
{
    document.replaceProject(mixedProject());
    view.selectSectionMember(1);
    view.selectSectionMember(2);
    EXPECT_EQ(view.memberIndex(), 3);
    view.selectSectionMember(-1);
    EXPECT_EQ(view.memberIndex(), 3);
}

TEST_F(SectionViewTest, withoutProjectOnlyTheAxesAreShown)
{
    view.selectSectionMember(0);
    EXPECT_EQ(view.memberIndex(), -1);
    EXPECT_EQ(view.spanCount(), 0);
    EXPECT_EQ(testing::blackPixelsIn(shown(), QRect(QPoint(52, 82), QPoint(547, 577))), 0);
}

TEST_F(SectionViewTest, aReplacedProjectIsShownFromItsFirstSectionMember)
{
    document.replaceProject(mixedProject());
    view.selectSectionMember(1);
    document.replaceProject(projectOf({member("4009", {170, 1, 33, 0, 220})}));
    EXPECT_EQ(view.memberIndex(), 0);
    const QImage image = shown();
    EXPECT_TRUE(isBlack(image, 270, 190));
    EXPECT_TRUE(isWhite(image, 470, 190));
}

TEST_F(SectionViewTest, aReplacedProjectWithoutSectionMembersShowsNoDots)
{
    document.replaceProject(mixedProject());
    view.selectSectionMember(1);
    document.replaceProject(projectOf({member("1001", {30}), member("3001", {170, 1, 33, 1, 164})}));
    EXPECT_EQ(view.memberIndex(), -1);
    EXPECT_TRUE(isWhite(shown(), 470, 190));
}

TEST_F(SectionViewTest, editedReadingsAreDrawnAtOnce)
{
    auto project = mixedProject();
    project->members[1].replaceSamples({170, 4, 33, 0, 120});
    document.replaceProject(std::move(project));
    ASSERT_EQ(document.setBarValue(1, BarRun::section, 0, BarField::position, 4000), BarEdit::stored);
    EXPECT_EQ(view.spanCount(), 2);
    // 4000 mm on the 6000 mm axis of span count 2.
    EXPECT_TRUE(isBlack(shown(), 50 + 333, 190));
}

TEST(SectionViewColours, aNewViewColoursItsDotsByPassState)
{
    ProjectDocument document;
    CSectionView view{document};
    view.resize(570, 600);
    EXPECT_EQ(view.passColours(), PassColours::on);
    document.replaceProject(mixedProject()); // design cover 0: the cover of 33 fails
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixelColor(170, 190), failingColour);
    view.setPassColours(PassColours::off);
    EXPECT_TRUE(isBlack(view.grab().toImage(), 170, 190));
}

} // namespace
} // namespace trellon
