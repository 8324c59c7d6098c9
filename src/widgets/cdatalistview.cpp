// The list window's table of single-point readings and its in-place editor.
#include "cdatalistview.h"

#include "document/projectdocument.h"
#include "inputmessages.h"
#include "leadinginteger.h"
#include "passmarkdelegate.h"
#include "userprompts.h"

#include "evaluation/coverjudgement.h"
#include "model/testmode.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <optional>

namespace trellon {

namespace {

QTableWidgetItem* centredItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

CDataListView::CDataListView(ProjectDocument& document, UserPrompts& prompts, QWidget* parent)
    : QTableWidget(0, 4, parent), document_(document), prompts_(prompts), editor_(new QLineEdit(viewport()))
{
    retranslate();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->hide();
    setShowGrid(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFont(QFont(QStringLiteral("宋体"), 11));
    setItemDelegateForColumn(markColumn, new PassMarkDelegate(this));

    editor_->setObjectName(QStringLiteral("cellEditor"));
    editor_->setAlignment(Qt::AlignCenter);
    editor_->hide();
    editor_->installEventFilter(this);
    horizontalHeader()->viewport()->installEventFilter(this);

    connect(&document_, &ProjectDocument::projectReplaced, this, &CDataListView::refreshPassMarks);
    connect(&document_, &ProjectDocument::selectionChanged, this, &CDataListView::refreshPassMarks);
    connect(&document_, &ProjectDocument::membersChanged, this, [this](const QList<int>& members) {
        if (members.contains(document_.selectedMember()))
            showEditedReadings();
    });
}

void CDataListView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QTableWidget::changeEvent(event);
}

void CDataListView::retranslate()
{
    setHorizontalHeaderLabels({tr("测点序号"), tr("测量直径(mm)"), tr("测量厚度(mm)"), tr("厚度合格")});
}

const MemberRecord* CDataListView::currentMember() const
{
    const MemberRecord* member = document_.member(document_.selectedMember());
    if (member == nullptr || !belongsToTestMode(*member, TestMode::singlePoint))
        return nullptr;
    return member;
}

void CDataListView::refreshValues()
{
    hideEditor();
    setRowCount(0);
    const MemberRecord* member = currentMember();
    if (member == nullptr)
        return;
    const bool measuredDiameter = testModeDigit(*member) == TestModeDigit::singleMeasuredDiameter;
    const int rows = measuredDiameter ? member->sampleCount / 2 : member->sampleCount;
    setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        setItem(row, numberColumn, centredItem(QString::number(row + 1)));
        const std::int64_t cover = measuredDiameter ? 2 * std::int64_t{row} : row;
        setItem(row, diameterColumn,
                centredItem(measuredDiameter ? QString::number(member->sampleAt(cover + 1)) : QString()));
        setItem(row, coverColumn, centredItem(QString::number(member->sampleAt(cover))));
        setItem(row, markColumn, centredItem(QString()));
    }
}

void CDataListView::refreshPassMarks()
{
    refreshValues();
    for (int row = 0; row < rowCount(); ++row)
        writeMark(row);
}

void CDataListView::showEditedReadings()
{
    const int row = currentRow();
    const int scrolled = verticalScrollBar()->value();
    refreshPassMarks();
    verticalScrollBar()->setValue(scrolled);
    if (row >= 0 && row < rowCount())
        setCurrentCell(row, numberColumn);
}

void CDataListView::writeMark(int row)
{
    const MemberRecord* member = currentMember();
    QTableWidgetItem* mark = item(row, markColumn);
    if (member == nullptr || mark == nullptr)
        return;
    const bool measuredDiameter = testModeDigit(*member) == TestModeDigit::singleMeasuredDiameter;
    const std::int32_t cover = member->sampleAt(measuredDiameter ? 2 * std::int64_t{row} : row);
    const bool passes = isWithinTolerance(*member, cover);
    mark->setText(passes ? QStringLiteral("√") : QStringLiteral("×"));
    mark->setData(PassMarkDelegate::passesRole, passes);
}

int CDataListView::singlePointMemberIndex(int n) const
{
    const Project* project = document_.project();
    if (project == nullptr)
        return -1;
    return memberIndexInMode(project->members, TestMode::singlePoint, n);
}

bool CDataListView::isEditable(int row, int column) const
{
    const MemberRecord* member = currentMember();
    if (member == nullptr || row < 0 || row >= rowCount())
        return false;
    return column == coverColumn ||
           (column == diameterColumn && testModeDigit(*member) == TestModeDigit::singleMeasuredDiameter);
}

bool CDataListView::openCellEditor(int row, int column)
{
    if (!isEditable(row, column)) {
        hideEditor();
        return false;
    }
    editorRow_ = row;
    editorColumn_ = column;
    editor_->setGeometry(visualRect(model()->index(row, column)));
    editor_->setText(item(row, column) != nullptr ? item(row, column)->text() : QString());
    editor_->selectAll();
    editor_->show();
    return true;
}

std::int64_t CDataListView::readingBehind(int row, int column) const
{
    const MemberRecord* member = currentMember();
    if (member == nullptr || row < 0)
        return -1;
    const TestModeDigit digit = testModeDigit(*member);
    if (digit == TestModeDigit::singleKnownDiameter && row < member->sampleCount && column == coverColumn)
        return row;
    if (digit == TestModeDigit::singleMeasuredDiameter && row < member->sampleCount / 2 &&
        (column == coverColumn || column == diameterColumn))
        return 2 * std::int64_t{row} + (column == diameterColumn ? 1 : 0);
    return -1;
}

bool CDataListView::commitCellEdit(int row, int column, const QString& text)
{
    const std::int64_t reading = readingBehind(row, column);
    if (reading < 0)
        return true;
    const std::optional<std::int64_t> value = leadingInteger(text);
    const ReadingEdit outcome =
        value ? document_.setReading(document_.selectedMember(), reading, *value) : ReadingEdit::noSuchReading;
    if (!value)
        prompts_.showMessage(this, notAnIntegerMessage());
    else if (outcome == ReadingEdit::outOfRange)
        prompts_.showMessage(this, outOfRangeMessage(readingRange.lowest, readingRange.highest));
    else if (holdsMoreThanWholeMillimetres(text))
        noteStoredWholeMillimetres(this, *value);
    if (outcome == ReadingEdit::stored)
        return true; // the document's notice shows the reading, its mark and the figures
    // A refused or unchanged text gives way to the stored reading.
    const MemberRecord* member = currentMember();
    if (QTableWidgetItem* cell = item(row, column); cell != nullptr && member != nullptr)
        cell->setText(QString::number(member->sampleAt(reading)));
    return value && outcome != ReadingEdit::outOfRange;
}

void CDataListView::insertReadingRow(bool below)
{
    commitOpenEditor();
    const MemberRecord* member = currentMember();
    if (member == nullptr)
        return;
    const int row = currentRow() < 0 ? rowCount() : currentRow() + (below ? 1 : 0);
    if (!document_.insertReadingRow(document_.selectedMember(), row))
        return;
    setCurrentCell(row, numberColumn);
    // The new reading is 0 until typed: the editor waits on it.
    if (openCellEditor(row, coverColumn))
        editor_->setFocus(Qt::OtherFocusReason);
}

void CDataListView::deleteReadingRow()
{
    commitOpenEditor();
    const int row = currentRow();
    if (currentMember() == nullptr || row < 0)
        return;
    if (document_.deleteReadingRow(document_.selectedMember(), row) && rowCount() > 0)
        setCurrentCell(std::min(row, rowCount() - 1), numberColumn);
}

void CDataListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        deleteReadingRow();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CDataListView::commitOpenEditor()
{
    if (!editor_->isVisible())
        return;
    const QString text = editor_->text();
    const int row = editorRow_;
    const int column = editorColumn_;
    hideEditor();
    commitCellEdit(row, column, text);
}

std::optional<QPoint> CDataListView::cellAfterKey(const QKeyEvent& key) const
{
    const MemberRecord* member = currentMember();
    if (member == nullptr || rowCount() == 0)
        return std::nullopt;
    // The editable cells read row by row, left to right.
    const bool measuredDiameter = testModeDigit(*member) == TestModeDigit::singleMeasuredDiameter;
    const std::vector<int> columns =
        measuredDiameter ? std::vector<int>{diameterColumn, coverColumn} : std::vector<int>{coverColumn};
    const auto width = static_cast<int>(columns.size());
    const auto place = std::find(columns.begin(), columns.end(), editorColumn_);
    if (place == columns.end())
        return std::nullopt;
    const bool backwards = key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier) != 0;
    int step = 0;
    switch (key.key()) {
    case Qt::Key_Down:
        step = width;
        break;
    case Qt::Key_Up:
        step = -width;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        step = backwards ? -1 : 1;
        break;
    default:
        return std::nullopt;
    }
    int cell = editorRow_ * width + static_cast<int>(place - columns.begin()) + step;
    if (cell < 0 || cell >= rowCount() * width)
        cell -= step;
    return QPoint(columns[static_cast<std::size_t>(cell % width)], cell / width);
}

void CDataListView::moveEditorTo(QPoint cell)
{
    const QString text = editor_->text();
    const QPoint from(editorColumn_, editorRow_);
    hideEditor();
    if (!commitCellEdit(from.y(), from.x(), text))
        cell = from;
    setCurrentCell(cell.y(), numberColumn);
    if (openCellEditor(cell.y(), cell.x()))
        editor_->setFocus(Qt::OtherFocusReason);
}

void CDataListView::hideEditor()
{
    if (editor_->isVisible()) {
        editor_->hide();
        viewport()->update();
    }
}

void CDataListView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QTableWidget::mousePressEvent(event);
        return;
    }
    commitOpenEditor();
    if (currentMember() == nullptr)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        openCellEditor(index.row(), index.column());
    else
        hideEditor();
    QTableWidget::mousePressEvent(event);
    if (editor_->isVisible())
        editor_->setFocus(Qt::MouseFocusReason);
}

bool CDataListView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                commitOpenEditor();
                setFocus();
                return true;
            }
            if (key == Qt::Key_Escape) {
                hideEditor();
                setFocus();
                return true;
            }
            // The editor goes with the highlight, so that what is typed lands in the highlighted row.
            if (const std::optional<QPoint> next = cellAfterKey(*static_cast<QKeyEvent*>(event))) {
                moveEditorTo(*next);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Focus taken by a press inside the view: that press commits. Anything else discards the text.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            QWidget* next = QApplication::focusWidget();
            const bool staysInView =
                reason != Qt::ActiveWindowFocusReason && next != nullptr && (next == this || isAncestorOf(next));
            if (!staysInView)
                hideEditor();
        }
    } else if (event->type() == QEvent::MouseButtonPress &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        commitOpenEditor();
    }
    return QTableWidget::eventFilter(watched, event);
}

} // namespace trellon
