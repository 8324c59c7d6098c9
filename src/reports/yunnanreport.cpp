// Rows of the Yunnan-format report and their filling into the template's table.
#include "yunnanreport.h"

#include "reporttemplate.h"

#include "docx/continuedtable.h"
#include "docx/placeholders.h"
#include "docx/tablejoint.h"
#include "model/gbk.h"
#include "model/testmode.h"

#include <algorithm>

namespace trellon {
namespace {

struct CoverFigures {
    std::int32_t max = 0;
    std::int32_t min = 0;
    std::int32_t mean = 0;
    std::int32_t maxSpacing = 0;
};

CoverFigures gridFigures(const MemberRecord& m)
{
    const CoverFigures x{m.maxCover, m.minCover, m.meanCover, m.maxSpacing};
    const CoverFigures y{m.yMaxCover, m.yMinCover, m.yMeanCover, m.yMaxSpacing};
    if (m.yBarCount <= 0)
        return x;
    if (m.xBarCount <= 0)
        return y;
    return {std::max(x.max, y.max), std::min(x.min, y.min),
            static_cast<std::int32_t>((std::int64_t{x.mean} + y.mean) / 2), std::max(x.maxSpacing, y.maxSpacing)};
}

YunnanRow rowOf(const MemberRecord& m, int index)
{
    const TestModeDigit digit = testModeDigit(m);
    const CoverFigures figures =
        digit == TestModeDigit::grid ? gridFigures(m) : CoverFigures{m.maxCover, m.minCover, m.meanCover, m.maxSpacing};
    const bool singlePoint =
        digit == TestModeDigit::singleKnownDiameter || digit == TestModeDigit::singleMeasuredDiameter;
    YunnanRow row;
    row.cells = {std::to_string(index),
                 gbkToUtf8(m.name) + "(" + gbkToUtf8(m.number) + ")",
                 std::to_string(figures.max),
                 std::to_string(figures.min),
                 std::to_string(figures.mean),
                 std::to_string(m.sampleCount),
                 singlePoint ? std::string(notApplicable) : std::string(),
                 singlePoint ? std::string(notApplicable) : std::to_string(figures.maxSpacing)};
    return row;
}

} // namespace

std::vector<YunnanRow> layOutYunnanRows(const Project& project)
{
    std::vector<YunnanRow> rows;
    for (const MemberRecord& member : project.members) {
        if (member.checked && isKnownTestMode(testModeDigit(member)))
            rows.push_back(rowOf(member, static_cast<int>(rows.size()) + 1));
    }
    return rows;
}

Status writeYunnanReport(const docx::DocxPackage& templatePackage, const std::vector<YunnanRow>& rows,
                         const std::string& outputPath)
{
    docx::DocxPackage package = templatePackage;
    if (auto filled = fillTemplateFields(package, {{std::string(yunnanfield::note), std::string(yunnanNote)}}); !filled)
        return filled;
    const std::string* document = package.part(mainDocumentPart);
    if (document == nullptr)
        return reportTemplateError("the template holds no Word document");
    auto found = docx::findElementAround(*document, "{{" + std::string(yunnanfield::rowPrefix), "w:tr");
    if (!found)
        return reportTemplateError("the template's document cannot be read: " + found.error().describe());
    if (!found.value())
        return reportTemplateError("the template has no table row holding the row.* placeholders");
    const docx::XmlRange at = *found.value();
    const auto tags = docx::scanTags(*document);
    const auto table = tags ? docx::enclosingElement(tags.value(), at, "w:tbl") : std::nullopt;
    if (!table)
        return reportTemplateError("the template's member row stands in no table");
    const std::string memberRow = document->substr(at.begin, at.size());

    std::vector<std::string> filledRows;
    for (const YunnanRow& row : rows) {
        docx::PlaceholderValues values;
        for (std::size_t c = 0; c < row.cells.size(); ++c)
            values.emplace(yunnanfield::rowCells[c], row.cells[c]);
        auto cloned = docx::fillPlaceholders(memberRow, values);
        if (!cloned)
            return reportTemplateError("the template's member row cannot be read: " + cloned.error().describe());
        filledRows.push_back(std::move(cloned.value()));
    }
    std::string filled = document->substr(0, table->begin) +
                         docx::continuedTableXml(*document, tags.value(), *table, at, filledRows, docx::rowsPerTable) +
                         document->substr(table->end);
    package.setPart(std::string(mainDocumentPart), std::move(filled));
    return package.write(outputPath);
}

} // namespace trellon
