// The last steps the exports share: where to save, writing with progress, opening the result.
#pragma once

#include "exportrunner.h"

#include <QString>

namespace trellon {

class CommandWindow;

struct ReportFile {
    QString filter;     // the save dialog's file-type filter, e.g. "Excel工作簿(*.xlsx)"
    QString suffix;     // with its dot, appended when the chosen name lacks it
    QString openFailed; // the question when no application opened the written file: %1 is its path; Yes opens
                        // its folder
};

// Asks where to save (proposing the project's name beside it) and runs write for the local path as runExport does;
// a failed write is told with the file's name. The path written, or empty when cancelled or failed.
QString saveReport(CommandWindow& window, const ReportFile& file, const ExportJob& write);

// Asks where to save (proposing the project's name beside it), runs write on the local path, then opens the file
// in the desktop's application, or, when none opens it, says where it was written and offers to open its folder.
// A cancelled dialog does nothing; a failed write is told with the file's name.
void saveReportAndOpen(CommandWindow& window, const ReportFile& file, const ExportJob& write);

} // namespace trellon
