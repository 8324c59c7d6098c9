// Section window view.
#include "csectionview.h"

#include "views/diagramscale.h"
#include "views/sectiondiagram.h"

namespace trellon {

CSectionView::CSectionView(ProjectDocument& document, QWidget* parent)
    : CDiagramView(document, TestMode::section, parent)
{
}

int CSectionView::spanCount() const
{
    const MemberRecord* member = shownMember();
    return member ? sectionSpanCount(*member) : 0;
}

void CSectionView::paintDiagram(QPainter& painter, const MemberRecord* member)
{
    paintSectionDiagram(painter, rect(), member, DiagramTitle::shown, passColours(), DiagramWords::translated);
}

} // namespace trellon
