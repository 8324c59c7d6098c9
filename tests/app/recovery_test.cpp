// Crash recovery through a real process killed after an edit, and the clean ends that leave nothing behind.
#include "app/cmainframe.h"
#include "app/startupopen.h"

#include "evaluation/openproject.h"
#include "model/projectfile.h"

#include "support/scriptedprompts.h"
#include "widgets/cdatalistview.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

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

TEST_F(RecoveryTest, everyEditSurvivesTheProcessBeingKilled)
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
    prompts.choices = {0};
    ASSERT_TRUE(frame.crashRecovery().offer());
    ASSERT_EQ(prompts.questions.size(), 1);
    const QRegularExpression question(
        QRegularExpression::escape(QDir::toNativeSeparators(project)) +
        QStringLiteral(" 的未保存修改（最后保存于 \\d\\d:\\d\\d:\\d\\d）可以恢复。是否恢复？"));
    EXPECT_TRUE(question.match(prompts.questions.front()).hasMatch()) << prompts.questions.front().toStdString();
    EXPECT_EQ(prompts.answersOffered.front(),
              (QStringList{QStringLiteral("恢复"), QStringLiteral("以后再说"), QStringLiteral("丢弃")}));
    ASSERT_NE(frame.document().project(), nullptr);
    EXPECT_EQ(frame.document().project()->members[0].samples[0], 60);
    EXPECT_EQ(frame.document().project()->members[0].samples[1], 61) << "the later edit was kept as well";
    EXPECT_TRUE(frame.document().isModified());
    EXPECT_EQ(frame.document().currentFilePath(), QFileInfo(project).absoluteFilePath().toStdString());
    EXPECT_EQ(frame.childWindows().listView()->item(0, CDataListView::coverColumn)->text(), QStringLiteral("60"));
    EXPECT_EQ(recoveryFiles().size(), 2) << "the crashed run's files give way to this run's";

    frame.show();
    prompts.answers = {QMessageBox::No};
    EXPECT_TRUE(frame.close());
    EXPECT_TRUE(recoveryFiles().isEmpty()) << "a clean exit leaves no recovery file";
}

// What a crashed run left of the project file, with reading 0 of its first member set to 60.
void leaveCrashedEdit(const QString& folder, const QString& source)
{
    RecoveryFile crashed(folder);
    std::unique_ptr<Project> edited = std::move(openProject(QFile::encodeName(source).toStdString()).value().project);
    edited->members[0].samples[0] = 60;
    ASSERT_TRUE(crashed.write(encodeProjectFile(*edited), QFileInfo(source).absoluteFilePath().toStdString()));
}

TEST_F(RecoveryTest, laterKeepsTheEditsForTheNextStartAndDiscardRemovesThem)
{
    leaveCrashedEdit(recoveryFolder(), project);
    {
        CMainFrame frame(prompts, settings, recoveryFolder());
        prompts.choices = {1};
        EXPECT_FALSE(frame.crashRecovery().offer());
        EXPECT_EQ(frame.document().project(), nullptr);
        EXPECT_EQ(recoveryFiles().size(), 2);
    }
    CMainFrame frame(prompts, settings, recoveryFolder());
    prompts.choices = {2};
    EXPECT_FALSE(frame.crashRecovery().offer());
    EXPECT_EQ(prompts.questions.size(), 2) << "offered again at the next start";
    EXPECT_TRUE(recoveryFiles().isEmpty());
    EXPECT_FALSE(frame.crashRecovery().offer());
    EXPECT_EQ(prompts.questions.size(), 2);
}

TEST_F(RecoveryTest, theStartSaysWhatIsShownWhenTheRecoveredFileIsTheOneNamed)
{
    const QString other = dir.filePath(QStringLiteral("other.gj"));
    QFile::copy(sample, other);
    struct Start {
        QString named;
        QString message;
    };
    const Start starts[] = {
        {project, QStringLiteral("窗口中显示的是恢复的未保存修改，“%1”本身没有重新打开。").arg(project)},
        {other, QStringLiteral("已恢复上次未保存的修改，“%1”没有打开。").arg(other)},
    };
    for (const Start& start : starts) {
        leaveCrashedEdit(recoveryFolder(), project);
        ScriptedPrompts answered;
        answered.choices = {0};
        CMainFrame frame(answered, settings, recoveryFolder());
        openAtStart(frame, {start.named});
        EXPECT_EQ(frame.document().currentFilePath(), project.toStdString());
        EXPECT_EQ(frame.document().project()->members[0].samples[0], 60);
        EXPECT_EQ(answered.messages, QStringList{start.message});
    }
}

TEST_F(RecoveryTest, theRecoveryFileFollowsTheModifiedState)
{
    CMainFrame frame(prompts, settings, recoveryFolder());
    frame.crashRecovery().autosave().setDelay(10);
    ASSERT_TRUE(frame.files().openProjectFile(project));
    frame.childWindows().listView()->commitCellEdit(0, CDataListView::coverColumn, QStringLiteral("60"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.crashRecovery().recoveryFile().exists(); }, 10000));
    frame.document().undo();
    frame.crashRecovery().autosave().flush();
    EXPECT_FALSE(frame.crashRecovery().recoveryFile().exists()) << "undone back to the file";
    frame.childWindows().listView()->commitCellEdit(0, CDataListView::coverColumn, QStringLiteral("61"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.crashRecovery().recoveryFile().exists(); }, 10000));
    prompts.filesToSave = {project};
    ASSERT_TRUE(frame.files().saveAs());
    frame.crashRecovery().autosave().flush();
    EXPECT_FALSE(frame.crashRecovery().recoveryFile().exists()) << "saved";
}

} // namespace
} // namespace trellon
