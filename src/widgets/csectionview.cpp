// Section window view.
#include "csectionview.h"

#include "projectsession.h"
#include "views/diagramscale.h"
#include "views/sectiondiagram.h"

#include <QPainter>

namespace trellon {

CSectionView::CSectionView(ProjectSession& session, QWidget* parent) : QWidget(parent), session_(session)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&session_, &ProjectSession::projectReplaced, this, &CSectionView::showReplacedProject);
    connect(&session_, &ProjectSession::membersEdited, this, qOverload<>(&CSectionView::update));
}

void CSectionView::selectSectionMember(int listPosition)
{
    const Project* project = session_.project();
    if (project && memberIndexInMode(project->members, TestMode::section, listPosition) >= 0)
        listPosition_ = listPosition;
    update();
}

int CSectionView::memberIndex() const
{
    const Project* project = session_.project();
    return project ? memberIndexInMode(project->members, TestMode::section, listPosition_) : -1;
}

int CSectionView::spanCount() const
{
    const MemberRecord* member = shownMember();
    return member ? sectionSpanCount(*member) : 0;
}

QSize CSectionView::sizeHint() const
{
    return {800, 500};
}

void CSectionView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintSectionDiagram(painter, rect(), shownMember());
}

const MemberRecord* CSectionView::shownMember() const
{
    const int index = memberIndex();
    return index >= 0 ? &session_.project()->members[static_cast<std::size_t>(index)] : nullptr;
}

// A new project is shown from its first section member, as the control panel lists it.
void CSectionView::showReplacedProject()
{
    listPosition_ = 0;
    update();
}

} // namespace trellon
