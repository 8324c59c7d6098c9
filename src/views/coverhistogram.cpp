// Cover histogram picture.
#include "coverhistogram.h"

#include "passcolours.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace trellon {
namespace {

constexpr QColor barColour{70, 110, 170};

// A step of 1, 2 or 5 times a power of ten that divides span into at most `most` parts.
double tickStep(double span, int most)
{
    most = std::max(most, 1);
    for (double decade = 1.0;; decade *= 10.0)
        for (const double multiple : {1.0, 2.0, 5.0})
            if (span / (multiple * decade) <= most)
                return multiple * decade;
}

void drawTextAt(QPainter& painter, QPointF anchor, Qt::Alignment alignment, const QString& text)
{
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    QPointF at = anchor;
    if (alignment & Qt::AlignHCenter)
        at.rx() -= width / 2;
    else if (alignment & Qt::AlignRight)
        at.rx() -= width;
    if (alignment & Qt::AlignVCenter)
        at.ry() += (metrics.ascent() - metrics.descent()) / 2;
    else if (alignment & Qt::AlignTop)
        at.ry() += metrics.ascent();
    painter.drawText(at, text);
}

} // namespace

void paintCoverHistogram(QPainter& painter, const QRectF& rect, const CoverHistogram& classes,
                         const std::vector<AcceptedRange>& ranges)
{
    painter.save();
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(std::max(1, static_cast<int>(rect.height() / 14)));
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double line = metrics.height();

    // The cover axis spans the classes and the accepted ranges, a millimetre clear on either side.
    double from = classes.empty() ? 0.0 : classes.front().from;
    double to = classes.empty() ? 1.0 : classes.back().from + 1.0;
    for (const AcceptedRange& r : ranges) {
        from = std::min(from, std::floor(r.low));
        to = std::max(to, std::floor(r.high) + 1.0);
    }
    from -= 1.0;
    to += 1.0;
    int most = 1;
    for (const HistogramClass& c : classes)
        most = std::max(most, c.count);
    const double countStep = tickStep(most, 5);
    const double top = std::ceil(most / countStep) * countStep;

    const QRectF area(
        QPointF(rect.left() + metrics.horizontalAdvance(QString::number(top)) + 2.2 * line, rect.top() + line * 0.5),
        QPointF(rect.right() - line * 0.5, rect.bottom() - 2.6 * line));
    const auto x = [&](double cover) { return area.left() + (cover - from) / (to - from) * area.width(); };
    const auto y = [&](double count) { return area.bottom() - count / top * area.height(); };

    // The band covers the classes that hold acceptable covers: a cover at the upper limit lies in the class
    // beginning there.
    for (const AcceptedRange& r : ranges)
        painter.fillRect(
            QRectF(QPointF(x(std::floor(r.low)), area.top()), QPointF(x(std::floor(r.high) + 1.0), area.bottom())),
            toleranceBandColour);
    const double gap = 0.08 * area.width() / (to - from);
    for (const HistogramClass& c : classes)
        painter.fillRect(QRectF(QPointF(x(c.from) + gap, y(c.count)), QPointF(x(c.from + 1.0) - gap, area.bottom())),
                         barColour);
    QPen design(designCoverColour, area.height() / 200.0, Qt::DashLine);
    painter.setPen(design);
    for (const AcceptedRange& r : ranges)
        painter.drawLine(QPointF(x(r.design), area.top()), QPointF(x(r.design), area.bottom()));

    QPen axis(Qt::black, area.height() / 250.0);
    painter.setPen(axis);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());
    const double tick = line * 0.3;
    for (double count = 0; count <= top + 1e-9; count += countStep) {
        painter.drawLine(QPointF(area.left() - tick, y(count)), QPointF(area.left(), y(count)));
        drawTextAt(painter, QPointF(area.left() - tick * 1.5, y(count)), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(count));
    }
    const double coverStep = tickStep(to - from, static_cast<int>(area.width() / (line * 2.5)));
    for (double cover = std::ceil(from / coverStep) * coverStep; cover <= to + 1e-9; cover += coverStep) {
        painter.drawLine(QPointF(x(cover), area.bottom()), QPointF(x(cover), area.bottom() + tick));
        drawTextAt(painter, QPointF(x(cover), area.bottom() + tick), Qt::AlignHCenter | Qt::AlignTop,
                   QString::number(cover));
    }
    drawTextAt(painter, QPointF(area.center().x(), rect.bottom() - line * 0.2), Qt::AlignHCenter,
               QStringLiteral("保护层厚度（mm）"));
    painter.save();
    painter.translate(rect.left() + line * 0.2, area.center().y());
    painter.rotate(-90);
    drawTextAt(painter, QPointF(0, 0), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("测点数"));
    painter.restore();
    painter.restore();
}

} // namespace trellon
