// Print and Print preview of the main window through scripted print dialogs: the pages painted, the page range,
// the message when nothing is ticked, and a project that printing leaves as it was.
#include "app/cchildframe.h"
#include "app/cmainframe.h"
#include "app/printdialogs.h"

#include "model/pagecount.h"
#include "model/projectfile.h"
#include "model/testmode.h"
#include "panel/controlpanel.h"
#include "support/scriptedprompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace trellon {
namespace {

using testing::ScriptedPrompts;

const QString sample = QStringLiteral(TRELLON_SOURCE_DIR "/data/samples/site-survey.gj");

// Prints to a PDF file, or cancels when no file is set.
class ScriptedPrintDialogs final : public PrintDialogs {
public:
    bool choosePrinter(QWidget*, QPrinter& printer, int pageCount) override
    {
        offeredPages = pageCount;
        ++printerChoices;
        if (pdfPath.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        if (fromPage > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(fromPage, toPage);
        }
        return true;
    }
    void showPreview(QWidget*, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override
    {
        ++previews;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        paint(printer);
    }

    QString pdfPath;
    int fromPage = 0;
    int toPage = 0;
    int offeredPages = 0;
    int printerChoices = 0;
    int previews = 0;
};

int pdfPages(const QString& path)
{
    QProcess info;
    info.start(QStringLiteral("/usr/bin/pdfinfo"), {path});
    info.waitForFinished();
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const auto at = out.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? -1 : out.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

class PrintRunTest : public ::testing::Test {
protected:
    PrintRunTest()
        : settings(dir.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat),
          frame(std::make_unique<CMainFrame>(prompts, settings))
    {
        frame->printing().setDialogs(dialogs);
        dialogs.pdfPath = dir.filePath(QStringLiteral("printed.pdf"));
    }

    // A copy of the sample changed by edit.
    QString writeSample(const std::function<void(Project&)>& edit)
    {
        auto loaded = readProjectFile(sample.toStdString());
        EXPECT_TRUE(loaded.ok());
        Project& project = *loaded.value().project;
        edit(project);
        const QString path = dir.filePath(QStringLiteral("edited.gj"));
        EXPECT_TRUE(writeProjectFile(path.toStdString(), project).ok());
        return path;
    }
    int expectedPages() const { return countPrintPages(*frame->document().project()).total(); }

    QTemporaryDir dir;
    QSettings settings;
    ScriptedPrompts prompts;
    ScriptedPrintDialogs dialogs;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(PrintRunTest, printFromADiagramWindowOpensTheListWindowAndPrintsEveryPage)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->controlPanel().chooseMode(TestMode::grid);
    frame->childWindows().childFrame(ChildKind::list)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(frame->childWindows().childFrame(ChildKind::list), nullptr);

    frame->action(Command::print)->trigger();
    EXPECT_NE(frame->childWindows().childFrame(ChildKind::list), nullptr);
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(dialogs.printerChoices, 1);
    EXPECT_GT(expectedPages(), 3);
    EXPECT_EQ(dialogs.offeredPages, expectedPages());
    EXPECT_EQ(pdfPages(dialogs.pdfPath), expectedPages());
}

TEST_F(PrintRunTest, afterPrintingFromADiagramItsWindowIsActiveAgain)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    for (const auto& [mode, kind] :
         {std::pair{TestMode::section, ChildKind::section}, std::pair{TestMode::grid, ChildKind::grid}}) {
        frame->controlPanel().chooseMode(mode);
        frame->action(Command::printPreview)->trigger();
        EXPECT_EQ(frame->childWindows().activeKind(), kind);
        EXPECT_EQ(frame->controlPanel().mode(), mode);
        EXPECT_TRUE(frame->action(Command::saveBmp)->isEnabled());
        frame->action(Command::print)->trigger();
        EXPECT_EQ(frame->childWindows().activeKind(), kind);
    }
    EXPECT_EQ(dialogs.previews, 2);
}

TEST_F(PrintRunTest, printsOnlyThePagesChosen)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    dialogs.fromPage = 2;
    dialogs.toPage = 3;
    frame->action(Command::print)->trigger();
    EXPECT_EQ(pdfPages(dialogs.pdfPath), 2);
}

TEST_F(PrintRunTest, previewPaintsEveryPage)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->action(Command::printPreview)->trigger();
    EXPECT_EQ(dialogs.previews, 1);
    EXPECT_EQ(pdfPages(dialogs.pdfPath), expectedPages());
}

TEST_F(PrintRunTest, theTicksOfTheMemberListAreWhatPrints)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    QListWidget& list = frame->controlPanel().memberList();
    ASSERT_GT(list.count(), 0);
    for (int i = 0; i < list.count(); ++i)
        list.item(i)->setCheckState(Qt::Unchecked);
    list.setCurrentRow(0);
    frame->action(Command::printPreview)->trigger();
    EXPECT_EQ(countPrintPages(*frame->document().project()).list, 0);
    EXPECT_EQ(dialogs.previews, 1) << "the ticked grid and section members still print";
}

TEST_F(PrintRunTest, nothingTickedSaysSoInsteadOfOpeningADialog)
{
    ASSERT_TRUE(frame->files().openProjectFile(writeSample([](Project& p) {
        for (MemberRecord& m : p.members)
            m.checked = 0;
    })));
    frame->action(Command::print)->trigger();
    frame->action(Command::printPreview)->trigger();
    EXPECT_EQ(dialogs.printerChoices, 0);
    EXPECT_EQ(dialogs.previews, 0);
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[0], QStringLiteral("没有可打印的内容：请先在控制面板中勾选要打印的构件。"));
}

// Printing only reads the project, even a grid whose stored bar counts disagree with its readings.
TEST_F(PrintRunTest, printingLeavesTheProjectAsItWas)
{
    bool damaged = false;
    ASSERT_TRUE(frame->files().openProjectFile(writeSample([&damaged](Project& p) {
        for (MemberRecord& m : p.members) {
            if (testModeDigit(m) == TestModeDigit::grid && m.checked && !damaged) {
                m.yBarCount += 3;
                damaged = true;
            }
        }
    })));
    ASSERT_TRUE(damaged);
    const Project before = *frame->document().project();
    frame->action(Command::printPreview)->trigger();
    frame->action(Command::print)->trigger();
    ASSERT_EQ(dialogs.previews, 1);
    ASSERT_EQ(dialogs.printerChoices, 1);
    EXPECT_EQ(pdfPages(dialogs.pdfPath), expectedPages());
    EXPECT_EQ(*frame->document().project(), before);
    EXPECT_FALSE(frame->document().isModified());
}

} // namespace
} // namespace trellon
