// The grid view: choosing members by list position and following replaced projects.
#include "widgets/cgridview.h"

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

// Grid members at array indexes 0 and 2 with one X bar each, at 100 mm and 300 mm (scale code 1).
std::unique_ptr<Project> mixedProject()
{
    return projectOf({member("3001", {170, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150}),
                      member("4001", {170, 1, 33, 0, 120}), member("3002", {170, 1, 20, 1, 44, 187, 187, 187})});
}

class GridViewTest : public ::testing::Test {
protected:
    // Black marks: these tests look at where the marks are.
    GridViewTest()
    {
        view.resize(570, 600);
        view.setPassColours(PassColours::off);
    }

    QImage shown() { return view.grab().toImage(); }

    ProjectDocument document;
    CGridView view{document};
};

TEST_F(GridViewTest, listPositionsCountOnlyGridMembers)
{
    document.replaceProject(mixedProject());
    EXPECT_EQ(view.memberIndex(), 0);
    EXPECT_TRUE(isBlack(shown(), 150, 300));
    view.selectGridMember(1);
    EXPECT_EQ(view.memberIndex(), 2);
    const QImage image = shown();
    EXPECT_TRUE(isBlack(image, 350, 300));
    EXPECT_TRUE(isWhite(image, 148, 300));
    view.selectGridMember(2);
    EXPECT_EQ(view.memberIndex(), 2);
}

TEST_F(GridViewTest, aReplacedProjectNeverShowsTheOldMembers)
{
    document.replaceProject(mixedProject());
    view.selectGridMember(1);
    document.replaceProject(projectOf({member("4001", {170, 1, 33, 1, 44})}));
    EXPECT_EQ(view.memberIndex(), -1);
    EXPECT_EQ(view.spanCount(), 0);
    EXPECT_TRUE(isWhite(shown(), 350, 300));
    document.replaceProject(projectOf({member("3009", {170, 4, 20, 16, 4, 187, 187, 187})}));
    EXPECT_EQ(view.memberIndex(), 0);
    EXPECT_EQ(view.spanCount(), 2);
}

} // namespace
} // namespace trellon
