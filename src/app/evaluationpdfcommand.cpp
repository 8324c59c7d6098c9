// The evaluation report export.
#include "evaluationpdfcommand.h"

#include "cmainframe.h"
#include "reportoutput.h"

#include "evaluation/evaluationreport.h"
#include "views/evaluationpdf.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace trellon {

void exportEvaluationPdf(CMainFrame& frame)
{
    const Project* project = frame.document().project();
    if (project == nullptr)
        return;
    const QString projectFile = QString::fromStdString(frame.document().currentFilePath());
    const ReportFile file{QCoreApplication::translate("PdfExport", "PDF文件(*.pdf)"), QStringLiteral(".pdf"), {}};
    saveReport(frame, file, [project, projectFile](const std::string& path) -> Status {
        const QString name =
            projectFile.isEmpty() ? QString::fromUtf8(untitledProjectName) : QFileInfo(projectFile).fileName();
        return writeEvaluationPdf(path, *project, evaluateAcceptance(*project), name);
    });
}

} // namespace trellon
