// Clamping number field.
#include "clampingspinbox.h"

#include <algorithm>

namespace trellon {

// The line edit takes the text the validator hands back, so typing 75 into 1 … 50 shows 50.
QValidator::State ClampingSpinBox::validate(QString& text, int& position) const
{
    bool isNumber = false;
    const int typed = text.toInt(&isNumber);
    if (isNumber && (typed < minimum() || typed > maximum())) {
        text = QString::number(std::clamp(typed, minimum(), maximum()));
        position = static_cast<int>(text.size());
        return QValidator::Acceptable;
    }
    return QSpinBox::validate(text, position);
}

} // namespace trellon
