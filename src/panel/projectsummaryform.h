// The selected single-point member's design values and figures, shown beside the member list.
#pragma once

#include <QWidget>

class QLineEdit;

namespace trellon {

class PanelHost;
class ProjectSession;

class ProjectSummaryForm final : public QWidget {
    Q_OBJECT

public:
    enum class Field {
        name,
        number,
        sampleCount,
        knownDiameter,
        designDiameter,
        designCover,
        maxCover,
        minCover,
        upperDeviation,
        lowerDeviation,
    };

    ProjectSummaryForm(ProjectSession& session, PanelHost& host, QWidget* parent = nullptr);

    // Shows the session's selected member; every field is empty without one.
    void refresh();

    QLineEdit& field(Field which) { return *fields_[static_cast<int>(which)]; }

private:
    // A typed design value goes to the selected member, then the list's pass marks follow.
    void fieldEdited(Field which);
    // False (with the message, and the field reset to 0) when the lower deviation is neither negative nor zero.
    bool lowerDeviationAcceptable();

    ProjectSession& session_;
    PanelHost& host_;
    QLineEdit* fields_[10];
};

} // namespace trellon
