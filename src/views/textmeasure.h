// Widths and line breaks of texts in one font, for pages that lay out their own paragraphs and table cells.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <QStringList>

namespace trellon {

// The text in lines no wider than `width`, broken where line breaking allows, and between characters where a
// piece is wider than a line. Spaces at the ends of lines are dropped.
QStringList breakLines(const QString& text, double width, const QFontMetricsF& metrics);

// Measures in one font, remembering the widths of the texts it was asked about: a report repeats many of them.
class TextMeasure {
public:
    explicit TextMeasure(const QFont& font);

    const QFontMetricsF& metrics() const { return metrics_; }
    // The distance from one line's top to the next, whole units.
    int lineHeight() const { return lineHeight_; }
    // The width of the text on one line.
    double width(const QString& text);
    // The width of the widest piece the text cannot be broken inside.
    double widestPiece(const QString& text);
    // The number of lines the text takes at `width`.
    int lineCount(const QString& text, double width);

private:
    QFontMetricsF metrics_;
    int lineHeight_;
    QHash<QString, double> widths_;
    QHash<QString, double> pieces_;
};

} // namespace trellon
