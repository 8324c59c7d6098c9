// What the program writes is the same, byte for byte, whether the interface runs in Chinese or in English: the
// printed pages, the bitmaps of the diagrams, the PDF exports, the evaluation report, the text and CSV exports
// and the project file.
#include "app/bitmapexportcommand.h"
#include "app/cchildframe.h"
#include "app/cmainframe.h"
#include "app/csvexportcommand.h"
#include "app/evaluationpdfcommand.h"
#include "app/evaluationwindow.h"
#include "app/pdfexportcommand.h"
#include "interfacelanguage.h"
#include "model/projectfile.h"
#include "panel/controlpanel.h"
#include "support/reporttext.h"
#include "support/scriptedprompts.h"
#include "views/evaluationpages.h"
#include "views/printedpages.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace trellon {
namespace {

using testing::InterfaceLanguageScope;
using testing::ScriptedPrompts;

const QString sample = QStringLiteral(TRELLON_SOURCE_DIR "/data/samples/site-survey.gj");

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A PDF without the moment it was made.
QByteArray timelessPdf(const QString& path)
{
    return QString::fromLatin1(contentOf(path))
        .remove(QRegularExpression(QStringLiteral("/CreationDate \\([^)]*\\)")))
        .toLatin1();
}

// Every page of the printed run of the sample, with header, footer and "第i页  共N页" page numbers.
std::vector<QImage> printedPagePictures()
{
    const auto read = readProjectFile(sample.toStdString());
    EXPECT_TRUE(read.ok());
    PrintSettings settings;
    settings.headerOn = settings.footerOn = settings.pageNumberOn = true;
    settings.pageNumberFormat = 4;
    const PrintedPages pages(*read.value().project, settings);
    std::vector<QImage> pictures;
    for (std::int32_t page = 1; page <= pages.pageCount(); ++page) {
        QImage picture(1190, 1684, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.scale(0.1, 0.1);
        pages.paintPage(painter, page);
        pictures.push_back(picture);
    }
    return pictures;
}

// The pages of a document one below the other, at the resolution of the screen.
QImage pagesPicture(const PagedDocument& pages)
{
    constexpr int pageHeight = 1130;
    QImage picture(800, pageHeight * pages.pageCount(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (std::int32_t page = 1; page <= pages.pageCount(); ++page) {
        pages.paintPage(painter, page);
        painter.translate(0, pageHeight);
    }
    return picture;
}

TEST(ChineseOutput, printedPagesAreTheSameInEnglish)
{
    const std::vector<QImage> chinese = printedPagePictures();
    ASSERT_GE(chinese.size(), 3u);
    const InterfaceLanguageScope english(InterfaceLanguage::english);
    ASSERT_EQ(interfaceLanguage(), InterfaceLanguage::english);
    const std::vector<QImage> inEnglish = printedPagePictures();
    ASSERT_EQ(inEnglish.size(), chinese.size());
    for (std::size_t page = 0; page < chinese.size(); ++page)
        EXPECT_EQ(inEnglish[page], chinese[page]) << "page " << page + 1;
}

class ChineseOutputTest : public ::testing::Test {
protected:
    // Writes every output of the main window on the sample into folder, in the interface's language now.
    void writeOutputs(const QString& folder)
    {
        QSettings settings(dir.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat);
        CMainFrame frame(prompts, settings, dir.filePath(QStringLiteral("recovery")));
        frame.setUrlOpener([](const QUrl&) { return true; });
        frame.resize(1200, 800);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        ASSERT_TRUE(frame.files().openProjectFile(sample));
        const auto save = [&](const QString& name, const std::function<void()>& command) {
            prompts.filesToSave.push_back(folder + QLatin1Char('/') + name);
            command();
        };
        save(QStringLiteral("report.txt"), [&] { frame.action(Command::saveTxt)->trigger(); });
        save(QStringLiteral("data.csv"), [&] { exportCsv(frame); });
        save(QStringLiteral("pages.pdf"), [&] { exportPdf(frame); });
        save(QStringLiteral("evaluation.pdf"), [&] { exportEvaluationPdf(frame); });
        frame.action(Command::evaluation)->trigger();
        EvaluationWindow& evaluation = *frame.evaluation().evaluationWindow();
        evaluation.resize(1000, 700);
        ASSERT_TRUE(QTest::qWaitFor([&evaluation] { return !evaluation.isStale(); }));
        ASSERT_TRUE(pagesPicture(*evaluation.pages()).save(folder + QStringLiteral("/evaluation.png")));
        QFile words(folder + QStringLiteral("/evaluation.txt"));
        ASSERT_TRUE(words.open(QIODevice::WriteOnly));
        words.write(QByteArray::fromStdString(testing::reportText(evaluation.pages()->report())));
        words.close();
        for (const TestMode mode : {TestMode::section, TestMode::grid}) {
            QTest::mouseClick(&frame.controlPanel().modeButton(mode), Qt::LeftButton);
            frame.childWindows().childFrame(frame.childWindows().activeKind())->resize(640, 480);
            save(mode == TestMode::section ? QStringLiteral("section.bmp") : QStringLiteral("grid.bmp"),
                 [&] { saveActiveDiagramBitmap(frame); });
        }
        save(QStringLiteral("project.gj"), [&] { frame.files().saveAs(); });
        EXPECT_TRUE(prompts.filesToSave.empty());
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
};

TEST_F(ChineseOutputTest, everyFileWrittenInEnglishIsTheSameAsInChinese)
{
    const QString chinese = dir.filePath(QStringLiteral("zh"));
    const QString english = dir.filePath(QStringLiteral("en"));
    ASSERT_TRUE(QDir().mkpath(chinese) && QDir().mkpath(english));
    writeOutputs(chinese);
    {
        const InterfaceLanguageScope inEnglish(InterfaceLanguage::english);
        ASSERT_EQ(interfaceLanguage(), InterfaceLanguage::english);
        writeOutputs(english);
    }
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('\n')).toStdString();
    for (const QString& name :
         {QStringLiteral("report.txt"), QStringLiteral("data.csv"), QStringLiteral("evaluation.txt"),
          QStringLiteral("evaluation.png"), QStringLiteral("section.bmp"), QStringLiteral("grid.bmp"),
          QStringLiteral("project.gj")}) {
        const QByteArray written = contentOf(chinese + QLatin1Char('/') + name);
        EXPECT_FALSE(written.isEmpty()) << name.toStdString();
        EXPECT_EQ(contentOf(english + QLatin1Char('/') + name), written) << name.toStdString();
    }
    for (const QString& name : {QStringLiteral("pages.pdf"), QStringLiteral("evaluation.pdf")}) {
        const QByteArray written = timelessPdf(chinese + QLatin1Char('/') + name);
        EXPECT_FALSE(written.isEmpty()) << name.toStdString();
        EXPECT_EQ(timelessPdf(english + QLatin1Char('/') + name), written) << name.toStdString();
    }
    EXPECT_TRUE(QString::fromUtf8(contentOf(english + QStringLiteral("/evaluation.txt")))
                    .contains(QStringLiteral("钢筋保护层厚度检验评定")));
}

} // namespace
} // namespace trellon
