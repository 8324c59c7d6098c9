// Line breaking and text widths.
#include "textmeasure.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <vector>

namespace trellon {
namespace {

QStringView withoutTrailingSpaces(QStringView text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
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

QFont withoutKerning(QFont font)
{
    font.setKerning(false);
    return font;
}

} // namespace

TextMeasure::TextMeasure(QFont font)
    : font_(withoutKerning(std::move(font))), metrics_(font_),
      lineHeight_(static_cast<int>(std::ceil(metrics_.lineSpacing())))
{
    ascii_.fill(-1.0);
}

double TextMeasure::advance(char32_t character)
{
    if (character < ascii_.size()) {
        double& known = ascii_[character];
        if (known < 0.0)
            known = metrics_.horizontalAdvance(QChar(static_cast<char16_t>(character)));
        return known;
    }
    const auto known = others_.constFind(character);
    if (known != others_.constEnd())
        return *known;
    const double measured = metrics_.horizontalAdvance(QString::fromUcs4(&character, 1));
    others_.insert(character, measured);
    return measured;
}

double TextMeasure::width(QStringView text)
{
    double total = 0.0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar unit = text[at];
        if (unit.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
            total += advance(QChar::surrogateToUcs4(unit, text[++at]));
        else
            total += advance(unit.unicode());
    }
    return total;
}

double TextMeasure::widestPiece(const QString& text)
{
    const auto known = pieces_.constFind(text);
    if (known != pieces_.constEnd())
        return *known;
    double widest = 0.0;
    qsizetype from = 0;
    for (const qsizetype to : lineBreaks(text)) {
        widest = std::max(widest, width(withoutTrailingSpaces(QStringView(text).sliced(from, to - from))));
        from = to;
    }
    pieces_.insert(text, widest);
    return widest;
}

QStringList TextMeasure::breakLines(const QString& text, double width)
{
    const std::vector<qsizetype> breaks = lineBreaks(text);
    const auto piece = [&](qsizetype from, qsizetype to) {
        return withoutTrailingSpaces(QStringView(text).sliced(from, to - from));
    };
    const auto fits = [&](qsizetype from, qsizetype to) { return this->width(piece(from, to)) <= width; };
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
        lines << piece(start, end).toString();
        start = end;
    }
    return lines;
}

int TextMeasure::lineCount(const QString& text, double width)
{
    if (this->width(text) <= width)
        return 1;
    return static_cast<int>(breakLines(text, width).size());
}

} // namespace trellon
