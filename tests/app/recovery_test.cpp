// Crash recovery through a real process killed after an edit, and the clean ends that leave nothing behind.
#include "app/cmainframe.h"

#include "support/scriptedprompts.h"
#include "widgets/cdatalistview.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace trellon {
namespace {

using testing::ScriptedPrompts;

const QString sample = QStringLiteral(TRELLON_SOURCE_DIR "/data/samples/site-survey.gj");

class RecoveryTest : public ::testing::Test {
protected:
    RecoveryTest() : settings(dir.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat)
    {
        project = dir.filePath(QStringLiteral("site.gj"));
        QFile::copy(sample, project);
    }
    QString recoveryFolder() const { return dir.filePath(QStringLiteral("recovery")); }
    QStringList recoveryFiles() const
    {
        return QDir(recoveryFolder()).entryList({QStringLiteral("*.gj"), QStringLiteral("*.source")}, QDir::Files);
    }

    QTemporaryDir dir;
    QSettings settings;
    ScriptedPrompts prompts;
    QString project;
};

TEST_F(RecoveryTest, anEditSurvivesTheProcessBeingKilled)
{
    QProcess child;
    child.start(QStringLiteral(RECOVERY_CHILD), {recoveryFolder(), settings.fileName(), project});
    ASSERT_TRUE(child.waitForStarted());
    ASSERT_TRUE(child.waitForReadyRead(30000)) << child.readAllStandardError().toStdString();
    EXPECT_EQ(child.readAllStandardOutput().trimmed(), "written");
    child.kill(); // SIGKILL: no clean-up runs
    ASSERT_TRUE(child.waitForFinished());
    ASSERT_EQ(recoveryFiles().size(), 2);

    CMainFrame frame(prompts, settings, recoveryFolder());
    prompts.answers = {QMessageBox::Yes};
    ASSERT_TRUE(frame.offerRecovery());
    EXPECT_EQ(prompts.questions, QStringList{QStringLiteral("上次未保存的修改可以恢复。是否恢复？")});
    ASSERT_NE(frame.document().project(), nullptr);
    EXPECT_EQ(frame.document().project()->members[0].samples[0], 60);
    EXPECT_TRUE(frame.document().isModified());
    EXPECT_EQ(frame.document().currentFilePath(), QFileInfo(project).absoluteFilePath().toStdString());
    EXPECT_EQ(frame.listView()->item(0, CDataListView::coverColumn)->text(), QStringLiteral("60"));
    EXPECT_EQ(recoveryFiles().size(), 2) << "the crashed run's files give way to this run's";

    frame.show();
    prompts.answers = {QMessageBox::No};
    EXPECT_TRUE(frame.close());
    EXPECT_TRUE(recoveryFiles().isEmpty()) << "a clean exit leaves no recovery file";
}

TEST_F(RecoveryTest, declinedRecoveryIsRemovedAndNotOfferedAgain)
{
    {
        RecoveryFile crashed(recoveryFolder());
        Project edited;
        edited.members.resize(1);
        edited.members[0].number = "1001";
        ASSERT_TRUE(crashed.write(edited, project.toStdString()));
    }
    CMainFrame frame(prompts, settings, recoveryFolder());
    prompts.answers = {QMessageBox::No};
    EXPECT_FALSE(frame.offerRecovery());
    EXPECT_EQ(frame.document().project(), nullptr);
    EXPECT_TRUE(recoveryFiles().isEmpty());
    EXPECT_FALSE(frame.offerRecovery());
    EXPECT_EQ(prompts.questions.size(), 1);
}

TEST_F(RecoveryTest, theRecoveryFileFollowsTheModifiedState)
{
    CMainFrame frame(prompts, settings, recoveryFolder());
    ASSERT_TRUE(frame.openProjectFile(project));
    frame.listView()->commitCellEdit(0, CDataListView::coverColumn, QStringLiteral("60"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.recoveryFile().exists(); }, 10000));
    frame.document().undoStack().undo();
    EXPECT_FALSE(frame.recoveryFile().exists()) << "undone back to the file";
    frame.listView()->commitCellEdit(0, CDataListView::coverColumn, QStringLiteral("61"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.recoveryFile().exists(); }, 10000));
    prompts.filesToSave = {project};
    ASSERT_TRUE(frame.saveProject());
    EXPECT_FALSE(frame.recoveryFile().exists()) << "saved";
}

} // namespace
} // namespace trellon
