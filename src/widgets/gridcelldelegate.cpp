// Cell painting options and the editing keys of the grid control.
#include "gridcelldelegate.h"

#include "gridcellmodel.h"
#include "gridinplaceedit.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace trellon {

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new GridInPlaceEdit(parent, nextStartedByTyping_);
    openEditor_ = editor;
    return editor;
}

void GridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    const auto* edit = qobject_cast<GridInPlaceEdit*>(editor);
    if (edit == nullptr || !index.isValid())
        return;
    model->setData(index, edit->text(), Qt::EditRole);
    model->setData(index, edit->refusedAllInput(), GridCellModel::inputRefusedRole);
    emit editEnded(index.row(), index.column());
}

void GridCellDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    // A layout that resets the cells releases the editor without ending the edit; it is no longer open.
    if (editor == openEditor_)
        openEditor_.clear();
    QStyledItemDelegate::destroyEditor(editor, index);
}

void GridCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(GridCellModel::wrapRole).toBool())
        option->features |= QStyleOptionViewItem::WrapText;
    else
        option->features &= ~QStyleOptionViewItem::WrapText;
    option->textElideMode = Qt::ElideRight;
}

void GridCellDelegate::commitAndMove(GridInPlaceEdit* editor, int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* view = editor->parentWidget() != nullptr ? editor->parentWidget()->parentWidget() : nullptr;
    emit commitData(editor);
    emit closeEditor(editor, NoHint);
    // Posted behind the queued end-of-edit notification, so the move applies to the grid its handler leaves.
    if (view != nullptr)
        QCoreApplication::postEvent(view, new QKeyEvent(QEvent::KeyPress, key, modifiers));
}

bool GridCellDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<GridInPlaceEdit*>(object);
    if (editor == nullptr || event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(object, event);

    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commitAndMove(editor, Qt::Key_Down, Qt::NoModifier);
        return true;
    case Qt::Key_Tab:
        commitAndMove(editor, (key->modifiers() & Qt::ShiftModifier) != 0 ? Qt::Key_Left : Qt::Key_Right,
                      Qt::NoModifier);
        return true;
    case Qt::Key_Backtab:
        commitAndMove(editor, Qt::Key_Left, Qt::NoModifier);
        return true;
    case Qt::Key_Escape:
        // The cell keeps the text it had: nothing is stored and nothing announced.
        emit closeEditor(editor, RevertModelCache);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const bool control = (key->modifiers() & Qt::ControlModifier) != 0;
        if (editor->startedByTyping() || control) {
            commitAndMove(editor, key->key(), key->modifiers() & ~Qt::ControlModifier);
            return true;
        }
        // Left and right move the text cursor; the others do nothing in a one-line box.
        return key->key() != Qt::Key_Left && key->key() != Qt::Key_Right;
    }
    default:
        return QStyledItemDelegate::eventFilter(object, event);
    }
}

} // namespace trellon
