// Painting a paged document onto a device.
#include "pageddocument.h"

#include "pagecanvas.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace trellon {

int sheetHeightFor(int width)
{
    return static_cast<int>(std::lround(static_cast<double>(width) * sheet::height / sheet::width));
}

QImage sheetImage(const PagedDocument& document, std::int32_t page, int width, double devicePixelRatio)
{
    const int height = sheetHeightFor(width);
    QImage image(static_cast<int>(std::lround(width * devicePixelRatio)),
                 static_cast<int>(std::lround(height * devicePixelRatio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double pixelsPerTwip = static_cast<double>(width) / sheet::width;
    painter.translate(sheet::printableMargin * pixelsPerTwip, sheet::printableMargin * pixelsPerTwip);
    // The page scales itself by the image's resolution; this makes up the rest.
    const double zoom = pixelsPerTwip * twipsPerInch / image.logicalDpiX();
    painter.scale(zoom, zoom);
    document.paintPage(painter, page);
    return image;
}

bool paintPages(const PagedDocument& document, QPagedPaintDevice& device, std::int32_t first, std::int32_t last,
                const PageProgress& progress)
{
    first = std::max(first, 1);
    last = std::min(last, document.pageCount());
    if (first > last)
        return true;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (std::int32_t page = first; page <= last; ++page) {
        if (page > first && !device.newPage())
            return false;
        document.paintPage(painter, page);
        if (progress && !progress(page - first + 1)) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

} // namespace trellon
