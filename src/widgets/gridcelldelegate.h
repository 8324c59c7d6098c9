// Painting and in-place editing of the grid control's cells.
#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

namespace trellon {

class GridInPlaceEdit;

class GridCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Stores the editor's text, then reports the end of the edit, changed or not.
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

    // Whether the next editor is opened by a typed key.
    void setNextEditStartedByTyping(bool typed) { nextStartedByTyping_ = typed; }
    // The editor that is open, or null.
    GridInPlaceEdit* openEditor() const { return openEditor_.data(); }

signals:
    void editEnded(int row, int column) const;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    // Editing keys: Enter stores the text and moves down, Tab right, Shift+Tab left; Escape drops the text.
    // Arrow and page keys store and move on when the edit was started by typing or Ctrl is held.
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    // Stores the editor's text, closes it and then lets the view move the focus cell as the key does.
    void commitAndMove(GridInPlaceEdit* editor, int key, Qt::KeyboardModifiers modifiers);

    bool nextStartedByTyping_ = false;
    mutable QPointer<GridInPlaceEdit> openEditor_;
};

} // namespace trellon
