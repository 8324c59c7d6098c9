// Keeps an edit's text within what the GBK settings and project fields can hold.
#pragma once

#include <QValidator>

#include <cstddef>
#include <limits>

namespace trellon {

// Refuses text that has no GBK form or whose GBK form is longer than maxBytes (a Chinese character counts 2).
class GbkTextValidator final : public QValidator {
public:
    explicit GbkTextValidator(QObject* parent, std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

    State validate(QString& text, int& position) const override;

    // The longest beginning of text that is acceptable, so a stored value too long for the field is shown cut
    // and stays editable (the edit refuses every change while its text is over the limit).
    QString fitted(const QString& text) const;

private:
    std::size_t maxBytes_;
};

} // namespace trellon
