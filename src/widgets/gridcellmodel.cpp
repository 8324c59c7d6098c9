// Cell storage of the grid control.
#include "gridcellmodel.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace trellon {

int GridCellModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int GridCellModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

GridCell* GridCellModel::cell(int row, int column)
{
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_)
        return nullptr;
    return &cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                   static_cast<std::size_t>(column)];
}

const GridCell* GridCellModel::cell(int row, int column) const
{
    return const_cast<GridCellModel*>(this)->cell(row, column);
}

QVariant GridCellModel::data(const QModelIndex& index, int role) const
{
    const GridCell* c = cell(index.row(), index.column());
    if (c == nullptr)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return c->text;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(c->format.alignment);
    case Qt::BackgroundRole:
        if (isFixed(index.row(), index.column()))
            return QGuiApplication::palette().button();
        return {};
    case wrapRole:
        return c->format.wrap;
    case fixedRole:
        return isFixed(index.row(), index.column());
    case inputRefusedRole:
        return c->inputRefused;
    default:
        return {};
    }
}

bool GridCellModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    GridCell* c = cell(index.row(), index.column());
    if (c != nullptr && role == inputRefusedRole) {
        c->inputRefused = value.toBool();
        return true;
    }
    if (c == nullptr || role != Qt::EditRole)
        return false;
    const QString text = value.toString();
    if (text != c->text) {
        c->text = text;
        c->modified = true;
        changed(index.row(), index.column());
    }
    return true;
}

Qt::ItemFlags GridCellModel::flags(const QModelIndex& index) const
{
    if (cell(index.row(), index.column()) == nullptr)
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (canEdit(index.row(), index.column()))
        result |= Qt::ItemIsEditable;
    return result;
}

void GridCellModel::clear()
{
    beginResetModel();
    cells_.clear();
    rows_ = columns_ = fixedRows_ = fixedColumns_ = 0;
    endResetModel();
}

void GridCellModel::resize(int rows, int columns)
{
    rows = std::max(rows, 0);
    columns = std::max(columns, 0);
    beginResetModel();
    std::vector<GridCell> grown(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            GridCell& target =
                grown[static_cast<std::size_t>(r) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(c)];
            if (GridCell* old = cell(r, c))
                target = std::move(*old);
            else if (r > 0)
                target.format = grown[static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(columns) +
                                      static_cast<std::size_t>(c)]
                                    .format;
        }
    }
    cells_ = std::move(grown);
    rows_ = rows;
    columns_ = columns;
    fixedRows_ = std::min(fixedRows_, rows_);
    fixedColumns_ = std::min(fixedColumns_, columns_);
    endResetModel();
}

void GridCellModel::setFixedRows(int rows)
{
    rows = std::max(rows, 0);
    if (rows > rows_)
        resize(rows, columns_);
    fixedRows_ = rows;
    if (rows_ > 0 && columns_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
}

void GridCellModel::setFixedColumns(int columns)
{
    columns = std::max(columns, 0);
    if (columns > columns_)
        resize(rows_, columns);
    fixedColumns_ = columns;
    if (rows_ > 0 && columns_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
}

void GridCellModel::setEditable(bool editable)
{
    editable_ = editable;
}

bool GridCellModel::setText(int row, int column, const QString& text)
{
    GridCell* c = cell(row, column);
    if (c == nullptr)
        return false;
    c->text = text;
    c->inputRefused = false;
    changed(row, column);
    return true;
}

bool GridCellModel::setFormat(int row, int column, const CellFormat& format)
{
    GridCell* c = cell(row, column);
    if (c == nullptr)
        return false;
    c->format = format;
    changed(row, column);
    return true;
}

bool GridCellModel::setReadOnly(int row, int column, bool readOnly)
{
    GridCell* c = cell(row, column);
    if (c == nullptr)
        return false;
    c->readOnly = readOnly;
    return true;
}

bool GridCellModel::canEdit(int row, int column) const
{
    const GridCell* c = cell(row, column);
    return c != nullptr && editable_ && !isFixed(row, column) && !c->readOnly;
}

void GridCellModel::changed(int row, int column)
{
    if (!holding_) {
        const QModelIndex at = index(row, column);
        emit dataChanged(at, at);
        return;
    }
    if (heldBottom_ < heldTop_) {
        heldTop_ = heldBottom_ = row;
        heldLeft_ = heldRight_ = column;
        return;
    }
    heldTop_ = std::min(heldTop_, row);
    heldBottom_ = std::max(heldBottom_, row);
    heldLeft_ = std::min(heldLeft_, column);
    heldRight_ = std::max(heldRight_, column);
}

void GridCellModel::holdChanges()
{
    holding_ = true;
}

void GridCellModel::releaseChanges()
{
    if (!holding_)
        return;
    holding_ = false;
    const bool anyChange = heldBottom_ >= heldTop_;
    const QModelIndex topLeft = index(heldTop_, heldLeft_);
    const QModelIndex bottomRight = index(std::min(heldBottom_, rows_ - 1), std::min(heldRight_, columns_ - 1));
    heldBottom_ = heldRight_ = -1;
    if (anyChange && topLeft.isValid() && bottomRight.isValid())
        emit dataChanged(topLeft, bottomRight);
}

} // namespace trellon
