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

QString GbkTextValidator::fitted(const QString& text) const
{
    QString kept;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QString longer = kept + text.mid(i, length);
        int position = 0;
        if (validate(longer, position) != Acceptable)
            break;
        kept = std::move(longer);
        i += length;
    }
    return kept;
}

} // namespace trellon
