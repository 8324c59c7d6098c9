// View of the section window: the diagram of the section member chosen in the control panel.
#pragma once

#include "model/memberrecord.h"

#include <QWidget>

namespace trellon {

class ProjectSession;

class CSectionView : public QWidget {
    Q_OBJECT

public:
    explicit CSectionView(ProjectSession& session, QWidget* parent = nullptr);

    // Shows the section member at listPosition among the project's section members, counted from 0 in array
    // order, and repaints. When there is no such member the view keeps the one it showed.
    void selectSectionMember(int listPosition);

    // Array index of the member shown, or -1 when the loaded project has none at the chosen position.
    // Resolved afresh from the project on every call, so it never refers to a replaced project.
    int memberIndex() const;
    // Largest bar position of the member shown divided by 2000; 0 when none is shown.
    int spanCount() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const MemberRecord* shownMember() const;
    void showReplacedProject();

    ProjectSession& session_;
    int listPosition_ = 0;
};

} // namespace trellon
