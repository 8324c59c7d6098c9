// The text of a step of the history as the sources write it, with its arguments, so that the step can be named in
// the language of the interface whenever that changes.
#pragma once

#include <QString>
#include <QStringList>

namespace trellon {

struct StepText {
    const char* source = ""; // marked with QT_TR_NOOP in ProjectDocument, or QT_TRANSLATE_NOOP in its context
    QStringList arguments;   // for %1 to %4, in their order

    QString translated() const;
};

} // namespace trellon
