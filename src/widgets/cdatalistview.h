// View of the list window: the readings of the current single-point member with their pass marks, and the
// cell editor that corrects a reading in place.
#pragma once

#include <QString>
#include <QTableWidget>

class QLineEdit;

namespace trellon {

class ProjectSession;
class UserPrompts;
struct MemberRecord;

class CDataListView : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int numberColumn = 0;
    static constexpr int diameterColumn = 1;
    static constexpr int coverColumn = 2;
    static constexpr int markColumn = 3;
    // A reading is one byte of the instrument.
    static constexpr int maxReading = 255;

    // prompts outlives the view.
    CDataListView(ProjectSession& session, UserPrompts& prompts, QWidget* parent = nullptr);

    // Rebuilds the rows from the current member (selectedMember); empty without a single-point member.
    void refreshValues();
    // refreshValues, then the √/× column of every row.
    void refreshPassMarks();
    // Array index of the n-th single-point member (digits "1" and "2"), counted from 0; -1 when there is none.
    int singlePointMemberIndex(int n) const;

    // Stores the leading integer of text in the reading behind the cell ("12x" stores 12), writes it back into
    // the cell, recomputes the statistics and updates the row's mark. A text without leading digits, or a value
    // outside 0 to maxReading, is refused with a message and the cell shows the stored reading again. Cells
    // without a reading behind them store nothing; the statistics are recomputed all the same.
    void commitCellEdit(int row, int column, const QString& text);

    // Places the editor on the cell as a press on it does; false (editor hidden) when the cell is not editable.
    bool openCellEditor(int row, int column);
    QLineEdit& cellEditor() { return *editor_; }
    int editorRow() const { return editorRow_; }
    int editorColumn() const { return editorColumn_; }

signals:
    // A reading was committed; the summary form shows the member's figures again.
    void readingCommitted();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The member at selectedMember when it is a single-point member, else null.
    MemberRecord* currentMember() const;
    bool isEditable(int row, int column) const;
    void commitOpenEditor();
    void hideEditor();
    void writeMark(int row);

    ProjectSession& session_;
    UserPrompts& prompts_;
    QLineEdit* editor_;
    int editorRow_ = -1;
    int editorColumn_ = -1;
};

} // namespace trellon
