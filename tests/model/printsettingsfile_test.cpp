// Print settings file: exact layout, damaged and short files, probing of the numbered files.
#include "model/bytes.h"
#include "model/printsettingsfile.h"
#include "settingsfolder.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

using namespace trellon::testing;

// Built from the layout table, independently of the encoder.
std::vector<std::uint8_t> handMadeFile(std::string_view headerGbk, std::string_view footerGbk,
                                       std::array<std::int32_t, 6> numbers)
{
    std::vector<std::uint8_t> bytes(454, 0);
    std::copy(printSettingsMagic.begin(), printSettingsMagic.end(), bytes.begin());
    std::copy(headerGbk.begin(), headerGbk.end(), bytes.begin() + 30);
    std::copy(footerGbk.begin(), footerGbk.end(), bytes.begin() + 230);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        storeInt32Le(bytes, 430 + 4 * i, numbers[i]);
    return bytes;
}

PrintSettings distinctSettings()
{
    PrintSettings s;
    s.headerText = "页眉 A";
    s.footerText = "  footer  ";
    s.pageNumberFormat = 2;
    s.pageNumberPosition = 5;
    s.firstPageNumber = 17;
    s.headerOn = true;
    s.footerOn = false;
    s.pageNumberOn = true;
    return s;
}

TEST(PrintSettingsFileLayout, dialogDefaultsAreLaidOutByteForByte)
{
    auto bytes = encodePrintSettingsFile(printSettingsDialogDefaults());
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes.value(), handMadeFile("Velmora\xBC\xAF\xCD\xC5", "Velmora\xBC\xAF\xCD\xC5", {4, 1, 0, 0, 0, 1}));
}

TEST(PrintSettingsFileLayout, numbersFollowInFileOrder)
{
    auto bytes = encodePrintSettingsFile(distinctSettings());
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes.value(), handMadeFile("\xD2\xB3\xC3\xBC A", "  footer  ", {2, 17, 5, 1, 0, 1}));
    EXPECT_EQ(decodePrintSettingsFile(bytes.value(), PrintSettings{}), distinctSettings());
}

TEST(PrintSettingsFileLayout, longTextsAreCutWithoutSplittingACharacter)
{
    PrintSettings s;
    s.headerText = "a";
    s.footerText.clear();
    for (int i = 0; i < 150; ++i) {
        s.headerText += "页";
        s.footerText += "页";
    }
    auto bytes = encodePrintSettingsFile(s);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes.value()[30], 'a');
    EXPECT_EQ(slice(bytes.value(), 227, 3), (std::vector<std::uint8_t>{0xD2, 0xB3, 0})) << "199 bytes and a NUL";
    EXPECT_EQ(slice(bytes.value(), 426, 4), (std::vector<std::uint8_t>{0xD2, 0xB3, 0, 0}))
        << "198 bytes: the 100th character would reach the NUL's place";

    const auto read = decodePrintSettingsFile(bytes.value(), PrintSettings{});
    EXPECT_EQ(read.headerText, s.headerText.substr(0, 1 + 99 * 3));
    EXPECT_EQ(read.footerText, s.footerText.substr(0, 99 * 3));
}

TEST(PrintSettingsFileReading, textFillingItsWholeFieldStopsAtTheField)
{
    auto bytes = handMadeFile("", "F", {0, 1, 0, 0, 0, 0});
    std::fill(bytes.begin() + 30, bytes.begin() + 230, std::uint8_t{'x'});
    const auto read = decodePrintSettingsFile(bytes, PrintSettings{});
    EXPECT_EQ(read.headerText, std::string(200, 'x'));
    EXPECT_EQ(read.footerText, "F");
}

TEST(PrintSettingsFileReading, shortFileKeepsTheDefaultsForWhatIsMissing)
{
    auto whole = handMadeFile("short", "gone", {1, 9, 3, 1, 1, 0});
    const auto defaults = printSettingsDialogDefaults();

    const auto headerOnly = decodePrintSettingsFile(slice(whole, 0, 100), defaults);
    EXPECT_EQ(headerOnly.headerText, "short");
    EXPECT_EQ(headerOnly.footerText, defaults.footerText);
    EXPECT_EQ(headerOnly.pageNumberFormat, defaults.pageNumberFormat);

    const auto cutInsidePosition = decodePrintSettingsFile(slice(whole, 0, 440), defaults);
    EXPECT_EQ(cutInsidePosition.footerText, "gone");
    EXPECT_EQ(cutInsidePosition.pageNumberFormat, 1);
    EXPECT_EQ(cutInsidePosition.firstPageNumber, 9);
    EXPECT_EQ(cutInsidePosition.pageNumberPosition, defaults.pageNumberPosition);
    EXPECT_EQ(cutInsidePosition.headerOn, defaults.headerOn);
    EXPECT_EQ(cutInsidePosition.pageNumberOn, defaults.pageNumberOn);
}

TEST(PrintSettingsFileReading, numbersOutsideTheirRangesAreNotTaken)
{
    const auto read = decodePrintSettingsFile(handMadeFile("", "", {7, 75, -1, 2, 0, 0}), PrintSettings{});
    EXPECT_EQ(read.pageNumberFormat, 4);
    EXPECT_EQ(read.firstPageNumber, 50);
    EXPECT_EQ(read.pageNumberPosition, 0);
    EXPECT_TRUE(read.headerOn);
    EXPECT_FALSE(read.pageNumberOn);
    EXPECT_EQ(decodePrintSettingsFile(handMadeFile("", "", {0, -3, 0, 0, 0, 0}), PrintSettings{}).firstPageNumber, 1);
}

TEST(PrintSettingsFileReading, oneGivenFileIsReadOrRefusedWithAReason)
{
    SettingsFolder folder;
    folder.put("good.ini", handMadeFile("H", "F", {3, 2, 1, 1, 1, 1}));
    auto good = readPrintSettingsFile(folder.file("good.ini"));
    ASSERT_TRUE(good) << good.error().describe();
    EXPECT_EQ(good.value().headerText, "H");
    EXPECT_EQ(good.value().pageNumberFormat, 3);

    auto damaged = handMadeFile("H", "F", {3, 2, 1, 1, 1, 1});
    damaged[4] = 'X';
    folder.put("damaged.ini", damaged);
    auto refused = readPrintSettingsFile(folder.file("damaged.ini"));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().kind, ErrorKind::refused);
    EXPECT_NE(refused.error().detail.find("not a print settings file"), std::string::npos);

    auto missing = readPrintSettingsFile(folder.file("missing.ini"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().kind, ErrorKind::cannotOpen);
}

TEST(PrintSettingsFileReading, magicIsComparedUpToItsNulOnly)
{
    auto bytes = handMadeFile("", "", {0, 1, 0, 0, 0, 0});
    EXPECT_TRUE(hasSettingsMagic(bytes, printSettingsMagic));
    bytes[25] = 'z'; // after the NUL: not significant
    EXPECT_TRUE(hasSettingsMagic(bytes, printSettingsMagic));
    bytes[19] = '_'; // the NUL itself: the text runs on
    EXPECT_FALSE(hasSettingsMagic(bytes, printSettingsMagic));
    EXPECT_FALSE(hasSettingsMagic(slice(bytes, 0, 10), printSettingsMagic));
}

TEST(PrintSettingsFileProbing, missingFileIsCreatedFromTheValuesGiven)
{
    SettingsFolder folder;
    const auto loaded = loadPrintSettings(folder.path(), printSettingsDialogDefaults());
    EXPECT_EQ(loaded.outcome, SettingsFileOutcome::created);
    EXPECT_EQ(loaded.values, printSettingsDialogDefaults());
    EXPECT_EQ(folder.content("VODPrintSet0.ini"), encodePrintSettingsFile(printSettingsDialogDefaults()).value());

    ASSERT_TRUE(writePrintSettingsFile(folder.path(), distinctSettings()));
    const auto again = loadPrintSettings(folder.path(), printSettingsDialogDefaults());
    EXPECT_EQ(again.outcome, SettingsFileOutcome::read);
    EXPECT_EQ(again.values, distinctSettings());
}

TEST(PrintSettingsFileProbing, damagedMagicFallsThroughToTheNextIndex)
{
    SettingsFolder folder;
    auto damaged = encodePrintSettingsFile(distinctSettings()).value();
    damaged[0] = 'p';
    folder.put("VODPrintSet0.ini", damaged);

    const auto rewritten = loadPrintSettings(folder.path(), printSettingsDialogDefaults());
    EXPECT_EQ(rewritten.outcome, SettingsFileOutcome::created) << "no VODPrintSet1.ini";
    EXPECT_EQ(rewritten.values, printSettingsDialogDefaults());
    EXPECT_EQ(folder.content("VODPrintSet0.ini"), encodePrintSettingsFile(printSettingsDialogDefaults()).value());

    folder.put("VODPrintSet0.ini", damaged);
    folder.put("VODPrintSet1.ini", encodePrintSettingsFile(distinctSettings()).value());
    const auto fromNext = loadPrintSettings(folder.path(), printSettingsDialogDefaults());
    EXPECT_EQ(fromNext.outcome, SettingsFileOutcome::read);
    EXPECT_EQ(fromNext.index, 1);
    EXPECT_EQ(fromNext.values, distinctSettings());
    EXPECT_EQ(folder.content("VODPrintSet0.ini"), damaged) << "reading leaves the damaged file alone";
}

TEST(PrintSettingsFileProbing, hundredDamagedFilesAreReportedAndLeftAlone)
{
    SettingsFolder folder;
    const std::vector<std::uint8_t> damaged(454, 'x');
    for (int i = 0; i < 100; ++i)
        folder.put("VODPrintSet" + std::to_string(i) + ".ini", damaged);
    folder.put("VODPrintSet100.ini", encodePrintSettingsFile(distinctSettings()).value());

    const auto loaded = loadPrintSettings(folder.path(), printSettingsDialogDefaults());
    EXPECT_EQ(loaded.outcome, SettingsFileOutcome::noMatchingFile);
    EXPECT_EQ(loaded.values, printSettingsDialogDefaults());
    EXPECT_EQ(folder.content("VODPrintSet0.ini"), damaged);
}

} // namespace
} // namespace trellon
