// The Word reports as a word processor lays them out: converted to PDF by LibreOffice, read back as text.
#include "reports/docx/docxpackage.h"
#include "reports/normalreport.h"
#include "reports/reporttemplate.h"
#include "reports/yunnanreport.h"

#include "evaluation/statistics.h"
#include "model/gbk.h"
#include "model/projectfixtures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace trellon {
namespace {

namespace fs = std::filesystem;

constexpr int memberCount = 60;
constexpr int readingsPerMember = 20;                      // four table rows each: several pages and tables
constexpr int tickedCount = memberCount - memberCount / 5; // every fifth member is not ticked

// The same faces the application substitutes, for the fonts the reports name.
constexpr const char* fontAliases = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <alias binding="same"><family>宋体</family><prefer><family>AR PL UMing CN</family></prefer></alias>
  <alias binding="same"><family>黑体</family><prefer><family>WenQuanYi Zen Hei</family></prefer></alias>
  <alias binding="same"><family>楷体_GB2312</family><prefer><family>AR PL UKai CN</family></prefer></alias>
</fontconfig>
)";

std::string commandOutput(const std::string& command)
{
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, got);
        ::pclose(pipe);
    }
    return out;
}

bool onPath(const std::string& program)
{
    return std::system(("command -v " + program + " > /dev/null 2>&1").c_str()) == 0;
}

// Text with every run of white space made one blank, or removed.
std::string collapsed(std::string_view text, bool keepBlanks)
{
    std::string out;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (!blank)
            out += c;
        else if (keepBlanks && !out.empty() && out.back() != ' ')
            out += ' ';
    }
    return out;
}

// The lines of a page without their white space: pdftotext puts blanks between cells, and also between a
// Chinese character and a digit.
std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(collapsed(line, false));
    return out;
}

// Whether a line starts with the cells in order.
bool hasRow(const std::vector<std::string>& in, const std::vector<std::string>& cells)
{
    std::string start;
    for (const std::string& cell : cells)
        start += collapsed(cell, false);
    for (const std::string& line : in) {
        if (line.starts_with(start))
            return true;
    }
    return false;
}

// Whether a line without its white space is a line of member rows: digits, after a member's label and design
// cover on its first row.
bool isReadingsLine(const std::string& line)
{
    std::size_t digits = 0;
    if (line.starts_with("梁")) {
        const std::size_t close = line.find(")25");
        if (close == std::string::npos)
            return false;
        digits = close + 3;
    }
    return digits < line.size() && line.find_first_not_of("0123456789", digits) == std::string::npos;
}

Project reportedProject()
{
    Project project;
    for (int k = 0; k < memberCount; ++k) {
        std::vector<std::int32_t> readings;
        for (int j = 0; j < readingsPerMember; ++j)
            readings.push_back(10 + (3 * k + j) % 30);
        MemberRecord m = testing::withTolerance(
            testing::member(std::to_string(1001 + k), readings, systemText("梁" + std::to_string(k + 1))), 25, -7, 10);
        m.checked = k % 5 == 4 ? 0 : 1;
        project.members.push_back(std::move(m));
    }
    recomputeStatistics(project);
    return project;
}

// Each report is written and converted once, by the test that reads its pages.
class WordReportPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!onPath("libreoffice") || !onPath("pdftotext"))
            GTEST_SKIP() << "libreoffice or pdftotext is not installed";
        std::string pattern = (fs::temp_directory_path() / "trellon-lo-docx-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        std::ofstream(dir_ / "fonts.conf") << fontAliases;
    }
    void TearDown() override
    {
        if (!dir_.empty())
            fs::remove_all(dir_);
    }

    docx::DocxPackage openTemplate(std::string_view name)
    {
        auto opened = openReportTemplate(TRELLON_TEMPLATE_DIR "/" + std::string(name));
        EXPECT_TRUE(opened.ok());
        return opened ? std::move(opened.value()) : docx::DocxPackage{};
    }

    // The -layout text of each page of the document converted to PDF.
    std::vector<std::string> convertedPages(const std::string& docxName)
    {
        const std::string d = dir_.string();
        const std::string convert = "cd '" + d + "' && FONTCONFIG_FILE='" + d +
                                    "/fonts.conf' libreoffice --headless -env:UserInstallation=file://" + d +
                                    "/profile --convert-to pdf '" + docxName + "' > convert.log 2>&1";
        EXPECT_EQ(std::system(convert.c_str()), 0) << commandOutput("cat '" + d + "/convert.log'");
        const std::string pdf = (dir_ / fs::path(docxName).replace_extension(".pdf")).string();
        const std::string text = commandOutput("pdftotext -layout '" + pdf + "' -");
        std::vector<std::string> pages;
        std::size_t at = 0;
        for (std::size_t end; (end = text.find('\f', at)) != std::string::npos; at = end + 1)
            pages.push_back(text.substr(at, end - at));
        return pages;
    }

    fs::path dir_;
    const Project project_ = reportedProject();
};

TEST_F(WordReportPages, normalReportOverSeveralPages)
{
    ReportParameters parameters;
    parameters.projectName = "幸福小区";
    parameters.reportNumber = "BG-2024-017";
    const NormalReport report = layOutNormalReport(project_, parameters, {2024, 3, 9});
    ASSERT_TRUE(writeNormalReport(openTemplate(normalTemplateName), report, (dir_ / "normal.docx").string()).ok());
    const auto pages = convertedPages("normal.docx");
    ASSERT_GE(pages.size(), 5u) << "the results table should reach over several pages";

    // Page headings and numbers on every page after the cover, which is not counted.
    const std::string total = std::to_string(pages.size() - 1);
    EXPECT_EQ(collapsed(pages[0], false).find("页第"), std::string::npos);
    EXPECT_NE(collapsed(pages[0], false).find("报告编号：BG-2024-017"), std::string::npos);
    for (std::size_t i = 1; i < pages.size(); ++i) {
        const std::string page = collapsed(pages[i], false);
        EXPECT_NE(page.find("报告编号：BG-2024-017共" + total + "页第" + std::to_string(i) + "页"), std::string::npos)
            << "page " << i + 1 << ":\n"
            << pages[i];
        EXPECT_NE(page.find("工程质量检测报告"), std::string::npos) << "page " << i + 1;
    }

    // The member rows of the ticked members and the conclusion.
    std::vector<std::string> all;
    std::string text;
    for (const std::string& page : pages) {
        const auto pageLines = lines(page);
        all.insert(all.end(), pageLines.begin(), pageLines.end());
        text += collapsed(page, false);
    }
    for (const MemberRecord& m : project_.members) {
        std::vector<std::string> row = {gbkToUtf8(m.name) + "(" + m.number + ")", "25"};
        for (int j = 0; j < 6; ++j)
            row.push_back(std::to_string(m.samples[static_cast<std::size_t>(j)]));
        EXPECT_EQ(hasRow(all, row), m.checked == 1) << row[0];
    }
    // Every reading of the ticked members, in order, past page breaks and the joints between tables; the
    // column numbers "1" to "6" repeated on each page and each table are left out.
    std::string listed;
    bool inResults = false;
    for (const std::string& line : all) {
        inResults = inResults || line.starts_with("三、检测结果");
        if (line.starts_with("四、检测结论"))
            break;
        if (inResults && line != "123456" && isReadingsLine(line))
            listed += line;
    }
    std::string expected;
    for (const MemberRecord& m : project_.members) {
        if (m.checked != 1)
            continue;
        expected += gbkToUtf8(m.name) + "(" + m.number + ")25";
        for (const std::int32_t reading : m.samples)
            expected += std::to_string(reading);
    }
    EXPECT_EQ(listed, expected);

    const std::string& sentence = report.results.rows.back().cells.at(0).paragraphs.at(1).text;
    EXPECT_NE(text.find(collapsed(sentence, false)), std::string::npos) << sentence;
    EXPECT_NE(sentence.find("共计" + std::to_string(tickedCount * readingsPerMember) + "点"), std::string::npos);
    EXPECT_NE(text.find("三、检测结果"), std::string::npos);

    // The closing page stands on a page of its own.
    EXPECT_NE(collapsed(pages.back(), false).find("检测仪器："), std::string::npos);
    EXPECT_EQ(collapsed(pages.back(), false).find("以下空白"), std::string::npos);
    EXPECT_NE(collapsed(pages[pages.size() - 2], false).find("以下空白"), std::string::npos);
}

TEST_F(WordReportPages, yunnanTableListsTheTickedMembersInOrderWithTheNote)
{
    const auto rows = layOutYunnanRows(project_);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(tickedCount));
    ASSERT_TRUE(writeYunnanReport(openTemplate(yunnanTemplateName), rows, (dir_ / "yunnan.docx").string()).ok());
    const auto pages = convertedPages("yunnan.docx");
    ASSERT_GE(pages.size(), 2u);
    std::vector<std::string> pageLines;
    for (const std::string& page : pages) {
        const auto more = lines(page);
        pageLines.insert(pageLines.end(), more.begin(), more.end());
    }
    for (const YunnanRow& row : rows)
        EXPECT_TRUE(hasRow(pageLines, {row.cells.begin(), row.cells.end()})) << row.cells[1];
    EXPECT_NE(collapsed(pages.back(), false).find(yunnanNote), std::string::npos);
}

} // namespace
} // namespace trellon
