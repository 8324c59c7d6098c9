// The spreadsheet report written as .xlsx: its sheet XML read back, failures that leave no file, and the
// workbook as LibreOffice lays it out on a page.
#include "reports/spreadsheetwriter.h"

#include "model/gbk.h"
#include "support/zipentry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace trellon {
namespace {

namespace fs = std::filesystem;
using testing::zipEntry;

MemberRecord member(std::string number, std::vector<std::int32_t> samples, std::string_view name)
{
    MemberRecord m;
    m.number = std::move(number);
    m.name = systemText(name);
    m.designCover = 25;
    m.checked = 1;
    m.replaceSamples(std::move(samples));
    return m;
}

// Thirteen readings over three rows, a member without name or readings, a grid with 2 X and 1 Y bar.
Project smallProject()
{
    std::vector<std::int32_t> thirteen;
    for (int i = 0; i < 13; ++i)
        thirteen.push_back(20 + i);
    MemberRecord grid = member("3001", {170, 1, 41, 0, 100, 42, 0, 250, 187, 187, 187, 43, 0, 80}, "二层 板");
    grid.xBarCount = 2;
    grid.yBarCount = 1;
    Project project;
    project.members = {member("1001", thirteen, "一层 KL1 梁底"), member("1002", {}, ""), grid};
    return project;
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The XML of cell ref, up to its closing tag.
std::string cellXml(const std::string& sheet, const std::string& ref)
{
    const auto start = sheet.find("<c r=\"" + ref + "\"");
    if (start == std::string::npos)
        return {};
    const auto end = sheet.find("</c>", start);
    const auto selfClosed = sheet.find("/>", start);
    return sheet.substr(start, std::min(end, selfClosed) - start);
}

class SpreadsheetWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "trellon-xlsx-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    Status write(const fs::path& path, const ExcelReportLayout& layout)
    {
        auto writer = SpreadsheetWriter::start();
        if (!writer)
            return writer.error();
        return writer.value().write(path.string(), layout);
    }

    fs::path folder;
};

TEST_F(SpreadsheetWriterTest, sheetHoldsTheMergesNumbersAndSharedTexts)
{
    const fs::path path = folder / "report.xlsx";
    ASSERT_TRUE(write(path, layoutExcelReport(smallProject())).ok());

    const auto workbook = zipEntry(path, "xl/workbook.xml");
    ASSERT_TRUE(workbook);
    EXPECT_TRUE(contains(*workbook, "name=\"报表1\""));

    const auto sheet = zipEntry(path, "xl/worksheets/sheet1.xml");
    ASSERT_TRUE(sheet);
    for (const char* merge : {"A1:A2", "B1:B2", "C1:H1", "A3:A5", "B3:B5"})
        EXPECT_TRUE(contains(*sheet, std::string("<mergeCell ref=\"") + merge + "\"/>")) << merge;
    // Blocks of one row merge nothing.
    EXPECT_FALSE(contains(*sheet, "<mergeCell ref=\"A6:"));
    EXPECT_FALSE(contains(*sheet, "<mergeCell ref=\"A7:"));
    EXPECT_TRUE(contains(cellXml(*sheet, "C3"), "<v>20</v>"));
    EXPECT_TRUE(contains(cellXml(*sheet, "H4"), "<v>31</v>"));
    EXPECT_TRUE(contains(cellXml(*sheet, "C5"), "<v>32</v>"));
    EXPECT_TRUE(contains(cellXml(*sheet, "B6"), "<v>25</v>"));
    EXPECT_TRUE(contains(cellXml(*sheet, "C7"), "<v>41</v>"));
    EXPECT_TRUE(contains(cellXml(*sheet, "E7"), "<v>43</v>"));
    EXPECT_TRUE(contains(*sheet, "<col min=\"1\" max=\"1\" width=\"20.7"));
    EXPECT_TRUE(contains(*sheet, "<col min=\"2\" max=\"2\" width=\"20.7"));
    EXPECT_TRUE(contains(*sheet, "<col min=\"8\" max=\"8\" width=\"7.7"));

    const auto strings = zipEntry(path, "xl/sharedStrings.xml");
    ASSERT_TRUE(strings);
    for (const char* text : {"构件名称或编号", "设计保护层厚度(mm)", "实 测 厚 度 (mm)", "一层 KL1 梁底(1001)",
                             "\t (1002)", "二层 板(3001)"})
        EXPECT_TRUE(contains(*strings, text)) << text;

    const auto styles = zipEntry(path, "xl/styles.xml");
    ASSERT_TRUE(styles);
    EXPECT_TRUE(contains(*styles, "<left style=\"medium\">"));
    EXPECT_TRUE(contains(*styles, "horizontal=\"center\" vertical=\"center\""));
    // The frame runs past cells without content: blank cells carry the right and the bottom edge.
    EXPECT_FALSE(cellXml(*sheet, "H5").empty());
    EXPECT_FALSE(cellXml(*sheet, "H7").empty());
    EXPECT_FALSE(cellXml(*sheet, "F7").empty());
    EXPECT_TRUE(cellXml(*sheet, "E5").empty()) << "inner empty cells stay unwritten";
}

TEST_F(SpreadsheetWriterTest, failuresLeaveNoFileAndKeepAnOldOne)
{
    const auto missing = write(folder / "absent" / "report.xlsx", layoutExcelReport(smallProject()));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().kind, ErrorKind::cannotOpen);
    EXPECT_EQ(missing.error().detail.rfind(spreadsheetCannotOpenDetail, 0), 0u) << missing.error().detail;

    const fs::path old = folder / "old.xlsx";
    std::ofstream(old) << "previous";
    ExcelReportLayout tooLong = layoutExcelReport(Project{});
    tooLong.rowCount = 1048577;
    const auto refused = write(old, tooLong);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().kind, ErrorKind::refused);
    std::ifstream in(old);
    std::string kept;
    in >> kept;
    EXPECT_EQ(kept, "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

std::string shellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

TEST_F(SpreadsheetWriterTest, libreOfficeShowsTheMemberRows)
{
    if (std::system("command -v libreoffice >/dev/null 2>&1") != 0 ||
        std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "libreoffice or pdftotext is not installed";
    const fs::path path = folder / "report.xlsx";
    ASSERT_TRUE(write(path, layoutExcelReport(smallProject())).ok());

    // The face the cells ask for, mapped onto an installed Song face.
    const fs::path fonts = folder / "fonts.conf";
    std::ofstream(fonts) << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                            "<include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                            "<alias><family>宋体</family><prefer><family>AR PL UMing CN</family></prefer></alias>\n"
                            "</fontconfig>\n";
    const std::string convert =
        "cd " + shellQuoted(folder.string()) + " && FONTCONFIG_FILE=" + shellQuoted(fonts.string()) +
        " libreoffice --headless -env:UserInstallation=file://" + shellQuoted((folder / "lo-profile").string()) +
        " --convert-to pdf report.xlsx >/dev/null 2>&1 && pdftotext -layout report.pdf";
    ASSERT_EQ(std::system(convert.c_str()), 0);
    std::ifstream in(folder / "report.txt");
    std::stringstream text;
    text << in.rdbuf();
    const std::string page = text.str();
    for (const char* expected :
         {"构件名称或编号", "设计保护层厚度(mm)", "一层 KL1 梁底(1001)", "(1002)", "二层 板(3001)"})
        EXPECT_TRUE(contains(page, expected)) << expected << " in\n" << page;
    // Reading rows: six to a row, in order, the design cover beside the middle row of a block.
    std::string words;
    for (const char c : page)
        if (c != ' ' || (!words.empty() && words.back() != ' ' && words.back() != '\n'))
            words += c;
    EXPECT_TRUE(contains(words, "\n20 21 22 23 24 25\n")) << words;
    EXPECT_TRUE(contains(words, "25 26 27 28 29 30 31\n")) << words;
    EXPECT_TRUE(contains(words, "25 41 42 43\n")) << words;
}

} // namespace
} // namespace trellon
