// Tests of the Yunnan-format Word report: the member rows and the filled template table.
#include "reports/yunnanreport.h"

#include "model/gbk.h"
#include "model/projectfixtures.h"
#include "reports/docx/placeholders.h"
#include "reports/docx/tablejoint.h"
#include "reports/docx/xmlscan.h"
#include "reports/reporttemplate.h"
#include "support/writtentables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace trellon {
namespace {

namespace fs = std::filesystem;
using testing::member;
using testing::projectOf;
using testing::writtenTables;

using Cells = std::array<std::string, 8>;

MemberRecord ticked(MemberRecord m)
{
    m.checked = 1;
    return m;
}

MemberRecord withFigures(MemberRecord m, std::int32_t max, std::int32_t min, std::int32_t mean, std::int32_t spacing)
{
    m.maxCover = max;
    m.minCover = min;
    m.meanCover = mean;
    m.maxSpacing = spacing;
    return m;
}

MemberRecord gridWith(std::int32_t yBars)
{
    MemberRecord grid =
        withFigures(member("3001", std::vector<std::int32_t>(20, 0), systemText("板")), 32, 20, 25, 150);
    grid.xBarCount = 4;
    grid.yBarCount = yBars;
    grid.yMaxCover = 35;
    grid.yMinCover = 18;
    grid.yMeanCover = 28;
    grid.yMaxSpacing = 180;
    return grid;
}

TEST(YunnanReportLayout, aGridCombinesItsXAndYFigures)
{
    const auto rows = layOutYunnanRows(projectOf({ticked(gridWith(3))}));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].cells, (Cells{"1", "板(3001)", "35", "18", "26", "20", "", "180"}));
}

TEST(YunnanReportLayout, aGridWithoutAYRunShowsItsXFigures)
{
    // Its Y figures are zeros that stand for no bars, not for readings of 0 mm.
    const auto rows = layOutYunnanRows(projectOf({ticked(gridWith(-1)), ticked(gridWith(0))}));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].cells, (Cells{"1", "板(3001)", "32", "20", "25", "20", "", "150"}));
    EXPECT_EQ(rows[1].cells, (Cells{"2", "板(3001)", "32", "20", "25", "20", "", "150"}));
}

TEST(YunnanReportLayout, singlePointsShowDashesAndSectionsTheirLargestSpacing)
{
    const Project project = projectOf({
        ticked(withFigures(member("1001", {30, 31, 32}, systemText("梁")), 32, 30, 31, 0)),
        ticked(withFigures(member("2001", {30, 16}), 30, 30, 30, 0)),
        ticked(withFigures(member("4001", std::vector<std::int32_t>(11, 1)), 40, 21, 30, 250)),
    });
    const auto rows = layOutYunnanRows(project);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].cells, (Cells{"1", "梁(1001)", "32", "30", "31", "3", "-----", "-----"}));
    EXPECT_EQ(rows[1].cells, (Cells{"2", "(2001)", "30", "30", "30", "2", "-----", "-----"}));
    EXPECT_EQ(rows[2].cells, (Cells{"3", "(4001)", "40", "21", "30", "11", "", "250"}));
}

TEST(YunnanReportLayout, onlyTickedMembersOfTheFourModesAreNumbered)
{
    const Project project = projectOf({member("1001", {1}), ticked(member("5001", {2})), ticked(member("1002", {3})),
                                       member("4001", {}), ticked(member("1003", {4})), ticked(member("", {}))});
    const auto rows = layOutYunnanRows(project);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].cells[0], "1");
    EXPECT_EQ(rows[0].cells[1], "(1002)");
    EXPECT_EQ(rows[1].cells[0], "2");
    EXPECT_EQ(rows[1].cells[1], "(1003)");
}

class YunnanReportFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "trellon-yunnan-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        auto opened = openReportTemplate(TRELLON_TEMPLATE_DIR "/" + std::string(yunnanTemplateName));
        ASSERT_TRUE(opened.ok()) << opened.error().describe();
        template_ = std::move(opened.value());
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The written main document.
    std::string writtenDocument(const std::vector<YunnanRow>& rows)
    {
        const std::string path = (dir_ / "report.docx").string();
        const Status status = writeYunnanReport(template_, rows, path);
        EXPECT_TRUE(status.ok()) << (status ? "" : status.error().describe());
        const auto read = docx::DocxPackage::read(path);
        EXPECT_TRUE(read.ok());
        return read ? *read.value().part("word/document.xml") : std::string();
    }

    // The paragraph texts of the written main document.
    std::vector<std::string> writtenTexts(const std::vector<YunnanRow>& rows)
    {
        const std::string document = writtenDocument(rows);
        std::vector<std::string> texts;
        for (const auto& paragraph : docx::paragraphTexts(document, docx::scanTags(document).value()))
            texts.push_back(paragraph.text);
        return texts;
    }

    fs::path dir_;
    docx::DocxPackage template_;
};

TEST_F(YunnanReportFile, theMemberRowIsRepeatedPerRowAndTheNoteFollows)
{
    std::vector<YunnanRow> rows;
    for (const char* name : {"梁 <1>", "板 & 2", "{{note}}"})
        rows.push_back({{std::to_string(rows.size() + 1), name, "33", "17", "24", "24", "-----", "-----"}});
    const auto texts = writtenTexts(rows);
    const auto first = std::find(texts.begin(), texts.end(), "1");
    ASSERT_NE(first, texts.end());
    const std::vector<std::string> table(first, texts.end());
    ASSERT_GE(table.size(), 25u);
    EXPECT_EQ(std::vector<std::string>(table.begin(), table.begin() + 8),
              (std::vector<std::string>{"1", "梁 <1>", "33", "17", "24", "24", "-----", "-----"}));
    EXPECT_EQ(table[8], "2");
    EXPECT_EQ(table[9], "板 & 2");
    EXPECT_EQ(table[16], "3");
    EXPECT_EQ(table[17], "{{note}}"); // a member's text is not taken for a placeholder
    EXPECT_EQ(table[24], yunnanNote);
}

TEST_F(YunnanReportFile, manyMembersMakeConsecutiveTablesEachStartingWithTheHeadings)
{
    std::vector<YunnanRow> rows;
    for (std::size_t m = 1; m <= 2 * docx::rowsPerTable + 3; ++m)
        rows.push_back({{std::to_string(m), "(" + std::to_string(1000 + m) + ")", "33", "17", "24", "24", "", "150"}});
    const auto tables = writtenTables(writtenDocument(rows));
    ASSERT_EQ(tables.size(), 3u);

    const std::vector<std::string> names = {"序号", "构件名称(编号)", "保护层厚度(mm)", "测值个数", "钢筋间距(mm)"};
    std::vector<Cells> written;
    for (std::size_t t = 0; t < tables.size(); ++t) {
        ASSERT_GT(tables[t].size(), 2u);
        EXPECT_TRUE(tables[t][0].repeats && tables[t][1].repeats) << "table " << t;
        EXPECT_EQ(tables[t][0].cells, names) << "table " << t;
        const bool last = t + 1 == tables.size();
        EXPECT_EQ(tables[t].back().cells == std::vector<std::string>{std::string(yunnanNote)}, last) << "table " << t;
        for (std::size_t r = 2; r < tables[t].size() - (last ? 1 : 0); ++r) {
            ASSERT_EQ(tables[t][r].cells.size(), 8u);
            EXPECT_FALSE(tables[t][r].repeats);
            written.emplace_back();
            std::copy(tables[t][r].cells.begin(), tables[t][r].cells.end(), written.back().begin());
        }
        EXPECT_LE(tables[t].size(), 2 + docx::rowsPerTable + (last ? 1 : 0));
    }
    ASSERT_EQ(written.size(), rows.size());
    for (std::size_t m = 0; m < rows.size(); ++m)
        EXPECT_EQ(written[m], rows[m].cells) << "row " << m;
}

TEST_F(YunnanReportFile, withoutMembersOnlyTheNoteRowRemains)
{
    const auto texts = writtenTexts({});
    EXPECT_NE(std::find(texts.begin(), texts.end(), yunnanNote), texts.end());
    for (const std::string& text : texts)
        EXPECT_EQ(text.find("{{"), std::string::npos) << text;
    EXPECT_NE(std::find(texts.begin(), texts.end(), "设计值"), texts.end());
}

TEST_F(YunnanReportFile, aTemplateWithoutTheMemberRowIsRefused)
{
    template_.setPart("word/document.xml", "<w:document><w:body><w:p><w:r><w:t>{{note}}</w:t></w:r></w:p></w:body>"
                                           "</w:document>");
    const Status status = writeYunnanReport(template_, {}, (dir_ / "report.docx").string());
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error().detail.find("row"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(dir_));
}

} // namespace
} // namespace trellon
