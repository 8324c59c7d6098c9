// Serialisation of WordTable rows, cells and paragraphs.
#include "wordtablexml.h"

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

void appendTable(std::string& out, std::span<const TableRow> rows, const std::vector<int>& widths, bool openAtBottom)
{
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    const auto border = [](const char* edge, bool drawn) {
        return std::string("<w:") + edge +
               (drawn ? " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>" : " w:val=\"nil\"/>");
    };
    out += "<w:tbl><w:tblPr><w:tblW w:w=\"" + twips(total) + "\" w:type=\"dxa\"/><w:jc w:val=\"center\"/>";
    out += "<w:tblBorders>" + border("top", true) + border("left", true) + border("bottom", !openAtBottom) +
           border("right", true) + border("insideH", true) + border("insideV", true) + "</w:tblBorders>";
    out += "<w:tblLayout w:type=\"fixed\"/><w:tblCellMar><w:left w:w=\"" + std::to_string(cellSideMarginTwips) +
           "\" w:type=\"dxa\"/><w:right w:w=\"" + std::to_string(cellSideMarginTwips) +
           "\" w:type=\"dxa\"/></w:tblCellMar><w:tblLook w:val=\"0000\"/></w:tblPr><w:tblGrid>";
    for (const int width : widths)
        out += "<w:gridCol w:w=\"" + twips(width) + "\"/>";
    out += "</w:tblGrid>";
    for (const TableRow& row : rows)
        appendRow(out, row, widths);
    out += "</w:tbl>";
}

} // namespace

std::string wordTableXml(const WordTable& table)
{
    const auto firstRepeating =
        std::find_if(table.rows.begin(), table.rows.end(), [](const TableRow& row) { return row.repeatsOnEveryPage; });
    const auto lead = static_cast<std::size_t>(
        firstRepeating == table.rows.end() ? 0 : std::distance(table.rows.begin(), firstRepeating));
    const std::span<const TableRow> rows(table.rows);
    std::string out;
    if (lead > 0) {
        appendTable(out, rows.first(lead), table.columnWidthsPoints, true);
        out += "<w:p><w:pPr><w:spacing w:before=\"0\" w:after=\"0\" w:line=\"20\" w:lineRule=\"exact\"/>"
               "<w:rPr><w:vanish/><w:sz w:val=\"2\"/><w:szCs w:val=\"2\"/></w:rPr></w:pPr></w:p>";
    }
    appendTable(out, rows.subspan(lead), table.columnWidthsPoints, false);
    return out;
}

} // namespace trellon::docx
