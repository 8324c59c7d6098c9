// View of the list window: the readings of the current single-point member with their pass marks, and the
// cell editor that corrects a reading in place.
#pragma once

#include <QPoint>
#include <QString>
#include <QTableWidget>

#include <optional>

class QLineEdit;

namespace trellon {

class ProjectDocument;
class UserPrompts;
struct MemberRecord;

class CDataListView : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int numberColumn = 0;
    static constexpr int diameterColumn = 1;
    static constexpr int coverColumn = 2;
    static constexpr int markColumn = 3;

    // prompts outlives the view.
    CDataListView(ProjectDocument& document, UserPrompts& prompts, QWidget* parent = nullptr);

    // Rebuilds the rows from the current member (selectedMember); empty without a single-point member.
    void refreshValues();
    // refreshValues, then the √/× column of every row.
    void refreshPassMarks();
    // Array index of the n-th single-point member (digits "1" and "2"), counted from 0; -1 when there is none.
    int singlePointMemberIndex(int n) const;

    // Sets the reading behind the cell to the leading integer of text ("12x" sets 12, with a note in the status
    // bar that only the whole number was kept), one step of the document's history. A text without leading
    // digits, or a value the document refuses as out of range, is refused with a message and the cell shows the
    // stored reading again; false then. Cells without a reading behind them store nothing.
    bool commitCellEdit(int row, int column, const QString& text);
    // A new reading row (0) above or below the current row, with the editor open on it; at the end without one.
    void insertReadingRow(bool below);
    // Deletes the current row's reading (and its diameter); the Delete key does the same.
    void deleteReadingRow();
    // Stores the text of an open editor, as a press elsewhere in the list does.
    void commitOpenEditor();

    // Places the editor on the cell as a press on it does; false (editor hidden) when the cell is not editable.
    bool openCellEditor(int row, int column);
    QLineEdit& cellEditor() { return *editor_; }
    int editorRow() const { return editorRow_; }
    int editorColumn() const { return editorColumn_; }

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();
    // The selected member when it is a single-point member, else null.
    const MemberRecord* currentMember() const;
    // Index of the reading a cell shows, or -1.
    std::int64_t readingBehind(int row, int column) const;
    // The rows again after an edit of the member, keeping the current row and the scroll position.
    void showEditedReadings();
    bool isEditable(int row, int column) const;
    // The cell Up, Down, Tab or Shift+Tab moves the open editor to: the next editable cell in that direction,
    // the same cell at either end of the list; none for other keys.
    std::optional<QPoint> cellAfterKey(const QKeyEvent& key) const;
    // Stores the editor's text, as Enter does, and opens the editor on the cell (x column, y row) with the row
    // highlighted; a refused text keeps the editor where it was.
    void moveEditorTo(QPoint cell);
    void hideEditor();
    void writeMark(int row);

    ProjectDocument& document_;
    UserPrompts& prompts_;
    QLineEdit* editor_;
    int editorRow_ = -1;
    int editorColumn_ = -1;
};

} // namespace trellon
