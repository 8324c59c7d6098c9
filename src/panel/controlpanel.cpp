// Control panel of the main window's Workspace dock.
#include "controlpanel.h"

#include "acceptancemenu.h"
#include "panelhost.h"
#include "parametergrid.h"
#include "projectinfodialog.h"
#include "projectsummaryform.h"

#include "document/projectdocument.h"
#include "widgets/cgridctrl.h"
#include "widgets/inputmessages.h"
#include "widgets/leadinginteger.h"
#include "widgets/userprompts.h"

#include "model/gbk.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace trellon {

ControlPanel::ControlPanel(ProjectDocument& document, PanelHost& host, QWidget* parent)
    : QWidget(parent), document_(document), host_(host), memberList_(new QListWidget(this)), grid_(new CGridCtrl(this)),
      summaryForm_(new ProjectSummaryForm(document, host, this))
{
    auto* modeRow = new QHBoxLayout;
    for (QRadioButton*& button : modeButtons_) {
        button = new QRadioButton(this);
        modeRow->addWidget(button);
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
    retranslate();

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
    connect(memberList_, &QListWidget::itemChanged, this, &ControlPanel::tickChanged);
    connect(memberList_, &QListWidget::itemDoubleClicked, this, &ControlPanel::showProjectInformation);
    memberList_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(memberList_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const int index = lineMember(memberList_->row(memberList_->itemAt(at)));
        if (index >= 0)
            makeAcceptanceMenu(document_, index, this)->exec(memberList_->viewport()->mapToGlobal(at));
    });
    connect(grid_, &CGridCtrl::cellEdited, this, [this](int row, int column) { storeCellEdits({{column, row}}); });
    connect(grid_, &CGridCtrl::cellsChangedByClipboard, this, &ControlPanel::storeCellEdits);
    connect(&document_, &ProjectDocument::projectReplaced, this, &ControlPanel::projectReplaced);
    connect(&document_, &ProjectDocument::membersChanged, this, &ControlPanel::membersChanged);
    connect(&document_, &ProjectDocument::selectionChanged, this, &ControlPanel::followDocumentSelection);
    // The points per bar change what the summary's statistics are taken over.
    connect(&document_, &ProjectDocument::extensionChanged, this, &ControlPanel::refreshSummaryForm);
}

ControlPanel::~ControlPanel() = default;

void ControlPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ControlPanel::retranslate()
{
    const QString modeTexts[] = {tr("单点测试"), tr("剖面测试"), tr("网格测试")};
    for (int i = 0; i < 3; ++i)
        modeButtons_[i]->setText(modeTexts[i]);
    // The grid's labels come with its layout.
    if (!grid_->isHidden())
        showMemberInGrid(shownLayout_, shownMember_);
}

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
    lineMembers_.clear();
    const Project* project = document_.project();
    if (project == nullptr)
        return;
    for (int index = 0; index < project->memberCount(); ++index) {
        const MemberRecord& member = project->members[static_cast<std::size_t>(index)];
        if (!belongsToTestMode(member, mode))
            continue;
        auto* line = new QListWidgetItem(QString::fromStdString(gbkToUtf8(member.number)), memberList_);
        line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
        line->setCheckState(member.checked != 0 ? Qt::Checked : Qt::Unchecked);
        lineMembers_.push_back(index);
    }
    if (memberList_->count() > 0)
        memberList_->setCurrentRow(0);
    if (mode == TestMode::singlePoint && project->memberCount() > 0) {
        grid_->hide();
        summaryForm_->show();
    }
}

void ControlPanel::refreshSummaryForm()
{
    summaryForm_->refresh();
}

void ControlPanel::finishEditing()
{
    flushCellEdits();
    summaryForm_->commitTypedValue();
}

void ControlPanel::select(TestMode mode, int memberIndex)
{
    selecting_ = true;
    document_.select(mode, memberIndex);
    selecting_ = false;
}

int ControlPanel::lineMember(int line) const
{
    return line >= 0 && line < static_cast<int>(lineMembers_.size()) ? lineMembers_[static_cast<std::size_t>(line)]
                                                                     : -1;
}

void ControlPanel::showSinglePointMode()
{
    flushCellEdits();
    summaryForm_->show();
    host_.showListWindow();
    grid_->deleteAllItems();
    grid_->hide();
    shownMember_ = -1;
    fillMemberList(TestMode::singlePoint);
    select(TestMode::singlePoint, lineMember(0));
    refreshSummaryForm();
}

void ControlPanel::showBarMode(TestMode mode)
{
    flushCellEdits();
    grid_->show();
    summaryForm_->hide();
    fillMemberList(mode);
    select(mode, lineMember(0));
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
    select(mode(), lineMember(line));
    showChosenMember(line);
}

void ControlPanel::showChosenMember(int line)
{
    switch (mode()) {
    case TestMode::singlePoint:
        host_.showListWindow();
        refreshSummaryForm();
        return;
    case TestMode::section:
        host_.showSectionMember(line);
        showMemberInGrid(TestMode::section, lineMember(line));
        return;
    case TestMode::grid:
        host_.showGridMember(line);
        showMemberInGrid(TestMode::grid, lineMember(line));
        return;
    }
}

void ControlPanel::followDocumentSelection()
{
    if (selecting_)
        return;
    // Chosen elsewhere, by an undo or a redo: the panel shows the mode and the member the document has.
    flushCellEdits();
    const TestMode wanted = document_.currentTestMode();
    if (wanted != mode() || lineMembers_.empty()) {
        modeButton(wanted).setChecked(true);
        const bool bars = wanted != TestMode::singlePoint;
        grid_->setVisible(bars);
        summaryForm_->setVisible(!bars);
        fillMemberList(wanted);
    }
    const auto found = std::find(lineMembers_.begin(), lineMembers_.end(), document_.selectedMember());
    if (found == lineMembers_.end())
        return;
    const int line = static_cast<int>(found - lineMembers_.begin());
    {
        const QSignalBlocker quiet(memberList_);
        memberList_->setCurrentRow(line);
    }
    showChosenMember(line);
}

void ControlPanel::tickChanged(QListWidgetItem* line)
{
    const int index = lineMember(memberList_->row(line));
    if (index >= 0)
        document_.setChecked({index}, line->checkState() == Qt::Checked);
}

void ControlPanel::membersChanged(const QList<int>& members)
{
    {
        const QSignalBlocker quiet(memberList_);
        for (int line = 0; line < static_cast<int>(lineMembers_.size()); ++line) {
            const MemberRecord* member = document_.member(lineMembers_[static_cast<std::size_t>(line)]);
            if (member != nullptr && members.contains(lineMembers_[static_cast<std::size_t>(line)]))
                memberList_->item(line)->setCheckState(member->checked != 0 ? Qt::Checked : Qt::Unchecked);
        }
    }
    if (shownMember_ >= 0 && members.contains(shownMember_))
        showMemberInGrid(shownLayout_, shownMember_);
    if (members.contains(document_.selectedMember()))
        refreshSummaryForm();
}

void ControlPanel::projectReplaced()
{
    // The list and the grid belong to the project that is gone: nothing of them may reach the new one.
    shownMember_ = -1;
    flushCellEdits();
    {
        const QSignalBlocker quiet(memberList_);
        memberList_->clear();
        lineMembers_.clear();
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
    return lineMember(chosenLine());
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
    const MemberRecord* member = document_.member(memberIndex);
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
    const MemberRecord* member = document_.member(shownMember_);
    if (member == nullptr || shownLayout_ == TestMode::singlePoint || !hasBarRuns(*member))
        return;
    // Every text is read before the value is stored: storing refills the grid.
    std::vector<ProjectDocument::BarValue> typed;
    bool withoutNumber = false;
    std::optional<std::int64_t> keptWholeNumber;
    for (const QPoint& cell : cells) {
        const auto bar =
            shownLayout_ == TestMode::section ? sectionBarCell(cell.y(), cell.x()) : gridBarCell(cell.y(), cell.x());
        if (!bar)
            continue;
        const QString text = grid_->itemText(cell.y(), cell.x());
        // A cleared cell stores 0; other text must begin with the number, and typing refused whole brought none.
        const std::optional<std::int64_t> value = grid_->isInputRefused(cell.y(), cell.x()) ? std::nullopt
                                                  : text.trimmed().isEmpty() ? std::optional<std::int64_t>(0)
                                                                             : leadingInteger(text);
        if (!value) {
            withoutNumber = true;
            continue;
        }
        if (!text.trimmed().isEmpty() && holdsMoreThanWholeMillimetres(text))
            keptWholeNumber = *value;
        typed.push_back({bar->run, bar->bar, bar->field, *value});
    }
    const ProjectDocument::BarValuesEdit edit = document_.setBarValues(shownMember_, typed);
    const std::vector<BarEdit>& outcomes = edit.outcomes;
    const auto rejected = std::find(outcomes.begin(), outcomes.end(), BarEdit::outOfRange);
    const bool stored = edit.stepMade;
    // A rejected or unchanged value gives way to what the member holds.
    if (!stored)
        showMemberInGrid(shownLayout_, shownMember_);
    if (withoutNumber)
        host_.prompts().showMessage(this, notAnIntegerMessage());
    else if (rejected != outcomes.end())
        host_.prompts().showMessage(
            this,
            outOfRangeMessage(0, barValueLimit(*document_.member(shownMember_),
                                               typed[static_cast<std::size_t>(rejected - outcomes.begin())].field)));
    if (stored && keptWholeNumber)
        noteStoredWholeMillimetres(this, *keptWholeNumber);
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

std::optional<std::pair<BarRun, int>> ControlPanel::chosenBar() const
{
    const MemberRecord* shown = document_.member(shownMember_);
    if (mode() == TestMode::singlePoint || shown == nullptr || !grid_->currentIndex().isValid())
        return std::nullopt;
    const auto [run, bar] = selectedBar();
    if (bar < 0 || bar >= barCount(*shown, run))
        return std::nullopt;
    return std::pair{run, bar};
}

void ControlPanel::insertRow(bool below)
{
    flushCellEdits();
    if (mode() == TestMode::singlePoint || document_.member(shownMember_) == nullptr)
        return;
    const auto [run, bar] = selectedBar();
    if (!document_.insertBar(shownMember_, run, bar, below))
        return;
    // The new bar lies at 0 with cover 0 until typed: its position waits in the editor.
    const int firstBarRow = shownLayout_ == TestMode::section ? sectionFirstBarRow : gridFirstBarRow;
    const QModelIndex position =
        grid_->model()->index(firstBarRow + bar + (below ? 1 : 0), run == BarRun::gridY ? 3 : 1);
    grid_->setCurrentIndex(position);
    grid_->setFocus(Qt::OtherFocusReason);
    grid_->edit(position);
}

QString ControlPanel::deleteQuestion(const MemberRecord& member, BarRun run, int bar)
{
    const std::int32_t position = barValue(member, run, bar, BarField::position);
    const std::int32_t cover = barValue(member, run, bar, BarField::cover);
    QString question;
    switch (run) {
    case BarRun::section:
        question = tr("删除钢筋 %1（位置 %2 mm，保护层 %3 mm）？");
        break;
    case BarRun::gridX:
        question = tr("删除 X 钢筋 %1（位置 %2 mm，保护层 %3 mm）？");
        break;
    case BarRun::gridY:
        question = tr("删除 Y 钢筋 %1（位置 %2 mm，保护层 %3 mm）？");
        break;
    }
    return question.arg(bar + 1).arg(position).arg(cover);
}

void ControlPanel::deleteBar()
{
    flushCellEdits();
    const MemberRecord* member = document_.member(shownMember_);
    // In single-point mode the request has no bar to act on and is ignored.
    if (mode() == TestMode::singlePoint || member == nullptr || !hasBarRuns(*member))
        return;
    const auto [run, bar] = selectedBar();
    if (bar < 0 || bar >= barCount(*member, run))
        return;
    if (host_.prompts().ask(this, deleteQuestion(*member, run, bar), QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    document_.deleteBar(shownMember_, run, bar);
}

void ControlPanel::showProjectInformation()
{
    flushCellEdits();
    const int index = selectedListMember();
    const MemberRecord* member = document_.member(index);
    if (member == nullptr)
        return;
    const auto& extras = document_.project()->extension.members;
    const MemberExtras shown =
        static_cast<std::size_t>(index) < extras.size() ? extras[static_cast<std::size_t>(index)] : MemberExtras{};
    const ProjectInfo initial{member->name,           member->designCover,    member->upperDeviation,
                              member->lowerDeviation, ApplyTo::currentMember, shown.type,
                              shown.secondSample};
    const std::optional<ProjectInfo> chosen = projectInfoEditor_(this, initial);
    if (!chosen)
        return;
    std::vector<int> alsoTo;
    for (int other = 0; other < document_.memberCount(); ++other) {
        if (chosen->applyTo == ApplyTo::allMembers ||
            (chosen->applyTo == ApplyTo::tickedMembers && document_.member(other)->checked != 0))
            alsoTo.push_back(other);
    }
    // The acceptance data go to the same members, only where changed.
    const AcceptanceChanges acceptance{chosen->memberType != initial.memberType, chosen->memberType,
                                       chosen->secondSample != initial.secondSample, chosen->secondSample};
    const DesignValues values{chosen->designCover, chosen->upperDeviation, chosen->lowerDeviation};
    document_.setProjectInformation(index, chosen->name, alsoTo, values, acceptance);
}

} // namespace trellon
