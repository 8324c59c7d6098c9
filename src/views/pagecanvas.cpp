// Page coordinates on a painter.
#include "pagecanvas.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace trellon {

PageCanvas::PageCanvas(QPainter& painter) : painter_(painter), metrics_(painter.font(), painter.device())
{
    painter_.save();
    const QPaintDevice* device = painter_.device();
    painter_.scale(device->logicalDpiX() / double{twipsPerInch}, -device->logicalDpiY() / double{twipsPerInch});
    page_ = painter_.worldTransform();
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setBrush(Qt::NoBrush);
    setPen(defaultPen());
}

PageCanvas::~PageCanvas()
{
    painter_.restore();
}

QFont PageCanvas::font(const QString& face, double points)
{
    QFont font(face);
    font.setPixelSize(static_cast<int>(std::lround(points * twipsPerPoint)));
    return font;
}

void PageCanvas::setFont(const QFont& font)
{
    painter_.setFont(font);
    metrics_ = QFontMetrics(font, painter_.device());
}

QPen PageCanvas::defaultPen()
{
    return QPen(Qt::black, 0);
}

QPen PageCanvas::solidPen(int widthTwips)
{
    return QPen(Qt::black, widthTwips, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void PageCanvas::setPen(const QPen& pen)
{
    // A pen thinner than the device's pixel draws as one pixel, as printers do, instead of fading away.
    const double devicePixels = pen.widthF() * painter_.device()->logicalDpiX() / twipsPerInch;
    if (pen.isCosmetic() || devicePixels >= 1.0) {
        painter_.setPen(pen);
        return;
    }
    QPen thinnest = pen;
    thinnest.setWidth(0);
    painter_.setPen(thinnest);
}

void PageCanvas::setBrush(const QColor& colour)
{
    painter_.setBrush(colour);
}

void PageCanvas::drawTextIn(const QTransform& local, const QRectF& rect, int flags, const QString& text)
{
    const QTransform page = painter_.worldTransform();
    const QPen pen = painter_.pen();
    painter_.setWorldTransform(local * page);
    painter_.setPen(Qt::black);
    if (rect.isNull())
        painter_.drawText(QPointF(0, metrics_.ascent()), text);
    else
        painter_.drawText(rect, flags, text);
    painter_.setPen(pen);
    painter_.setWorldTransform(page);
}

void PageCanvas::drawText(int x, int y, const QString& text)
{
    drawTextIn(QTransform(1, 0, 0, -1, x, y), QRectF(), 0, text);
}

void PageCanvas::drawTextWithin(int x, int y, int width, const QString& text)
{
    const int natural = textWidth(text);
    const double narrowing = natural > width && width > 0 ? static_cast<double>(width) / natural : 1.0;
    drawTextIn(QTransform(narrowing, 0, 0, -1, x, y), QRectF(), 0, text);
}

void PageCanvas::drawTextUpwards(int x, int y, const QString& text)
{
    // Along the text is up the page; down the text is to the right.
    drawTextIn(QTransform(0, 1, 1, 0, x, y), QRectF(), 0, text);
}

void PageCanvas::drawText(const PageBox& box, Qt::Alignment alignment, const QString& text)
{
    const QRectF rect(0, 0, box.right - box.left, box.top - box.bottom);
    drawTextIn(QTransform(1, 0, 0, -1, box.left, box.top), rect,
               static_cast<int>(alignment) | Qt::TextSingleLine | Qt::TextDontClip, text);
}

void PageCanvas::drawLine(int x1, int y1, int x2, int y2)
{
    painter_.drawLine(x1, y1, x2, y2);
}

void PageCanvas::drawRect(const PageBox& box)
{
    const QBrush brush = painter_.brush();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(QPointF(box.left, box.bottom), QPointF(box.right, box.top)));
    painter_.setBrush(brush);
}

void PageCanvas::fillRect(const PageBox& box, const QColor& colour)
{
    painter_.fillRect(QRectF(QPointF(box.left, box.bottom), QPointF(box.right, box.top)), colour);
}

void PageCanvas::drawEllipse(const PageBox& box)
{
    painter_.drawEllipse(QRectF(QPointF(box.left, box.bottom), QPointF(box.right, box.top)));
}

void PageCanvas::scaleAbout(int x, int y, double factor)
{
    const QTransform scaling =
        QTransform::fromTranslate(-x, -y) * QTransform::fromScale(factor, factor) * QTransform::fromTranslate(x, y);
    painter_.setWorldTransform(scaling * page_);
}

void PageCanvas::clipTo(const PageBox& box)
{
    painter_.setClipRect(QRectF(QPointF(box.left, box.bottom), QPointF(box.right, box.top)));
}

void PageCanvas::removeClip()
{
    painter_.setClipping(false);
}

} // namespace trellon
