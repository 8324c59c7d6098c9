// Evaluation report pages.
#include "evaluationpages.h"

#include "coverhistogram.h"
#include "pagecanvas.h"
#include "tablecolumns.h"
#include "textmeasure.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace trellon {
namespace {

constexpr int cellPadding = 45;
constexpr int histogramWidth = 9071;  // 160 mm
constexpr int histogramHeight = 3118; // 55 mm
constexpr int rowsBetweenStopChecks = 64;

struct Spacing {
    int before = 0;
    int after = 0;
};

QFont reportFont(double points, bool bold = false)
{
    QFont font = PageCanvas::font(QStringLiteral("宋体"), points);
    font.setBold(bold);
    return font;
}

// Headings in the plain strokes of 黑体, which stand out where a bold 宋体 has no face of its own.
QFont headingFont(double points)
{
    return PageCanvas::font(QStringLiteral("黑体"), points);
}

QFont paragraphFont(ReportTextStyle style)
{
    switch (style) {
    case ReportTextStyle::title:
        return headingFont(16);
    case ReportTextStyle::heading:
        return headingFont(13);
    case ReportTextStyle::subheading:
        return headingFont(11);
    case ReportTextStyle::body:
        break;
    }
    return reportFont(10);
}

QFont tableFont(bool headings)
{
    return reportFont(8, headings);
}

Spacing spacingOf(const ReportBlock& block)
{
    if (const auto* paragraph = std::get_if<ReportParagraph>(&block)) {
        switch (paragraph->style) {
        case ReportTextStyle::title:
            return {0, 240};
        case ReportTextStyle::heading:
            return {360, 120};
        case ReportTextStyle::subheading:
            return {240, 120};
        case ReportTextStyle::body:
            break;
        }
        return {0, 120};
    }
    return {0, 240};
}

QString qtext(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

double cellRoom(double columnWidth)
{
    return std::max(1.0, columnWidth - 2 * cellPadding);
}

// The texts of one table row in the columns given, their top at rowTop (twips below the text area's top).
void drawRow(PageCanvas& canvas, const std::vector<std::string>& cells, const std::vector<double>& columns, int rowTop,
             bool centred)
{
    const QFontMetricsF metrics(canvas.painter().font());
    const int lineHeight = static_cast<int>(std::ceil(metrics.lineSpacing()));
    double x = reportpage::left;
    for (std::size_t c = 0; c < cells.size() && c < columns.size(); ++c) {
        const double room = cellRoom(columns[c]);
        const QString text = qtext(cells[c]);
        const QStringList lines =
            metrics.horizontalAdvance(text) <= room ? QStringList{text} : breakLines(text, room, metrics);
        int y = -(reportpage::top + rowTop + cellPadding);
        for (const QString& line : lines) {
            const double shift = centred ? std::max(0.0, (room - metrics.horizontalAdvance(line)) / 2) : 0.0;
            canvas.drawTextWithin(static_cast<int>(std::lround(x + cellPadding + shift)), y, static_cast<int>(room),
                                  line);
            y -= lineHeight;
        }
        x += columns[c];
    }
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
    TextMeasure cells(tableFont(false));
    TextMeasure headings(tableFont(true));
    layouts_.resize(report_.blocks.size());
    for (std::size_t i = 0; i < report_.blocks.size(); ++i) {
        BlockLayout& layout = layouts_[i];
        const ReportBlock& block = report_.blocks[i];
        if (const auto* paragraph = std::get_if<ReportParagraph>(&block)) {
            TextMeasure measure(paragraphFont(paragraph->style));
            layout.height = measure.lineHeight() * measure.lineCount(qtext(paragraph->text), reportpage::textWidth);
        } else if (std::holds_alternative<ReportHistogram>(block)) {
            layout.height = histogramHeight;
        } else {
            const ReportTable& table = std::get<ReportTable>(block);
            const std::size_t columns = table.headings.size();
            std::vector<double> natural(columns), least(columns);
            for (std::size_t c = 0; c < columns; ++c) {
                const QString heading = qtext(table.headings[c]);
                natural[c] = headings.width(heading);
                least[c] = headings.widestPiece(heading);
            }
            for (std::size_t r = 0; r < table.rows.size(); ++r) {
                if (r % rowsBetweenStopChecks == 0 && stop != nullptr && stop->load())
                    return false;
                for (std::size_t c = 0; c < columns && c < table.rows[r].size(); ++c) {
                    const QString text = qtext(table.rows[r][c]);
                    natural[c] = std::max(natural[c], cells.width(text));
                    least[c] = std::max(least[c], cells.widestPiece(text));
                }
            }
            for (std::size_t c = 0; c < columns; ++c) {
                natural[c] += 2 * cellPadding + 1;
                least[c] += 2 * cellPadding + 1;
            }
            layout.columns = columnWidths(natural, least, reportpage::textWidth);
            const auto rowHeight = [&](const std::vector<std::string>& row, TextMeasure& measure) {
                int lines = 1;
                for (std::size_t c = 0; c < columns && c < row.size(); ++c)
                    lines = std::max(lines, measure.lineCount(qtext(row[c]), cellRoom(layout.columns[c])));
                return lines * measure.lineHeight() + 2 * cellPadding;
            };
            layout.height = rowHeight(table.headings, headings);
            layout.rowHeights.reserve(table.rows.size());
            for (const std::vector<std::string>& row : table.rows)
                layout.rowHeights.push_back(rowHeight(row, cells));
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
    for (const Piece& piece : pages_[static_cast<std::size_t>(page - 1)]) {
        const ReportBlock& block = report_.blocks[piece.block];
        const BlockLayout& layout = layouts_[piece.block];
        if (const auto* paragraph = std::get_if<ReportParagraph>(&block)) {
            canvas.setFont(paragraphFont(paragraph->style));
            const QFontMetricsF metrics(canvas.painter().font());
            const int lineHeight = static_cast<int>(std::ceil(metrics.lineSpacing()));
            const QStringList lines = breakLines(qtext(paragraph->text), reportpage::textWidth, metrics);
            int y = -(reportpage::top + piece.top);
            for (const QString& line : lines) {
                const bool centred = paragraph->style == ReportTextStyle::title;
                const double shift = centred ? (reportpage::textWidth - metrics.horizontalAdvance(line)) / 2 : 0.0;
                canvas.drawText(reportpage::left + static_cast<int>(std::lround(std::max(0.0, shift))), y, line);
                y -= lineHeight;
            }
        } else if (const auto* histogram = std::get_if<ReportHistogram>(&block)) {
            QPainter& p = canvas.painter();
            p.save();
            p.scale(1, -1); // twips downwards from the printable area's corner
            const QRectF rect(reportpage::left + (reportpage::textWidth - histogramWidth) / 2.0,
                              reportpage::top + piece.top, histogramWidth, histogramHeight);
            paintCoverHistogram(p, rect, histogram->classes, histogram->ranges);
            p.restore();
        } else {
            const ReportTable& table = std::get<ReportTable>(block);
            std::vector<int> edges{piece.top, piece.top + layout.height};
            for (std::int32_t row = piece.firstRow; row < piece.endRow; ++row)
                edges.push_back(edges.back() + layout.rowHeights[static_cast<std::size_t>(row)]);
            const int right = static_cast<int>(
                std::lround(reportpage::left + std::accumulate(layout.columns.begin(), layout.columns.end(), 0.0)));
            for (const int edge : edges)
                canvas.drawLine(reportpage::left, -(reportpage::top + edge), right, -(reportpage::top + edge));
            double x = reportpage::left;
            for (std::size_t c = 0; c <= layout.columns.size(); ++c) {
                const int at = static_cast<int>(std::lround(x));
                canvas.drawLine(at, -(reportpage::top + edges.front()), at, -(reportpage::top + edges.back()));
                if (c < layout.columns.size())
                    x += layout.columns[c];
            }
            canvas.setFont(tableFont(true));
            drawRow(canvas, table.headings, layout.columns, edges[0], true);
            canvas.setFont(tableFont(false));
            for (std::int32_t row = piece.firstRow; row < piece.endRow; ++row)
                drawRow(canvas, table.rows[static_cast<std::size_t>(row)], layout.columns,
                        edges[static_cast<std::size_t>(row - piece.firstRow) + 1], false);
        }
    }
    canvas.setFont(reportFont(9));
    const int footerTop = -(reportpage::top + reportpage::textHeight);
    canvas.drawText(PageBox{reportpage::left, footerTop, reportpage::left + reportpage::textWidth,
                            footerTop - reportpage::footerHeight},
                    Qt::AlignHCenter | Qt::AlignBottom, evaluationFooterText(page, pageCount()));
}

} // namespace trellon
