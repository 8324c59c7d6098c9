// The cells of the grid control: text, placement, read-only and modified flags, fixed rows and columns.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace trellon {

// How a cell's text is placed: alignment, and whether it wraps at word and line breaks (else one line with an
// ellipsis at the end when too long).
struct CellFormat {
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false;

    bool operator==(const CellFormat&) const = default;
};

struct GridCell {
    QString text;
    CellFormat format;
    bool readOnly = false;
    bool modified = false;
    // The last edit or paste brought only characters the editor refuses ("abc"): none of them reached the text.
    bool inputRefused = false;
};

class GridCellModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    // Extra data roles for the delegate.
    static constexpr int wrapRole = Qt::UserRole + 1;
    static constexpr int fixedRole = Qt::UserRole + 2;
    static constexpr int inputRefusedRole = Qt::UserRole + 3;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The edit role stores the text; a different text marks the cell modified. The refused-input role says
    // whether the input that ended there was refused whole.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Removes every cell, fixed ones included.
    void clear();
    // New cells take the format of the cell above them.
    void resize(int rows, int columns);
    void setFixedRows(int rows);
    void setFixedColumns(int columns);
    int fixedRows() const { return fixedRows_; }
    int fixedColumns() const { return fixedColumns_; }
    void setEditable(bool editable);
    bool editable() const { return editable_; }

    // Null outside the grid.
    GridCell* cell(int row, int column);
    const GridCell* cell(int row, int column) const;
    bool setText(int row, int column, const QString& text);
    bool setFormat(int row, int column, const CellFormat& format);
    bool setReadOnly(int row, int column, bool readOnly);

    bool isFixed(int row, int column) const { return row < fixedRows_ || column < fixedColumns_; }
    // Editable grid, not fixed, read-only flag clear.
    bool canEdit(int row, int column) const;

    // While held, cell changes are gathered and announced as one change on release.
    void holdChanges();
    void releaseChanges();

private:
    void changed(int row, int column);

    bool holding_ = false;
    int heldTop_ = 0;
    int heldLeft_ = 0;
    int heldBottom_ = -1;
    int heldRight_ = -1;

    int rows_ = 0;
    int columns_ = 0;
    int fixedRows_ = 0;
    int fixedColumns_ = 0;
    bool editable_ = false;
    std::vector<GridCell> cells_; // row by row
};

} // namespace trellon
