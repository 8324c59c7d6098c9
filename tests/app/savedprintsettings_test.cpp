// The print settings the main window starts with.
#include "app/savedprintsettings.h"

#include "model/printsettingsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trellon {
namespace {

class SavedPrintSettingsTest : public ::testing::Test {
protected:
    void put(int index, const std::vector<std::uint8_t>& bytes) const
    {
        QFile file(QString::fromStdString(printSettingsFilePath(folder.path().toStdString(), index)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    void put(int index, const PrintSettings& settings) const { put(index, encodePrintSettingsFile(settings).value()); }

    QTemporaryDir folder;
};

TEST_F(SavedPrintSettingsTest, withoutAFileTheMainWindowsInitialValuesAndNothingWritten)
{
    EXPECT_EQ(savedPrintSettings(folder.path()), PrintSettings{});
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(SavedPrintSettingsTest, theConfirmedValuesOfTheFirstMatchingFileWithTheHeaderTrimmed)
{
    PrintSettings confirmed;
    confirmed.headerText = "  工地A  ";
    confirmed.footerText = " 检测 ";
    confirmed.headerOn = true;
    confirmed.footerOn = true;
    confirmed.pageNumberFormat = 3;
    confirmed.pageNumberPosition = 5;
    confirmed.firstPageNumber = 7;
    std::vector<std::uint8_t> damaged = encodePrintSettingsFile(PrintSettings{}).value();
    damaged[0] = 'X';
    put(0, damaged);
    put(1, confirmed);

    PrintSettings expected = confirmed;
    expected.headerText = "工地A";
    EXPECT_EQ(savedPrintSettings(folder.path()), expected);
}

TEST_F(SavedPrintSettingsTest, aFileTheDialogWouldRefuseIsNotTaken)
{
    PrintSettings overHeader;
    overHeader.headerOn = true;
    overHeader.pageNumberPosition = 4;
    put(0, overHeader);
    EXPECT_EQ(savedPrintSettings(folder.path()), PrintSettings{});

    PrintSettings overFooter;
    overFooter.footerText = "  ";
    overFooter.footerOn = true;
    overFooter.pageNumberPosition = 1;
    put(0, overFooter);
    EXPECT_EQ(savedPrintSettings(folder.path()), PrintSettings{});
}

} // namespace
} // namespace trellon
