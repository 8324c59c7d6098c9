// The Word report command: the panel's ticks decide the members, the dialog the format and texts, the report is
// saved where the user says and opened, and each failure is told in its own words.
#include "app/cmainframe.h"
#include "app/reportparamsdialog.h"
#include "app/wordreportcommand.h"

#include "panel/controlpanel.h"
#include "reports/docx/docxpackage.h"
#include "reports/yunnanreport.h"
#include "support/scriptedprompts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace trellon {
namespace {

using testing::ScriptedPrompts;

const QString sample = QStringLiteral(TRELLON_SOURCE_DIR "/data/samples/site-survey.gj");

// Fills the report parameters dialog and presses OK.
std::function<void(ReportParamsDialog&)> confirm(int format, const QString& reportNumber = {})
{
    return [=](ReportParamsDialog& dialog) {
        dialog.formatList().setCurrentIndex(format);
        if (!reportNumber.isEmpty())
            dialog.textField(0).setText(reportNumber);
        QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    };
}

class WordReportTest : public ::testing::Test {
protected:
    WordReportTest()
        : settings(dir.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat),
          frame(std::make_unique<CMainFrame>(prompts, settings))
    {
        frame->setUrlOpener([this](const QUrl& url) {
            openedUrls << url;
            return opens;
        });
        project = dir.filePath(QStringLiteral("site.gj"));
        QFile::copy(sample, project);
        places.settingsFolder = dir.path();
    }

    // Runs the command; `drive` works the report parameters dialog, which is cancelled if left open.
    void makeReport(const std::function<void(ReportParamsDialog&)>& drive, bool fromTheMenu = false)
    {
        dialogShown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<ReportParamsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialogShown = true;
            drive(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        if (fromTheMenu)
            frame->action(Command::wordReport)->trigger();
        else
            makeWordReport(*frame, places);
    }

    std::string part(const QString& path, const std::string& name) const
    {
        const auto package = docx::DocxPackage::read(QFile::encodeName(path).toStdString());
        EXPECT_TRUE(package.ok()) << path.toStdString();
        const std::string* content = package ? package.value().part(name) : nullptr;
        return content != nullptr ? *content : std::string();
    }

    QTemporaryDir dir;
    QSettings settings;
    ScriptedPrompts prompts;
    QList<QUrl> openedUrls;
    bool opens = true;
    bool dialogShown = false;
    QString project;
    WordReportPlaces places;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(WordReportTest, theNormalReportOfTheTickedMembersIsSavedAndOpened)
{
    ASSERT_TRUE(frame->files().openProjectFile(project));
    frame->controlPanel().memberList().item(0)->setCheckState(Qt::Unchecked); // 1001, 一层 KL1 梁底
    const QString chosen = dir.filePath(QStringLiteral("报告"));
    prompts.filesToSave = {chosen};
    makeReport(confirm(0, QStringLiteral("BG-2024-017")));

    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(prompts.proposedPaths, QStringList{dir.filePath(QStringLiteral("site.docx"))});
    const QString written = chosen + QStringLiteral(".docx");
    EXPECT_EQ(openedUrls, QList<QUrl>{QUrl::fromLocalFile(written)});
    const std::string document = part(written, "word/document.xml");
    EXPECT_EQ(document.find("一层 KL1 梁底(1001)"), std::string::npos) << "unticked in the panel";
    EXPECT_NE(document.find("一层 KL2 梁底(1002)"), std::string::npos);
    EXPECT_NE(document.find("四、检测结论："), std::string::npos);
    EXPECT_NE(part(written, "word/header1.xml").find("BG-2024-017"), std::string::npos);
    EXPECT_EQ(frame->document().project()->members[0].checked, 0);
}

TEST_F(WordReportTest, theBasisChosenInTheDialogIsAnUndoableEditOfTheProjectAndConcludesTheReport)
{
    ASSERT_TRUE(frame->files().openProjectFile(project));
    const QString chosen = dir.filePath(QStringLiteral("附录E.docx"));
    prompts.filesToSave = {chosen};
    makeReport([](ReportParamsDialog& dialog) {
        dialog.formatList().setCurrentIndex(0);
        QComboBox& basis = dialog.conclusionBasisList();
        EXPECT_EQ(basis.currentText(), QStringLiteral("合格点率≥90%")) << "the project's basis";
        basis.setFocus();
        QTest::keyClick(&basis, Qt::Key_Down);
        QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(dialogShown);
    EXPECT_EQ(frame->document().project()->extension.conclusionBasis, ConclusionBasis::appendixE);
    EXPECT_EQ(frame->action(Command::undo)->text(), QStringLiteral("撤销 修改结论依据"));
    const std::string document = part(chosen, "word/document.xml");
    EXPECT_NE(document.find("梁类构件钢筋保护层厚度检验的合格率为"), std::string::npos);
    EXPECT_EQ(document.find("工程的钢筋保护层厚度检测结果为"), std::string::npos);

    // The next dialog shows the project's basis; the Yunnan format offers none.
    makeReport([](ReportParamsDialog& dialog) {
        EXPECT_EQ(dialog.conclusionBasisList().currentText(), QStringLiteral("GB 50204-2015 附录E"));
        dialog.formatList().setCurrentIndex(1);
        EXPECT_FALSE(dialog.conclusionBasisList().isEnabled());
    });
    frame->action(Command::undo)->trigger();
    EXPECT_EQ(frame->document().project()->extension.conclusionBasis, ConclusionBasis::rate);
    EXPECT_FALSE(frame->document().isModified());
}

TEST_F(WordReportTest, theYunnanFormatWritesTheSummaryTable)
{
    ASSERT_TRUE(frame->files().openProjectFile(project));
    const QString chosen = dir.filePath(QStringLiteral("汇总.docx"));
    prompts.filesToSave = {chosen};
    makeReport(confirm(1));

    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('\n')).toStdString();
    const std::string document = part(chosen, "word/document.xml");
    EXPECT_NE(document.find(yunnanNote), std::string::npos);
    EXPECT_NE(document.find("一层 KL1 梁底(1001)"), std::string::npos);
    EXPECT_EQ(document.find("四、检测结论："), std::string::npos);
    EXPECT_EQ(openedUrls, QList<QUrl>{QUrl::fromLocalFile(chosen)});
}

TEST_F(WordReportTest, cancellingEitherDialogWritesAndOpensNothing)
{
    ASSERT_TRUE(frame->files().openProjectFile(project));
    makeReport([](ReportParamsDialog&) {});
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(prompts.proposedPaths.isEmpty()) << "no save dialog after Cancel";

    makeReport(confirm(0)); // the save dialog is cancelled: no file queued
    EXPECT_EQ(prompts.proposedPaths.size(), 1);
    EXPECT_TRUE(openedUrls.isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("site.docx"))));
}

TEST_F(WordReportTest, aMissingTemplateIsTheWriterThatCannotStart)
{
    ASSERT_TRUE(frame->files().openProjectFile(project));
    places.templateFolder = dir.filePath(QStringLiteral("no-templates"));
    makeReport(confirm(0));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("创建Word2000服务失败!\n")))
        << prompts.messages[0].toStdString();
    EXPECT_TRUE(prompts.proposedPaths.isEmpty());
    EXPECT_TRUE(openedUrls.isEmpty());
}

TEST_F(WordReportTest, aFileThatCannotBeWrittenIsNamed)
{
    ASSERT_TRUE(frame->files().openProjectFile(project));
    const QString unwritable = dir.filePath(QStringLiteral("no-folder/报告.docx"));
    prompts.filesToSave = {unwritable};
    makeReport(confirm(1));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(QStringLiteral("报告.docx"))) << prompts.messages[0].toStdString();
    EXPECT_TRUE(openedUrls.isEmpty());

    opens = false;
    prompts.filesToSave = {dir.filePath(QStringLiteral("报告.docx"))};
    makeReport(confirm(1));
    EXPECT_EQ(prompts.messages.size(), 1) << "no warning for a report that was written";
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_TRUE(prompts.questions[0].contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("报告.docx")))))
        << prompts.questions[0].toStdString();
    EXPECT_EQ(prompts.questionIcons[0], QMessageBox::Information);
}

TEST_F(WordReportTest, theMenuCommandRunsIt)
{
    QStandardPaths::setTestModeEnabled(true); // the dialog's settings file goes to the test location
    ASSERT_TRUE(frame->files().openProjectFile(project));
    makeReport([](ReportParamsDialog&) {}, true);
    EXPECT_TRUE(dialogShown);
    QStandardPaths::setTestModeEnabled(false);
}

} // namespace
} // namespace trellon
