// Report-parameters dialog: its settings file, the format and its enable rule, byte limits, OK and Cancel.
#include "app/reportparamsdialog.h"

#include "model/atomicfile.h"
#include "model/bytes.h"
#include "model/reportparametersfile.h"
#include "support/scriptedprompts.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace trellon {
namespace {

using testing::ScriptedPrompts;

constexpr int reportNumber = 0;
constexpr int projectName = 1;
constexpr int designer = 11;

// Types one character after the other at the end, as the keyboard would.
void typeInto(QLineEdit& edit, const QString& text)
{
    edit.end(false);
    for (QChar character : text)
        edit.insert(QString(character));
}

class ReportParamsDialogTest : public ::testing::Test {
protected:
    QString folder() const { return dir.path(); }
    std::vector<std::uint8_t> file(int index = 0) const
    {
        auto bytes = readWholeFile(reportParametersFilePath(folder().toStdString(), index));
        return bytes ? bytes.value() : std::vector<std::uint8_t>{};
    }
    QList<QWidget*> valueControls(ReportParamsDialog& dialog) const
    {
        QList<QWidget*> controls;
        for (int i = 0; i < ReportParamsDialog::textFieldCount; ++i)
            controls << &dialog.textField(i);
        controls << &dialog.strengthGradeList() << &dialog.startDateField() << &dialog.testDateField();
        return controls;
    }
    // Runs ask(); `drive` works the modal dialog.
    std::optional<ReportParameters> ask(const std::function<void(ReportParamsDialog&)>& drive)
    {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<ReportParamsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            drive(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        return ReportParamsDialog::ask(nullptr, prompts, folder());
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
};

TEST_F(ReportParamsDialogTest, firstOpeningCreatesTheFileAndShowsTheDefaults)
{
    ReportParamsDialog dialog(prompts, folder(), ReportFormat::normal);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(file(), encodeReportParametersFile(ReportParameters{}).value());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("设置报告参数"));
    EXPECT_EQ(dialog.textField(reportNumber).text(), QStringLiteral("填写报告编号"));
    EXPECT_EQ(dialog.textField(designer).text(), QStringLiteral("填写设计单位"));
    EXPECT_EQ(dialog.strengthGradeList().currentText(), QStringLiteral("C25"));
    EXPECT_EQ(dialog.strengthGradeList().count(), 6);
    EXPECT_EQ(dialog.startDateField().date(), QDate::currentDate()) << "no date chosen yet: today";
    EXPECT_EQ(dialog.testDateField().date(), QDate::currentDate());
    EXPECT_EQ(dialog.testDateField().maximumDate(), QDate(2037, 1, 1));
    EXPECT_EQ(dialog.formatList().currentText(), QStringLiteral("普通格式"));
    for (QWidget* control : valueControls(dialog))
        EXPECT_TRUE(control->isEnabled());
}

TEST_F(ReportParamsDialogTest, okSavesTheValuesAndTheNextOpeningShowsThem)
{
    {
        ReportParamsDialog dialog(prompts, folder(), ReportFormat::normal);
        dialog.textField(projectName).setText(QStringLiteral("滨江花园"));
        dialog.strengthGradeList().setCurrentIndex(4);
        dialog.startDateField().setDate(QDate(2013, 11, 4));
        dialog.testDateField().setDate(QDate(2014, 6, 28));
        QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.values().projectName, "滨江花园");
        EXPECT_EQ(dialog.values().strengthGrade, "C30");
        EXPECT_EQ(dialog.values().testDate, (CalendarDate{2014, 6, 28}));
        EXPECT_EQ(dialog.values().reportFormat, ReportFormat::normal);
    }
    EXPECT_EQ(readInt32Le(file(), 2630), 2013);
    ReportParamsDialog again(prompts, folder(), ReportFormat::normal);
    EXPECT_EQ(again.textField(projectName).text(), QStringLiteral("滨江花园"));
    EXPECT_EQ(again.strengthGradeList().currentText(), QStringLiteral("C30"));
    EXPECT_EQ(again.startDateField().date(), QDate(2013, 11, 4));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(ReportParamsDialogTest, cancelLeavesTheFileAsItWas)
{
    ReportParameters stored;
    stored.client = "委托方";
    ASSERT_TRUE(saveReportSettings(folder().toStdString(), stored));
    const auto before = file();
    ReportParamsDialog dialog(prompts, folder(), ReportFormat::normal);
    dialog.textField(7).setText(QStringLiteral("另一家"));
    dialog.reject();
    EXPECT_EQ(file(), before);
}

TEST_F(ReportParamsDialogTest, yunnanFormatGreysEveryValueControlAtOnce)
{
    ReportParamsDialog dialog(prompts, folder(), ReportFormat::normal);
    dialog.formatList().setCurrentIndex(1);
    for (QWidget* control : valueControls(dialog))
        EXPECT_FALSE(control->isEnabled());
    EXPECT_TRUE(dialog.formatList().isEnabled());
    dialog.formatList().setCurrentIndex(0);
    for (QWidget* control : valueControls(dialog))
        EXPECT_TRUE(control->isEnabled());

    ReportParamsDialog openedYunnan(prompts, folder(), ReportFormat::yunnan);
    EXPECT_EQ(openedYunnan.formatList().currentText(), QStringLiteral("云南格式"));
    for (QWidget* control : valueControls(openedYunnan))
        EXPECT_FALSE(control->isEnabled());
}

TEST_F(ReportParamsDialogTest, formatChosenByOkIsRememberedForTheNextOpeningButNotByCancel)
{
    auto first = ask([](ReportParamsDialog& dialog) {
        EXPECT_EQ(dialog.formatList().currentIndex(), 0);
        dialog.formatList().setCurrentIndex(1);
        QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(first);
    EXPECT_EQ(first->reportFormat, ReportFormat::yunnan);

    auto cancelled = ask([](ReportParamsDialog& dialog) {
        EXPECT_EQ(dialog.formatList().currentIndex(), 1);
        dialog.formatList().setCurrentIndex(0);
    });
    EXPECT_FALSE(cancelled);

    auto back = ask([](ReportParamsDialog& dialog) {
        EXPECT_EQ(dialog.formatList().currentIndex(), 1) << "Cancel remembers nothing";
        dialog.formatList().setCurrentIndex(0);
        QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(back);
    EXPECT_EQ(back->reportFormat, ReportFormat::normal);
}

TEST_F(ReportParamsDialogTest, typingStopsAtTheGbkByteLimit)
{
    ReportParamsDialog dialog(prompts, folder(), ReportFormat::normal);
    QLineEdit& number = dialog.textField(reportNumber);
    number.clear();
    typeInto(number, QStringLiteral("检测报告第二零一四年七月号"));
    EXPECT_EQ(number.text(), QStringLiteral("检测报告第二零一四年七月")) << "12 characters: 24 bytes";
    typeInto(number, QStringLiteral("ab"));
    EXPECT_EQ(number.text(), QStringLiteral("检测报告第二零一四年七月a")) << "25 bytes";

    QLineEdit& name = dialog.textField(projectName);
    name.setText(QString(49, QChar(0x697C)) + QStringLiteral("ab"));
    typeInto(name, QStringLiteral("c"));
    EXPECT_EQ(name.text().size(), 51) << "101 bytes refused";
    name.setText(QString(50, QChar(0x697C)));
    typeInto(name, QStringLiteral("楼"));
    EXPECT_EQ(name.text().size(), 50);
    name.backspace();
    typeInto(name, QStringLiteral("楼"));
    EXPECT_EQ(name.text().size(), 50) << "100 bytes taken";
}

TEST_F(ReportParamsDialogTest, storedTextTooLongForItsFieldIsShownCutAndStaysEditable)
{
    ReportParameters stored;
    stored.reportNumber = "BG-2024-0001-0002-0003-0004"; // 27 bytes, two over the field's limit
    ASSERT_TRUE(writeFileAtomically(reportParametersFilePath(folder().toStdString(), 0),
                                    encodeReportParametersFile(stored).value(), "test"));
    ReportParamsDialog dialog(prompts, folder(), ReportFormat::normal);
    QLineEdit& number = dialog.textField(reportNumber);
    EXPECT_EQ(number.text(), QStringLiteral("BG-2024-0001-0002-0003-00"));
    number.end(false);
    number.backspace();
    EXPECT_EQ(number.text(), QStringLiteral("BG-2024-0001-0002-0003-0"));
}

TEST_F(ReportParamsDialogTest, damagedFileValuesAreShownAsTheNearestValidOnes)
{
    ReportParameters stored;
    stored.strengthGrade = "C40";
    auto bytes = encodeReportParametersFile(stored).value();
    storeInt32Le(bytes, 2630, 2040);
    storeInt32Le(bytes, 2634, 13);
    storeInt32Le(bytes, 2638, 40);
    ASSERT_TRUE(writeFileAtomically(reportParametersFilePath(folder().toStdString(), 0), bytes, "test"));

    ReportParamsDialog dialog(prompts, folder(), ReportFormat::normal);
    EXPECT_EQ(dialog.startDateField().date(), QDate(1971, 1, 1));
    EXPECT_EQ(dialog.strengthGradeList().currentText(), QStringLiteral("C25"));
}

TEST_F(ReportParamsDialogTest, failedSaveIsReportedAndTheDialogStillCloses)
{
    const QString missing = dir.filePath(QStringLiteral("gone/deeper"));
    ReportParamsDialog dialog(prompts, missing, ReportFormat::normal);
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("写设置文件失败！")});
    QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages.last(), QStringLiteral("写设置文件失败！"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
} // namespace trellon
