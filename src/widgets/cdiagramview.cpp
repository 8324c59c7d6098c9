// Member choice and painting shared by the diagram views.
#include "cdiagramview.h"

#include "document/projectdocument.h"

#include <QPainter>

namespace trellon {

CDiagramView::CDiagramView(ProjectDocument& document, TestMode mode, QWidget* parent)
    : QWidget(parent), document_(document), mode_(mode)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&document_, &ProjectDocument::projectReplaced, this, &CDiagramView::showReplacedProject);
    connect(&document_, &ProjectDocument::membersChanged, this, qOverload<>(&CDiagramView::update));
}

void CDiagramView::selectMember(int listPosition)
{
    const Project* project = document_.project();
    if (project && memberIndexInMode(project->members, mode_, listPosition) >= 0)
        listPosition_ = listPosition;
    update();
}

int CDiagramView::memberIndex() const
{
    const Project* project = document_.project();
    return project ? memberIndexInMode(project->members, mode_, listPosition_) : -1;
}

void CDiagramView::setPassColours(PassColours colours)
{
    passColours_ = colours;
    update();
}

QSize CDiagramView::sizeHint() const
{
    return {800, 500};
}

void CDiagramView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintDiagram(painter, shownMember());
}

const MemberRecord* CDiagramView::shownMember() const
{
    const int index = memberIndex();
    return index >= 0 ? &document_.project()->members[static_cast<std::size_t>(index)] : nullptr;
}

// A new project is shown from its first member of the mode, as the control panel lists it.
void CDiagramView::showReplacedProject()
{
    listPosition_ = 0;
    update();
}

} // namespace trellon
