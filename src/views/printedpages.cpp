// Pages of a print run.
#include "printedpages.h"

#include "gridpage.h"
#include "listpages.h"
#include "pagecanvas.h"
#include "pageheaderfooter.h"
#include "sectionpage.h"

#include "model/testmode.h"

#include <QPainter>

namespace trellon {

namespace {

bool startsWithRunMarker(const MemberRecord& member)
{
    return member.sampleAt(0) == runMarker;
}

} // namespace

PrintedPages::PrintedPages(const Project& project, const PrintSettings& settings)
    : project_(project), settings_(settings), count_(countPrintPages(project))
{
    for (std::size_t i = 0; i < project.members.size(); ++i) {
        const MemberRecord& member = project.members[i];
        if (!member.checked || !startsWithRunMarker(member))
            continue;
        const TestModeDigit digit = testModeDigit(member);
        if (digit == TestModeDigit::grid && (member.xBarCount > 0 || member.yBarCount > 0))
            gridMembers_.push_back(static_cast<std::int32_t>(i));
        if (digit == TestModeDigit::section && member.xBarCount > 0)
            sectionMembers_.push_back(static_cast<std::int32_t>(i));
    }
}

void PrintedPages::paintPage(QPainter& painter, std::int32_t page) const
{
    PageCanvas canvas(painter);
    const std::int32_t total = pageCount();
    drawPageHeader(canvas, settings_, page, total);
    paintListPart(canvas, project_, page, listLineHeight(*painter.device()));

    const std::int64_t grid = std::int64_t{page} - count_.list - 1;
    const std::int64_t section = grid - count_.grid;
    if (grid >= 0 && grid < std::ssize(gridMembers_)) {
        canvas.setFont(paper::bodyFont());
        paintGridPage(canvas, project_.members[static_cast<std::size_t>(gridMembers_[grid])]);
    } else if (section >= 0 && section < std::ssize(sectionMembers_)) {
        canvas.setFont(paper::bodyFont());
        paintSectionPage(canvas, project_.members[static_cast<std::size_t>(sectionMembers_[section])]);
    }
    drawPageFooter(canvas, settings_, page, total);
}

} // namespace trellon
