// View of the section window: the diagram of the section member chosen in the control panel.
#pragma once

#include "cdiagramview.h"

namespace trellon {

class CSectionView : public CDiagramView {
    Q_OBJECT

public:
    explicit CSectionView(ProjectDocument& document, QWidget* parent = nullptr);

    // The member at listPosition among the section members (see CDiagramView::selectMember).
    void selectSectionMember(int listPosition) { selectMember(listPosition); }

    // Largest bar position of the member shown divided by 2000; 0 when none is shown.
    int spanCount() const;

protected:
    void paintDiagram(QPainter& painter, const MemberRecord* member) override;
};

} // namespace trellon
