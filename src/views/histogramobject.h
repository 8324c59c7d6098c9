// A histogram of cover values drawn inside a text document, so the evaluation page shows it on screen and prints
// it as lines and text rather than as a picture.
#pragma once

#include "evaluation/coverstatistics.h"

#include <QObject>
#include <QSizeF>
#include <QTextObjectInterface>

#include <vector>

class QPainter;
class QTextCharFormat;
class QTextDocument;

namespace trellon {

// The covers a member accepts: designCover + lowerDeviation to designCover + upperDeviation.
struct AcceptedRange {
    double low = 0.0;
    double high = 0.0;
    double design = 0.0;
    bool operator==(const AcceptedRange&) const = default;
};

// Draws the classes as bars in rect, over the classes of the accepted ranges shaded, with a count axis and a
// cover axis in mm.
void paintCoverHistogram(QPainter& painter, const QRectF& rect, const CoverHistogram& classes,
                         const std::vector<AcceptedRange>& ranges);

// The format of one object character that draws the histogram, sizeMm wide and high on paper.
QTextCharFormat histogramFormat(const CoverHistogram& classes, const std::vector<AcceptedRange>& ranges, QSizeF sizeMm);

// Lets the document draw the characters of histogramFormat; the handler belongs to the document.
void registerHistogramObject(QTextDocument& document);

class HistogramObject final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    using QObject::QObject;
    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;
};

} // namespace trellon
