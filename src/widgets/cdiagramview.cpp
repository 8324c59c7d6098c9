// Member choice and painting shared by the diagram views.
#include "cdiagramview.h"

#include "projectsession.h"

#include <QPainter>

namespace trellon {

CDiagramView::CDiagramView(ProjectSession& session, TestMode mode, QWidget* parent)
    : QWidget(parent), session_(session), mode_(mode)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&session_, &ProjectSession::projectReplaced, this, &CDiagramView::showReplacedProject);
    connect(&session_, &ProjectSession::membersEdited, this, qOverload<>(&CDiagramView::update));
}

void CDiagramView::selectMember(int listPosition)
{
    const Project* project = session_.project();
    if (project && memberIndexInMode(project->members, mode_, listPosition) >= 0)
        listPosition_ = listPosition;
    update();
}

int CDiagramView::memberIndex() const
{
    const Project* project = session_.project();
    return project ? memberIndexInMode(project->members, mode_, listPosition_) : -1;
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
    return index >= 0 ? &session_.project()->members[static_cast<std::size_t>(index)] : nullptr;
}

// A new project is shown from its first member of the mode, as the control panel lists it.
void CDiagramView::showReplacedProject()
{
    listPosition_ = 0;
    update();
}

} // namespace trellon
