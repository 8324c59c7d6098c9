// Widths and line breaks of texts in one font, for pages that lay out their own paragraphs and table cells.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

namespace trellon {

// Measures texts by the advances of their characters, each looked up once. The font is set without kerning, so
// that a text drawn in it is exactly as wide as its characters together.
class TextMeasure {
public:
    explicit TextMeasure(QFont font);

    // The font to draw the measured texts in.
    const QFont& font() const { return font_; }
    // The distance from one line's top to the next, whole units.
    int lineHeight() const { return lineHeight_; }
    // The width of the text on one line.
    double width(QStringView text);
    // The width of the widest piece the text cannot be broken inside; remembered per text, as a report repeats
    // many of them.
    double widestPiece(const QString& text);
    // The text in lines no wider than `width`, broken where line breaking allows, and between characters where a
    // piece is wider than a line. Spaces at the ends of lines are dropped.
    QStringList breakLines(const QString& text, double width);
    // The number of lines the text takes at `width`.
    int lineCount(const QString& text, double width);

private:
    double advance(char32_t character);

    QFont font_;
    QFontMetricsF metrics_;
    int lineHeight_;
    std::array<double, 128> ascii_; // below 0 until looked up
    QHash<char32_t, double> others_;
    QHash<QString, double> pieces_;
};

} // namespace trellon
