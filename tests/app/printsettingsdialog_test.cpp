// Print-settings dialog: its settings file, the confirmation steps, typing limits, enable rules and the command.
#include "app/cmainframe.h"
#include "app/printsettingsdialog.h"
#include "app/usersettingsfolder.h"

#include "model/atomicfile.h"
#include "model/bytes.h"
#include "model/gbk.h"
#include "model/printsettingsfile.h"
#include "support/scriptedprompts.h"
#include "views/pageheaderfooter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace trellon {
namespace {

using testing::ScriptedPrompts;

std::vector<std::uint8_t> contentOf(const QString& path)
{
    auto bytes = readWholeFile(path.toStdString());
    return bytes ? bytes.value() : std::vector<std::uint8_t>{};
}

std::string headerFieldOf(const std::vector<std::uint8_t>& file)
{
    const auto end = std::find(file.begin() + 30, file.begin() + 230, std::uint8_t{0});
    return gbkToUtf8(std::string(file.begin() + 30, end));
}

class PrintSettingsDialogTest : public ::testing::Test {
protected:
    QString folder() const { return dir.path(); }
    QString fileAt(int index) const
    {
        return QString::fromStdString(printSettingsFilePath(folder().toStdString(), index));
    }

    // Fills the controls and presses OK; true when the dialog closed with the values.
    bool confirm(PrintSettingsDialog& dialog, const QString& header, bool headerOn, const QString& footer,
                 bool footerOn, int position, bool pageNumberOn = true)
    {
        dialog.headerBox().setChecked(headerOn);
        dialog.footerBox().setChecked(footerOn);
        dialog.pageNumberBox().setChecked(pageNumberOn);
        dialog.headerField().setText(header);
        dialog.footerField().setText(footer);
        dialog.positionList().setCurrentIndex(position);
        QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
        return dialog.result() == QDialog::Accepted;
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
};

TEST_F(PrintSettingsDialogTest, firstOpeningCreatesTheFileFromTheDialogDefaults)
{
    PrintSettingsDialog dialog(prompts, folder());
    EXPECT_TRUE(prompts.messages.isEmpty());
    const auto file = contentOf(fileAt(0));
    ASSERT_EQ(file.size(), 454u);
    EXPECT_TRUE(hasSettingsMagic(file, "PAVISTONE_VOD_PRINT"));
    EXPECT_EQ(file, encodePrintSettingsFile(printSettingsDialogDefaults()).value());

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("打印设置"));
    EXPECT_EQ(dialog.headerField().text(), QStringLiteral("Velmora集团"));
    EXPECT_EQ(dialog.footerField().text(), QStringLiteral("Velmora集团"));
    EXPECT_EQ(dialog.formatList().currentText().toStdString(), "第1页  共1页");
    EXPECT_EQ(dialog.positionList().currentText(), QStringLiteral("底部居右"));
    EXPECT_EQ(dialog.formatList().count(), 5);
    EXPECT_EQ(dialog.positionList().count(), 6);
    EXPECT_EQ(dialog.firstPageField().value(), 1);
    EXPECT_FALSE(dialog.headerBox().isChecked());
    EXPECT_FALSE(dialog.footerBox().isChecked());
    EXPECT_TRUE(dialog.pageNumberBox().isChecked());
}

TEST_F(PrintSettingsDialogTest, formatSamplesReadAsThePrintedNumberOfPageOneOfOne)
{
    PrintSettingsDialog dialog(prompts, folder());
    const QStringList printed{QStringLiteral("1"), QStringLiteral(".1."), QStringLiteral("--1--"),
                              QStringLiteral("第1页"), QStringLiteral("第1页  共1页")};
    ASSERT_EQ(dialog.formatList().count(), printed.size());
    PrintSettings settings;
    for (int format = 0; format < printed.size(); ++format) {
        settings.pageNumberFormat = format;
        const std::string sample = dialog.formatList().itemText(format).toStdString();
        EXPECT_EQ(sample, printed[format].toStdString()) << format;
        EXPECT_EQ(sample, pageNumberText(settings, 1, 1).toStdString()) << format;
    }
}

TEST_F(PrintSettingsDialogTest, opensWithTheFileValuesAndReportsUnreadableOrUnwritableFiles)
{
    PrintSettings stored;
    stored.headerText = "滨江花园";
    stored.pageNumberFormat = 1;
    stored.pageNumberPosition = 5;
    stored.firstPageNumber = 12;
    stored.headerOn = true;
    ASSERT_TRUE(writePrintSettingsFile(folder().toStdString(), stored));
    {
        PrintSettingsDialog dialog(prompts, folder());
        EXPECT_EQ(dialog.headerField().text(), QStringLiteral("滨江花园"));
        EXPECT_EQ(dialog.formatList().currentText(), QStringLiteral(".1."));
        EXPECT_EQ(dialog.positionList().currentText(), QStringLiteral("顶部居左"));
        EXPECT_EQ(dialog.firstPageField().value(), 12);
        EXPECT_TRUE(dialog.headerBox().isChecked());
    }
    EXPECT_TRUE(prompts.messages.isEmpty());

    const std::vector<std::uint8_t> damaged(454, 'x');
    for (int i = 0; i < 100; ++i) {
        auto written = writeFileAtomically(fileAt(i).toStdString(), damaged, "test");
        ASSERT_TRUE(written);
    }
    PrintSettingsDialog unreadable(prompts, folder());
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("读设置文件失败！")});
    EXPECT_EQ(unreadable.headerField().text(), QStringLiteral("Velmora集团"));

    prompts.messages.clear();
    const QString missingFolder = dir.filePath(QStringLiteral("gone/deeper"));
    PrintSettingsDialog unwritable(prompts, missingFolder);
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("写设置文件失败！")});
    EXPECT_TRUE(confirm(unwritable, QStringLiteral("H"), true, QStringLiteral("F"), true, 0))
        << "a failed write still hands the values out";
    EXPECT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(unwritable.values().headerText, "H");
}

TEST_F(PrintSettingsDialogTest, headerIsTrimmedForPrintingButStoredAsTyped)
{
    PrintSettingsDialog dialog(prompts, folder());
    dialog.formatList().setCurrentIndex(3);
    ASSERT_TRUE(confirm(dialog, QStringLiteral("  abc  "), true, QStringLiteral("  f  "), true, 2));
    EXPECT_EQ(dialog.values().headerText, "abc");
    EXPECT_EQ(dialog.values().footerText, "  f  ");
    EXPECT_EQ(dialog.values().pageNumberFormat, 3);
    EXPECT_EQ(dialog.values().pageNumberPosition, 2);
    EXPECT_TRUE(dialog.values().headerOn);
    EXPECT_TRUE(dialog.values().footerOn);
    EXPECT_EQ(headerFieldOf(contentOf(fileAt(0))), "  abc  ");
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(PrintSettingsDialogTest, pageNumberOnTheHeaderOrFooterTextIsRefusedAfterTheFileIsWritten)
{
    PrintSettingsDialog dialog(prompts, folder());
    EXPECT_FALSE(confirm(dialog, QStringLiteral("页眉"), true, QString(), false, 4, false))
        << "refused even with page numbers off";
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("页码和页眉位置干涉，请重新设置！")});
    EXPECT_EQ(headerFieldOf(contentOf(fileAt(0))), "页眉");
    EXPECT_EQ(readInt32Le(contentOf(fileAt(0)), 438), 4);

    prompts.messages.clear();
    EXPECT_FALSE(confirm(dialog, QString(), false, QStringLiteral("   "), true, 1));
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("页码和页脚位置干涉，请重新设置！")})
        << "the footer is not trimmed";

    prompts.messages.clear();
    EXPECT_TRUE(confirm(dialog, QStringLiteral("   "), true, QString(), false, 4));
    EXPECT_TRUE(prompts.messages.isEmpty()) << "a header of spaces is empty once trimmed";
    EXPECT_EQ(dialog.values().headerText, "");
}

TEST_F(PrintSettingsDialogTest, firstPageNumberIsClampedWhileTypingAndWraps)
{
    PrintSettingsDialog dialog(prompts, folder());
    dialog.show();
    QSpinBox& first = dialog.firstPageField();
    first.setFocus();
    first.selectAll();
    QTest::keyClicks(&first, QStringLiteral("75"));
    EXPECT_EQ(first.text(), QStringLiteral("50"));
    EXPECT_EQ(first.value(), 50);
    QTest::keyClick(&first, Qt::Key_Up);
    EXPECT_EQ(first.value(), 1) << "wraps from 50 to 1";
    QTest::keyClick(&first, Qt::Key_Down);
    EXPECT_EQ(first.value(), 50);
    first.selectAll();
    QTest::keyClicks(&first, QStringLiteral("0"));
    EXPECT_EQ(first.value(), 1);
    first.selectAll();
    QTest::keyClicks(&first, QStringLiteral("x"));
    EXPECT_EQ(first.value(), 1) << "letters are not taken";

    first.selectAll();
    QTest::keyClick(&first, Qt::Key_Delete);
    QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.values().firstPageNumber, 1) << "an emptied field falls back to its last number";
}

TEST_F(PrintSettingsDialogTest, checkBoxesEnableTheirControls)
{
    PrintSettingsDialog dialog(prompts, folder());
    EXPECT_FALSE(dialog.headerField().isEnabled());
    EXPECT_FALSE(dialog.footerField().isEnabled());
    EXPECT_TRUE(dialog.formatList().isEnabled());

    QTest::mouseClick(&dialog.headerBox(), Qt::LeftButton);
    EXPECT_TRUE(dialog.headerField().isEnabled());
    EXPECT_FALSE(dialog.footerField().isEnabled());
    QTest::mouseClick(&dialog.footerBox(), Qt::LeftButton);
    EXPECT_TRUE(dialog.footerField().isEnabled());

    QTest::mouseClick(&dialog.pageNumberBox(), Qt::LeftButton);
    for (QWidget* control :
         std::initializer_list<QWidget*>{&dialog.formatList(), &dialog.positionList(), &dialog.firstPageField()})
        EXPECT_FALSE(control->isEnabled());
    EXPECT_TRUE(dialog.headerField().isEnabled());
}

class PrintSettingsCommandTest : public ::testing::Test {
protected:
    PrintSettingsCommandTest()
        : savedConfigHome(qgetenv("XDG_CONFIG_HOME")),
          settings(dir.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat)
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
        frame = std::make_unique<CMainFrame>(prompts, settings);
    }
    ~PrintSettingsCommandTest() override
    {
        frame.reset();
        if (savedConfigHome.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", savedConfigHome);
    }

    // Runs the command; `drive` works the modal dialog.
    void runCommand(const std::function<void(PrintSettingsDialog&)>& drive)
    {
        bool driven = false;
        QTimer::singleShot(0, frame.get(), [&] {
            auto* dialog = qobject_cast<PrintSettingsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            driven = true;
            drive(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        frame->action(Command::printSettings)->trigger();
        EXPECT_TRUE(driven);
    }

    QByteArray savedConfigHome;
    QTemporaryDir dir;
    QSettings settings;
    ScriptedPrompts prompts;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(PrintSettingsCommandTest, confirmationReplacesTheMainWindowsSettingsAndCancelKeepsThem)
{
    EXPECT_EQ(frame->printSettings(), PrintSettings{}) << "initial values until the dialog is confirmed";

    runCommand([](PrintSettingsDialog& dialog) {
        dialog.headerBox().setChecked(true);
        dialog.headerField().setText(QStringLiteral("  abc  "));
        dialog.firstPageField().setValue(7);
        QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    });
    PrintSettings expected = printSettingsDialogDefaults();
    expected.headerText = "abc";
    expected.headerOn = true;
    expected.firstPageNumber = 7;
    EXPECT_EQ(frame->printSettings(), expected);

    const QString folder = userSettingsFolder();
    EXPECT_TRUE(folder.startsWith(dir.filePath(QStringLiteral("config"))));
    const auto file = contentOf(QString::fromStdString(printSettingsFilePath(folder.toStdString(), 0)));
    EXPECT_EQ(headerFieldOf(file), "  abc  ");

    runCommand([](PrintSettingsDialog& dialog) {
        EXPECT_EQ(dialog.headerField().text(), QStringLiteral("  abc  ")) << "the file keeps the typed text";
        dialog.headerField().setText(QStringLiteral("other"));
    });
    EXPECT_EQ(frame->printSettings(), expected);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

} // namespace
} // namespace trellon
