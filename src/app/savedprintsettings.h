// The print settings a run of the program starts with: those last confirmed in the print-settings dialog.
#pragma once

#include "model/printsettings.h"

#include <QString>

namespace trellon {

// The values of the first print settings file in `folder` whose magic matches, as the dialog's confirmation
// hands them over (header text trimmed); the main window's initial values when there is none, or when the file
// holds a page number placed on the header or footer text, which the dialog would refuse. Writes nothing.
PrintSettings savedPrintSettings(const QString& folder);

} // namespace trellon
