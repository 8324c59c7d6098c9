// In-place editor of the grid control.
#include "gridinplaceedit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>

namespace trellon {

GridInPlaceEdit::GridInPlaceEdit(QWidget* parent, bool startedByTyping)
    : QLineEdit(parent), startedByTyping_(startedByTyping)
{
    setFrame(false);
    // Text can reach the box only through keyPressEvent, where it is filtered.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

QString GridInPlaceEdit::acceptedPart(const QString& text)
{
    QString accepted;
    accepted.reserve(text.size());
    for (const QChar c : text) {
        if (acceptsCharacter(c))
            accepted += c;
    }
    return accepted;
}

void GridInPlaceEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        const QString pasted = QGuiApplication::clipboard()->text();
        const QString accepted = acceptedPart(pasted);
        inputAccepted_ |= !accepted.isEmpty();
        inputRefused_ |= accepted.size() != pasted.size();
        insert(accepted);
        widenToText();
        return;
    }
    const QString text = event->text();
    const bool command = (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
    if (text.size() == 1 && !command) {
        const QChar c = text.front();
        const bool erases = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
        if (acceptsCharacter(c)) {
            inputAccepted_ = true;
            QLineEdit::keyPressEvent(event);
            widenToText();
        } else if (erases) {
            QLineEdit::keyPressEvent(event);
        } else if (c.isPrint()) {
            inputRefused_ = true;
        }
        // Every other character is ignored; Enter, Tab and Escape are the grid delegate's.
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void GridInPlaceEdit::widenToText()
{
    const QWidget* area = parentWidget();
    if (area == nullptr)
        return;
    const QMargins margins = textMargins() + contentsMargins();
    const int needed =
        fontMetrics().horizontalAdvance(text() + QStringLiteral("  ")) + margins.left() + margins.right() + 4;
    if (needed <= width())
        return;
    resize(std::max(width(), std::min(needed, area->width() - x())), height());
}

} // namespace trellon
