// The editable grid of the control panel: per-cell read-only flags, merged cells, fixed header rows and columns,
// an in-place editor for numbers, clipboard keys and tips for cut-off text.
#pragma once

#include "gridcellmodel.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QTableView>

#include <vector>

class QHelpEvent;

namespace trellon {

class GridCellDelegate;

// Bounding range of a selection, inclusive.
struct CellRange {
    int minRow = 0;
    int minColumn = 0;
    int maxRow = 0;
    int maxColumn = 0;
};

class CGridCtrl : public QTableView {
    Q_OBJECT

public:
    explicit CGridCtrl(QWidget* parent = nullptr);

    // Whole-grid switch; a cell is editable only when this is on, it is not fixed and its read-only flag is clear.
    void setEditable(bool editable);
    bool isEditable() const;

    // Off: changes are neither drawn nor announced cell by cell; on again: the grid redraws once.
    void setRedraw(bool redraw);

    // Removes every row, column and cell, fixed ones included, and every merge.
    void deleteAllItems();
    void setRowCount(int rows);
    void setColumnCount(int columns);
    // Grows the row (column) count when needed.
    void setFixedRowCount(int rows);
    void setFixedColumnCount(int columns);
    int rowCount() const;
    int columnCount() const;
    int fixedRowCount() const;
    int fixedColumnCount() const;

    // Each returns false for a position outside the grid.
    bool setItemText(int row, int column, const QString& text);
    bool setItemFormat(int row, int column, const CellFormat& format);
    bool setCellReadOnly(int row, int column, bool readOnly);
    QString itemText(int row, int column) const;
    bool isCellReadOnly(int row, int column) const;
    bool isCellEditable(int row, int column) const;
    bool isCellModified(int row, int column) const;
    // The cell's last edit or paste brought only characters the editor refuses: its text did not take them.
    bool isInputRefused(int row, int column) const;

    // Joins the cell and the further rows and columns after it into one block that shows the top-left cell.
    // Refused (false) when the block leaves the grid, covers one cell only, or overlaps an existing merge.
    bool mergeCells(int row, int column, int furtherRows, int furtherColumns);
    // Top-left cell (x column, y row) of the merged block covering the cell; the cell itself when unmerged.
    QPoint mergeOwner(int row, int column) const;

    // With nothing selected: row count and column count, a position past the grid's end.
    CellRange selectedCellRange() const;

    // Ends an open in-place edit (storing its text) and delivers the end-of-edit notifications still queued,
    // so that a caller about to change the layout sees every edit first.
    void finishEditing();

    using QTableView::edit;

    void copySelection() const;
    void cutSelection();
    void pasteAtFocusCell();

    // Keeps a cell out from under the fixed rows when it is scrolled to.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    // Queued after an in-place edit ended and its text was stored, whether or not it changed.
    void cellEdited(int row, int column);
    // Queued after cut or paste changed cells (x column, y row).
    void cellsChangedByClipboard(const QList<QPoint>& cells);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;

private:
    void announceClipboardChanges(const QList<QPoint>& cells);
    bool textFits(const QTableView& view, const QModelIndex& index) const;
    void showTip(const QTableView& view, const QHelpEvent& help);
    QTableView* makeOverlay();
    // A double click on the border after a column (row) fits that column's width (row's height); false elsewhere.
    bool fitToContentsAtBorder(const QTableView& overlay, QPoint pos);
    int fixedRowsHeight() const;
    int fixedColumnsWidth() const;
    // Takes over every row height and column width; the header signals keep them in step afterwards.
    void syncOverlaySizes();
    void placeOverlays();
    // The fixed rows scroll sideways with the grid, the fixed columns up and down, the corner never.
    void keepOverlaysInStep();

    GridCellModel* model_;
    GridCellDelegate* delegate_;
    // The fixed rows and columns drawn over the viewport's top and left edges, so they stay when the rest
    // scrolls; the corner holds the cells that are in both.
    QTableView* fixedColumns_ = nullptr;
    QTableView* fixedRows_ = nullptr;
    QTableView* fixedCorner_ = nullptr;
    std::vector<QRect> merges_; // x column, y row
};

} // namespace trellon
