// GBK length check of edited text.
#include "gbktextvalidator.h"

#include "model/gbk.h"

namespace trellon {

GbkTextValidator::GbkTextValidator(QObject* parent, std::size_t maxBytes) : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State GbkTextValidator::validate(QString& text, int&) const
{
    const auto gbk = utf8ToGbk(text.toStdString());
    return gbk && gbk.value().size() <= maxBytes_ ? Acceptable : Invalid;
}

} // namespace trellon
