// A number field that turns a typed number outside its range into the nearest bound at once.
#pragma once

#include <QSpinBox>

namespace trellon {

class ClampingSpinBox final : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& text, int& position) const override;
};

} // namespace trellon
