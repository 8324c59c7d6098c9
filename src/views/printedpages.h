// A print run of the checked members: list pages, then a grid page per grid member, then a section page per
// section member, each with the header, footer and page number of the print settings. The pages are written in
// Chinese whatever the language of the interface.
#pragma once

#include "model/pagecount.h"
#include "model/printsettings.h"
#include "model/project.h"

#include <cstdint>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace trellon {

class PrintedPages {
public:
    // Fixes the pages of the project as it is now; the project must outlive the pages and stay unchanged.
    PrintedPages(const Project& project, const PrintSettings& settings);

    const PageCount& count() const { return count_; }
    std::int32_t pageCount() const { return count_.total(); }

    // Array indexes of the members with a grid page and with a section page, in page order. Grid and section
    // members counted for a page but lacking the run marker have none: the last pages of their run stay empty.
    const std::vector<std::int32_t>& gridPageMembers() const { return gridMembers_; }
    const std::vector<std::int32_t>& sectionPageMembers() const { return sectionMembers_; }

    // Paints page `page` (1 … pageCount()) on the painter's device, whose origin must be the top-left corner of
    // the printable area.
    void paintPage(QPainter& painter, std::int32_t page) const;

    // Paints pages first … last (clamped to the run) onto a device, a new sheet for each. False when painting
    // could not start on the device; nothing is painted when the run has no page.
    bool paintPages(QPagedPaintDevice& device, std::int32_t first, std::int32_t last) const;
    bool paintAllPages(QPagedPaintDevice& device) const { return paintPages(device, 1, pageCount()); }

private:
    const Project& project_;
    PrintSettings settings_;
    PageCount count_;
    std::vector<std::int32_t> gridMembers_;
    std::vector<std::int32_t> sectionMembers_;
};

} // namespace trellon
