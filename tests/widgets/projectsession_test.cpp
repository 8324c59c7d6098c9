// The shared project session: member lookup and the replacement signal.
#include "widgets/projectsession.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace trellon {
namespace {

TEST(ProjectSession, memberLookupRefusesIndexesOutsideTheProject)
{
    ProjectSession session;
    EXPECT_EQ(session.member(0), nullptr);
    auto project = allocateMembers(2);
    project->members[1].number = "4001";
    session.replaceProject(std::move(project));
    ASSERT_NE(session.member(1), nullptr);
    EXPECT_EQ(session.member(1)->number, "4001");
    EXPECT_EQ(session.member(2), nullptr);
    EXPECT_EQ(session.member(-1), nullptr);
}

TEST(ProjectSession, replacingTheProjectTellsTheViews)
{
    ProjectSession session;
    QSignalSpy replaced(&session, &ProjectSession::projectReplaced);
    session.replaceProject(allocateMembers(1));
    session.replaceProject(nullptr);
    EXPECT_EQ(replaced.count(), 2);
    EXPECT_FALSE(session.state().hasProject());
}

} // namespace
} // namespace trellon
