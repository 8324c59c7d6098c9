// A print run of the checked members: list pages, then a grid page per grid member, then a section page per
// section member, each with the header, footer and page number of the print settings. The pages are written in
// Chinese whatever the language of the interface.
#pragma once

#include "pageddocument.h"

#include "model/pagecount.h"
#include "model/printsettings.h"
#include "model/project.h"

#include <cstdint>
#include <vector>

class QPagedPaintDevice;

namespace trellon {

class PrintedPages final : public PagedDocument {
public:
    // Fixes the pages of the project as it is now; the project must outlive the pages and stay unchanged.
    PrintedPages(const Project& project, const PrintSettings& settings);

    const PageCount& count() const { return count_; }
    std::int32_t pageCount() const override { return count_.total(); }

    // Array indexes of the members with a grid page and with a section page, in page order. Grid and section
    // members counted for a page but lacking the run marker have none: the last pages of their run stay empty.
    const std::vector<std::int32_t>& gridPageMembers() const { return gridMembers_; }
    const std::vector<std::int32_t>& sectionPageMembers() const { return sectionMembers_; }

    void paintPage(QPainter& painter, std::int32_t page) const override;

    // Pages first … last, or all, onto a device, as trellon::paintPages.
    bool paintPages(QPagedPaintDevice& device, std::int32_t first, std::int32_t last) const
    {
        return trellon::paintPages(*this, device, first, last);
    }
    bool paintAllPages(QPagedPaintDevice& device) const { return paintPages(device, 1, pageCount()); }

private:
    const Project& project_;
    PrintSettings settings_;
    PageCount count_;
    std::vector<std::int32_t> gridMembers_;
    std::vector<std::int32_t> sectionMembers_;
};

} // namespace trellon
