// Evaluation report pages.
#include "evaluationpages.h"

#include "coverhistogram.h"
#include "pagecanvas.h"
#include "reportstyle.h"
#include "tablecolumns.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <span>

namespace trellon {
namespace {

constexpr int cellPadding = 45;
constexpr int histogramWidth = 9071;  // 160 mm
constexpr int histogramHeight = 3118; // 55 mm
constexpr int rowsBetweenStopChecks = 64;

QString qtext(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

double cellRoom(double columnWidth)
{
    return std::max(1.0, columnWidth - 2 * cellPadding);
}

// Page coordinates of a distance below the text area's top.
int pageY(int belowTop)
{
    return -(reportpage::top + belowTop);
}

void paintParagraph(PageCanvas& canvas, TextMeasure& measure, const ReportParagraph& paragraph, int top)
{
    canvas.setFont(measure.font());
    const bool centred = paragraph.style == ReportTextStyle::title;
    int y = pageY(top);
    for (const QString& line : measure.breakLines(qtext(paragraph.text), reportpage::textWidth)) {
        const double shift = centred ? std::max(0.0, (reportpage::textWidth - measure.width(line)) / 2) : 0.0;
        canvas.drawText(reportpage::left + static_cast<int>(std::lround(shift)), y, line);
        y -= measure.lineHeight();
    }
}

void paintHistogram(PageCanvas& canvas, const ReportHistogram& histogram, int top)
{
    QPainter& painter = canvas.painter();
    painter.save();
    painter.scale(1, -1); // twips downwards from the printable area's corner
    const QRectF rect(reportpage::left + (reportpage::textWidth - histogramWidth) / 2.0, reportpage::top + top,
                      histogramWidth, histogramHeight);
    paintCoverHistogram(painter, rect, histogram.classes, histogram.ranges);
    painter.restore();
}

// The texts of one table row in the columns given, the row's top `top` below the text area's top.
void paintRowTexts(PageCanvas& canvas, TextMeasure& measure, const std::vector<std::string>& cells,
                   const std::vector<double>& columns, int top, bool centred)
{
    canvas.setFont(measure.font());
    double x = reportpage::left;
    for (std::size_t c = 0; c < cells.size() && c < columns.size(); ++c) {
        const double room = cellRoom(columns[c]);
        const QString text = qtext(cells[c]);
        const QStringList lines = measure.width(text) <= room ? QStringList{text} : measure.breakLines(text, room);
        int y = pageY(top + cellPadding);
        for (const QString& line : lines) {
            const double shift = centred ? std::max(0.0, (room - measure.width(line)) / 2) : 0.0;
            canvas.drawTextWithin(static_cast<int>(std::lround(x + cellPadding + shift)), y, static_cast<int>(room),
                                  line);
            y -= measure.lineHeight();
        }
        x += columns[c];
    }
}

// The rows [firstRow, endRow) of a table below its column headings, `top` below the text area's top.
void paintTable(PageCanvas& canvas, ReportMeasures& measures, const ReportTable& table,
                const std::vector<double>& columns, int headingHeight, std::span<const int> rowHeights, int top,
                std::size_t firstRow)
{
    std::vector<int> edges{top, top + headingHeight};
    for (const int height : rowHeights)
        edges.push_back(edges.back() + height);
    const double right = std::accumulate(columns.begin(), columns.end(), 0.0) + reportpage::left;
    for (const int edge : edges)
        canvas.drawLine(reportpage::left, pageY(edge), static_cast<int>(std::lround(right)), pageY(edge));
    double x = reportpage::left;
    for (std::size_t c = 0; c <= columns.size(); ++c) {
        const int at = static_cast<int>(std::lround(x));
        canvas.drawLine(at, pageY(edges.front()), at, pageY(edges.back()));
        x += c < columns.size() ? columns[c] : 0.0;
    }
    paintRowTexts(canvas, measures.table(true), table.headings, columns, edges[0], true);
    for (std::size_t k = 0; k < rowHeights.size(); ++k)
        paintRowTexts(canvas, measures.table(false), table.rows[firstRow + k], columns, edges[k + 1], false);
}

// Widest texts and widest unbreakable pieces of a table's columns, cell padding included; false when stopped.
bool measureColumns(const ReportTable& table, ReportMeasures& measures, const std::atomic<bool>* stop,
                    std::vector<double>& natural, std::vector<double>& least)
{
    const std::size_t columns = table.headings.size();
    natural.assign(columns, 0.0);
    least.assign(columns, 0.0);
    const auto measureRow = [&](const std::vector<std::string>& row, TextMeasure& measure) {
        for (std::size_t c = 0; c < columns && c < row.size(); ++c) {
            const QString text = qtext(row[c]);
            const double width = measure.width(text);
            natural[c] = std::max(natural[c], width);
            // A piece is never wider than the whole text, so a narrower text needs no breaking up.
            if (width > least[c])
                least[c] = std::max(least[c], measure.widestPiece(text));
        }
    };
    measureRow(table.headings, measures.table(true));
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (r % rowsBetweenStopChecks == 0 && stop != nullptr && stop->load())
            return false;
        measureRow(table.rows[r], measures.table(false));
    }
    for (std::size_t c = 0; c < columns; ++c) {
        natural[c] += 2 * cellPadding + 1;
        least[c] += 2 * cellPadding + 1;
    }
    return true;
}

int rowHeight(TextMeasure& measure, const std::vector<std::string>& row, const std::vector<double>& columns)
{
    int lines = 1;
    for (std::size_t c = 0; c < columns.size() && c < row.size(); ++c)
        lines = std::max(lines, measure.lineCount(qtext(row[c]), cellRoom(columns[c])));
    return lines * measure.lineHeight() + 2 * cellPadding;
}

} // namespace

QString evaluationFooterText(std::int32_t page, std::int32_t total)
{
    return QStringLiteral("第 %1 页  共 %2 页").arg(page).arg(total);
}

EvaluationPages::EvaluationPages(EvaluationReport report, const std::atomic<bool>* stop) : report_(std::move(report))
{
    if (measure(stop))
        paginate();
}

bool EvaluationPages::measure(const std::atomic<bool>* stop)
{
    ReportMeasures measures;
    layouts_.resize(report_.blocks.size());
    for (std::size_t i = 0; i < report_.blocks.size(); ++i) {
        BlockLayout& layout = layouts_[i];
        const ReportBlock& block = report_.blocks[i];
        if (const auto* paragraph = std::get_if<ReportParagraph>(&block)) {
            TextMeasure& measure = measures.paragraph(paragraph->style);
            layout.height = measure.lineHeight() * measure.lineCount(qtext(paragraph->text), reportpage::textWidth);
        } else if (std::holds_alternative<ReportHistogram>(block)) {
            layout.height = histogramHeight;
        } else {
            const ReportTable& table = std::get<ReportTable>(block);
            std::vector<double> natural;
            std::vector<double> least;
            if (!measureColumns(table, measures, stop, natural, least))
                return false;
            layout.columns = columnWidths(natural, least, reportpage::textWidth);
            layout.height = rowHeight(measures.table(true), table.headings, layout.columns);
            layout.rowHeights.reserve(table.rows.size());
            for (const std::vector<std::string>& row : table.rows)
                layout.rowHeights.push_back(rowHeight(measures.table(false), row, layout.columns));
        }
    }
    return stop == nullptr || !stop->load();
}

int EvaluationPages::keptHeight(std::size_t block) const
{
    const BlockLayout& layout = layouts_[block];
    if (!layout.rowHeights.empty())
        return layout.height + layout.rowHeights.front();
    const auto* paragraph = std::get_if<ReportParagraph>(&report_.blocks[block]);
    if (paragraph == nullptr || !paragraph->keepsWithNext() || block + 1 == report_.blocks.size())
        return layout.height;
    const int gap = std::max(spacingOf(report_.blocks[block]).after, spacingOf(report_.blocks[block + 1]).before);
    return layout.height + gap + keptHeight(block + 1);
}

void EvaluationPages::paginate()
{
    pages_.emplace_back();
    int used = 0;
    int previousAfter = 0;
    const auto startPage = [&] {
        pages_.emplace_back();
        used = 0;
    };
    for (std::size_t i = 0; i < report_.blocks.size(); ++i) {
        const BlockLayout& layout = layouts_[i];
        const Spacing spacing = spacingOf(report_.blocks[i]);
        int gap = used == 0 ? 0 : std::max(previousAfter, spacing.before);
        if (used > 0 && used + gap + keptHeight(i) > reportpage::textHeight) {
            startPage();
            gap = 0;
        }
        Piece piece{i, 0, 0, used + gap, layout.height};
        used += gap + layout.height;
        const auto rows = static_cast<std::int32_t>(layout.rowHeights.size());
        for (std::int32_t row = 0; row < rows; ++row) {
            const int height = layout.rowHeights[static_cast<std::size_t>(row)];
            // A row taller than a page stands alone below the headings rather than nowhere.
            const bool alone = piece.endRow == piece.firstRow && piece.top == 0;
            if (used + height > reportpage::textHeight && !alone) {
                pages_.back().push_back(piece);
                startPage();
                piece = Piece{i, row, row, 0, layout.height};
                used = layout.height;
            }
            piece.endRow = row + 1;
            piece.height += height;
            used += height;
        }
        pages_.back().push_back(piece);
        previousAfter = spacing.after;
    }
}

void EvaluationPages::paintPage(QPainter& painter, std::int32_t page) const
{
    if (page < 1 || page > pageCount())
        return;
    PageCanvas canvas(painter);
    canvas.setPen(PageCanvas::defaultPen());
    ReportMeasures measures;
    for (const Piece& piece : pages_[static_cast<std::size_t>(page - 1)]) {
        const ReportBlock& block = report_.blocks[piece.block];
        if (const auto* paragraph = std::get_if<ReportParagraph>(&block))
            paintParagraph(canvas, measures.paragraph(paragraph->style), *paragraph, piece.top);
        else if (const auto* histogram = std::get_if<ReportHistogram>(&block))
            paintHistogram(canvas, *histogram, piece.top);
        else
            paintTable(canvas, measures, std::get<ReportTable>(block), layouts_[piece.block].columns,
                       layouts_[piece.block].height,
                       std::span(layouts_[piece.block].rowHeights)
                           .subspan(static_cast<std::size_t>(piece.firstRow),
                                    static_cast<std::size_t>(piece.endRow - piece.firstRow)),
                       piece.top, static_cast<std::size_t>(piece.firstRow));
    }
    canvas.setFont(reportFont(9));
    const int footerTop = pageY(reportpage::textHeight);
    canvas.drawText(PageBox{reportpage::left, footerTop, reportpage::left + reportpage::textWidth,
                            footerTop - reportpage::footerHeight},
                    Qt::AlignHCenter | Qt::AlignBottom, evaluationFooterText(page, pageCount()));
}

} // namespace trellon
