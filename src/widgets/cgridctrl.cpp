// Grid control on Qt's table view with its own cell model.
#include "cgridctrl.h"

#include "gridcelldelegate.h"
#include "gridinplaceedit.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <cstdlib>

namespace trellon {

CGridCtrl::CGridCtrl(QWidget* parent)
    : QTableView(parent), model_(new GridCellModel(this)), delegate_(new GridCellDelegate(this))
{
    setModel(model_);
    setItemDelegate(delegate_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setDefaultSectionSize(64);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::EditKeyPressed);
    setWordWrap(true);
    setTextElideMode(Qt::ElideRight);
    // The handler of the notification may lay the grid out anew, so it runs after the editor has gone.
    connect(delegate_, &GridCellDelegate::editEnded, this, &CGridCtrl::cellEdited, Qt::QueuedConnection);

    fixedColumns_ = makeOverlay();
    fixedRows_ = makeOverlay();
    fixedCorner_ = makeOverlay();
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        for (QTableView* overlay : {fixedRows_, fixedColumns_, fixedCorner_})
            overlay->setColumnWidth(column, width);
        placeOverlays();
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this](int row, int, int height) {
        for (QTableView* overlay : {fixedRows_, fixedColumns_, fixedCorner_})
            overlay->setRowHeight(row, height);
        placeOverlays();
    });
    // Whatever moved a scroll bar, of the grid or of an overlay, the overlays are put back in step with the grid.
    for (QAbstractScrollArea* area :
         std::initializer_list<QAbstractScrollArea*>{this, fixedRows_, fixedColumns_, fixedCorner_}) {
        for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
            connect(bar, &QScrollBar::valueChanged, this, &CGridCtrl::keepOverlaysInStep);
            connect(bar, &QScrollBar::rangeChanged, this, &CGridCtrl::keepOverlaysInStep);
        }
    }
}

QTableView* CGridCtrl::makeOverlay()
{
    auto* overlay = new QTableView(this);
    overlay->setModel(model_);
    overlay->setSelectionModel(selectionModel());
    // A delegate of its own: the editing delegate's signals are meant for the grid alone.
    overlay->setItemDelegate(new GridCellDelegate(overlay));
    overlay->horizontalHeader()->hide();
    overlay->verticalHeader()->hide();
    overlay->horizontalHeader()->setMinimumSectionSize(4);
    overlay->verticalHeader()->setMinimumSectionSize(4);
    overlay->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    overlay->horizontalHeader()->setDefaultSectionSize(horizontalHeader()->defaultSectionSize());
    overlay->setFrameShape(QFrame::NoFrame);
    overlay->setFocusPolicy(Qt::NoFocus);
    // The selection model is shared: a new current cell must not scroll an overlay to it.
    overlay->setAutoScroll(false);
    overlay->setEditTriggers(QAbstractItemView::NoEditTriggers);
    overlay->setSelectionMode(QAbstractItemView::ExtendedSelection);
    overlay->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    overlay->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    overlay->setWordWrap(true);
    overlay->setTextElideMode(Qt::ElideRight);
    overlay->viewport()->installEventFilter(this);
    overlay->hide();
    return overlay;
}

void CGridCtrl::setEditable(bool editable)
{
    model_->setEditable(editable);
}

bool CGridCtrl::isEditable() const
{
    return model_->editable();
}

void CGridCtrl::setRedraw(bool redraw)
{
    if (redraw) {
        model_->releaseChanges();
        setUpdatesEnabled(true);
    } else {
        setUpdatesEnabled(false);
        model_->holdChanges();
    }
}

void CGridCtrl::deleteAllItems()
{
    clearSpans();
    for (QTableView* overlay : {fixedRows_, fixedColumns_, fixedCorner_})
        overlay->clearSpans();
    merges_.clear();
    model_->clear();
}

void CGridCtrl::setRowCount(int rows)
{
    model_->resize(rows, model_->columnCount());
}

void CGridCtrl::setColumnCount(int columns)
{
    model_->resize(model_->rowCount(), columns);
}

void CGridCtrl::setFixedRowCount(int rows)
{
    model_->setFixedRows(rows);
    syncOverlaySizes();
    placeOverlays();
}

void CGridCtrl::setFixedColumnCount(int columns)
{
    model_->setFixedColumns(columns);
    syncOverlaySizes();
    placeOverlays();
}

int CGridCtrl::rowCount() const
{
    return model_->rowCount();
}

int CGridCtrl::columnCount() const
{
    return model_->columnCount();
}

int CGridCtrl::fixedRowCount() const
{
    return model_->fixedRows();
}

int CGridCtrl::fixedColumnCount() const
{
    return model_->fixedColumns();
}

bool CGridCtrl::setItemText(int row, int column, const QString& text)
{
    return model_->setText(row, column, text);
}

bool CGridCtrl::setItemFormat(int row, int column, const CellFormat& format)
{
    return model_->setFormat(row, column, format);
}

bool CGridCtrl::setCellReadOnly(int row, int column, bool readOnly)
{
    return model_->setReadOnly(row, column, readOnly);
}

QString CGridCtrl::itemText(int row, int column) const
{
    const GridCell* c = model_->cell(row, column);
    return c != nullptr ? c->text : QString();
}

bool CGridCtrl::isCellReadOnly(int row, int column) const
{
    const GridCell* c = model_->cell(row, column);
    return c != nullptr && c->readOnly;
}

bool CGridCtrl::isCellEditable(int row, int column) const
{
    return model_->canEdit(row, column);
}

bool CGridCtrl::isCellModified(int row, int column) const
{
    const GridCell* c = model_->cell(row, column);
    return c != nullptr && c->modified;
}

bool CGridCtrl::isInputRefused(int row, int column) const
{
    const GridCell* c = model_->cell(row, column);
    return c != nullptr && c->inputRefused;
}

bool CGridCtrl::mergeCells(int row, int column, int furtherRows, int furtherColumns)
{
    if (row < 0 || column < 0 || furtherRows < 0 || furtherColumns < 0 || furtherRows + furtherColumns == 0)
        return false;
    if (row + furtherRows >= rowCount() || column + furtherColumns >= columnCount())
        return false;
    const QRect block(column, row, furtherColumns + 1, furtherRows + 1);
    const bool overlaps =
        std::any_of(merges_.begin(), merges_.end(), [&](const QRect& merge) { return merge.intersects(block); });
    if (overlaps)
        return false;
    merges_.push_back(block);
    setSpan(row, column, furtherRows + 1, furtherColumns + 1);
    for (QTableView* overlay : {fixedRows_, fixedColumns_, fixedCorner_})
        overlay->setSpan(row, column, furtherRows + 1, furtherColumns + 1);
    return true;
}

QPoint CGridCtrl::mergeOwner(int row, int column) const
{
    for (const QRect& merge : merges_) {
        if (merge.contains(column, row))
            return merge.topLeft();
    }
    return {column, row};
}

CellRange CGridCtrl::selectedCellRange() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return {rowCount(), columnCount(), rowCount(), columnCount()};
    CellRange range{selected.front().row(), selected.front().column(), selected.front().row(),
                    selected.front().column()};
    for (const QModelIndex& index : selected) {
        range.minRow = std::min(range.minRow, index.row());
        range.minColumn = std::min(range.minColumn, index.column());
        range.maxRow = std::max(range.maxRow, index.row());
        range.maxColumn = std::max(range.maxColumn, index.column());
    }
    return range;
}

void CGridCtrl::finishEditing()
{
    if (GridInPlaceEdit* editor = delegate_->openEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void CGridCtrl::copySelection() const
{
    const CellRange range = selectedCellRange();
    if (range.minRow >= rowCount())
        return;
    QStringList lines;
    for (int r = range.minRow; r <= range.maxRow; ++r) {
        QStringList fields;
        for (int c = range.minColumn; c <= range.maxColumn; ++c)
            fields << (selectionModel()->isSelected(model_->index(r, c)) ? itemText(r, c) : QString());
        lines << fields.join(QLatin1Char('\t'));
    }
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void CGridCtrl::cutSelection()
{
    copySelection();
    QList<QPoint> changed;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        if (isCellEditable(index.row(), index.column()) && !itemText(index.row(), index.column()).isEmpty()) {
            model_->setData(index, QString(), Qt::EditRole);
            changed << QPoint(index.column(), index.row());
        }
    }
    announceClipboardChanges(changed);
}

void CGridCtrl::pasteAtFocusCell()
{
    const QModelIndex focus = currentIndex();
    if (!focus.isValid())
        return;
    QString text = QApplication::clipboard()->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    static const QRegularExpression fieldBreak(QStringLiteral("[\t,]"));
    QList<QPoint> changed;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(fieldBreak);
        for (int j = 0; j < fields.size(); ++j) {
            const int row = focus.row() + i;
            const int column = focus.column() + j;
            if (!isCellEditable(row, column))
                continue;
            // Pasted text obeys the editor's character rule.
            const QString accepted = GridInPlaceEdit::acceptedPart(fields[j]);
            model_->setData(model_->index(row, column), accepted, Qt::EditRole);
            model_->setData(model_->index(row, column), accepted.isEmpty() && !fields[j].trimmed().isEmpty(),
                            GridCellModel::inputRefusedRole);
            changed << QPoint(column, row);
        }
    }
    announceClipboardChanges(changed);
}

void CGridCtrl::announceClipboardChanges(const QList<QPoint>& cells)
{
    if (cells.isEmpty())
        return;
    QMetaObject::invokeMethod(
        this, [this, cells] { emit cellsChangedByClipboard(cells); }, Qt::QueuedConnection);
}

void CGridCtrl::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->matches(QKeySequence::Copy)) {
        copySelection();
    } else if (event->matches(QKeySequence::Cut)) {
        cutSelection();
    } else if (event->matches(QKeySequence::Paste)) {
        pasteAtFocusCell();
    } else {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool CGridCtrl::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    delegate_->setNextEditStartedByTyping(trigger == AnyKeyPressed);
    return QTableView::edit(index, trigger, event);
}

bool CGridCtrl::textFits(const QTableView& view, const QModelIndex& index) const
{
    const QRect cell = view.visualRect(index);
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const QRect room = cell.adjusted(margin, 0, -margin, 0);
    const GridCell* c = model_->cell(index.row(), index.column());
    const int flags = static_cast<int>(c->format.alignment) | (c->format.wrap ? Qt::TextWordWrap : 0);
    const QRect needed = fontMetrics().boundingRect(room, flags, c->text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void CGridCtrl::showTip(const QTableView& view, const QHelpEvent& help)
{
    const QModelIndex index = view.indexAt(help.pos());
    if (index.isValid() && !itemText(index.row(), index.column()).isEmpty() && !textFits(view, index))
        QToolTip::showText(help.globalPos(), itemText(index.row(), index.column()), view.viewport(),
                           view.visualRect(index));
    else
        QToolTip::hideText();
}

bool CGridCtrl::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(event);
    showTip(*this, *static_cast<QHelpEvent*>(event));
    return true;
}

bool CGridCtrl::eventFilter(QObject* watched, QEvent* event)
{
    for (QTableView* overlay : {fixedRows_, fixedColumns_, fixedCorner_}) {
        if (watched != overlay->viewport())
            continue;
        if (event->type() == QEvent::ToolTip) {
            showTip(*overlay, *static_cast<QHelpEvent*>(event));
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick)
            return fitToContentsAtBorder(*overlay, static_cast<QMouseEvent*>(event)->position().toPoint());
    }
    return QTableView::eventFilter(watched, event);
}

void CGridCtrl::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    QTableView::scrollTo(index, hint);
    if (!index.isValid() || index.row() < fixedRowCount())
        return;
    // The bar scrolls by rows: step back until the cell comes out from under the fixed rows.
    const int covered = fixedRowsHeight();
    while (verticalScrollBar()->value() > 0 && visualRect(index).top() < covered)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - 1);
    if (index.column() < fixedColumnCount())
        return;
    const int coveredWidth = fixedColumnsWidth();
    while (horizontalScrollBar()->value() > 0 && visualRect(index).left() < coveredWidth)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - 1);
}

bool CGridCtrl::fitToContentsAtBorder(const QTableView& overlay, QPoint pos)
{
    constexpr int reach = 3;
    if (&overlay != fixedColumns_) {
        const int column = overlay.columnAt(pos.x() - reach);
        if (column >= 0 &&
            std::abs(overlay.columnViewportPosition(column) + overlay.columnWidth(column) - pos.x()) <= reach) {
            resizeColumnToContents(column);
            return true;
        }
    }
    if (&overlay != fixedRows_) {
        const int row = overlay.rowAt(pos.y() - reach);
        if (row >= 0 && std::abs(overlay.rowViewportPosition(row) + overlay.rowHeight(row) - pos.y()) <= reach) {
            resizeRowToContents(row);
            return true;
        }
    }
    return false;
}

void CGridCtrl::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    placeOverlays();
}

void CGridCtrl::updateGeometries()
{
    QTableView::updateGeometries();
    placeOverlays();
}

int CGridCtrl::fixedRowsHeight() const
{
    int height = 0;
    for (int row = 0; row < std::min(fixedRowCount(), rowCount()); ++row)
        height += rowHeight(row);
    return height;
}

int CGridCtrl::fixedColumnsWidth() const
{
    int width = 0;
    for (int column = 0; column < std::min(fixedColumnCount(), columnCount()); ++column)
        width += columnWidth(column);
    return width;
}

void CGridCtrl::syncOverlaySizes()
{
    for (QTableView* overlay : {fixedRows_, fixedColumns_, fixedCorner_}) {
        for (int row = 0; row < rowCount(); ++row) {
            if (overlay->rowHeight(row) != rowHeight(row))
                overlay->setRowHeight(row, rowHeight(row));
        }
        for (int column = 0; column < columnCount(); ++column) {
            if (overlay->columnWidth(column) != columnWidth(column))
                overlay->setColumnWidth(column, columnWidth(column));
        }
    }
}

void CGridCtrl::keepOverlaysInStep()
{
    fixedRows_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    fixedRows_->verticalScrollBar()->setValue(0);
    fixedColumns_->horizontalScrollBar()->setValue(0);
    fixedColumns_->verticalScrollBar()->setValue(verticalScrollBar()->value());
    fixedCorner_->horizontalScrollBar()->setValue(0);
    fixedCorner_->verticalScrollBar()->setValue(0);
}

void CGridCtrl::placeOverlays()
{
    if (fixedCorner_ == nullptr)
        return; // the table view lays itself out before the overlays exist
    const QRect area = viewport()->geometry();
    const int height = std::min(fixedRowsHeight(), area.height());
    const int width = std::min(fixedColumnsWidth(), area.width());
    const auto place = [](QTableView* overlay, const QRect& where) {
        overlay->setVisible(!where.isEmpty());
        if (!where.isEmpty())
            overlay->setGeometry(where);
    };
    place(fixedColumns_, QRect(area.x(), area.y(), width, area.height()));
    place(fixedRows_, QRect(area.x(), area.y(), area.width(), height));
    place(fixedCorner_, QRect(area.x(), area.y(), width, height));
    keepOverlaysInStep();
    // Stacked so the corner stays on top of both strips.
    fixedColumns_->raise();
    fixedRows_->raise();
    fixedCorner_->raise();
}

} // namespace trellon
