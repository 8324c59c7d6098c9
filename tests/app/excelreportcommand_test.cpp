// The Excel report command: the panel's ticks decide the members, the workbook is saved where the user says and
// opened, and each failure is told in its own words.
#include "app/cmainframe.h"

#include "panel/controlpanel.h"
#include "support/scriptedprompts.h"
#include "support/zipentry.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace trellon {
namespace {

using testing::ScriptedPrompts;
using testing::zipEntry;

const QString sample = QStringLiteral(TRELLON_SOURCE_DIR "/data/samples/site-survey.gj");

class ExcelReportTest : public ::testing::Test {
protected:
    ExcelReportTest()
        : settings(dir.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat),
          frame(std::make_unique<CMainFrame>(prompts, settings))
    {
        frame->setUrlOpener([this](const QUrl& url) {
            openedUrls << url;
            return opens;
        });
        project = dir.filePath(QStringLiteral("site.gj"));
        QFile::copy(sample, project);
    }

    void makeReport() { frame->action(Command::excelReport)->trigger(); }
    std::string sharedStrings(const QString& path) const
    {
        return zipEntry(QFile::encodeName(path).toStdString(), "xl/sharedStrings.xml").value_or("");
    }

    QTemporaryDir dir;
    QSettings settings;
    ScriptedPrompts prompts;
    QList<QUrl> openedUrls;
    bool opens = true;
    QString project;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(ExcelReportTest, writesTheTickedMembersAndOpensTheWorkbook)
{
    ASSERT_TRUE(frame->files().openProjectFile(project));
    frame->controlPanel().memberList().item(0)->setCheckState(Qt::Unchecked); // 1001, 一层 KL1 梁底
    const QString chosen = dir.filePath(QStringLiteral("报表"));
    prompts.filesToSave = {chosen};
    makeReport();

    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(prompts.proposedPaths, QStringList{dir.filePath(QStringLiteral("site.xlsx"))});
    const QString written = chosen + QStringLiteral(".xlsx");
    EXPECT_EQ(openedUrls, QList<QUrl>{QUrl::fromLocalFile(written)});
    const std::string strings = sharedStrings(written);
    EXPECT_EQ(strings.find("一层 KL1 梁底(1001)"), std::string::npos) << "unticked in the panel";
    EXPECT_NE(strings.find("一层 KL2 梁底(1002)"), std::string::npos);
    // Members of the groups the panel does not list keep their own ticks.
    EXPECT_NE(strings.find("(4001)"), std::string::npos);
    EXPECT_EQ(frame->document().project()->members[0].checked, 0);
}

TEST_F(ExcelReportTest, cancellingTheDialogWritesAndOpensNothing)
{
    ASSERT_TRUE(frame->files().openProjectFile(project));
    makeReport();
    EXPECT_TRUE(openedUrls.isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*.xlsx*")}, QDir::Files).isEmpty());
}

TEST_F(ExcelReportTest, failuresAreToldInTheirOwnWords)
{
    ASSERT_TRUE(frame->files().openProjectFile(project));
    const QString unwritable = dir.filePath(QStringLiteral("absent/report.xlsx"));
    prompts.filesToSave = {unwritable};
    makeReport();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.front().contains(QDir::toNativeSeparators(unwritable)));
    EXPECT_TRUE(openedUrls.isEmpty());

    // Written but opened by no application: where it is, as information, and its folder on Yes.
    opens = false;
    openedUrls.clear();
    prompts.filesToSave = {dir.filePath(QStringLiteral("report.xlsx"))};
    prompts.answers = {QMessageBox::Yes};
    makeReport();
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_TRUE(
        prompts.questions.back().contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("report.xlsx")))));
    EXPECT_EQ(prompts.questionIcons.back(), QMessageBox::Information);
    ASSERT_EQ(openedUrls.size(), 2);
    EXPECT_EQ(openedUrls.back(), QUrl::fromLocalFile(QDir(dir.path()).absolutePath()));
    ASSERT_EQ(prompts.messages.size(), 2) << "only that the folder did not open either";
    EXPECT_TRUE(prompts.messages.back().contains(QDir::toNativeSeparators(QDir(dir.path()).absolutePath())));

    // Without a temporary folder the writer cannot start: no dialog is shown.
    const QByteArray temporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(dir.filePath(QStringLiteral("no-such-folder"))));
    prompts.filesToSave = {dir.filePath(QStringLiteral("never.xlsx"))};
    makeReport();
    temporary.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", temporary);
    EXPECT_EQ(prompts.messages.back(), QStringLiteral("创建Excel服务失败!"));
    EXPECT_EQ(prompts.filesToSave.size(), 1u);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("never.xlsx"))));
}

} // namespace
} // namespace trellon
