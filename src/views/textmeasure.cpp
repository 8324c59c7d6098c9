// Line breaking and text widths.
#include "textmeasure.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <vector>

namespace trellon {
namespace {

QString withoutTrailingSpaces(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    text.truncate(end);
    return text;
}

// The places after which a line may end, the end of the text included.
std::vector<qsizetype> lineBreaks(const QString& text)
{
    std::vector<qsizetype> breaks;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    for (qsizetype at = finder.toNextBoundary(); at != -1; at = finder.toNextBoundary())
        breaks.push_back(at);
    if (breaks.empty() || breaks.back() != text.size())
        breaks.push_back(text.size());
    return breaks;
}

} // namespace

QStringList breakLines(const QString& text, double width, const QFontMetricsF& metrics)
{
    const std::vector<qsizetype> breaks = lineBreaks(text);
    const auto piece = [&](qsizetype from, qsizetype to) { return withoutTrailingSpaces(text.mid(from, to - from)); };
    const auto fits = [&](qsizetype from, qsizetype to) { return metrics.horizontalAdvance(piece(from, to)) <= width; };
    QStringList lines;
    qsizetype start = 0;
    auto next = breaks.begin();
    while (start < text.size()) {
        next = std::upper_bound(next, breaks.end(), start);
        qsizetype end = -1;
        for (auto at = next; at != breaks.end() && fits(start, *at); ++at)
            end = *at;
        if (end < 0) {
            // Too wide a piece: as many of its characters as fit, at least one, never half a surrogate pair.
            const qsizetype pieceEnd = next != breaks.end() ? *next : text.size();
            const auto step = [&](qsizetype at) { return at + (text.at(at).isHighSurrogate() ? 2 : 1); };
            end = step(start);
            while (end < pieceEnd && fits(start, step(end)))
                end = step(end);
        }
        lines << piece(start, end);
        start = end;
    }
    return lines;
}

TextMeasure::TextMeasure(const QFont& font)
    : metrics_(font), lineHeight_(static_cast<int>(std::ceil(metrics_.lineSpacing())))
{
}

double TextMeasure::width(const QString& text)
{
    const auto known = widths_.constFind(text);
    if (known != widths_.constEnd())
        return *known;
    const double measured = metrics_.horizontalAdvance(text);
    widths_.insert(text, measured);
    return measured;
}

double TextMeasure::widestPiece(const QString& text)
{
    const auto known = pieces_.constFind(text);
    if (known != pieces_.constEnd())
        return *known;
    double widest = 0.0;
    qsizetype from = 0;
    for (const qsizetype to : lineBreaks(text)) {
        widest = std::max(widest, metrics_.horizontalAdvance(withoutTrailingSpaces(text.mid(from, to - from))));
        from = to;
    }
    pieces_.insert(text, widest);
    return widest;
}

int TextMeasure::lineCount(const QString& text, double width)
{
    if (this->width(text) <= width)
        return 1;
    return static_cast<int>(breakLines(text, width, metrics_).size());
}

} // namespace trellon
