// Grid window view.
#include "cgridview.h"

#include "views/diagramscale.h"
#include "views/griddiagram.h"

namespace trellon {

CGridView::CGridView(ProjectDocument& document, QWidget* parent) : CDiagramView(document, TestMode::grid, parent) {}

int CGridView::spanCount() const
{
    const MemberRecord* member = shownMember();
    return member ? gridSpanCount(*member) : 0;
}

void CGridView::paintDiagram(QPainter& painter, const MemberRecord* member)
{
    paintGridDiagram(painter, rect(), member, DiagramTitle::shown, passColours(), DiagramWords::translated);
}

} // namespace trellon
