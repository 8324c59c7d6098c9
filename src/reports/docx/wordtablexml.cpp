// Serialisation of WordTable rows, cells and paragraphs.
#include "wordtablexml.h"

#include "tablejoint.h"
#include "tableparts.h"
#include "xmlscan.h"

#include <algorithm>
#include <numeric>
#include <span>

namespace trellon::docx {
namespace {

constexpr int twipsPerPoint = 20;
constexpr int cellSideMarginTwips = 40; // narrow, so three digits at 14 pt fit a 30 pt column

std::string twips(int points)
{
    return std::to_string(points * twipsPerPoint);
}

const char* alignmentValue(Alignment alignment)
{
    switch (alignment) {
    case Alignment::centred:
        return "center";
    case Alignment::justified:
        return "both";
    case Alignment::left:
        break;
    }
    return "left";
}

void appendParagraph(std::string& out, const CellParagraph& paragraph)
{
    const std::string size = std::to_string(paragraph.pointSize * 2);
    const std::string runProperties =
        "<w:rPr><w:b w:val=\"0\"/><w:sz w:val=\"" + size + "\"/><w:szCs w:val=\"" + size + "\"/></w:rPr>";
    out += "<w:p><w:pPr><w:spacing w:before=\"0\" w:after=\"0\"/><w:jc w:val=\"";
    out += alignmentValue(paragraph.alignment);
    out += "\"/>" + runProperties + "</w:pPr>";
    if (!paragraph.text.empty())
        out += "<w:r>" + runProperties + "<w:t xml:space=\"preserve\">" + escapeXml(paragraph.text) + "</w:t></w:r>";
    out += "</w:p>";
}

void appendCell(std::string& out, const TableCell& cell, int widthPoints)
{
    out += "<w:tc><w:tcPr><w:tcW w:w=\"" + twips(widthPoints) + "\" w:type=\"dxa\"/>";
    if (cell.columnSpan > 1)
        out += "<w:gridSpan w:val=\"" + std::to_string(cell.columnSpan) + "\"/>";
    if (cell.verticalMerge == VerticalMerge::first)
        out += "<w:vMerge w:val=\"restart\"/>";
    else if (cell.verticalMerge == VerticalMerge::continued)
        out += "<w:vMerge/>";
    if (cell.verticallyCentred)
        out += "<w:vAlign w:val=\"center\"/>";
    out += "</w:tcPr>";
    if (cell.paragraphs.empty())
        appendParagraph(out, CellParagraph{}); // every cell needs a paragraph, merged ones too
    for (const CellParagraph& paragraph : cell.paragraphs)
        appendParagraph(out, paragraph);
    out += "</w:tc>";
}

void appendRow(std::string& out, const TableRow& row, const std::vector<int>& widths)
{
    out += "<w:tr><w:trPr>";
    if (row.minimumHeightPoints > 0)
        out += "<w:trHeight w:val=\"" + twips(row.minimumHeightPoints) + "\" w:hRule=\"atLeast\"/>";
    if (row.repeatsOnEveryPage)
        out += "<w:tblHeader/>";
    out += "</w:trPr>";
    std::size_t column = 0;
    for (const TableCell& cell : row.cells) {
        const std::size_t span = static_cast<std::size_t>(std::max(cell.columnSpan, 1));
        const std::size_t from = std::min(column, widths.size());
        const std::size_t to = std::min(column + span, widths.size());
        appendCell(out, cell,
                   std::accumulate(widths.begin() + static_cast<std::ptrdiff_t>(from),
                                   widths.begin() + static_cast<std::ptrdiff_t>(to), 0));
        column += span;
    }
    out += "</w:tr>";
}

void openTable(std::string& out, const std::vector<int>& widths, Edge top, Edge bottom)
{
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    out += "<w:tbl><w:tblPr><w:tblW w:w=\"" + twips(total) + "\" w:type=\"dxa\"/><w:jc w:val=\"center\"/>";
    out += "<w:tblBorders>" + tableBorderXml("top", top) + tableBorderXml("left", Edge::ruled) +
           tableBorderXml("bottom", bottom) + tableBorderXml("right", Edge::ruled) +
           tableBorderXml("insideH", Edge::ruled) + tableBorderXml("insideV", Edge::ruled) + "</w:tblBorders>";
    out += "<w:tblLayout w:type=\"fixed\"/><w:tblCellMar><w:left w:w=\"" + std::to_string(cellSideMarginTwips) +
           "\" w:type=\"dxa\"/><w:right w:w=\"" + std::to_string(cellSideMarginTwips) +
           "\" w:type=\"dxa\"/></w:tblCellMar><w:tblLook w:val=\"0000\"/></w:tblPr><w:tblGrid>";
    for (const int width : widths)
        out += "<w:gridCol w:w=\"" + twips(width) + "\"/>";
    out += "</w:tblGrid>";
}

} // namespace

std::string wordTableXml(const WordTable& table, std::size_t maxRowsPerTable)
{
    const std::span<const TableRow> rows(table.rows);
    const auto repeating = [](const TableRow& row) { return row.repeatsOnEveryPage; };
    const auto firstRepeating = std::find_if(rows.begin(), rows.end(), repeating);
    const auto headingBegin = firstRepeating == rows.end() ? rows.begin() : firstRepeating;
    const auto headingEnd = std::find_if_not(headingBegin, rows.end(), repeating);
    const std::span<const TableRow> lead(rows.begin(), headingBegin);
    const std::span<const TableRow> heading(headingBegin, headingEnd);
    const std::span<const TableRow> body(headingEnd, rows.end());

    std::string out;
    if (!lead.empty()) {
        openTable(out, table.columnWidthsPoints, Edge::ruled, Edge::open);
        for (const TableRow& row : lead)
            appendRow(out, row, table.columnWidthsPoints);
        out += "</w:tbl>";
        out += jointParagraphXml();
    }
    std::string headingXml;
    for (const TableRow& row : heading)
        appendRow(headingXml, row, table.columnWidthsPoints);
    auto parts = cutIntoParts(body, maxRowsPerTable);
    if (parts.empty() && !heading.empty())
        parts.emplace_back();
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const bool last = p + 1 == parts.size();
        openTable(out, table.columnWidthsPoints, p == 0 ? Edge::ruled : Edge::joined,
                  last ? Edge::ruled : Edge::joined);
        out += headingXml;
        for (const TableRow& row : parts[p])
            appendRow(out, row, table.columnWidthsPoints);
        out += "</w:tbl>";
        if (!last)
            out += jointParagraphXml();
    }
    return out;
}

} // namespace trellon::docx
