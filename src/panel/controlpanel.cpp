// Control panel of the main window's Workspace dock.
#include "controlpanel.h"

#include "leadinginteger.h"
#include "panelhost.h"
#include "parametergrid.h"
#include "projectinfodialog.h"
#include "projectsummaryform.h"

#include "widgets/cgridctrl.h"
#include "widgets/projectsession.h"
#include "widgets/userprompts.h"

#include "model/gbk.h"
#include "model/statistics.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace trellon {

ControlPanel::ControlPanel(ProjectSession& session, PanelHost& host, QWidget* parent)
    : QWidget(parent), session_(session), host_(host), memberList_(new QListWidget(this)), grid_(new CGridCtrl(this)),
      summaryForm_(new ProjectSummaryForm(session, host, this))
{
    const QString modeTexts[] = {tr("单点测试"), tr("剖面测试"), tr("网格测试")};
    auto* modeRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        modeButtons_[i] = new QRadioButton(modeTexts[i], this);
        modeRow->addWidget(modeButtons_[i]);
    }
    modeRow->addStretch();
    memberList_->setSelectionMode(QAbstractItemView::SingleSelection);
    memberList_->setFixedWidth(90);

    auto* body = new QHBoxLayout;
    body->addWidget(memberList_);
    body->addWidget(grid_, 1);
    body->addWidget(summaryForm_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(modeRow);
    layout->addLayout(body, 1);

    grid_->setEditable(true);
    grid_->deleteAllItems();
    grid_->hide();
    modeButtons_[0]->setChecked(true);

    projectInfoEditor_ = [this](QWidget* dialogParent, const ProjectInfo& initial) -> std::optional<ProjectInfo> {
        ProjectInfoDialog dialog(host_.prompts(), dialogParent);
        dialog.setValues(initial);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.values();
    };

    connect(modeButtons_[0], &QRadioButton::clicked, this, &ControlPanel::showSinglePointMode);
    connect(modeButtons_[1], &QRadioButton::clicked, this, [this] { showBarMode(TestMode::section); });
    connect(modeButtons_[2], &QRadioButton::clicked, this, [this] { showBarMode(TestMode::grid); });
    // A mouse press makes the line current before it selects it: the panel follows the selection only.
    connect(memberList_, &QListWidget::itemSelectionChanged, this, &ControlPanel::memberSelectionChanged);
    connect(memberList_, &QListWidget::itemDoubleClicked, this, &ControlPanel::showProjectInformation);
    connect(grid_, &CGridCtrl::cellEdited, this, [this](int row, int column) { storeCellEdits({{column, row}}); });
    connect(grid_, &CGridCtrl::cellsChangedByClipboard, this, &ControlPanel::storeCellEdits);
    connect(&session_, &ProjectSession::projectReplaced, this, &ControlPanel::projectReplaced);
}

ControlPanel::~ControlPanel() = default;

QRadioButton& ControlPanel::modeButton(TestMode mode)
{
    return *modeButtons_[static_cast<int>(mode)];
}

TestMode ControlPanel::mode() const
{
    if (modeButtons_[2]->isChecked())
        return TestMode::grid;
    if (modeButtons_[1]->isChecked())
        return TestMode::section;
    return TestMode::singlePoint;
}

void ControlPanel::chooseMode(TestMode mode)
{
    modeButton(mode).setChecked(true);
    if (mode == TestMode::singlePoint)
        showSinglePointMode();
    else
        showBarMode(mode);
}

void ControlPanel::fillMemberList(TestMode mode)
{
    const QSignalBlocker quiet(memberList_);
    memberList_->clear();
    const Project* project = session_.project();
    if (project == nullptr)
        return;
    for (const MemberRecord& member : project->members) {
        if (!belongsToTestMode(member, mode))
            continue;
        auto* line = new QListWidgetItem(QString::fromStdString(gbkToUtf8(member.number)), memberList_);
        line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
        line->setCheckState(member.checked != 0 ? Qt::Checked : Qt::Unchecked);
    }
    if (memberList_->count() > 0)
        memberList_->setCurrentRow(0);
    if (mode == TestMode::singlePoint && project->memberCount() > 0) {
        grid_->hide();
        summaryForm_->show();
    }
}

void ControlPanel::storeCheckMarks()
{
    Project* project = session_.project();
    if (project == nullptr || memberList_->count() == 0 || chosenLine() < 0)
        return;
    // The kind listed is that of line 0, whatever the radio buttons say now.
    MemberRecord probe;
    probe.number = memberList_->item(0)->text().toStdString();
    TestMode listed = TestMode::singlePoint;
    if (belongsToTestMode(probe, TestMode::section))
        listed = TestMode::section;
    else if (belongsToTestMode(probe, TestMode::grid))
        listed = TestMode::grid;
    else if (!belongsToTestMode(probe, TestMode::singlePoint))
        return;
    int line = 0;
    for (MemberRecord& member : project->members) {
        if (!belongsToTestMode(member, listed))
            continue;
        if (line >= memberList_->count())
            break;
        member.checked = memberList_->item(line++)->checkState() == Qt::Checked ? 1 : 0;
    }
}

void ControlPanel::refreshSummaryForm()
{
    summaryForm_->refresh();
}

void ControlPanel::showSinglePointMode()
{
    flushCellEdits();
    summaryForm_->show();
    host_.showListWindow();
    grid_->deleteAllItems();
    grid_->hide();
    shownMember_ = -1;
    storeCheckMarks();
    if (const Project* project = session_.project())
        session_.state().selectedMember = memberIndexInMode(project->members, TestMode::singlePoint, 0);
    else
        session_.state().selectedMember = -1;
    fillMemberList(TestMode::singlePoint);
    session_.setCurrentTestMode(TestMode::singlePoint);
    refreshSummaryForm();
    host_.refreshListValues();
    host_.refreshListPassMarks();
}

void ControlPanel::showBarMode(TestMode mode)
{
    flushCellEdits();
    grid_->show();
    summaryForm_->hide();
    storeCheckMarks();
    fillMemberList(mode);
    session_.setCurrentTestMode(mode);
    if (mode == TestMode::section)
        host_.showSectionMember(0);
    else
        host_.showGridMember(0);
    showMemberInGrid(mode, selectedListMember());
}

void ControlPanel::memberSelectionChanged()
{
    flushCellEdits();
    const int line = chosenLine();
    if (line < 0)
        return;
    switch (mode()) {
    case TestMode::singlePoint: {
        const Project* project = session_.project();
        session_.state().selectedMember =
            project != nullptr ? memberIndexInMode(project->members, TestMode::singlePoint, line) : -1;
        host_.showListWindow();
        host_.refreshListValues();
        if (session_.state().selectedMember < 0)
            return;
        refreshSummaryForm();
        host_.refreshListPassMarks();
        return;
    }
    case TestMode::section:
        host_.showSectionMember(line);
        showMemberInGrid(TestMode::section, selectedListMember());
        return;
    case TestMode::grid:
        host_.showGridMember(line);
        showMemberInGrid(TestMode::grid, selectedListMember());
        return;
    }
}

void ControlPanel::projectReplaced()
{
    // The list and the grid belong to the project that is gone: nothing of them may reach the new one.
    shownMember_ = -1;
    flushCellEdits();
    {
        const QSignalBlocker quiet(memberList_);
        memberList_->clear();
    }
    chooseMode(TestMode::singlePoint);
}

int ControlPanel::chosenLine() const
{
    const QList<QListWidgetItem*> selected = memberList_->selectedItems();
    return selected.isEmpty() ? -1 : memberList_->row(selected.front());
}

int ControlPanel::selectedListMember() const
{
    const Project* project = session_.project();
    const int line = chosenLine();
    if (project == nullptr || line < 0)
        return -1;
    return memberIndexInMode(project->members, mode(), line);
}

void ControlPanel::flushCellEdits()
{
    if (flushing_)
        return;
    flushing_ = true;
    grid_->finishEditing();
    flushing_ = false;
}

void ControlPanel::showMemberInGrid(TestMode layout, int memberIndex)
{
    flushCellEdits();
    const bool sameMember = layout == shownLayout_ && memberIndex == shownMember_;
    const QModelIndex focus = grid_->currentIndex();
    const int focusRow = focus.row();
    const int focusColumn = focus.column();
    const int scrolledRows = grid_->verticalScrollBar()->value();
    const int scrolledColumns = grid_->horizontalScrollBar()->value();

    grid_->setRedraw(false);
    MemberRecord* member = session_.member(memberIndex);
    if (layout == TestMode::section) {
        if (member != nullptr)
            fillSectionGrid(*grid_, *member);
        else
            layOutSectionGrid(*grid_);
    } else {
        if (member != nullptr)
            fillGridGrid(*grid_, *member);
        else
            layOutGridGrid(*grid_);
    }
    shownLayout_ = layout;
    shownMember_ = member != nullptr ? memberIndex : -1;
    if (sameMember && focusRow >= 0 && focusRow < grid_->rowCount() && focusColumn < grid_->columnCount())
        grid_->setCurrentIndex(grid_->model()->index(focusRow, focusColumn));
    if (sameMember) {
        grid_->verticalScrollBar()->setValue(scrolledRows);
        grid_->horizontalScrollBar()->setValue(scrolledColumns);
    }
    grid_->setRedraw(true);
}

void ControlPanel::storeCellEdits(const QList<QPoint>& cells)
{
    Project* project = session_.project();
    MemberRecord* member = session_.member(shownMember_);
    if (project == nullptr || member == nullptr || shownLayout_ == TestMode::singlePoint || !hasBarRuns(*member))
        return;
    bool rejected = false;
    for (const QPoint& cell : cells) {
        const auto bar =
            shownLayout_ == TestMode::section ? sectionBarCell(cell.y(), cell.x()) : gridBarCell(cell.y(), cell.x());
        if (!bar)
            continue;
        const std::int64_t value = leadingInteger(grid_->itemText(cell.y(), cell.x()));
        rejected |= storeBarValue(*member, bar->run, bar->bar, bar->field, value) == BarEdit::outOfRange;
    }
    // A rejected value disappears from its cell: the grid shows what the member holds.
    barsChanged();
    if (rejected)
        host_.prompts().showMessage(this, tr("您输入的数据越界"));
}

void ControlPanel::barsChanged()
{
    if (Project* project = session_.project())
        (void)recomputeStatistics(*project);
    showMemberInGrid(shownLayout_, shownMember_);
    host_.repaintDiagrams();
    session_.notifyMembersEdited();
}

void ControlPanel::insertRowAbove()
{
    insertRow(false);
}

void ControlPanel::insertRowBelow()
{
    insertRow(true);
}

std::pair<BarRun, int> ControlPanel::selectedBar() const
{
    const CellRange target = grid_->selectedCellRange();
    const bool section = shownLayout_ == TestMode::section;
    const BarRun run = section ? BarRun::section : gridRunOfColumn(target.minColumn);
    return {run, target.minRow - (section ? sectionFirstBarRow : gridFirstBarRow)};
}

void ControlPanel::insertRow(bool below)
{
    flushCellEdits();
    MemberRecord* member = session_.member(shownMember_);
    if (mode() == TestMode::singlePoint || member == nullptr || !hasBarRuns(*member))
        return;
    const auto [run, bar] = selectedBar();
    if (insertBar(*member, run, bar, below))
        barsChanged();
}

void ControlPanel::deleteBar()
{
    flushCellEdits();
    MemberRecord* member = session_.member(shownMember_);
    // In single-point mode the request has no bar to act on and is ignored.
    if (mode() == TestMode::singlePoint || member == nullptr || !hasBarRuns(*member))
        return;
    const auto [run, bar] = selectedBar();
    if (bar < 0 || bar >= barCount(*member, run))
        return;
    if (host_.prompts().ask(this, tr("您确认要删除这根钢筋吗?"), QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    if (trellon::deleteBar(*member, run, bar))
        barsChanged();
}

void ControlPanel::showProjectInformation()
{
    flushCellEdits();
    if (chosenLine() < 0)
        return;
    // The ticks the user sees are the ones "ticked members" applies to.
    storeCheckMarks();
    const int index = selectedListMember();
    Project* project = session_.project();
    MemberRecord* member = session_.member(index);
    if (project == nullptr || member == nullptr)
        return;
    const ProjectInfo initial{member->name, member->designCover, member->upperDeviation, member->lowerDeviation,
                              ApplyTo::currentMember};
    const std::optional<ProjectInfo> chosen = projectInfoEditor_(this, initial);
    if (!chosen)
        return;
    for (MemberRecord& other : project->members) {
        if (chosen->applyTo == ApplyTo::allMembers ||
            (chosen->applyTo == ApplyTo::tickedMembers && other.checked != 0)) {
            other.designCover = chosen->designCover;
            other.upperDeviation = chosen->upperDeviation;
            other.lowerDeviation = chosen->lowerDeviation;
        }
    }
    member = session_.member(selectedListMember());
    if (member == nullptr)
        return;
    member->name = chosen->name;
    member->designCover = chosen->designCover;
    member->upperDeviation = chosen->upperDeviation;
    member->lowerDeviation = chosen->lowerDeviation;
    session_.notifyMembersEdited();
    host_.repaintDiagrams();
    memberSelectionChanged();
}

} // namespace trellon
