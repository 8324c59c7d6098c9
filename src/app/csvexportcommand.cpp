// The CSV export command.
#include "csvexportcommand.h"

#include "commandwindow.h"
#include "reportoutput.h"

#include "document/projectdocument.h"
#include "reports/csvexport.h"

#include <QCoreApplication>

namespace trellon {

void exportCsv(CommandWindow& window)
{
    const Project* project = window.document().project();
    if (project == nullptr)
        return;
    const ReportFile file{QCoreApplication::translate("CsvExport", "CSV文件(*.csv)"), QStringLiteral(".csv"), {}};
    saveReport(window, file,
               [project](const std::string& path, ExportTask&) { return writeCsvExport(path, *project); });
}

} // namespace trellon
