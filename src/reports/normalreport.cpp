// Layout of the normal-format report and its filling into the template.
#include "normalreport.h"

#include "reporttemplate.h"

#include "docx/wordtablexml.h"
#include "evaluation/coverjudgement.h"
#include "model/gbk.h"
#include "model/testmode.h"

namespace trellon {
namespace {

using docx::Alignment;
using docx::CellParagraph;
using docx::TableCell;
using docx::TableRow;
using docx::VerticalMerge;

constexpr int columnCount = 8;
constexpr int firstReadingColumn = 2;
constexpr int sectionHeadingHeightPoints = 70;
constexpr int textPoints = 14;
constexpr int headingPoints = 12;

std::string number(std::int32_t value)
{
    return std::to_string(value);
}

TableCell textCell(std::string text, int points, Alignment alignment)
{
    TableCell cell;
    cell.paragraphs.push_back({std::move(text), points, alignment});
    return cell;
}

TableCell wideCell(std::vector<CellParagraph> paragraphs)
{
    TableCell cell;
    cell.columnSpan = columnCount;
    cell.paragraphs = std::move(paragraphs);
    return cell;
}

TableRow sectionHeadingRow()
{
    TableRow row;
    row.minimumHeightPoints = sectionHeadingHeightPoints;
    row.cells.push_back(wideCell({{"三、检测结果", textPoints, Alignment::justified},
                                  {"检  测  结   果", textPoints, Alignment::centred},
                                  {"", textPoints, Alignment::left}}));
    return row;
}

std::vector<TableRow> columnHeadingRows()
{
    TableRow names;
    names.repeatsOnEveryPage = true;
    for (const char* text : {"构件名称或编号", "设计保护层厚度(mm)"}) {
        TableCell cell = textCell(text, headingPoints, Alignment::centred);
        cell.verticalMerge = VerticalMerge::first;
        cell.verticallyCentred = true;
        names.cells.push_back(std::move(cell));
    }
    TableCell measured = textCell("实 测 厚 度 (mm)", textPoints, Alignment::centred);
    measured.columnSpan = readingsPerRow;
    names.cells.push_back(std::move(measured));

    TableRow positions;
    positions.repeatsOnEveryPage = true;
    for (int i = 0; i < 2; ++i) {
        TableCell continued;
        continued.verticalMerge = VerticalMerge::continued;
        continued.verticallyCentred = true;
        positions.cells.push_back(std::move(continued));
    }
    for (int i = 1; i <= readingsPerRow; ++i)
        positions.cells.push_back(textCell(number(i), textPoints, Alignment::centred));
    return {std::move(names), std::move(positions)};
}

// k = ceil(n / 6) rows, at least one, kept in one table: the label and design cover in the first, readings six
// to a row.
void appendMemberBlock(const MemberRecord& member, std::vector<TableRow>& rows)
{
    const auto points = static_cast<std::size_t>(judgedPointCount(member));
    const std::size_t blockRows = std::max<std::size_t>(1, (points + readingsPerRow - 1) / readingsPerRow);
    const std::size_t first = rows.size();
    for (std::size_t r = 0; r < blockRows; ++r) {
        TableRow row;
        row.cells.resize(columnCount);
        row.keepsWithRowAbove = r > 0;
        if (r == 0) {
            row.cells[0] = textCell(gbkToUtf8(member.name) + "(" + gbkToUtf8(member.number) + ")", headingPoints,
                                    Alignment::centred);
            row.cells[1] = textCell(number(member.designCover), headingPoints, Alignment::centred);
        }
        rows.push_back(std::move(row));
    }
    std::size_t i = 0;
    forEachJudgedPoint(member, [&](const JudgedPoint& point) {
        if (point.cover)
            rows[first + i / readingsPerRow].cells[firstReadingColumn + i % readingsPerRow] =
                textCell(number(*point.cover), textPoints, Alignment::centred);
        ++i;
    });
}

} // namespace

std::string projectParagraphText(const ReportParameters& p)
{
    return "    " + p.projectName + "工程位于" + p.address + "，为" + p.structure + "结构。由" + p.builder +
           "施工，开工时间为" + number(p.startDate.year) + "年" + number(p.startDate.month) +
           "月。根据设计要求，混凝土设计强度等级为" + p.strengthGrade + "。\n    受" + p.builder + "委托，我所对" +
           p.projectName + "钢筋保护层厚度进行了检测。 ";
}

NormalReport layOutNormalReport(const Project& project, const ReportParameters& chosen, CalendarDate today)
{
    namespace field = normalfield;
    ReportParameters p = chosen;
    p.startDate = chosenOrToday(p.startDate, today);
    p.testDate = chosenOrToday(p.testDate, today);
    NormalReport report;
    report.fields = {
        {std::string(field::reportNumber), p.reportNumber},
        {std::string(field::projectName), p.projectName},
        {std::string(field::strengthGrade), p.strengthGrade},
        {std::string(field::startDate), chineseDate(p.startDate.year, p.startDate.month, p.startDate.day)},
        {std::string(field::testDate), chineseDate(p.testDate.year, p.testDate.month, p.testDate.day)},
        {std::string(field::address), p.address},
        {std::string(field::structure), p.structure},
        {std::string(field::instrument), p.instrument},
        {std::string(field::staff), p.staff},
        {std::string(field::testContent), p.testContent},
        {std::string(field::client), p.client},
        {std::string(field::testUnit), p.testUnit},
        {std::string(field::builder), p.builder},
        {std::string(field::supervisor), p.supervisor},
        {std::string(field::designer), p.designer},
        {std::string(field::today), chineseDate(today.year, today.month, today.day)},
        {std::string(field::projectParagraph), projectParagraphText(p)},
    };

    auto& table = report.results;
    table.columnWidthsPoints = {114, 115, 30, 40, 40, 40, 40, 40};
    table.rows.push_back(sectionHeadingRow());
    for (TableRow& row : columnHeadingRows())
        table.rows.push_back(std::move(row));
    for (const MemberRecord& member : project.members) {
        if (member.checked && isKnownTestMode(testModeDigit(member)))
            appendMemberBlock(member, table.rows);
    }
    const int memberRows = static_cast<int>(table.rows.size()) - 3;
    report.verdict = checkedSetVerdict(project);
    std::vector<CellParagraph> conclusion{{"四、检测结论：", textPoints, Alignment::justified}};
    for (std::string& paragraph : conclusionParagraphs(project, p.projectName, report.verdict, memberRows))
        conclusion.push_back({std::move(paragraph), textPoints, Alignment::justified});
    conclusion.push_back({"（以下空白）", textPoints, Alignment::centred});
    table.rows.push_back({{wideCell(std::move(conclusion))}});
    return report;
}

Status writeNormalReport(const docx::DocxPackage& templatePackage, const NormalReport& report,
                         const std::string& outputPath)
{
    docx::DocxPackage package = templatePackage;
    if (auto filled =
            fillTemplate(package, report.fields, normalfield::resultsTable, docx::wordTableXml(report.results));
        !filled)
        return filled;
    return package.write(outputPath);
}

} // namespace trellon
