// Tests of the normal-format Word report: the results table and conclusion, the texts, and the filled template.
#include "reports/normalreport.h"

#include "evaluation/acceptanceevaluation.h"
#include "evaluation/verdictsentence.h"
#include "model/barcounts.h"
#include "model/gbk.h"
#include "model/projectfixtures.h"
#include "model/testmode.h"
#include "reports/docx/tablejoint.h"
#include "reports/docx/xmlscan.h"
#include "reports/reporttemplate.h"
#include "support/writtentables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace trellon {
namespace {

namespace fs = std::filesystem;
using testing::member;
using testing::projectOf;
using testing::withTolerance;
using testing::WrittenTable;
using testing::writtenTables;

constexpr CalendarDate someDay{2024, 3, 9};

MemberRecord ticked(MemberRecord m)
{
    m.checked = 1;
    return m;
}

std::vector<std::int32_t> readings(int count, std::int32_t value)
{
    return std::vector<std::int32_t>(static_cast<std::size_t>(count), value);
}

// The text of the cell at (row, column) of the table, both counted from 0, over its paragraphs.
std::string cellText(const docx::WordTable& table, std::size_t row, std::size_t column)
{
    std::string text;
    for (const auto& paragraph : table.rows.at(row).cells.at(column).paragraphs)
        text += paragraph.text;
    return text;
}

std::vector<std::string> rowTexts(const docx::WordTable& table, std::size_t row)
{
    std::vector<std::string> texts;
    for (std::size_t c = 0; c < table.rows.at(row).cells.size(); ++c)
        texts.push_back(cellText(table, row, c));
    return texts;
}

std::string conclusionOf(const NormalReport& report)
{
    return report.results.rows.back().cells.at(0).paragraphs.at(1).text;
}

TEST(NormalReportLayout, eightAndThreeReadingsMakeSevenRowsAndElevenPoints)
{
    std::vector<std::int32_t> first = {21, 22, 23, 24, 25, 26, 27, 28};
    const Project project = projectOf({ticked(withTolerance(member("1001", first, systemText("梁")), 25, -5, 5)),
                                       ticked(withTolerance(member("1002", {31, 32, 33}), 25, -5, 5))});
    const NormalReport report = layOutNormalReport(project, {}, someDay);
    const auto& table = report.results;
    ASSERT_EQ(table.rows.size(), 7u);
    EXPECT_EQ(rowTexts(table, 3), (std::vector<std::string>{"梁(1001)", "25", "21", "22", "23", "24", "25", "26"}));
    // Readings 7 and 8 (counted from 1) go to columns 3 and 4 of row 5.
    EXPECT_EQ(rowTexts(table, 4), (std::vector<std::string>{"", "", "27", "28", "", "", "", ""}));
    EXPECT_EQ(rowTexts(table, 5), (std::vector<std::string>{"(1002)", "25", "31", "32", "33", "", "", ""}));
    // Where the table is cut, a member's rows stay together.
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        EXPECT_EQ(table.rows[r].keepsWithRowAbove, r == 4) << "row " << r;
    EXPECT_EQ(report.verdict.points, 11);
    EXPECT_EQ(report.verdict.acceptable, 8);
    EXPECT_EQ(conclusionOf(report),
              "    本次检测的填写工程名称工程钢筋保护层厚度共计11点，其中合格点8个，合格点率为72.7%，"
              "填写工程名称工程的钢筋保护层厚度检测结果为不合格。");
}

TEST(NormalReportLayout, headingRowsMergeAsTheReportShowsThem)
{
    const NormalReport report = layOutNormalReport(projectOf({}), {}, someDay);
    const auto& rows = report.results.rows;
    EXPECT_EQ(report.results.columnWidthsPoints, (std::vector<int>{114, 115, 30, 40, 40, 40, 40, 40}));
    ASSERT_EQ(rows.size(), 4u);

    ASSERT_EQ(rows[0].cells.size(), 1u);
    EXPECT_EQ(rows[0].cells[0].columnSpan, 8);
    EXPECT_EQ(rows[0].minimumHeightPoints, 70);
    EXPECT_FALSE(rows[0].repeatsOnEveryPage);
    const auto& heading = rows[0].cells[0].paragraphs;
    ASSERT_EQ(heading.size(), 3u);
    EXPECT_EQ(heading[0], (docx::CellParagraph{"三、检测结果", 14, docx::Alignment::justified}));
    EXPECT_EQ(heading[1], (docx::CellParagraph{"检  测  结   果", 14, docx::Alignment::centred}));
    EXPECT_EQ(heading[2].text, "");

    EXPECT_TRUE(rows[1].repeatsOnEveryPage);
    EXPECT_TRUE(rows[2].repeatsOnEveryPage);
    ASSERT_EQ(rows[1].cells.size(), 3u);
    EXPECT_EQ(rows[1].cells[0].verticalMerge, docx::VerticalMerge::first);
    EXPECT_EQ(rows[1].cells[1].verticalMerge, docx::VerticalMerge::first);
    EXPECT_TRUE(rows[1].cells[0].verticallyCentred);
    EXPECT_EQ(rows[1].cells[2].columnSpan, 6);
    EXPECT_EQ(rowTexts(report.results, 1),
              (std::vector<std::string>{"构件名称或编号", "设计保护层厚度(mm)", "实 测 厚 度 (mm)"}));
    EXPECT_EQ(rows[2].cells[0].verticalMerge, docx::VerticalMerge::continued);
    EXPECT_EQ(rows[2].cells[1].verticalMerge, docx::VerticalMerge::continued);
    EXPECT_EQ(rowTexts(report.results, 2), (std::vector<std::string>{"", "", "1", "2", "3", "4", "5", "6"}));

    const auto& last = rows[3].cells.at(0);
    EXPECT_EQ(last.columnSpan, 8);
    ASSERT_EQ(last.paragraphs.size(), 3u);
    EXPECT_EQ(last.paragraphs[0], (docx::CellParagraph{"四、检测结论：", 14, docx::Alignment::justified}));
    EXPECT_EQ(last.paragraphs[2], (docx::CellParagraph{"（以下空白）", 14, docx::Alignment::centred}));
}

TEST(NormalReportLayout, withoutMemberRowsTheSentenceTakesItsOwnForm)
{
    ReportParameters p;
    p.projectName = "幸福小区3#楼";
    const Project none = projectOf({member("1001", {25}), ticked(member("5001", {25}))});
    EXPECT_EQ(conclusionOf(layOutNormalReport(none, p, someDay)),
              "    本次检测的幸福小区3#楼工程钢筋保护层厚度共计0点，其中合格点0点个，合格点率为0.0%，"
              "幸福小区3#楼工程的钢筋保护层厚度检测结果为不合格。");
    // A ticked member without readings has a row, so the ordinary form stands.
    const Project empty = projectOf({ticked(member("1001", {}))});
    const NormalReport report = layOutNormalReport(empty, p, someDay);
    EXPECT_EQ(report.results.rows.size(), 5u);
    EXPECT_NE(conclusionOf(report).find("其中合格点0个，合格点率为0.0%"), std::string::npos);
}

TEST(NormalReportLayout, ninetyPercentPassesAndEightyNineNineDoesNot)
{
    auto rateOf = [](int total, int passing) {
        std::vector<std::int32_t> values = readings(passing, 25);
        values.resize(static_cast<std::size_t>(total), 99);
        return conclusionOf(
            layOutNormalReport(projectOf({ticked(withTolerance(member("1001", values), 25, -5, 5))}), {}, someDay));
    };
    EXPECT_NE(rateOf(10, 9).find("合格点率为90.0%，填写工程名称工程的钢筋保护层厚度检测结果为合格。"),
              std::string::npos);
    EXPECT_NE(rateOf(1000, 899).find("合格点率为89.9%，填写工程名称工程的钢筋保护层厚度检测结果为不合格。"),
              std::string::npos);
    // 89.96 % is printed as 90.0 % and still judged not acceptable.
    EXPECT_NE(rateOf(2500, 2249).find("合格点率为90.0%，填写工程名称工程的钢筋保护层厚度检测结果为不合格。"),
              std::string::npos);
}

TEST(NormalReportLayout, membersContributeTheirCoversByTestMode)
{
    // Grid: three X bars and two Y bars after the separator, one row: X covers, then Y covers.
    MemberRecord grid =
        member("3001", {170, 1, 11, 0, 100, 12, 0, 200, 13, 1, 44, 187, 187, 187, 21, 0, 50, 22, 0, 90});
    recountBars(grid);
    MemberRecord pairs = member("2001", {30, 16, 31, 16, 32}); // the unpaired last value is no reading
    MemberRecord section = member("4001", {170, 2, 41, 0, 10, 42, 0, 20});
    section.xBarCount = 4; // claims two bars more than it holds
    MemberRecord other = member("5001", {1, 2, 3});
    MemberRecord unticked = member("1009", {9, 9});
    const Project project = projectOf({ticked(grid), ticked(pairs), ticked(section), ticked(other), unticked});
    const NormalReport report = layOutNormalReport(project, {}, someDay);
    ASSERT_EQ(report.results.rows.size(), 7u);
    EXPECT_EQ(rowTexts(report.results, 3), (std::vector<std::string>{"(3001)", "0", "11", "12", "13", "21", "22", ""}));
    EXPECT_EQ(rowTexts(report.results, 4), (std::vector<std::string>{"(2001)", "0", "30", "31", "", "", "", ""}));
    // Bars beyond the readings are points without a value, as the verdict counts them.
    EXPECT_EQ(rowTexts(report.results, 5), (std::vector<std::string>{"(4001)", "0", "41", "42", "", "", "", ""}));
    EXPECT_EQ(report.verdict.points, 5 + 2 + 4);
}

// The conclusion cell's paragraphs between "四、检测结论：" and "（以下空白）", each checked for its style.
std::vector<std::string> conclusionParagraphsOf(const NormalReport& report)
{
    const auto& paragraphs = report.results.rows.back().cells.at(0).paragraphs;
    EXPECT_EQ(paragraphs.front().text, "四、检测结论：");
    EXPECT_EQ(paragraphs.back().text, "（以下空白）");
    std::vector<std::string> texts;
    for (std::size_t i = 1; i + 1 < paragraphs.size(); ++i) {
        EXPECT_EQ(paragraphs[i].pointSize, 14);
        EXPECT_EQ(paragraphs[i].alignment, docx::Alignment::justified);
        texts.push_back(paragraphs[i].text);
    }
    return texts;
}

TEST(NormalReportLayout, onTheAcceptanceCheckTheConclusionGivesTheRateThenEachLotsVerdict)
{
    ReportParameters p;
    p.projectName = "幸福小区";
    const auto named = [](const char* number, const char* name, std::vector<std::int32_t> values) {
        return ticked(withTolerance(member(number, std::move(values), systemText(name)), 25, -7, 10));
    };
    const MemberRecord beam = named("1001", "KL1 梁", {25, 25, 25, 25, 25, 25, 25, 25, 25, 17});
    const MemberRecord slab = named("1002", "LB1 板", {25, 25, 41});
    const MemberRecord wall = named("1003", "Q1 墙", {25, 99});
    const std::string rate = "    本次检测的幸福小区工程钢筋保护层厚度共计";
    const std::string others = "    其他构件（柱、墙等）不参与附录E评定。";
    const std::string noLot = "    无梁类、板类构件，未按附录E评定。";
    struct Case {
        const char* what;
        Project project;
        std::vector<std::string> expected; // the lots' sentences are checked against the evaluation's
    };
    const Case cases[] = {
        {"beams, slabs and others",
         projectOf({beam, slab, wall}),
         {rate + "15点，其中合格点12个，合格点率为80.0%。", "beam", "slab", others}},
        {"beams only", projectOf({beam}), {rate + "10点，其中合格点9个，合格点率为90.0%。", "beam"}},
        {"others only", projectOf({wall}), {rate + "2点，其中合格点1个，合格点率为50.0%。", noLot}},
        {"nothing ticked", projectOf({member("1001", {25})}), {rate + "0点，其中合格点0点个，合格点率为0.0%。", noLot}},
    };
    for (Case c : cases) {
        c.project.extension.conclusionBasis = ConclusionBasis::appendixE;
        const AcceptanceEvaluation evaluation = evaluateAcceptance(c.project);
        for (std::string& line : c.expected) {
            if (line == "beam" || line == "slab")
                line = "    " + verdictSentence(evaluation.lots[line == "beam" ? 0 : 1]);
        }
        EXPECT_EQ(conclusionParagraphsOf(layOutNormalReport(c.project, p, someDay)), c.expected) << c.what;
    }

    Project rateBasis = projectOf({beam, slab, wall});
    const NormalReport report = layOutNormalReport(rateBasis, p, someDay);
    EXPECT_EQ(conclusionParagraphsOf(report),
              (std::vector<std::string>{conclusionSentence("幸福小区", report.verdict, 3)}));
}

TEST(NormalReportLayout, fieldsCarryTheParametersAndTheProjectParagraph)
{
    ReportParameters p;
    p.projectName = "幸福小区";
    p.address = "昆明市";
    p.structure = "框架";
    p.builder = "某建筑公司";
    p.startDate = {2023, 11, 30};
    p.testDate = {2024, 1, 2};
    p.strengthGrade = "C30";
    const NormalReport report = layOutNormalReport(projectOf({}), p, someDay);
    EXPECT_EQ(report.fields.at("projectParagraph"),
              "    幸福小区工程位于昆明市，为框架结构。由某建筑公司施工，开工时间为2023年11月。根据设计要求，混凝土设计"
              "强度等级为C30。\n    受某建筑公司委托，我所对幸福小区钢筋保护层厚度进行了检测。 ");
    EXPECT_EQ(report.fields.at("today"), "2024年3月9日");
    EXPECT_EQ(report.fields.at("testDate"), "2024年1月2日");
    EXPECT_EQ(report.fields.at("reportNumber"), "填写报告编号");
    EXPECT_EQ(report.fields.at("instrument"), "填写监测仪器");
    EXPECT_EQ(report.fields.size(), 17u);
}

TEST(NormalReportLayout, datesNeverChosenAreToday)
{
    const NormalReport report = layOutNormalReport(projectOf({}), ReportParameters{}, someDay);
    EXPECT_EQ(report.fields.at("startDate"), "2024年3月9日");
    EXPECT_EQ(report.fields.at("testDate"), "2024年3月9日");
    EXPECT_NE(report.fields.at("projectParagraph").find("开工时间为2024年3月。"), std::string::npos)
        << report.fields.at("projectParagraph");
}

class NormalReportFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "trellon-normal-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        auto opened = openReportTemplate(TRELLON_TEMPLATE_DIR "/" + std::string(normalTemplateName));
        ASSERT_TRUE(opened.ok()) << opened.error().describe();
        template_ = std::move(opened.value());
    }
    void TearDown() override { fs::remove_all(dir_); }

    docx::DocxPackage written(const NormalReport& report, const docx::DocxPackage& from)
    {
        const std::string path = (dir_ / "report.docx").string();
        const Status status = writeNormalReport(from, report, path);
        EXPECT_TRUE(status.ok()) << (status ? "" : status.error().describe());
        auto read = docx::DocxPackage::read(path);
        EXPECT_TRUE(read.ok());
        return read ? read.value() : docx::DocxPackage{};
    }

    fs::path dir_;
    docx::DocxPackage template_;
};

TEST_F(NormalReportFile, fillsEveryPlaceholderAndPlacesTheTableAfterItsParagraph)
{
    ReportParameters p;
    p.projectName = "A&B <楼> {{resultsTable}}";
    p.testUnit = "某检测所";
    const Project project = projectOf({ticked(member("1001", {25, 26}, systemText("梁 & 板")))});
    const docx::DocxPackage out = written(layOutNormalReport(project, p, someDay), template_);

    const std::string& document = *out.part("word/document.xml");
    ASSERT_TRUE(docx::scanTags(document).ok());
    EXPECT_NE(document.find("A&amp;B &lt;楼&gt; {{resultsTable}}工程钢筋保护层厚度共计2点"), std::string::npos);
    EXPECT_NE(document.find("梁 &amp; 板(1001)"), std::string::npos);
    const auto tags = docx::scanTags(document).value();
    EXPECT_EQ(docx::elementsNamed(tags, "w:tbl").size(), 3u); // section heading, results, closing page
    const std::size_t placeholderParagraph = document.find("<w:pageBreakBefore/><w:spacing w:line=\"120\"");
    ASSERT_NE(placeholderParagraph, std::string::npos);
    EXPECT_LT(placeholderParagraph, document.find("三、检测结果"));

    const std::string& heading = *out.part("word/header1.xml");
    EXPECT_NE(heading.find("某检测所"), std::string::npos);
    for (const auto& [name, content] : out.parts()) {
        if (name.ends_with(".xml")) {
            EXPECT_EQ(content.find("{{"), content.find("{{resultsTable}}")) << name;
        }
    }
    EXPECT_EQ(out.parts().size(), template_.parts().size());
}

TEST_F(NormalReportFile, aLongResultsSectionIsCutIntoTablesBetweenMemberBlocks)
{
    // Blocks of 1 to 9 rows, and one longer than a table.
    std::vector<MemberRecord> members;
    for (int k = 0; k < 150; ++k) {
        std::vector<std::int32_t> values;
        const int count = k == 70 ? static_cast<int>(docx::rowsPerTable) * readingsPerRow + 7 : (k * 7) % 53 + 1;
        for (int i = 0; i < count; ++i)
            values.push_back(10 + (k + i) % 90);
        members.push_back(ticked(withTolerance(member(std::to_string(1001 + k), values), 25, -5, 5)));
    }
    const NormalReport report = layOutNormalReport(projectOf(members), {}, someDay);
    const auto& rows = report.results.rows;
    const std::size_t memberRows = rows.size() - 4;
    ASSERT_GT(memberRows, 3 * docx::rowsPerTable);

    const auto tables = writtenTables(*written(report, template_).part("word/document.xml"));
    ASSERT_GE(tables.size(), 6u); // the section heading, four results tables at least, the closing page
    EXPECT_EQ(tables.front().at(0).cells.at(0), "三、检测结果检  测  结   果");
    const std::vector<WrittenTable> results(tables.begin() + 1, tables.end() - 1);

    // Across the tables: the headings on top of each, the member rows with their readings in order, the
    // conclusion last; T + 4 rows with the headings counted once.
    std::vector<std::vector<std::string>> body;
    std::vector<std::size_t> tableOfRow;
    for (std::size_t t = 0; t < results.size(); ++t) {
        ASSERT_GT(results[t].size(), 2u);
        EXPECT_LE(results[t].size(), 2 + docx::rowsPerTable) << "table " << t;
        for (std::size_t r = 0; r < results[t].size(); ++r) {
            EXPECT_EQ(results[t][r].repeats, r < 2) << "table " << t << " row " << r;
            if (r < 2)
                EXPECT_EQ(results[t][r].cells, rowTexts(report.results, 1 + r)) << "table " << t;
            else {
                body.push_back(results[t][r].cells);
                tableOfRow.push_back(t);
            }
        }
    }
    ASSERT_EQ(body.size(), memberRows + 1);
    for (std::size_t r = 0; r < memberRows; ++r)
        EXPECT_EQ(body[r], rowTexts(report.results, 3 + r)) << "member row " << r;
    EXPECT_EQ(body.back().at(0), "四、检测结论：" + conclusionOf(report) + "（以下空白）");
    EXPECT_EQ(tableOfRow.back(), results.size() - 1);

    // A table ends within a member's rows only when the member alone has more rows than a table.
    std::size_t blockBegin = 0;
    for (std::size_t r = 1; r <= memberRows; ++r) {
        if (r < memberRows && rows[3 + r].keepsWithRowAbove)
            continue;
        if (r - blockBegin <= docx::rowsPerTable)
            EXPECT_EQ(tableOfRow[blockBegin], tableOfRow[r - 1]) << body[blockBegin].at(0);
        else
            EXPECT_EQ(body[blockBegin].at(0), "(1071)");
        blockBegin = r;
    }
}

TEST_F(NormalReportFile, aRestyledTemplateWithSplitPlaceholdersStillFills)
{
    docx::DocxPackage restyled = template_;
    restyled.setPart("word/document.xml",
                     "<w:document><w:body><w:p><w:r><w:t>工程：{{project</w:t></w:r><w:r><w:rPr><w:b/></w:rPr>"
                     "<w:t>Name}</w:t></w:r><w:r><w:t>}</w:t></w:r></w:p><w:p><w:r><w:t>{</w:t></w:r>"
                     "<w:r><w:t>{resultsTable}}</w:t></w:r></w:p><w:sectPr/></w:body></w:document>");
    ReportParameters p;
    p.projectName = "新楼";
    const docx::DocxPackage out = written(layOutNormalReport(projectOf({}), p, someDay), restyled);
    const std::string& document = *out.part("word/document.xml");
    EXPECT_NE(document.find("工程：新楼</w:t>"), std::string::npos) << document;
    EXPECT_NE(document.find("</w:p><w:tbl>"), std::string::npos);
    EXPECT_EQ(document.find("{"), std::string::npos);
}

TEST_F(NormalReportFile, aTemplateWithoutTheTableParagraphIsRefusedAndNothingIsWritten)
{
    docx::DocxPackage broken = template_;
    broken.setPart("word/document.xml", "<w:document><w:body><w:p/></w:body></w:document>");
    const std::string path = (dir_ / "report.docx").string();
    const Status status = writeNormalReport(broken, layOutNormalReport(projectOf({}), {}, someDay), path);
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error().detail.find("{{resultsTable}}"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(dir_));

    broken.setPart("word/document.xml", "<w:document><w:body><w:p>{{resultsTable}}</w:body>");
    EXPECT_FALSE(writeNormalReport(broken, layOutNormalReport(projectOf({}), {}, someDay), path).ok());
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST(ReportTemplates, areFoundInTheBuildTreeThenTheInstalledTree)
{
    std::string pattern = (fs::temp_directory_path() / "trellon-templates-XXXXXX").string();
    const fs::path root = ::mkdtemp(pattern.data());
    fs::create_directories(root / "bin");
    fs::create_directories(root / "share" / "trellon" / "templates");
    const fs::path installed = root / "share" / "trellon" / "templates" / fs::u8path(normalTemplateName);
    EXPECT_EQ(findReportTemplate(root / "bin", normalTemplateName), root / "bin" / "templates" / installed.filename());
    std::ofstream(installed) << "x";
    EXPECT_EQ(findReportTemplate(root / "bin", normalTemplateName), installed);
    fs::create_directories(root / "bin" / "templates");
    std::ofstream(root / "bin" / "templates" / installed.filename()) << "x";
    EXPECT_EQ(findReportTemplate(root / "bin", normalTemplateName), root / "bin" / "templates" / installed.filename());
    fs::remove_all(root);

    const auto missing = openReportTemplate((root / "none.docx").string());
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().detail.find("none.docx"), std::string::npos);
}

} // namespace
} // namespace trellon
