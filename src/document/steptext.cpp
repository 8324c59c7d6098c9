// Step texts in the language of the interface.
#include "steptext.h"

#include <QCoreApplication>

namespace trellon {

QString StepText::translated() const
{
    const QString text = QCoreApplication::translate("trellon::ProjectDocument", source);
    // All arguments in one pass, so that none is read for placeholders of its own.
    const QStringList& a = arguments;
    switch (a.size()) {
    case 0:
        return text;
    case 1:
        return text.arg(a[0]);
    case 2:
        return text.arg(a[0], a[1]);
    case 3:
        return text.arg(a[0], a[1], a[2]);
    default:
        return text.arg(a[0], a[1], a[2], a[3]);
    }
}

} // namespace trellon
