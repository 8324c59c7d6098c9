// The CSV export command.
#include "csvexportcommand.h"

#include "cmainframe.h"
#include "reportoutput.h"

#include "reports/csvexport.h"

#include <QCoreApplication>

namespace trellon {

void exportCsv(CMainFrame& frame)
{
    const Project* project = frame.document().project();
    if (project == nullptr)
        return;
    const ReportFile file{QCoreApplication::translate("CsvExport", "CSV文件(*.csv)"), QStringLiteral(".csv"), {}};
    saveReport(frame, file, [project](const std::string& path, ExportTask&) { return writeCsvExport(path, *project); });
}

} // namespace trellon
