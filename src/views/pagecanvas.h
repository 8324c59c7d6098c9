// Painting in the coordinate system of printed pages: twips, origin at the top-left corner of the printable
// area, x to the right and y upwards, so everything on a page has a negative y.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPen>
#include <QString>
#include <QTransform>

class QPainter;

namespace trellon {

constexpr int twipsPerInch = 1440;
constexpr int twipsPerPoint = 20;

// A rectangle by its edges in page coordinates; top lies above bottom, so top > bottom.
struct PageBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Draws on a painter in page coordinates at the resolution of the painter's device. The painter's origin must be
// the top-left corner of the printable area; its state is restored when the canvas goes.
class PageCanvas {
public:
    explicit PageCanvas(QPainter& painter);
    ~PageCanvas();
    PageCanvas(const PageCanvas&) = delete;
    PageCanvas& operator=(const PageCanvas&) = delete;

    QPainter& painter() { return painter_; }

    // A face at a point size, sized in twips so that the page transform keeps it true on every device.
    static QFont font(const QString& face, double points);
    void setFont(const QFont& font);
    // Metrics of the current font on the device, in twips.
    const QFontMetrics& metrics() const { return metrics_; }
    int textWidth(const QString& text) const { return metrics_.horizontalAdvance(text); }

    // The device's thinnest pen, and solid black pens of a width in twips; the canvas draws pens thinner than a
    // device pixel as its thinnest pen.
    static QPen defaultPen();
    static QPen solidPen(int widthTwips);
    void setPen(const QPen& pen);
    void setBrush(const QColor& colour);

    // Text in black with the top-left corner of its first character cell at (x, y).
    void drawText(int x, int y, const QString& text);
    // Text at (x, y) as drawText, narrowed to `width` when it is wider.
    void drawTextWithin(int x, int y, int width, const QString& text);
    // Text running upwards from (x, y), the tops of its characters turned to the left.
    void drawTextUpwards(int x, int y, const QString& text);
    // One line of text aligned inside the box.
    void drawText(const PageBox& box, Qt::Alignment alignment, const QString& text);

    void drawLine(int x1, int y1, int x2, int y2);
    // The outline of the box with the pen.
    void drawRect(const PageBox& box);
    void fillRect(const PageBox& box, const QColor& colour);
    // The ellipse inside the box, outlined with the pen and filled with the brush.
    void drawEllipse(const PageBox& box);

    // Whatever is drawn afterwards is scaled by factor towards (x, y); factor 1 draws at page size again.
    void scaleAbout(int x, int y, double factor);
    // Whatever is drawn afterwards is cut to the box, until removeClip.
    void clipTo(const PageBox& box);
    void removeClip();

private:
    // Draws text whose own frame (x along the text, y downwards) is placed on the page by local.
    void drawTextIn(const QTransform& local, const QRectF& rect, int flags, const QString& text);

    QPainter& painter_;
    QFontMetrics metrics_;
    QTransform page_; // twips, y upwards, onto the device
};

} // namespace trellon
