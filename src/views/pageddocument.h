// Pages that a printer, a PDF or a screen draws one at a time: A4 sheets, each painted from the top-left corner
// of the area a common printer prints on.
#pragma once

#include <QImage>

#include <cstdint>
#include <functional>
#include <map>

class QPagedPaintDevice;
class QPainter;

namespace trellon {

// An A4 sheet in twips, and the unprintable border of a common printer inside which every page is placed.
namespace sheet {
constexpr int width = 11906;
constexpr int height = 16838;
constexpr int printableMargin = 360;
} // namespace sheet

class PagedDocument {
public:
    virtual ~PagedDocument() = default;

    virtual std::int32_t pageCount() const = 0;
    // Paints page `page` (1 … pageCount()) on the painter's device, whose origin must be the top-left corner of
    // the printable area.
    virtual void paintPage(QPainter& painter, std::int32_t page) const = 0;
};

// The height in pixels of a sheet `width` pixels wide.
int sheetHeightFor(int width);

// Page `page` on a whole sheet of white paper `width` pixels wide, as a screen shows it; drawn at
// devicePixelRatio device pixels a pixel.
QImage sheetImage(const PagedDocument& document, std::int32_t page, int width, double devicePixelRatio = 1.0);

// Pictures of some pages by page number, as sheetImage draws them.
using SheetPictures = std::map<std::int32_t, QImage>;

// Told how many pages are painted so far; returns false to stop.
using PageProgress = std::function<bool(std::int32_t painted)>;

// Paints pages first … last (clamped to the document) onto a device, a new sheet for each, telling progress after
// each page. False when painting could not start on the device or was stopped; nothing is painted when the
// document has no page.
bool paintPages(const PagedDocument& document, QPagedPaintDevice& device, std::int32_t first, std::int32_t last,
                const PageProgress& progress = {});

} // namespace trellon
