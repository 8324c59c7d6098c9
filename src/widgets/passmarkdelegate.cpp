// Look of the pass marks.
#include "passmarkdelegate.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace trellon {

void PassMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString mark = cell.text;
    cell.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    if (mark.isEmpty())
        return;

    const bool fails = index.data(passesRole) == QVariant(false);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (!fails) {
        QFont font = cell.font;
        font.setBold(true);
        font.setPixelSize(std::max(12, option.rect.height() * 7 / 10));
        painter->setFont(font);
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(option.rect, Qt::AlignCenter, mark);
    } else {
        // Drawn as two strokes: the × of the CJK faces is a small, thin Latin glyph.
        const int side = std::max(10, option.rect.height() - 4);
        QRect square(0, 0, side, side);
        square.moveCenter(option.rect.center());
        if (selected) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(option.palette.color(QPalette::Base));
            painter->drawRoundedRect(square, 3, 3);
        }
        const QRectF cross = QRectF(square).adjusted(side * 0.25, side * 0.25, -side * 0.25, -side * 0.25);
        painter->setPen(QPen(failingColour, std::max(2.0, side / 8.0), Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(cross.topLeft(), cross.bottomRight());
        painter->drawLine(cross.topRight(), cross.bottomLeft());
    }
    painter->restore();
}

} // namespace trellon
