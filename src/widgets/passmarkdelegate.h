// Draws the list window's √/× marks large enough to read at a glance, failing marks in red, on a selected row on
// a light badge so they stand out from the highlight.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>

namespace trellon {

class PassMarkDelegate final : public QStyledItemDelegate {
public:
    static constexpr QColor failingColour{200, 0, 0};
    // The item data that tells a failing mark: false.
    static constexpr int passesRole = Qt::UserRole;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace trellon
