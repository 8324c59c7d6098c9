// What the section and grid windows' views share: the member of their mode chosen by its list position.
#pragma once

#include "views/passcolours.h"

#include "model/memberrecord.h"
#include "model/testmode.h"

#include <QWidget>

class QPainter;

namespace trellon {

class ProjectDocument;

class CDiagramView : public QWidget {
    Q_OBJECT

public:
    // Array index of the member shown, or -1 when the loaded project has none at the chosen position.
    // Resolved afresh from the project on every call, so it never refers to a replaced project.
    int memberIndex() const;

    QSize sizeHint() const override;

    // Marks coloured by pass state, or black; repaints.
    void setPassColours(PassColours colours);
    PassColours passColours() const { return passColours_; }

protected:
    CDiagramView(ProjectDocument& document, TestMode mode, QWidget* parent);

    // Shows the member at listPosition among the project's members of the mode, counted from 0 in array
    // order, and repaints. When there is no such member the view keeps the one it showed.
    void selectMember(int listPosition);
    // The member shown, or null.
    const MemberRecord* shownMember() const;

    void paintEvent(QPaintEvent* event) override;
    virtual void paintDiagram(QPainter& painter, const MemberRecord* member) = 0;

private:
    void showReplacedProject();

    ProjectDocument& document_;
    const TestMode mode_;
    int listPosition_ = 0;
    PassColours passColours_ = PassColours::on;
};

} // namespace trellon
