// View of the grid window: the diagram of the grid member chosen in the control panel.
#pragma once

#include "cdiagramview.h"

namespace trellon {

class CGridView : public CDiagramView {
    Q_OBJECT

public:
    explicit CGridView(ProjectDocument& document, QWidget* parent = nullptr);

    // The member at listPosition among the grid members (see CDiagramView::selectMember).
    void selectGridMember(int listPosition) { selectMember(listPosition); }

    // The larger of the largest X and Y positions of the member shown divided by 2000; 0 when none is shown.
    int spanCount() const;

protected:
    void paintDiagram(QPainter& painter, const MemberRecord* member) override;
};

} // namespace trellon
