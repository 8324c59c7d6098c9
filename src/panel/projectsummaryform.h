// The selected single-point member's design values and figures, shown beside the member list.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace trellon {

class PanelHost;
struct MemberRecord;
class ProjectDocument;

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
        // The member's cover statistics, below the fields the instrument gives.
        meanCover,
        standardDeviation,
        characteristicCover,
        passRate,
    };
    static constexpr int fieldCount = 14;

    ProjectSummaryForm(ProjectDocument& document, PanelHost& host, QWidget* parent = nullptr);

    // Shows the document's selected single-point member; every field is empty without one.
    void refresh();
    // Stores a design diameter typed but not yet confirmed.
    void commitTypedValue();

    QLineEdit& field(Field which) { return *fields_[static_cast<int>(which)]; }
    QLabel& label(Field which) { return *labels_[static_cast<int>(which)]; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    // A field to type into is in the Tab chain; a figure to read is not.
    static void setTypable(QLineEdit& field, bool typable);
    // The typed design diameter goes to the selected member as one step of the document's history.
    void designDiameterEdited();
    // False (with the message, and the field reset to 0) when the lower deviation is neither negative nor zero.
    bool lowerDeviationAcceptable();

    ProjectDocument& document_;
    PanelHost& host_;
    // The statistics of the values the member is judged on.
    void showCoverStatistics(const MemberRecord& member);

    QLabel* labels_[fieldCount];
    QLineEdit* fields_[fieldCount];
    int shownMember_ = -1; // the member whose values the fields show
};

} // namespace trellon
