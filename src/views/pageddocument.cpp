// Painting a paged document onto a device.
#include "pageddocument.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace trellon {

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
