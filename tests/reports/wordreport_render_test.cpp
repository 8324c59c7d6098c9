// The Word reports as a word processor lays them out: converted to PDF by LibreOffice, read back as text.
#include "reports/normalreport.h"
#include "reports/reporttemplate.h"
#include "reports/yunnanreport.h"

#include "model/gbk.h"
#include "model/projectfixtures.h"
#include "model/statistics.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace trellon {
namespace {

namespace fs = std::filesystem;

constexpr int memberCount = 24;
constexpr int readingsPerMember = 20;                      // four table rows each: several results pages
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

// Both reports, converted once for all the tests of the suite.
class WordReportPages : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!onPath("libreoffice") || !onPath("pdftotext"))
            return;
        std::string pattern = (fs::temp_directory_path() / "trellon-lo-docx-XXXXXX").string();
        dir_ = new fs::path(::mkdtemp(pattern.data()));
        std::ofstream(*dir_ / "fonts.conf") << fontAliases;

        project_ = new Project(reportedProject());
        ReportParameters parameters;
        parameters.projectName = "幸福小区";
        parameters.reportNumber = "BG-2024-017";
        const auto normal = openReportTemplate(TRELLON_TEMPLATE_DIR "/" + std::string(normalTemplateName));
        const auto yunnan = openReportTemplate(TRELLON_TEMPLATE_DIR "/" + std::string(yunnanTemplateName));
        ASSERT_TRUE(normal.ok() && yunnan.ok());
        normal_ = new NormalReport(layOutNormalReport(*project_, parameters, {2024, 3, 9}));
        ASSERT_TRUE(writeNormalReport(normal.value(), *normal_, (*dir_ / "normal.docx").string()).ok());
        ASSERT_TRUE(
            writeYunnanReport(yunnan.value(), layOutYunnanRows(*project_), (*dir_ / "yunnan.docx").string()).ok());

        const std::string d = dir_->string();
        const std::string convert = "cd '" + d + "' && FONTCONFIG_FILE='" + d +
                                    "/fonts.conf' libreoffice --headless -env:UserInstallation=file://" + d +
                                    "/profile --convert-to pdf normal.docx yunnan.docx > convert.log 2>&1";
        ASSERT_EQ(std::system(convert.c_str()), 0) << commandOutput("cat '" + d + "/convert.log'");
        normalPages_ = new std::vector<std::string>(pagesOf("normal.pdf"));
        yunnanPages_ = new std::vector<std::string>(pagesOf("yunnan.pdf"));
    }

    static void TearDownTestSuite()
    {
        if (dir_ != nullptr)
            fs::remove_all(*dir_);
        delete dir_;
        delete project_;
        delete normal_;
        delete normalPages_;
        delete yunnanPages_;
    }

    void SetUp() override
    {
        if (dir_ == nullptr)
            GTEST_SKIP() << "libreoffice or pdftotext is not installed";
        ASSERT_NE(normalPages_, nullptr);
    }

    // The -layout text of each page.
    static std::vector<std::string> pagesOf(const std::string& pdf)
    {
        const std::string text = commandOutput("pdftotext -layout '" + (*dir_ / pdf).string() + "' -");
        std::vector<std::string> pages;
        std::size_t at = 0;
        for (std::size_t end; (end = text.find('\f', at)) != std::string::npos; at = end + 1)
            pages.push_back(text.substr(at, end - at));
        return pages;
    }

    static fs::path* dir_;
    static Project* project_;
    static NormalReport* normal_;
    static std::vector<std::string>* normalPages_;
    static std::vector<std::string>* yunnanPages_;
};

fs::path* WordReportPages::dir_ = nullptr;
Project* WordReportPages::project_ = nullptr;
NormalReport* WordReportPages::normal_ = nullptr;
std::vector<std::string>* WordReportPages::normalPages_ = nullptr;
std::vector<std::string>* WordReportPages::yunnanPages_ = nullptr;

TEST_F(WordReportPages, everyPageAfterTheCoverIsNumberedWithoutCountingIt)
{
    const auto& pages = *normalPages_;
    ASSERT_GE(pages.size(), 5u) << "the results table should reach over several pages";
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
}

TEST_F(WordReportPages, theResultsTableHoldsTheMemberRowsAndTheConclusion)
{
    std::vector<std::string> all;
    for (const std::string& page : *normalPages_) {
        const auto pageLines = lines(page);
        all.insert(all.end(), pageLines.begin(), pageLines.end());
    }
    for (const MemberRecord& m : project_->members) {
        std::vector<std::string> row = {gbkToUtf8(m.name) + "(" + m.number + ")", "25"};
        for (int j = 0; j < 6; ++j)
            row.push_back(std::to_string(m.samples[static_cast<std::size_t>(j)]));
        EXPECT_EQ(hasRow(all, row), m.checked == 1) << row[0];
    }
    std::string text;
    for (const std::string& page : *normalPages_)
        text += collapsed(page, false);
    const std::string& sentence = normal_->results.rows.back().cells.at(0).paragraphs.at(1).text;
    EXPECT_NE(text.find(collapsed(sentence, false)), std::string::npos) << sentence;
    EXPECT_NE(sentence.find("共计" + std::to_string(tickedCount * readingsPerMember) + "点"), std::string::npos);
    EXPECT_NE(text.find("三、检测结果"), std::string::npos);
    EXPECT_NE(text.find("（以下空白）"), std::string::npos);
}

TEST_F(WordReportPages, theClosingPageStandsOnAPageOfItsOwn)
{
    const std::string last = collapsed(normalPages_->back(), false);
    EXPECT_NE(last.find("检测仪器："), std::string::npos);
    EXPECT_EQ(last.find("以下空白"), std::string::npos);
    EXPECT_NE(collapsed((*normalPages_)[normalPages_->size() - 2], false).find("以下空白"), std::string::npos);
}

TEST_F(WordReportPages, theYunnanTableListsTheTickedMembersInOrderWithTheNote)
{
    ASSERT_EQ(yunnanPages_->size(), 1u);
    const auto rows = lines(yunnanPages_->front());
    const auto expected = layOutYunnanRows(*project_);
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(tickedCount));
    for (const YunnanRow& row : expected)
        EXPECT_TRUE(hasRow(rows, {row.cells.begin(), row.cells.end()})) << row.cells[1];
    EXPECT_NE(collapsed(yunnanPages_->front(), false).find(yunnanNote), std::string::npos);
}

} // namespace
} // namespace trellon
