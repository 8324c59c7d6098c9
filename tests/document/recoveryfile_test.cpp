// Recovery files: written atomically beside a lock, found only when their run is gone, never another's.
#include "document/recoveryfile.h"

#include "evaluation/statistics.h"
#include "model/projectfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trellon {
namespace {

Project smallProject()
{
    Project project;
    MemberRecord member;
    member.number = "1001";
    member.checked = 1;
    member.replaceSamples({31, 45, 27});
    project.members = {member};
    return project;
}

// The files a run leaves when it ends without discarding them.
bool leaveFilesOfACrashedRun(const QString& folder, const std::string& sourcePath)
{
    RecoveryFile crashed(folder);
    return crashed.write(encodeProjectFile(smallProject()), sourcePath);
}

TEST(RecoveryFileTest, aRunningInstancesFilesAreNotLeftovers)
{
    QTemporaryDir folder;
    RecoveryFile running(folder.path());
    ASSERT_TRUE(running.write(encodeProjectFile(smallProject()), "/site/a.gj"));
    RecoveryFile other(folder.path());
    EXPECT_TRUE(other.leftovers().empty());
    ASSERT_TRUE(other.write(encodeProjectFile(smallProject()), "/site/b.gj"));
    EXPECT_TRUE(running.exists());
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("*.gj")}).size(), 2) << "neither overwrote the other";
}

TEST(RecoveryFileTest, filesOfARunThatEndedWithoutDiscardingAreOfferedWithTheirSource)
{
    QTemporaryDir folder;
    ASSERT_TRUE(leaveFilesOfACrashedRun(folder.path(), "/site/工程.gj"));
    RecoveryFile next(folder.path());
    const auto found = next.leftovers();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found.front().sourcePath, QStringLiteral("/site/工程.gj"));
    const std::unique_ptr<Project> project = next.read(found.front());
    ASSERT_NE(project, nullptr);
    Project expected = smallProject();
    recomputeStatistics(expected);
    EXPECT_EQ(*project, expected) << "statistics computed";
    next.remove(found.front());
    EXPECT_TRUE(next.leftovers().empty());
    EXPECT_TRUE(QDir(folder.path()).entryList({QStringLiteral("*.gj"), QStringLiteral("*.source")}).isEmpty());
}

TEST(RecoveryFileTest, aLeftoverIsOfferedByOneInstanceOnly)
{
    QTemporaryDir folder;
    ASSERT_TRUE(leaveFilesOfACrashedRun(folder.path(), ""));
    RecoveryFile first(folder.path());
    RecoveryFile second(folder.path());
    const auto offered = first.leftovers();
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_TRUE(second.leftovers().empty()) << "claimed by the first while it asks";
    first.remove(offered.front());
    EXPECT_TRUE(second.leftovers().empty());
}

TEST(RecoveryFileTest, aReleasedLeftoverIsKeptForTheNextRun)
{
    QTemporaryDir folder;
    ASSERT_TRUE(leaveFilesOfACrashedRun(folder.path(), "/site/a.gj"));
    {
        RecoveryFile later(folder.path());
        const auto offered = later.leftovers();
        ASSERT_EQ(offered.size(), 1u);
        EXPECT_TRUE(offered.front().savedAt.isValid());
        later.release(offered.front());
    }
    RecoveryFile next(folder.path());
    const auto again = next.leftovers();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_NE(next.read(again.front()), nullptr);
}

TEST(RecoveryFileTest, discardedFilesAreNotOffered)
{
    QTemporaryDir folder;
    {
        RecoveryFile clean(folder.path());
        ASSERT_TRUE(clean.write(encodeProjectFile(smallProject()), ""));
        clean.discard();
        EXPECT_FALSE(clean.exists());
    }
    EXPECT_TRUE(RecoveryFile(folder.path()).leftovers().empty());
}

TEST(RecoveryFileTest, aDamagedLeftoverReadsAsNothing)
{
    QTemporaryDir folder;
    ASSERT_TRUE(leaveFilesOfACrashedRun(folder.path(), ""));
    const QString damaged = QDir(folder.path()).entryList({QStringLiteral("*.gj")}).front();
    QFile file(folder.filePath(damaged));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("VER1.2");
    file.close();
    RecoveryFile next(folder.path());
    ASSERT_EQ(next.leftovers().size(), 1u);
    EXPECT_EQ(next.read(next.leftovers().front()), nullptr);
}

} // namespace
} // namespace trellon
