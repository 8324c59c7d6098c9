// The evaluation report export.
#include "evaluationpdfcommand.h"

#include "commandwindow.h"
#include "reportoutput.h"

#include "document/projectdocument.h"
#include "evaluation/evaluationreport.h"
#include "views/evaluationpages.h"
#include "views/evaluationpdf.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace trellon {

void exportEvaluationPdf(CommandWindow& window)
{
    const Project* project = window.document().project();
    if (project == nullptr)
        return;
    const QString projectFile = QString::fromStdString(window.document().currentFilePath());
    const ReportFile file{QCoreApplication::translate("PdfExport", "PDF文件(*.pdf)"), QStringLiteral(".pdf"), {}};
    saveReport(window, file, [project, projectFile](const std::string& path, ExportTask& task) -> Status {
        const QString name =
            projectFile.isEmpty() ? QString::fromUtf8(untitledProjectName) : QFileInfo(projectFile).fileName();
        const std::atomic<bool>& stop = task.cancelled();
        const EvaluationPages pages(evaluationReportOfToday(*project, evaluateAcceptance(*project), name), &stop);
        task.setTotal(pages.pageCount());
        return writeEvaluationPdf(path, pages, name, [&task](std::int32_t painted) {
            task.setDone(painted);
            return !task.isCancelled();
        });
    });
}

} // namespace trellon
