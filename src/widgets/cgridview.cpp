// Grid window view.
#include "cgridview.h"

#include "projectsession.h"
#include "views/diagramscale.h"
#include "views/griddiagram.h"

#include <QPainter>

namespace trellon {

CGridView::CGridView(ProjectSession& session, QWidget* parent) : QWidget(parent), session_(session)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&session_, &ProjectSession::projectReplaced, this, &CGridView::showReplacedProject);
    connect(&session_, &ProjectSession::membersEdited, this, qOverload<>(&CGridView::update));
}

void CGridView::selectGridMember(int listPosition)
{
    const Project* project = session_.project();
    if (project && memberIndexInMode(project->members, TestMode::grid, listPosition) >= 0)
        listPosition_ = listPosition;
    update();
}

int CGridView::memberIndex() const
{
    const Project* project = session_.project();
    return project ? memberIndexInMode(project->members, TestMode::grid, listPosition_) : -1;
}

int CGridView::spanCount() const
{
    const MemberRecord* member = shownMember();
    return member ? gridSpanCount(*member) : 0;
}

QSize CGridView::sizeHint() const
{
    return {800, 500};
}

void CGridView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintGridDiagram(painter, rect(), shownMember());
}

const MemberRecord* CGridView::shownMember() const
{
    const int index = memberIndex();
    return index >= 0 ? &session_.project()->members[static_cast<std::size_t>(index)] : nullptr;
}

// A new project is shown from its first grid member, as the control panel lists it.
void CGridView::showReplacedProject()
{
    listPosition_ = 0;
    update();
}

} // namespace trellon
