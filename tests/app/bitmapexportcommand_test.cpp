// Save BMP from the diagram windows: the picture of the shown member at the view's size, the overwrite
// question, cancelling, and a file that cannot be written.
#include "app/cmainframe.h"

#include "model/atomicfile.h"
#include "panel/controlpanel.h"
#include "support/bitmapreader.h"
#include "support/scriptedprompts.h"
#include "views/diagrambitmap.h"
#include "widgets/cgridview.h"
#include "widgets/csectionview.h"

#include <QAction>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace trellon {
namespace {

using testing::BitmapReader;
using testing::ScriptedPrompts;

const QString sample = QStringLiteral(TRELLON_SOURCE_DIR "/data/samples/site-survey.gj");
const QString overwriteQuestion = QStringLiteral("指定的文件名已经存在,是否覆盖原来的文件?");

class BitmapExportTest : public ::testing::Test {
protected:
    BitmapExportTest()
        : settings(dir.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat),
          frame(std::make_unique<CMainFrame>(prompts, settings))
    {
        frame->resize(1000, 700);
        frame->show();
    }

    void saveBmp() { frame->action(Command::saveBmp)->trigger(); }
    QString target(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    static std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }
    static QByteArray content(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The file the command should write for the view now showing.
    QByteArray expectedFile(DiagramKind kind, const CDiagramView& view) const
    {
        const MemberRecord& member = frame->document().project()->members[static_cast<std::size_t>(view.memberIndex())];
        const QImage picture = renderDiagramPicture(kind, view.size(), &member, view.passColours());
        auto bytes = encodeBitmapFile(bitmapPictureOf(picture, view.screen()->depth()));
        EXPECT_TRUE(bytes.ok());
        return bytes.ok() ? QByteArray(reinterpret_cast<const char*>(bytes.value().data()),
                                       static_cast<qsizetype>(bytes.value().size()))
                          : QByteArray();
    }

    QTemporaryDir dir;
    QSettings settings;
    ScriptedPrompts prompts;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(BitmapExportTest, savesTheShownGridMembersDiagramAtTheViewsSizeAndDepth)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->controlPanel().chooseMode(TestMode::grid);
    ASSERT_EQ(frame->childWindows().activeKind(), ChildKind::grid);
    const CGridView& grid = *frame->childWindows().gridView();
    ASSERT_GE(grid.memberIndex(), 0);

    prompts.filesToSave = {target("grid.bmp")};
    saveBmp();
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('\n')).toStdString();
    const QByteArray written = content(target("grid.bmp"));
    EXPECT_EQ(written, expectedFile(DiagramKind::grid, grid));
    const auto bmp = BitmapReader::parse(std::vector<std::uint8_t>(written.begin(), written.end()));
    ASSERT_TRUE(bmp.has_value());
    EXPECT_EQ(bmp->width, grid.width());
    EXPECT_EQ(bmp->height, grid.height());
    EXPECT_EQ(bmp->bits, bitmapBitsForDepth(grid.screen()->depth()));
}

TEST_F(BitmapExportTest, anExistingFileIsReplacedOnlyWhenTheAnswerIsYes)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->controlPanel().chooseMode(TestMode::section);
    const QString path = target("old.bmp");
    write(path, "previous");

    prompts.filesToSave = {path};
    prompts.answers = {QMessageBox::No};
    saveBmp();
    EXPECT_EQ(prompts.questions, QStringList{overwriteQuestion});
    EXPECT_EQ(content(path), QByteArray("previous"));

    prompts.filesToSave = {path};
    saveBmp(); // the question closed without an answer
    EXPECT_EQ(content(path), QByteArray("previous"));

    prompts.filesToSave = {path};
    prompts.answers = {QMessageBox::Yes};
    saveBmp();
    EXPECT_EQ(content(path), expectedFile(DiagramKind::section, *frame->childWindows().sectionView()));
}

TEST_F(BitmapExportTest, cancellingWritesNothingAndAFailedWriteIsReported)
{
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->controlPanel().chooseMode(TestMode::grid);
    saveBmp(); // the dialog cancelled
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());

    const QString unwritable = dir.filePath(QStringLiteral("absent/grid.bmp"));
    prompts.filesToSave = {unwritable};
    saveBmp();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.front().contains(unwritable)) << prompts.messages.front().toStdString();
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*.bmp*")}, QDir::Files).isEmpty());
}

} // namespace
} // namespace trellon
