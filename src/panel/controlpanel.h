// The control panel: test mode, member list with ticks, the single-point summary and the parameter grid in which
// bars are corrected, inserted and deleted.
#pragma once

#include "projectinfo.h"

#include "model/baredits.h"
#include "model/testmode.h"

#include <QList>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QListWidget;
class QListWidgetItem;
class QRadioButton;

namespace trellon {

class CGridCtrl;
class PanelHost;
class ProjectDocument;
class ProjectSummaryForm;

class ControlPanel final : public QWidget {
    Q_OBJECT

public:
    // Shows a dialog for the values and returns them, or nothing when cancelled.
    using ProjectInfoEditor = std::function<std::optional<ProjectInfo>(QWidget* parent, const ProjectInfo& initial)>;

    ControlPanel(ProjectDocument& document, PanelHost& host, QWidget* parent = nullptr);
    ~ControlPanel() override;

    // The checked radio button.
    TestMode mode() const;
    // Checks the mode's radio button and runs its procedure, as a click does.
    void chooseMode(TestMode mode);

    // Lists the members of the mode in array order with their ticks and selects line 0.
    void fillMemberList(TestMode mode);
    void refreshSummaryForm();
    // Stores what is typed but not yet confirmed: an open cell of the grid, the summary's design diameter.
    void finishEditing();
    // The project information procedure for the selected line (menu command and double click).
    void showProjectInformation();
    void setProjectInfoEditor(ProjectInfoEditor editor) { projectInfoEditor_ = std::move(editor); }

    // Array index of the member the parameter grid shows, or -1.
    int shownMember() const { return shownMember_; }
    // The run and index of the bar of the shown member whose row holds the grid's selected cell; none in the
    // single-point mode or when that cell is no bar's.
    std::optional<std::pair<BarRun, int>> chosenBar() const;

    QListWidget& memberList() { return *memberList_; }
    CGridCtrl& parameterGrid() { return *grid_; }
    ProjectSummaryForm& summaryForm() { return *summaryForm_; }
    QRadioButton& modeButton(TestMode mode);

public slots:
    // Requests of the diagram windows' toolbar buttons; they act on the top-left cell of the grid's selection. A
    // new bar is selected with its position cell open for typing; a deletion asks, naming the bar.
    void insertRowAbove();
    void insertRowBelow();
    void deleteBar();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showSinglePointMode();
    void showBarMode(TestMode mode);
    void memberSelectionChanged();
    // Opens the window of the panel's mode on the member of the line and shows it in the grid or the form.
    void showChosenMember(int line);
    // The document's selection changed by other means than the panel (undo, redo): the panel follows it.
    void followDocumentSelection();
    // A tick box changed: one step of the document's history.
    void tickChanged(QListWidgetItem* line);
    void membersChanged(const QList<int>& members);
    void projectReplaced();
    void select(TestMode mode, int memberIndex);
    // Array index of the member on a line of the list, or -1.
    int lineMember(int line) const;

    // The line chosen in the member list, the one highlighted (selected), or -1.
    int chosenLine() const;
    // Array index of the member on the chosen line in the panel's mode, or -1.
    int selectedListMember() const;
    // Ends an open cell edit and stores every edit still queued, into the member and layout they were made in.
    void flushCellEdits();
    // Lays the grid out for the mode and fills it from the member (none: the empty layout); the focus cell and the
    // scroll position stay when the member stays.
    void showMemberInGrid(TestMode layout, int memberIndex);
    // Stores typed, pasted or cut cell texts into the member the grid shows.
    void storeCellEdits(const QList<QPoint>& cells);
    void insertRow(bool below);
    // The bar run and bar index of the grid's selected cell (top-left of the selection).
    std::pair<BarRun, int> selectedBar() const;
    // "删除 X 钢筋 3（位置 141 mm，保护层 28 mm）？"
    static QString deleteQuestion(const MemberRecord& member, BarRun run, int bar);

    ProjectDocument& document_;
    PanelHost& host_;
    QRadioButton* modeButtons_[3];
    QListWidget* memberList_;
    CGridCtrl* grid_;
    ProjectSummaryForm* summaryForm_;
    ProjectInfoEditor projectInfoEditor_;
    std::vector<int> lineMembers_; // array index of the member on each line
    int shownMember_ = -1;
    TestMode shownLayout_ = TestMode::singlePoint;
    bool flushing_ = false;
    bool selecting_ = false; // the panel itself is changing the document's selection
};

} // namespace trellon
