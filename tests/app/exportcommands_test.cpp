// 导出CSV文件 and 导出PDF文件 driven through the main window: where they sit in the menu, what they write from the
// window's project, and what they say and leave alone when they cannot write.
#include "app/cmainframe.h"

#include "app/printdialogs.h"
#include "app/usersettingsfolder.h"
#include "model/pagecount.h"
#include "model/printsettingsfile.h"
#include "model/projectfile.h"
#include "panel/controlpanel.h"
#include "reports/csvexport.h"
#include "support/scriptedprompts.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace trellon {
namespace {

using testing::ScriptedPrompts;

const QString sample = QStringLiteral(TRELLON_SOURCE_DIR "/data/samples/site-survey.gj");

// Prints to the PDF file set; counts how often a printer was asked for.
class PdfPrintDialogs final : public PrintDialogs {
public:
    bool choosePrinter(QWidget*, QPrinter& printer, int) override
    {
        ++printerChoices;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return !pdfPath.isEmpty();
    }
    void showPreview(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) override { ++previews; }

    QString pdfPath;
    int printerChoices = 0;
    int previews = 0;
};

QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& path)
{
    const QString out = run(QStringLiteral("/usr/bin/pdfinfo"), {path});
    const auto at = out.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? -1 : out.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

// The words of one page, whatever the gaps between them.
QStringList pageWords(const QString& pdf, int page)
{
    const QString number = QString::number(page);
    return run(QStringLiteral("/usr/bin/pdftotext"),
               {QStringLiteral("-f"), number, QStringLiteral("-l"), number, pdf, QStringLiteral("-")})
        .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ExportCommandsTest : public ::testing::Test {
protected:
    ExportCommandsTest()
        : settings(dir.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat),
          frame(std::make_unique<CMainFrame>(prompts, settings))
    {
        frame->printing().setDialogs(dialogs);
        frame->setUrlOpener([this](const QUrl&) {
            ++openedUrls;
            return true;
        });
        project = dir.filePath(QStringLiteral("site.gj"));
        QFile::copy(sample, project);
    }

    // A copy of the sample with no member ticked.
    QString writeUntickedSample()
    {
        auto loaded = readProjectFile(sample.toStdString());
        EXPECT_TRUE(loaded.ok());
        Project& p = *loaded.value().project;
        for (MemberRecord& m : p.members)
            m.checked = 0;
        const QString path = dir.filePath(QStringLiteral("unticked.gj"));
        EXPECT_TRUE(writeProjectFile(path.toStdString(), p).ok());
        return path;
    }
    QStringList filesIn(const QString& pattern) const { return QDir(dir.path()).entryList({pattern}, QDir::Files); }
    QString said() const { return prompts.messages.join(QLatin1Char('\n')); }

    QTemporaryDir dir;
    QSettings settings;
    ScriptedPrompts prompts;
    PdfPrintDialogs dialogs;
    int openedUrls = 0;
    QString project;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(ExportCommandsTest, bothFollowSaveTxtInTheChildFileMenuAndNeedAProject)
{
    frame->updateCommands();
    EXPECT_FALSE(frame->action(Command::exportCsv)->isEnabled());
    EXPECT_FALSE(frame->action(Command::exportPdf)->isEnabled());
    ASSERT_TRUE(frame->files().openProjectFile(project));
    frame->updateCommands();
    EXPECT_TRUE(frame->action(Command::exportCsv)->isEnabled());
    EXPECT_TRUE(frame->action(Command::exportPdf)->isEnabled());

    const QList<QAction*> file = frame->shownMenus().at(0)->actions();
    const auto at = file.indexOf(frame->action(Command::saveTxt));
    ASSERT_GE(at, 0);
    ASSERT_GT(file.size(), at + 2);
    EXPECT_EQ(file[at + 1]->text(), QStringLiteral("导出CSV文件"));
    EXPECT_EQ(file[at + 2]->text(), QStringLiteral("导出PDF文件"));
}

TEST_F(ExportCommandsTest, csvHoldsTheWindowsProjectWithItsCurrentTicks)
{
    ASSERT_TRUE(frame->files().openProjectFile(project));
    frame->controlPanel().memberList().item(0)->setCheckState(Qt::Unchecked); // 1001
    prompts.filesToSave = {dir.filePath(QStringLiteral("读数"))};
    frame->action(Command::exportCsv)->trigger();

    EXPECT_TRUE(prompts.messages.isEmpty()) << said().toStdString();
    EXPECT_EQ(prompts.proposedPaths, QStringList{dir.filePath(QStringLiteral("site.csv"))});
    const QByteArray csv = contentOf(dir.filePath(QStringLiteral("读数.csv")));
    EXPECT_EQ(csv.toStdString(), renderCsvExport(*frame->document().project()));
    int unticked = 0;
    int ticked = 0;
    for (const QByteArray& row : csv.split('\n')) {
        const QByteArray tick = row.split(',').value(13); // then correctedCover
        unticked += row.startsWith("1,1001,") && tick == "0" ? 1 : 0;
        ticked += row.startsWith("2,1002,") && tick == "1" ? 1 : 0;
    }
    EXPECT_EQ(unticked, frame->document().project()->members[0].sampleCount);
    EXPECT_EQ(ticked, frame->document().project()->members[1].sampleCount);
    EXPECT_EQ(openedUrls, 0) << "an export is not opened";
}

TEST_F(ExportCommandsTest, csvThatCannotBeWrittenIsNamedAndCancellingWritesNothing)
{
    ASSERT_TRUE(frame->files().openProjectFile(project));
    frame->action(Command::exportCsv)->trigger();
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(filesIn(QStringLiteral("*.csv*")).isEmpty());

    const QString unwritable = dir.filePath(QStringLiteral("absent/out.csv"));
    prompts.filesToSave = {unwritable};
    frame->action(Command::exportCsv)->trigger();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.front().contains(QDir::toNativeSeparators(unwritable)));
    EXPECT_EQ(prompts.messageIcons.front(), QMessageBox::Warning);
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("absent"))).exists());
}

TEST_F(ExportCommandsTest, pdfHoldsThePagesOfPrintWithoutAPrinterDialog)
{
    ASSERT_TRUE(frame->files().openProjectFile(project));
    prompts.filesToSave = {dir.filePath(QStringLiteral("pages"))};
    frame->action(Command::exportPdf)->trigger();
    EXPECT_TRUE(prompts.messages.isEmpty()) << said().toStdString();
    EXPECT_EQ(dialogs.printerChoices, 0);
    EXPECT_EQ(prompts.proposedPaths, QStringList{dir.filePath(QStringLiteral("site.pdf"))});
    const QString exported = dir.filePath(QStringLiteral("pages.pdf"));
    const int pages = countPrintPages(*frame->document().project()).total();
    ASSERT_GT(pages, 3);
    EXPECT_EQ(pdfPages(exported), pages);

    dialogs.pdfPath = dir.filePath(QStringLiteral("printed.pdf"));
    frame->action(Command::print)->trigger();
    ASSERT_EQ(pdfPages(dialogs.pdfPath), pages);
    for (int page = 1; page <= pages; ++page)
        EXPECT_EQ(pageWords(exported, page), pageWords(dialogs.pdfPath, page)) << "page " << page;
}

TEST_F(ExportCommandsTest, pdfPagesCarryTheWindowsPrintSettings)
{
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    PrintSettings stored;
    stored.headerOn = true;
    stored.headerText = "东区检测";
    ASSERT_TRUE(writePrintSettingsFile(userSettingsFolder().toStdString(), stored).ok());
    frame = std::make_unique<CMainFrame>(prompts, settings);
    configHome.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", configHome);
    ASSERT_EQ(frame->printSettings().headerText, stored.headerText);

    ASSERT_TRUE(frame->files().openProjectFile(project));
    prompts.filesToSave = {dir.filePath(QStringLiteral("pages.pdf"))};
    frame->action(Command::exportPdf)->trigger();
    EXPECT_TRUE(pageWords(dir.filePath(QStringLiteral("pages.pdf")), 1).contains(QStringLiteral("东区检测")));
}

TEST_F(ExportCommandsTest, pdfWithNothingTickedSaysWhatPrintSaysAndWritesNothing)
{
    ASSERT_TRUE(frame->files().openProjectFile(writeUntickedSample()));
    prompts.filesToSave = {dir.filePath(QStringLiteral("never.pdf"))};
    frame->action(Command::exportPdf)->trigger();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.proposedPaths.isEmpty()) << "no save dialog";
    EXPECT_TRUE(filesIn(QStringLiteral("*.pdf*")).isEmpty());

    frame->action(Command::print)->trigger();
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages.front(), prompts.messages.back());
    EXPECT_EQ(dialogs.printerChoices, 0);
}

TEST_F(ExportCommandsTest, pdfThatCannotBeWrittenIsNamed)
{
    ASSERT_TRUE(frame->files().openProjectFile(project));
    const QString unwritable = dir.filePath(QStringLiteral("absent/pages.pdf"));
    prompts.filesToSave = {unwritable};
    frame->action(Command::exportPdf)->trigger();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.front().contains(QDir::toNativeSeparators(unwritable)));
    EXPECT_EQ(prompts.messageIcons.front(), QMessageBox::Warning);
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("absent"))).exists());
}

} // namespace
} // namespace trellon
