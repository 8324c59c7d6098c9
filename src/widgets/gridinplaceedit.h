// The grid control's in-place editor: one line that takes only the characters of numbers and simple formulas.
#pragma once

#include <QLineEdit>

namespace trellon {

class GridInPlaceEdit final : public QLineEdit {
    Q_OBJECT

public:
    GridInPlaceEdit(QWidget* parent, bool startedByTyping);

    // Arrow and page keys end an edit that was started by typing; otherwise only with Ctrl held.
    bool startedByTyping() const { return startedByTyping_; }

    // Characters 0x26 to 0x39: & ' ( ) * + , - . / and the digits.
    static bool acceptsCharacter(QChar c) { return c.unicode() >= 0x26 && c.unicode() <= 0x39; }
    static QString acceptedPart(const QString& text);

    // Characters were typed or pasted during the edit and every one of them was refused.
    bool refusedAllInput() const { return inputRefused_ && !inputAccepted_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Widens the box to the text plus two spaces, within the grid's viewport.
    void widenToText();

    bool startedByTyping_;
    bool inputAccepted_ = false;
    bool inputRefused_ = false;
};

} // namespace trellon
